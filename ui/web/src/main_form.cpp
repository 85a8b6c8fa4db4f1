#include "web_ui/main_form.h"

#include <exception>
#include <optional>
#include <utility>

#include "design/main_form_design.h"
#include "design/runtime_error_texts.h"
#include "engine/clock_random_source.h"
#include "engine/runtime_error.h"
#include "engine/scenario_templates.h"
#include "web_ui/browser_language.h"
#include "web_ui/document_title.h"

namespace web_ui {

using emscripten::val;

MainForm::MainForm(val host, std::unique_ptr<engine::RandomSource> random)
    : random_(std::move(random)),
      page_(buildPageWindow(host, design::mainForm())),
      errorDialog_(host),
      scaling_(page_.window, design::mainForm()) {
    if (!random_) {
        random_ = std::make_unique<engine::ClockRandomSource>();
    }
    host["ownerDocument"].set("title", documentTitle(design::mainForm().title));

    const engine::FormControls controls = bindControls();
    engine_ = std::make_unique<engine::MainFormLogic>(controls, *random_, userDecimalSeparator());
    engine::fillDesignTimeLists(controls.List1);
    transcriptBox_->setText(design::mainForm().introText);
    engine_->load();

    for (int index = 0; index < engine::kCommandCount; ++index) {
        clicks_[static_cast<std::size_t>(index)] =
            std::make_unique<EventListener>(page_.commands[static_cast<std::size_t>(index)],
                                            "click", [this, index] { onCommandClicked(index); });
    }
    // The introductory text from its first line, with the caret before it, as a text box
    // shows a text it was given.
    page_.transcript.call<void>("focus");
    page_.transcript.call<void>("setSelectionRange", 0, 0);
    page_.transcript.set("scrollTop", 0);
}

engine::FormControls MainForm::bindControls() {
    engine::FormControls controls;
    for (std::size_t i = 0; i < page_.lists.size(); ++i) {
        listBoxes_[i] = std::make_unique<SelectListBox>(page_.lists[i]);
        controls.List1[i] = listBoxes_[i].get();
    }
    transcriptBox_ = std::make_unique<TextareaTextBox>(page_.transcript);
    controls.Text1 = transcriptBox_.get();
    for (std::size_t i = 0; i < page_.options.size(); ++i) {
        optionButtons_[i] = std::make_unique<RadioOptionButton>(page_.options[i]);
        controls.Option1[i] = optionButtons_[i].get();
    }
    for (std::size_t i = 0; i < page_.commands.size(); ++i) {
        commandButtons_[i] = std::make_unique<ButtonCommandButton>(page_.commands[i]);
        controls.Command1[i] = commandButtons_[i].get();
    }
    return controls;
}

void MainForm::onCommandClicked(int index) {
    const val& clicked = page_.commands[static_cast<std::size_t>(index)];
    const bool clickedHadFocus = clicked["ownerDocument"]["activeElement"].strictlyEquals(clicked);
    // A command that fails keeps what it wrote and the buttons as they were; the user is told
    // and carries on.
    std::optional<std::string_view> failure;
    try {
        engine_->commandClick(index);
    } catch (const engine::RuntimeError& error) {
        failure = design::runtimeErrorText(error.kind());
    } catch (const std::exception&) {
        failure = design::unexpectedErrorText();
    }
    showNewestLines();
    if (failure) {
        errorDialog_.show(*failure);
        return;
    }
    // A button that disables itself would leave the focus nowhere; "Задача" is what the user
    // needs next.
    if (clickedHadFocus && clicked["disabled"].as<bool>()) {
        page_.commands[engine::kMakeProblemCommand].call<void>("focus");
    }
}

void MainForm::showNewestLines() {
    val& transcript = page_.transcript;
    const val end = transcript["textLength"];
    transcript.call<void>("setSelectionRange", end, end);
    transcript.set("scrollTop", transcript["scrollHeight"]);
}

}  // namespace web_ui
