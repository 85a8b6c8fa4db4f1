#include "web_ui/practice_page.h"

#include <stdexcept>
#include <vector>

#include "web_core/focus_in_view.h"
#include "web_core/practice_markup.h"
#include "web_ui/page_address.h"
#include "worksheets/problem_set.h"

namespace web_ui {

using emscripten::val;

namespace {

void setInvalid(const val& field, bool invalid) {
    field.call<void>("setAttribute", std::string("aria-invalid"),
                     std::string(invalid ? "true" : "false"));
}

}  // namespace

PracticePage::PracticePage(val document)
    : document_(std::move(document)),
      startForm_(byId("practice-start")),
      refusal_(byId("practice-refusal")),
      sheetFields_(byId("practice-sheet-fields")),
      codeField_(byId("practice-code")),
      problemsField_(byId("practice-problems")),
      numberField_(byId("practice-number")),
      answersForm_(byId("practice-answers")),
      variantName_(byId("practice-variant-name")),
      score_(byId("practice-score")),
      problemsList_(byId("practice-problems-list")),
      startSubmitted_(startForm_, "submit", calling(&PracticePage::start)),
      answersSubmitted_(answersForm_, "submit", calling(&PracticePage::check)),
      addressChanged_(document_["defaultView"], "popstate", calling(&PracticePage::showAddress)),
      windowResized_(document_["defaultView"], "resize", calling(&PracticePage::keepFocusInView)) {
    // Where a phone's keyboard covers the page rather than shrinking it, only the visual
    // viewport says so.
    const val viewport = document_["defaultView"]["visualViewport"];
    if (!viewport.isUndefined() && !viewport.isNull()) {
        viewportResized_.emplace(viewport, "resize", calling(&PracticePage::keepFocusInView));
    }
    visibleHeight_ = visibleArea().height;
    showAddress(val::undefined());
}

val PracticePage::byId(const std::string& id) const {
    val element = document_.call<val>("getElementById", id);
    if (element.isNull()) {
        throw std::logic_error("the practice page has no element " + id);
    }
    return element;
}

EventListener::Handler PracticePage::calling(void (PracticePage::*action)(const val&)) {
    return [this, action](const val& event) { (this->*action)(event); };
}

void PracticePage::showAddress(const val& event) {
    fromAddress_ = web_core::readPracticeQuery(document_["location"]["search"].as<std::string>());
    link_ = fromAddress_;
    codeField_.set("value", link_.codeText);
    problemsField_.set("value", web_core::practiceStart(fromAddress_, link_, link_.fault).count);
    numberField_.set("value", link_.variant ? std::to_string(*link_.variant) : std::string());
    if (link_.fault == web_core::PracticeFault::kNone && link_.variant) {
        // Back in the history, the pupil goes on from the variant's heading as when choosing it.
        openVariant(false, !event.isUndefined());
    } else {
        showStart(link_.fault);
    }
}

void PracticePage::showStart(web_core::PracticeFault fault) {
    using web_core::StartField;
    const web_core::PracticeStart start = web_core::practiceStart(fromAddress_, link_, fault);
    round_.reset();
    problemsList_.set("innerHTML", std::string());
    answersForm_.set("hidden", true);
    startForm_.set("hidden", false);
    sheetFields_.set("hidden", !start.sheetAsked);
    refusal_.set("textContent", start.refusal);
    const auto field = [this](StartField which) -> val& {
        return which == StartField::kCode       ? codeField_
               : which == StartField::kProblems ? problemsField_
                                                : numberField_;
    };
    for (const StartField which : {StartField::kCode, StartField::kProblems, StartField::kNumber}) {
        setInvalid(field(which), start.invalid == which);
    }
    field(start.first).call<void>("focus");
}

void PracticePage::start(const val& event) {
    event.call<void>("preventDefault");
    using web_core::PracticeFault;
    PracticeFault fault = PracticeFault::kNone;
    if (web_core::asksForSheet(fromAddress_)) {
        fault = web_core::enterSheet(link_, codeField_["value"].as<std::string>(),
                                     problemsField_["value"].as<std::string>());
    }
    if (fault == PracticeFault::kNone) {
        fault = web_core::chooseVariant(link_, numberField_["value"].as<std::string>());
    }
    if (fault != PracticeFault::kNone) {
        showStart(fault);
        return;
    }
    refusal_.set("textContent", std::string());
    openVariant(true, true);
}

void PracticePage::openVariant(bool chosen, bool focusHeading) {
    const int variant = *link_.variant;
    round_.emplace(worksheets::ProblemSet(*link_.code).variant(variant, link_.problems));
    variantName_.set("textContent", web_core::variantHeading(variant));
    score_.set("textContent", std::string());
    problemsList_.set("innerHTML", web_core::practiceMarkup(round_->problems()));
    startForm_.set("hidden", true);
    answersForm_.set("hidden", false);
    const val query(web_core::practiceQuery(link_));
    if (chosen) {
        web_ui_push_query(query.as_handle());
    } else {
        web_ui_replace_query(query.as_handle());
    }
    if (focusHeading) {
        // A screen reader reads the heading; the keyboard goes on to the first problem.
        variantName_.call<void>("focus");
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
        answers.push_back(byId(web_core::practiceId("answer", static_cast<int>(i) + 1))["value"]
                              .as<std::string>());
    }
    round_->check(answers);
    for (std::size_t i = 0; i < count; ++i) {
        showResult(i);
    }
    score_.set("textContent", round_->score());
}

void PracticePage::showResult(std::size_t index) {
    const web_core::ProblemResult& result = round_->result(index);
    const int number = static_cast<int>(index) + 1;
    byId(web_core::practiceId("verdict", number)).set("textContent", std::string(result.verdict));
    byId(web_core::practiceId("reason", number)).set("textContent", std::string(result.reason));
    val field = byId(web_core::practiceId("answer", number));
    field.set("readOnly", result.settled);
    setInvalid(field, !result.reason.empty());
    val problem = field.call<val>("closest", std::string(".practice-problem"));
    problem["dataset"].set("result", std::string(result.look));
    val solution = byId(web_core::practiceId("solution", number));
    if (result.settled && solution["hidden"].as<bool>()) {
        const worksheets::SheetProblem& solved = round_->problems()[index];
        for (const std::string* line : {&solved.knownValues, &solved.answer}) {
            val paragraph = document_.call<val>("createElement", std::string("p"));
            paragraph.set("textContent", *line);
            solution.call<void>("append", paragraph);
        }
        solution.set("hidden", false);
    }
}

web_core::VisibleArea PracticePage::visibleArea() const {
    const val window = document_["defaultView"];
    const val viewport = window["visualViewport"];
    if (viewport.isUndefined() || viewport.isNull()) {
        return {0, window["innerHeight"].as<double>(), 1};
    }
    return {viewport["offsetTop"].as<double>(), viewport["height"].as<double>(),
            viewport["scale"].as<double>()};
}

void PracticePage::keepFocusInView(const val&) {
    const web_core::VisibleArea now = visibleArea();
    const double before = visibleHeight_;
    visibleHeight_ = now.height;
    const val focused = document_["activeElement"];
    if (focused.isNull() || focused["tagName"].as<std::string>() != "INPUT") {
        return;
    }
    const val box = focused.call<val>("getBoundingClientRect");
    if (!web_core::bringsFieldIntoView(before, now,
                                       {box["top"].as<double>(), box["bottom"].as<double>()})) {
        return;
    }
    val where = val::object();
    where.set("block", std::string("center"));
    focused.call<void>("scrollIntoView", where);
}

}  // namespace web_ui
