// The toolkit's floor for start-up time and memory: a plain window of the program's size and
// title under a default QApplication, with nothing in it.

#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("https://proporcia.example.org  Математика - пропорция"));
    window.resize(466, 324);
    window.show();
    return QApplication::exec();
}
