#pragma once

#include <emscripten/val.h>

#include <string>
#include <string_view>
#include <utility>

#include "engine/command_button.h"
#include "engine/list_box.h"
#include "engine/option_button.h"

// Thin bindings of the page's elements to the engine's control interfaces. Each element must stay
// in the page for as long as its binding lives.
namespace web_ui {

// A <select size> list box; each item is one <option>, whose text content is the item exactly,
// blanks included.
class SelectListBox final : public engine::ListBox {
public:
    explicit SelectListBox(emscripten::val select) : select_(std::move(select)) {}

    void clear() override;
    void addItem(std::string_view text) override;
    std::string item(int index) const override;

private:
    emscripten::val select_;
};

// A radio input; the inputs of one group share a name, so checking one clears the others.
class RadioOptionButton final : public engine::OptionButton {
public:
    explicit RadioOptionButton(emscripten::val input) : input_(std::move(input)) {}

    void select() override { input_.set("checked", true); }

private:
    emscripten::val input_;
};

// A <button>; a disabled one delivers no click.
class ButtonCommandButton final : public engine::CommandButton {
public:
    explicit ButtonCommandButton(emscripten::val button) : button_(std::move(button)) {}

    void setEnabled(bool enabled) override { button_.set("disabled", !enabled); }

private:
    emscripten::val button_;
};

}  // namespace web_ui
