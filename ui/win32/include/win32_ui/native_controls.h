#pragma once

#include <windows.h>

#include <array>
#include <string>
#include <string_view>

#include "engine/command_button.h"
#include "engine/form_controls.h"
#include "engine/list_box.h"
#include "engine/option_button.h"

// Thin bindings of the window's native controls to the engine's control interfaces. Each control
// must outlive its binding.
namespace win32_ui {

// A list box (LISTBOX, unsorted).
class NativeListBox final : public engine::ListBox {
public:
    explicit NativeListBox(HWND list) : list_(list) {}

    void clear() override;
    void addItem(std::string_view text) override;
    std::string item(int index) const override;

private:
    HWND list_;
};

// The six option buttons (auto radio buttons) of one group. Marking one clears the others, and
// only the marked one is a stop of the Tab key, so the keyboard enters the group there; while
// none is marked, the first one is.
class OptionGroup {
public:
    explicit OptionGroup(const std::array<HWND, engine::kOptionCount>& buttons);

    void mark(int index);
    // After the user marked a button with the mouse or the arrow keys.
    void keepTabStopOnMarked();

private:
    std::array<HWND, engine::kOptionCount> buttons_;
};

class NativeOptionButton final : public engine::OptionButton {
public:
    NativeOptionButton(OptionGroup& group, int index) : group_(group), index_(index) {}

    void select() override { group_.mark(index_); }

private:
    OptionGroup& group_;
    int index_;
};

class NativeCommandButton final : public engine::CommandButton {
public:
    explicit NativeCommandButton(HWND button) : button_(button) {}

    void setEnabled(bool enabled) override { EnableWindow(button_, enabled ? TRUE : FALSE); }

private:
    HWND button_;
};

}  // namespace win32_ui
