#pragma once

#include <emscripten/val.h>

#include <optional>
#include <string>
#include <string_view>

#include "web_core/focus_in_view.h"
#include "web_core/practice_link.h"
#include "web_core/practice_round.h"
#include "web_ui/event_listener.h"

namespace web_ui {

// The pupils' practice page (practice.html): the link read, the pupil's number asked where it
// has none, then the pupil's variant to answer and check. The page's markup holds, by these ids:
// "practice-refusal" (what is wrong with the link or the start, a polite live region); the form
// "practice-start" with "practice-sheet-fields" around the fields "practice-code" and
// "practice-problems" (shown where the link brought no sheet), the field "practice-number"; and the
// form "practice-answers" with the heading "practice-variant-name", "practice-score" (a polite live
// region) and "practice-problems-list", where the problems go (web_core/practice_markup.h).
//
// Both forms submit with Enter in any of their fields. The address says the variant once it is
// open: a new entry of the history where the pupil chose it, so that Back asks again.
class PracticePage {
public:
    explicit PracticePage(emscripten::val document);
    PracticePage(const PracticePage&) = delete;
    PracticePage& operator=(const PracticePage&) = delete;

private:
    emscripten::val byId(const std::string& id) const;
    // A handler calling one of the page's own: one type for every event, whose code WebAssembly
    // then holds once.
    EventListener::Handler calling(void (PracticePage::*action)(const emscripten::val& event));
    // The start or the variant, as the address says.
    void showAddress(const emscripten::val& event);
    void showStart(web_core::PracticeFault fault);
    void start(const emscripten::val& event);
    // The variant of link_; chosen, it is a new entry of the history.
    void openVariant(bool chosen, bool focusHeading);
    void check(const emscripten::val& event);
    void showResult(std::size_t index);
    // Keeps the field being typed in visible when the screen left to the page shrinks, as it
    // does when a phone's keyboard opens (web_core/focus_in_view.h).
    void keepFocusInView(const emscripten::val& event);
    web_core::VisibleArea visibleArea() const;

    emscripten::val document_;
    emscripten::val startForm_;
    emscripten::val refusal_;
    emscripten::val sheetFields_;
    emscripten::val codeField_;
    emscripten::val problemsField_;
    emscripten::val numberField_;
    emscripten::val answersForm_;
    emscripten::val variantName_;
    emscripten::val score_;
    emscripten::val problemsList_;
    // The link as the address gave it, and as the pupil has completed it so far.
    web_core::PracticeLink fromAddress_;
    web_core::PracticeLink link_;
    // The visible part's height at the last look, to tell a shrinking screen from a zoom.
    double visibleHeight_ = 0;
    std::optional<web_core::PracticeRound> round_;
    EventListener startSubmitted_;
    EventListener answersSubmitted_;
    EventListener addressChanged_;
    EventListener windowResized_;
    std::optional<EventListener> viewportResized_;
};

}  // namespace web_ui
