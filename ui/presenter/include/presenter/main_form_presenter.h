#pragma once

#include <array>
#include <memory>
#include <string>

#include "engine/form_controls.h"
#include "engine/main_form_logic.h"
#include "engine/random_source.h"
#include "presenter/main_form_view.h"

namespace presenter {

// What the main window does around the problem engine, for every front-end alike: it binds the
// view's controls to the engine, starts the window and handles a click on a command button and
// its outcome. The view only carries out what it is told (see MainFormView).
//
// Start-up, while the presenter is made: the design-time lists, the introductory text, the
// engine's load step (which disables "Сметки"), then the focus on the first control of the tab
// order that takes it, the transcript, showing its first lines.
//
// A click: the engine runs the command; then the transcript shows its newest lines, and what the
// command added is announced to a screen reader (the whole new problem, or the solution). A command
// that fails keeps what it wrote and the buttons as they were, and the user is told, in
// Bulgarian, with the window going on. A button that disabled itself while it had the focus
// passes it to "Задача", what the user needs next, rather than to whatever control follows it
// (a list of the strip, mostly below the window's edge).
class MainFormPresenter {
public:
    // Problems are drawn from the given source; by default one seeded from the clock. Answers use
    // the given decimal separator, the user's locale's. The view must outlive the presenter.
    MainFormPresenter(MainFormView& view, std::string decimalSeparator,
                      std::unique_ptr<engine::RandomSource> random = nullptr);
    MainFormPresenter(const MainFormPresenter&) = delete;
    MainFormPresenter& operator=(const MainFormPresenter&) = delete;

    // A click on Command1(index); any other index does nothing.
    void commandClicked(int index);

private:
    engine::FormControls bindControls();
    void start();

    MainFormView& view_;
    std::unique_ptr<engine::RandomSource> random_;
    std::array<std::unique_ptr<engine::ListBox>, engine::kListCount> lists_;
    std::unique_ptr<engine::TextBox> transcript_;
    std::array<std::unique_ptr<engine::OptionButton>, engine::kOptionCount> options_;
    std::array<std::unique_ptr<engine::CommandButton>, engine::kCommandCount> commands_;
    engine::FormControls controls_;
    engine::MainFormLogic engine_;
};

}  // namespace presenter
