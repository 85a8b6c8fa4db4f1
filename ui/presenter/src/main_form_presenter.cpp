#include "presenter/main_form_presenter.h"

#include <exception>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

#include "design/main_form_design.h"
#include "design/runtime_error_texts.h"
#include "engine/clock_random_source.h"
#include "engine/runtime_error.h"
#include "engine/scenario_templates.h"

namespace presenter {

namespace {

std::unique_ptr<engine::RandomSource> orClockSeeded(std::unique_ptr<engine::RandomSource> random) {
    return random ? std::move(random) : std::make_unique<engine::ClockRandomSource>();
}

const design::ControlId& firstFocusStop() {
    for (const design::ControlId& id : design::mainForm().tabOrder) {
        if (design::takesFocus(design::control(id).kind)) {
            return id;
        }
    }
    throw std::logic_error("no control of the main window takes the focus");
}

}  // namespace

MainFormPresenter::MainFormPresenter(MainFormView& view, std::string decimalSeparator,
                                     std::unique_ptr<engine::RandomSource> random)
    : view_(view),
      random_(orClockSeeded(std::move(random))),
      controls_(bindControls()),
      engine_(controls_, *random_, std::move(decimalSeparator)) {
    start();
}

engine::FormControls MainFormPresenter::bindControls() {
    engine::FormControls controls;
    for (std::size_t i = 0; i < lists_.size(); ++i) {
        lists_[i] = view_.bindList(static_cast<int>(i));
        controls.List1[i] = lists_[i].get();
    }
    transcript_ = view_.bindTranscript();
    controls.Text1 = transcript_.get();
    for (std::size_t i = 0; i < options_.size(); ++i) {
        options_[i] = view_.bindOption(static_cast<int>(i));
        controls.Option1[i] = options_[i].get();
    }
    for (std::size_t i = 0; i < commands_.size(); ++i) {
        commands_[i] = view_.bindCommand(static_cast<int>(i));
        controls.Command1[i] = commands_[i].get();
    }
    return controls;
}

void MainFormPresenter::start() {
    engine::fillDesignTimeLists(controls_.List1);
    transcript_->setText(design::mainForm().introText);
    engine_.load();
    view_.focus(firstFocusStop());
    view_.showFirstLines();
}

void MainFormPresenter::commandClicked(int index) {
    if (index < 0 || index >= engine::kCommandCount) {
        return;  // not a button of the window's
    }
    const design::ControlId clicked = design::commandId(index);
    const bool clickedHadFocus = view_.hasFocus(clicked);
    const std::string before = transcript_->text();
    std::optional<std::string_view> failure;
    try {
        engine_.commandClick(index);
    } catch (const engine::RuntimeError& error) {
        failure = design::runtimeErrorText(error.kind());
    } catch (const std::exception&) {
        failure = design::unexpectedErrorText();
    }
    view_.showNewestLines();
    if (failure) {
        view_.reportError({design::runtimeErrorTitle(), *failure, design::runtimeErrorAdvice()});
        return;
    }
    const std::string after = transcript_->text();
    view_.announce(after.starts_with(before) ? std::string_view(after).substr(before.size())
                                             : std::string_view(after));
    if (clickedHadFocus && !view_.isEnabled(clicked)) {
        view_.focus(design::commandId(engine::kMakeProblemCommand));
    }
}

}  // namespace presenter
