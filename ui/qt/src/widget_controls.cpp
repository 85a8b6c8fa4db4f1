#include "qt_ui/widget_controls.h"

#include <QString>

namespace qt_ui {

void ListWidgetBox::addItem(std::string_view text) { list_.addItem(QString::fromUtf8(text)); }

std::string ListWidgetBox::item(int index) const {
    engine::checkItemIndex(index, static_cast<std::size_t>(list_.count()));
    return list_.item(index)->text().toStdString();
}

}  // namespace qt_ui
