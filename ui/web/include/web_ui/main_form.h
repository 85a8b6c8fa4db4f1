#pragma once

#include <emscripten/val.h>

#include <array>
#include <memory>

#include "engine/form_controls.h"
#include "engine/random_source.h"
#include "presenter/main_form_view.h"
#include "web_ui/announcer.h"
#include "web_ui/error_dialog.h"
#include "web_ui/event_listener.h"
#include "web_ui/page_window.h"
#include "web_ui/window_scaling.h"

namespace presenter {
class MainFormPresenter;
}

namespace web_ui {

// The program's only window, in a page. It builds its elements from the window's description and
// carries out what the window's presenter decides (presenter::MainFormView), which binds them to
// the problem engine; the two command buttons' clicks go to it. The window keeps itself fitted to
// the browser's viewport: filling the screen in full screen (see WindowScaling).
//
// Each element's id is its control's design name with the index after an underscore: "List1_0"
// to "List1_16", "Text1_0", "Option1_0" to "Option1_5", "Command1_0", "Command1_1", plus
// "Frame1" and "Label1"; the window's is "MainForm".
class MainForm : private presenter::MainFormView {
public:
    // Builds the window at the end of host. Problems are drawn from the given source; by default
    // one seeded from the clock. The answers' decimal separator is the user language's.
    explicit MainForm(emscripten::val host, std::unique_ptr<engine::RandomSource> random = nullptr);
    ~MainForm() override;
    MainForm(const MainForm&) = delete;
    MainForm& operator=(const MainForm&) = delete;

private:
    // The element that takes the focus for a control: an option button's radio input.
    emscripten::val element(const design::ControlId& control) const;

    // presenter::MainFormView
    std::unique_ptr<engine::ListBox> bindList(int index) override;
    std::unique_ptr<engine::TextBox> bindTranscript() override;
    std::unique_ptr<engine::OptionButton> bindOption(int index) override;
    std::unique_ptr<engine::CommandButton> bindCommand(int index) override;
    bool hasFocus(const design::ControlId& control) const override;
    bool isEnabled(const design::ControlId& control) const override;
    void focus(const design::ControlId& control) override;
    void showFirstLines() override;
    void showNewestLines() override;
    void reportError(const presenter::ErrorMessage& message) override;
    void announce(std::string_view added) override;

    PageWindow page_;
    ErrorDialog errorDialog_;
    Announcer announcer_;
    WindowScaling scaling_;
    std::array<std::unique_ptr<EventListener>, engine::kCommandCount> clicks_;
    // Last, so that it and its bindings go before the elements they bind.
    std::unique_ptr<presenter::MainFormPresenter> presenter_;
};

}  // namespace web_ui
