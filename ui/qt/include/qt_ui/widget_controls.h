#pragma once

#include <QAbstractButton>
#include <QListWidget>
#include <QRadioButton>
#include <string>
#include <string_view>

#include "engine/command_button.h"
#include "engine/list_box.h"
#include "engine/option_button.h"

// Thin bindings of the window's widgets to the engine's control interfaces. Each widget must
// outlive its binding.
namespace qt_ui {

class ListWidgetBox final : public engine::ListBox {
public:
    explicit ListWidgetBox(QListWidget& list) : list_(list) {}

    void clear() override { list_.clear(); }
    void addItem(std::string_view text) override;
    std::string item(int index) const override;

private:
    QListWidget& list_;
};

// The radio buttons share an exclusive group, so checking one clears the others.
class RadioOptionButton final : public engine::OptionButton {
public:
    explicit RadioOptionButton(QRadioButton& button) : button_(button) {}

    void select() override { button_.setChecked(true); }

private:
    QRadioButton& button_;
};

class PushCommandButton final : public engine::CommandButton {
public:
    explicit PushCommandButton(QAbstractButton& button) : button_(button) {}

    void setEnabled(bool enabled) override { button_.setEnabled(enabled); }

private:
    QAbstractButton& button_;
};

}  // namespace qt_ui
