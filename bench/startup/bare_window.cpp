// The toolkit's floor for start-up time and memory: a plain window of the program's size and
// title under a default QApplication, with nothing in it.

#include <QApplication>
#include <QWidget>

#include "design/main_form_design.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const design::WindowDesign& design = design::mainForm();
    const design::Pixels size = design::toPixels(design.clientArea);
    QWidget window;
    window.setWindowTitle(
        QString::fromUtf8(design.title.data(), static_cast<qsizetype>(design.title.size())));
    window.resize(size.width, size.height);
    window.show();
    return QApplication::exec();
}
