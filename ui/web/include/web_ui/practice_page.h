#pragma once

#include <emscripten/val.h>

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "page_rules/focus_in_view.h"
#include "web_ui/event_listener.h"
#include "web_ui/page.h"
#include "worksheets/practice_link.h"
#include "worksheets/practice_round.h"

namespace web_ui {

// The pupils' practice page (practice.html): the link read, the pupil's number asked where it
// has none, then the pupil's variant to answer and check. Its elements are those of
// worksheets/page_ids.h, its problems those of worksheets/practice_markup.h.
//
// Both forms submit with Enter in any of their fields. The address says the variant once it is
// open: a new entry of the history where the pupil chose it, so that Back asks again.
class PracticePage final : public Page {
public:
    explicit PracticePage(emscripten::val document);

private:
    // The start or the variant, as the address says.
    void showAddress(const emscripten::val& event);
    void showStart(worksheets::PracticeFault fault);
    void start(const emscripten::val& event);
    // The variant of link_; chosen, it is a new entry of the history.
    void openVariant(bool chosen, bool focusHeading);
    void check(const emscripten::val& event);
    void showResult(std::size_t index);
    // The result to hand in, for the round as last checked and the number and name typed.
    void showResultLine();
    void copyResult();
    // The hint of problem index + 1 opened or closed.
    void hintToggled(std::size_t index, const emscripten::val& event);
    // Keeps the field being typed in visible when the screen left to the page shrinks, as it
    // does when a phone's keyboard opens (page_rules/focus_in_view.h).
    void keepFocusInView(const emscripten::val& event);
    page_rules::VisibleArea visibleArea() const;

    // The link as the address gave it, and as the pupil has completed it so far.
    worksheets::PracticeLink fromAddress_;
    worksheets::PracticeLink link_;
    // The visible part's height at the last look, to tell a shrinking screen from a zoom.
    double visibleHeight_ = 0;
    std::optional<worksheets::PracticeRound> round_;
    // The open variant's hints', made anew with each variant.
    std::vector<std::unique_ptr<EventListener>> hintListeners_;
};

}  // namespace web_ui
