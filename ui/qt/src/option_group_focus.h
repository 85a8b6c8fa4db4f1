#pragma once

#include <QObject>

class QAbstractButton;
class QButtonGroup;

namespace qt_ui {

// Makes an exclusive group of option buttons one stop of the Tab key, as radio groups are on
// Windows and KDE: Tab enters the group on the marked button, or on the first when none is
// marked, and the arrow keys move within it. Qt itself would enter on whichever button last had
// the focus, so a screen reader would first announce a letter that is not the marked one.
class OptionGroupFocus final : public QObject {
public:
    // Lives as long as the group, whose child it becomes.
    explicit OptionGroupFocus(QButtonGroup& group);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void letTabEnterAtMarkedButton();

    QButtonGroup& group_;
};

}  // namespace qt_ui
