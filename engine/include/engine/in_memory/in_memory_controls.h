#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "engine/form_controls.h"

// Controls that keep their state in memory, for driving the engine without a window: in the
// tests and the benchmarks. They honour the contracts of the interfaces they implement.
namespace engine::in_memory {

class ListBox final : public engine::ListBox {
public:
    void clear() override { items_.clear(); }
    void addItem(std::string_view text) override { items_.emplace_back(text); }
    std::string item(int index) const override;

    // Direct access, so a test can change what a list holds behind the engine's back.
    std::vector<std::string>& items() { return items_; }
    const std::vector<std::string>& items() const { return items_; }

private:
    std::vector<std::string> items_;
};

class TextBox final : public engine::TextBox {
public:
    std::string text() const override { return text_; }
    void setText(std::string_view text) override { text_ = text; }

private:
    std::string text_;
};

// The selection of one option group: the index of its selected button, or none.
class OptionGroup {
public:
    static constexpr int kNoSelection = -1;

    int selected() const { return selected_; }
    void select(int index) { selected_ = index; }

private:
    int selected_ = kNoSelection;
};

class OptionButton final : public engine::OptionButton {
public:
    OptionButton(OptionGroup& group, int index) : group_(group), index_(index) {}
    void select() override { group_.select(index_); }

private:
    OptionGroup& group_;
    int index_;
};

class CommandButton final : public engine::CommandButton {
public:
    void setEnabled(bool enabled) override { enabled_ = enabled; }
    bool isEnabled() const { return enabled_; }

private:
    bool enabled_ = true;  // buttons start enabled, as in the window's design
};

// All the controls of the main window with their design-time content: the placeholder numbers
// and the scenarios in the lists, an empty transcript, no option selected, both buttons enabled.
struct Form {
    Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    FormControls controls();

    std::array<ListBox, kListCount> List1;
    TextBox Text1;
    OptionGroup options;
    std::array<OptionButton, kOptionCount> Option1;
    std::array<CommandButton, kCommandCount> Command1;
};

}  // namespace engine::in_memory
