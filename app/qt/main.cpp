#include <QApplication>

#include "qt_ui/application.h"
#include "qt_ui/main_form.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    qt_ui::prepareApplication();
    qt_ui::MainForm window;
    window.show();
    return QApplication::exec();
}
