#include <QApplication>

#include "ui/application.h"
#include "ui/main_form.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    ui::prepareApplication();
    ui::MainForm window;
    window.show();
    return QApplication::exec();
}
