#include "option_group_focus.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QEvent>

namespace qt_ui {

OptionGroupFocus::OptionGroupFocus(QButtonGroup& group) : QObject(&group), group_(group) {
    for (QAbstractButton* button : group_.buttons()) {
        button->installEventFilter(this);
    }
    connect(&group_, &QButtonGroup::buttonToggled, this, [this] { letTabEnterAtMarkedButton(); });
    letTabEnterAtMarkedButton();
}

bool OptionGroupFocus::eventFilter(QObject* /*watched*/, QEvent* event) {
    // Within the group Qt moves the Tab stop to the button that gets the focus; once the focus
    // has left, the stop goes back to the marked button.
    if (event->type() == QEvent::FocusOut) {
        letTabEnterAtMarkedButton();
    }
    return false;
}

void OptionGroupFocus::letTabEnterAtMarkedButton() {
    const QList<QAbstractButton*> buttons = group_.buttons();
    if (buttons.isEmpty()) {
        return;
    }
    const QAbstractButton* entry = group_.checkedButton();
    if (entry == nullptr) {
        entry = buttons.constFirst();
    }
    for (QAbstractButton* button : buttons) {
        button->setFocusPolicy(button == entry ? Qt::StrongFocus : Qt::ClickFocus);
    }
}

}  // namespace qt_ui
