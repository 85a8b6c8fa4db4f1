#include "widget_controls.h"

#include <QString>

#include "engine/runtime_error.h"

namespace ui {

void ListWidgetBox::addItem(std::string_view text) { list_.addItem(QString::fromUtf8(text)); }

std::string ListWidgetBox::item(int index) const {
    if (index < 0 || index >= list_.count()) {
        throw engine::RuntimeError(
            engine::ErrorKind::IndexOutOfRange,
            "list " + list_.objectName().toStdString() + " has no item " + std::to_string(index));
    }
    return list_.item(index)->text().toStdString();
}

}  // namespace ui
