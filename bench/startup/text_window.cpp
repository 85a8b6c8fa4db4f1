// The floor plus what any window with text pays first: one line in the program's font, laid out
// before the window is shown, as the program's own controls are. Run against bare_window, it
// shows what the toolkit spends on fonts alone.

#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("https://proporcia.example.org  Математика - пропорция"));
    window.resize(466, 324);
    QFont font(QStringLiteral("Times New Roman"), 12);
    font.setStyleHint(QFont::Serif);
    window.setFont(font);
    auto* line =
        new QLabel(QStringLiteral("Математика - пропорция, сложно тройно правило "), &window);
    line->setGeometry(24, 0, 393, 25);
    line->sizeHint();  // the layout the program does before it is mapped
    window.show();
    return QApplication::exec();
}
