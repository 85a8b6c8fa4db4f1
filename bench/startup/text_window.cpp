// The floor plus what any window with text pays first: one line in the program's font, laid out
// before the window is shown, as the program's own controls are. Run against bare_window, it
// shows what the toolkit spends on fonts alone.

#include <QApplication>
#include <QLabel>
#include <QWidget>
#include <string_view>

#include "design/main_form_design.h"

namespace {

QString toQString(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const design::WindowDesign& design = design::mainForm();
    const design::Pixels size = design::toPixels(design.clientArea);
    QWidget window;
    window.setWindowTitle(toQString(design.title));
    window.resize(size.width, size.height);
    QFont font(toQString(design.font.family), design.font.points);
    font.setStyleHint(QFont::Serif);
    window.setFont(font);
    const design::Control& label = design::control({"Label1"});
    const design::Pixels place = design::toPixels(label.place);
    auto* line = new QLabel(toQString(label.caption), &window);
    line->setGeometry(place.left, place.top, place.width, place.height);
    line->sizeHint();  // the layout the program does before it is mapped
    window.show();
    return QApplication::exec();
}
