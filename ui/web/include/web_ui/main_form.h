#pragma once

#include <emscripten/val.h>

#include <array>
#include <memory>
#include <string>
#include <string_view>

#include "engine/form_controls.h"
#include "engine/main_form_logic.h"
#include "engine/random_source.h"
#include "web_ui/dom_controls.h"
#include "web_ui/error_dialog.h"
#include "web_ui/event_listener.h"
#include "web_ui/page_window.h"
#include "web_ui/textarea_text_box.h"
#include "web_ui/window_scaling.h"

namespace web_ui {

// The program's only window, in a page. It builds its elements from the window's description,
// binds them to the problem engine and routes the two command buttons' clicks to it. The engine
// decides everything else, including when the solve button is enabled. The window keeps itself
// fitted to the browser's viewport: filling the screen in full screen (see WindowScaling).
//
// Each element's id is its control's design name with the index after an underscore: "List1_0"
// to "List1_16", "Text1_0", "Option1_0" to "Option1_5", "Command1_0", "Command1_1", plus
// "Frame1" and "Label1"; the window's is "MainForm".
class MainForm {
public:
    // Builds the window at the end of host. Problems are drawn from the given source; by default
    // one seeded from the clock. The answers' decimal separator is the user language's.
    explicit MainForm(emscripten::val host, std::unique_ptr<engine::RandomSource> random = nullptr);
    MainForm(const MainForm&) = delete;
    MainForm& operator=(const MainForm&) = delete;

private:
    engine::FormControls bindControls();
    void onCommandClicked(int index);
    void showNewestLines();

    std::unique_ptr<engine::RandomSource> random_;
    PageWindow page_;
    ErrorDialog errorDialog_;
    WindowScaling scaling_;
    std::array<std::unique_ptr<SelectListBox>, engine::kListCount> listBoxes_;
    std::unique_ptr<TextareaTextBox> transcriptBox_;
    std::array<std::unique_ptr<RadioOptionButton>, engine::kOptionCount> optionButtons_;
    std::array<std::unique_ptr<ButtonCommandButton>, engine::kCommandCount> commandButtons_;
    std::unique_ptr<engine::MainFormLogic> engine_;
    std::array<std::unique_ptr<EventListener>, engine::kCommandCount> clicks_;
};

}  // namespace web_ui
