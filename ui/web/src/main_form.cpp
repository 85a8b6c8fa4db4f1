#include "web_ui/main_form.h"

#include <string>
#include <utility>

#include "design/main_form_design.h"
#include "page_rules/document_title.h"
#include "presenter/main_form_presenter.h"
#include "web_ui/browser_language.h"
#include "web_ui/dom_controls.h"
#include "web_ui/style_sheet.h"
#include "web_ui/textarea_text_box.h"

namespace web_ui {

using emscripten::val;

MainForm::MainForm(val host, std::unique_ptr<engine::RandomSource> random)
    : page_(buildPageWindow(host, design::mainForm())),
      errorDialog_(host),
      announcer_(host),
      scaling_(page_.window, design::mainForm()) {
    host["ownerDocument"].set("title", page_rules::documentTitle(design::mainForm().title));
    presenter::MainFormView& view = *this;
    presenter_ = std::make_unique<presenter::MainFormPresenter>(view, userDecimalSeparator(),
                                                                std::move(random));
    for (int index = 0; index < engine::kCommandCount; ++index) {
        clicks_[static_cast<std::size_t>(index)] = std::make_unique<EventListener>(
            page_.commands[static_cast<std::size_t>(index)], "click",
            [this, index](const val&) { presenter_->commandClicked(index); });
    }
}

MainForm::~MainForm() = default;

val MainForm::element(const design::ControlId& control) const {
    val element = page_.window.call<val>("querySelector", "#" + elementId(control));
    // An option button's element is the label around its radio input.
    if (design::control(control).kind == design::ControlKind::OptionButton) {
        return element.call<val>("querySelector", std::string("input"));
    }
    return element;
}

std::unique_ptr<engine::ListBox> MainForm::bindList(int index) {
    return std::make_unique<SelectListBox>(page_.lists.at(static_cast<std::size_t>(index)));
}

std::unique_ptr<engine::TextBox> MainForm::bindTranscript() {
    return std::make_unique<TextareaTextBox>(page_.transcript);
}

std::unique_ptr<engine::OptionButton> MainForm::bindOption(int index) {
    return std::make_unique<RadioOptionButton>(page_.options.at(static_cast<std::size_t>(index)));
}

std::unique_ptr<engine::CommandButton> MainForm::bindCommand(int index) {
    return std::make_unique<ButtonCommandButton>(
        page_.commands.at(static_cast<std::size_t>(index)));
}

bool MainForm::hasFocus(const design::ControlId& control) const {
    return element(control).strictlyEquals(page_.window["ownerDocument"]["activeElement"]);
}

bool MainForm::isEnabled(const design::ControlId& control) const {
    return !element(control)["disabled"].as<bool>();
}

void MainForm::focus(const design::ControlId& control) { element(control).call<void>("focus"); }

void MainForm::showFirstLines() {
    page_.transcript.call<void>("setSelectionRange", 0, 0);
    page_.transcript.set("scrollTop", 0);
}

void MainForm::showNewestLines() {
    val& transcript = page_.transcript;
    const val end = transcript["textLength"];
    transcript.call<void>("setSelectionRange", end, end);
    transcript.set("scrollTop", transcript["scrollHeight"]);
}

void MainForm::reportError(const presenter::ErrorMessage& message) { errorDialog_.show(message); }

void MainForm::announce(std::string_view added) { announcer_.announce(added); }

}  // namespace web_ui
