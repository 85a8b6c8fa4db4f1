#pragma once

#include <memory>
#include <string_view>

#include "design/main_form_design.h"
#include "engine/command_button.h"
#include "engine/list_box.h"
#include "engine/option_button.h"
#include "engine/text_box.h"

namespace presenter {

// What the user is told when a command fails: all of it from the window's description.
struct ErrorMessage {
    std::string_view title;
    std::string_view text;    // what went wrong
    std::string_view advice;  // that what is on screen stays, and what to do next
};

// What only a front-end can do for the main window: the presenter decides, the view carries it
// out in its toolkit. Controls are named by their ids in the window's description.
class MainFormView {
public:
    virtual ~MainFormView() = default;

    // The front-end's controls as the engine's interfaces. Each is asked for once, while the
    // presenter is made, and the control must outlive the binding.
    virtual std::unique_ptr<engine::ListBox> bindList(int index) = 0;
    virtual std::unique_ptr<engine::TextBox> bindTranscript() = 0;
    virtual std::unique_ptr<engine::OptionButton> bindOption(int index) = 0;
    virtual std::unique_ptr<engine::CommandButton> bindCommand(int index) = 0;

    virtual bool hasFocus(const design::ControlId& control) const = 0;
    virtual bool isEnabled(const design::ControlId& control) const = 0;
    virtual void focus(const design::ControlId& control) = 0;

    // The transcript from its first line, the caret before its first character, as a text box
    // shows a text it was given.
    virtual void showFirstLines() = 0;
    // The transcript scrolled to its very end, the newest line whole, the caret after it.
    virtual void showNewestLines() = 0;

    // Tells the user; the window goes on working afterwards, with everything on screen kept.
    virtual void reportError(const ErrorMessage& message) = 0;

    // Has a screen reader read out, when it is free, the text a command added to the transcript:
    // the new problem, or the solution. For a toolkit whose screen readers do not follow the text
    // box by themselves; the others leave it to them.
    virtual void announce(std::string_view /*added*/) {}
};

}  // namespace presenter
