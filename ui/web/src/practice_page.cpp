#include "web_ui/practice_page.h"

#include <vector>

#include "page_rules/focus_in_view.h"
#include "web_ui/page_address.h"
#include "worksheets/page_ids.h"
#include "worksheets/page_words.h"
#include "worksheets/practice_markup.h"
#include "worksheets/practice_result.h"
#include "worksheets/practice_start.h"
#include "worksheets/problem_set.h"
#include "worksheets/typed_text.h"

namespace web_ui {

using emscripten::val;
namespace ids = worksheets::ids;

PracticePage::PracticePage(val document)
    : Page(std::move(document), "the practice page", ids::kPracticePage) {
    const val window = this->document()["defaultView"];
    listen(element(ids::kPracticeStart), "submit", &PracticePage::start);
    listen(element(ids::kPracticeAnswers), "submit", &PracticePage::check);
    listen(element(ids::kPracticeResultNumber), "input", &PracticePage::showResultLine);
    listen(element(ids::kPracticeResultName), "input", &PracticePage::showResultLine);
    listen(element(ids::kPracticeCopyResult), "click", &PracticePage::copyResult);
    listen(window, "popstate", &PracticePage::showAddress);
    listen(window, "resize", &PracticePage::keepFocusInView);
    // Where a phone's keyboard covers the page rather than shrinking it, only the visual
    // viewport says so.
    const val viewport = window["visualViewport"];
    if (!viewport.isUndefined() && !viewport.isNull()) {
        listen(viewport, "resize", &PracticePage::keepFocusInView);
    }
    visibleHeight_ = visibleArea().height;
    showAddress(val::undefined());
}

void PracticePage::showAddress(const val& event) {
    fromAddress_ =
        worksheets::readPracticeQuery(document()["location"]["search"].as<std::string>());
    link_ = fromAddress_;
    element(ids::kPracticeCode).set("value", link_.codeText);
    element(ids::kPracticeProblems)
        .set("value", worksheets::practiceStart(fromAddress_, link_, link_.fault).count);
    element(ids::kPracticeNumber)
        .set("value", link_.variant ? std::to_string(*link_.variant) : std::string());
    if (link_.fault == worksheets::PracticeFault::kNone && link_.variant) {
        // Back in the history, the pupil goes on from the variant's heading as when choosing it.
        openVariant(false, !event.isUndefined());
    } else {
        showStart(link_.fault);
    }
}

void PracticePage::showStart(worksheets::PracticeFault fault) {
    using worksheets::StartField;
    const worksheets::PracticeStart start = worksheets::practiceStart(fromAddress_, link_, fault);
    round_.reset();
    hintListeners_.clear();
    element(ids::kPracticeProblemsList).set("innerHTML", std::string());
    element(ids::kPracticeAnswers).set("hidden", true);
    element(ids::kPracticeResult).set("hidden", true);
    element(ids::kPracticeStart).set("hidden", false);
    element(ids::kPracticeSheetFields).set("hidden", !start.sheetAsked);
    element(ids::kPracticeRefusal).set("textContent", start.refusal);
    const auto field = [this](StartField which) {
        return element(which == StartField::kCode       ? ids::kPracticeCode
                       : which == StartField::kProblems ? ids::kPracticeProblems
                                                        : ids::kPracticeNumber);
    };
    for (const StartField which : {StartField::kCode, StartField::kProblems, StartField::kNumber}) {
        markInvalid(field(which), start.invalid == which);
    }
    field(start.first).call<void>("focus");
}

void PracticePage::start(const val& event) {
    event.call<void>("preventDefault");
    using worksheets::PracticeFault;
    PracticeFault fault = PracticeFault::kNone;
    if (worksheets::asksForSheet(fromAddress_)) {
        fault =
            worksheets::enterSheet(link_, element(ids::kPracticeCode)["value"].as<std::string>(),
                                   element(ids::kPracticeProblems)["value"].as<std::string>());
    }
    if (fault == PracticeFault::kNone) {
        fault = worksheets::chooseVariant(link_,
                                          element(ids::kPracticeNumber)["value"].as<std::string>());
    }
    if (fault != PracticeFault::kNone) {
        showStart(fault);
        return;
    }
    element(ids::kPracticeRefusal).set("textContent", std::string());
    openVariant(true, true);
}

void PracticePage::openVariant(bool chosen, bool focusHeading) {
    const int variant = *link_.variant;
    round_.emplace(worksheets::ProblemSet(*link_.code).variant(variant, link_.problems));
    element(ids::kPracticeVariantName).set("textContent", worksheets::words::variantName(variant));
    element(ids::kPracticeScore).set("textContent", std::string());
    element(ids::kPracticeProblemsList)
        .set("innerHTML", worksheets::practiceMarkup(round_->problems(), link_.hints));
    hintListeners_.clear();
    if (link_.hints) {
        for (std::size_t i = 0; i < round_->problems().size(); ++i) {
            hintListeners_.push_back(std::make_unique<EventListener>(
                element(worksheets::practiceId("hint", static_cast<int>(i) + 1)), "toggle",
                [this, i](const val& event) { hintToggled(i, event); }));
        }
    }
    element(ids::kPracticeStart).set("hidden", true);
    element(ids::kPracticeAnswers).set("hidden", false);
    element(ids::kPracticeResultNumber).set("value", worksheets::numberAtFirst(link_));
    element(ids::kPracticeResultStatus).set("textContent", std::string());
    showResultLine();
    const val query(worksheets::practiceQuery(link_));
    if (chosen) {
        web_ui_push_query(query.as_handle());
    } else {
        web_ui_replace_query(query.as_handle());
    }
    if (focusHeading) {
        // A screen reader reads the heading; the keyboard goes on to the first problem.
        element(ids::kPracticeVariantName).call<void>("focus");
    }
}

void PracticePage::check(const val& event) {
    event.call<void>("preventDefault");
    if (!round_) {
        return;
    }
    std::vector<std::string> answers;
    const std::size_t count = round_->problems().size();
    answers.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        // A hint open now counts too: one opened by the browser's search in the page, or just
        // before, whose event has not come yet.
        if (link_.hints &&
            element(worksheets::practiceId("hint", static_cast<int>(i) + 1))["open"].as<bool>()) {
            round_->openHint(i);
        }
        answers.push_back(
            element(worksheets::practiceId("answer", static_cast<int>(i) + 1))["value"]
                .as<std::string>());
    }
    round_->check(answers);
    for (std::size_t i = 0; i < count; ++i) {
        showResult(i);
    }
    element(ids::kPracticeScore).set("textContent", round_->score());
    showResultLine();
}

void PracticePage::showResultLine() {
    const bool checked = round_ && round_->checked();
    element(ids::kPracticeResult).set("hidden", !checked);
    if (!checked) {
        return;
    }
    const val number = element(ids::kPracticeResultNumber);
    const std::string typed = number["value"].as<std::string>();
    const std::optional<std::string> line = worksheets::practiceResultLine(
        link_, *round_, typed, element(ids::kPracticeResultName)["value"].as<std::string>());
    element(ids::kPracticeResultMissing).set("hidden", line.has_value());
    markInvalid(number, !line && !worksheets::TypedText(typed).trim().empty());
    element(ids::kPracticeResultLine).set("hidden", !line);
    element(ids::kPracticeResultLine).set("value", line.value_or(std::string()));
    element(ids::kPracticeCopyResult).set("disabled", !line);
}

void PracticePage::copyResult() {
    const val field = element(ids::kPracticeResultLine);
    if (field["hidden"].as<bool>()) {
        return;
    }
    copy(field["value"].as<std::string>(), field, [this](bool copied) {
        element(ids::kPracticeResultStatus)
            .set("textContent", std::string(copied ? worksheets::words::kResultCopied
                                                   : worksheets::words::kResultByHand));
    });
}

void PracticePage::hintToggled(std::size_t index, const val& event) {
    if (round_ && event["target"]["open"].as<bool>()) {
        round_->openHint(index);
    }
}

void PracticePage::showResult(std::size_t index) {
    const worksheets::ProblemResult& result = round_->result(index);
    const int number = static_cast<int>(index) + 1;
    element(worksheets::practiceId("verdict", number))
        .set("textContent", std::string(result.verdict));
    element(worksheets::practiceId("reason", number))
        .set("textContent", std::string(result.reason));
    val field = element(worksheets::practiceId("answer", number));
    field.set("readOnly", result.settled);
    markInvalid(field, !result.reason.empty());
    val problem = field.call<val>("closest", std::string(".practice-problem"));
    problem["dataset"].set("result", std::string(result.look));
    val solution = element(worksheets::practiceId("solution", number));
    if (result.settled && solution["hidden"].as<bool>()) {
        // The solution takes the hint's place.
        if (link_.hints) {
            element(worksheets::practiceId("hint", number)).set("hidden", true);
        }
        solution.set("innerHTML", worksheets::practiceSolutionMarkup(round_->problems()[index]));
        solution.set("hidden", false);
    }
}

page_rules::VisibleArea PracticePage::visibleArea() const {
    const val window = document()["defaultView"];
    const val viewport = window["visualViewport"];
    if (viewport.isUndefined() || viewport.isNull()) {
        return {0, window["innerHeight"].as<double>(), 1};
    }
    return {viewport["offsetTop"].as<double>(), viewport["height"].as<double>(),
            viewport["scale"].as<double>()};
}

void PracticePage::keepFocusInView(const val&) {
    const page_rules::VisibleArea now = visibleArea();
    const double before = visibleHeight_;
    visibleHeight_ = now.height;
    const val focused = document()["activeElement"];
    if (focused.isNull() || focused["tagName"].as<std::string>() != "INPUT") {
        return;
    }
    const val box = focused.call<val>("getBoundingClientRect");
    if (!page_rules::bringsFieldIntoView(before, now,
                                         {box["top"].as<double>(), box["bottom"].as<double>()})) {
        return;
    }
    val where = val::object();
    where.set("block", std::string("center"));
    focused.call<void>("scrollIntoView", where);
}

}  // namespace web_ui
