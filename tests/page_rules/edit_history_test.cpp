// The user's own undo and redo, kept apart from the program's writes, and never bringing back a
// text the box did not hold, whatever the browser reports.

#include "page_rules/edit_history.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "page_rules/line_breaks.h"

namespace page_rules {
namespace {

using std::u16string;

// A text as the browser's front-end reads it, counting the units read.
class View final : public TextView {
public:
    explicit View(const u16string& text) : text_(text) {}
    int length() const override { return static_cast<int>(text_.size()); }
    u16string slice(int start, int end) const override {
        unitsRead_ += static_cast<std::size_t>(end - start);
        return text_.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(end - start));
    }
    std::size_t unitsRead() const { return unitsRead_; }

private:
    const u16string& text_;
    mutable std::size_t unitsRead_ = 0;
};

int size(const u16string& text) { return static_cast<int>(text.size()); }

// `text` with the units from `start` up to `end` replaced by `inserted`.
u16string replaced(u16string text, int start, int end, const u16string& inserted) {
    return text.replace(static_cast<std::size_t>(start), static_cast<std::size_t>(end - start),
                        inserted);
}

// A textarea as the browser edits it, and its front-end: each change the browser makes is
// reported with the selections and the text it says, and checked before it is recorded; undo and
// redo apply what the history gives back. Every text the box holds is kept, so that a test can
// tell one it never held.
class Box {
public:
    explicit Box(u16string text) : text_(std::move(text)), selection_{size(text_), size(text_)} {
        held_.insert(text_);
    }

    // What the browser did and said: the text became `text`, with the caret at `caretAfter`;
    // the selection before was reported as `reportedBefore`, and after as `reportedAfter`, where
    // these are given.
    void change(EditKind kind, u16string text, int caretAfter,
                const std::optional<u16string>& told = std::nullopt,
                std::optional<Selection> reportedBefore = {},
                std::optional<Selection> reportedAfter = {}) {
        const u16string before = std::exchange(text_, std::move(text));
        const Selection selectionBefore = reportedBefore.value_or(selection_);
        selection_ = {caretAfter, caretAfter};
        held_.insert(text_);
        std::optional<TextEdit> edit = checkedEdit(
            selectionBefore, View(before), reportedAfter.value_or(selection_), View(text_),
            told ? std::optional<std::u16string_view>(*told) : std::nullopt);
        if (edit) {
            history_.record(kind, std::move(*edit), size(text_));
        } else {
            history_.forget();
        }
    }
    // A change the front-end never heard of.
    void changeUnseen(u16string text) { held_.insert(text_ = std::move(text)); }

    // Edits the browser makes and reports as they are.
    void type(const u16string& typed) { replaceSelection(EditKind::Typing, typed, typed); }
    void paste(const u16string& pasted) { replaceSelection(EditKind::Other, pasted, std::nullopt); }
    void enter() { replaceSelection(EditKind::Other, u"\n", u"\n"); }
    void backspace(int units = 1) {
        const int caret = selection_.start;
        change(EditKind::DeletingBackward, replaced(text_, caret - units, caret, u""),
               caret - units);
    }
    void deleteForward(int units = 1) {
        const int caret = selection_.start;
        change(EditKind::DeletingForward, replaced(text_, caret, caret + units, u""), caret);
    }
    void select(Selection selection) { selection_ = selection; }
    void moveCaret(int to) { selection_ = {to, to}; }
    void programWrites(const u16string& text) {
        held_.insert(text_ = text);
        moveCaret(size(text));
        history_.forget();
    }

    bool undo() { return apply(history_.undo(View(text_))); }
    bool redo() { return apply(history_.redo(View(text_))); }

    const u16string& text() const { return text_; }
    int caret() const { return selection_.end; }
    Selection selection() const { return selection_; }
    bool held(const u16string& text) const { return held_.contains(text); }
    const EditHistory& history() const { return history_; }

private:
    void replaceSelection(EditKind kind, const u16string& inserted,
                          const std::optional<u16string>& told) {
        change(kind, replaced(text_, selection_.start, selection_.end, inserted),
               selection_.start + size(inserted), told);
    }
    bool apply(const std::optional<TextEdit>& edit) {
        if (edit) {
            text_ = replaced(text_, edit->position, edit->position + size(edit->removed),
                             edit->inserted);
            selection_ = edit->after;
        }
        return edit.has_value();
    }

    u16string text_;
    Selection selection_;
    EditHistory history_;
    std::set<u16string> held_;
};

const u16string kPosed = u"Примерен текст на условие:\nX = ?\n";

TEST(EditHistoryTest, UndoTakesBackARunOfTypingWholeAndRedoPutsItBack) {
    Box box(u"X = ?\n");
    for (const char16_t* c : {u"a", u"b", u"c"}) {
        box.type(c);
    }
    ASSERT_TRUE(box.undo());
    EXPECT_EQ(box.text(), u"X = ?\n");
    EXPECT_EQ(box.caret(), 6);
    EXPECT_FALSE(box.undo()) << "no more of the user's";
    ASSERT_TRUE(box.redo());
    EXPECT_EQ(box.text(), u"X = ?\nabc");
    EXPECT_EQ(box.caret(), 9);
    EXPECT_FALSE(box.redo());
}

// The program's write ends what the user can take back: undo and redo then change nothing, so
// neither an old problem nor typed text comes back after a new one.
TEST(EditHistoryTest, AProgramWriteIsNeverTakenBackNorIsWhatCameBefore) {
    struct Row {
        const char* what;
        void (*before)(Box&);
    };
    for (const Row& row : {
             Row{"the box emptied, then a new problem",
                 [](Box& box) {
                     box.moveCaret(0);
                     box.deleteForward(size(box.text()));
                 }},
             Row{"typed, then the solution appended",
                 [](Box& box) {
                     box.type(u"a");
                     box.type(u"b");
                 }},
             Row{"typed and undone, then a new problem",
                 [](Box& box) {
                     box.type(u"XYZ");
                     box.undo();
                 }},
         }) {
        Box box(u"Примерен текст\nX = ?\n");
        row.before(box);
        box.programWrites(u"Нова задача\nX = ?\n");
        EXPECT_FALSE(box.undo()) << row.what;
        EXPECT_FALSE(box.redo()) << row.what;
        EXPECT_EQ(box.text(), u"Нова задача\nX = ?\n") << row.what;
    }
}

TEST(EditHistoryTest, StepsFollowTheKindsOfEditAndTheCaret) {
    Box box(u"");
    box.type(u"a");
    box.type(u"b");
    box.enter();  // a step of its own
    box.type(u"c");
    box.backspace();  // deleting starts a new step
    box.backspace();  // the line break, with the same run
    box.moveCaret(0);
    box.type(u"z");  // typing elsewhere starts a new step
    box.deleteForward();
    box.deleteForward();  // forward deletes run on at the same place

    std::vector<u16string> texts{box.text()};
    while (box.undo()) {
        texts.push_back(box.text());
    }
    EXPECT_EQ(texts, (std::vector<u16string>{u"z", u"zab", u"ab", u"ab\nc", u"ab\n", u"ab", u""}));
}

TEST(EditHistoryTest, ANewEditAfterUndoClearsTheRedoAndStartsAFreshStep) {
    Box box(u"");
    box.type(u"a");
    box.type(u"b");
    box.undo();
    box.type(u"c");
    EXPECT_FALSE(box.redo()) << "what was undone is gone once the user edits again";
    box.type(u"d");
    box.undo();
    EXPECT_EQ(box.text(), u"") << "c and d are one run";
}

// What the browser reported, and what the history then holds; an undo and a redo give back
// texts the box held, or nothing. The four sequences first are those a random walk found in
// Chromium to bring back a text the box never held, before edits were checked.
TEST(EditHistoryTest, MisreportedEditsLeaveNothingToUndoRatherThanInventText) {
    struct Row {
        const char* what;
        void (*steps)(Box&);
        u16string expectedAfterUndo;
    };
    const int end = size(kPosed);
    for (const Row& row : {
             Row{"an input method's line break, committed as q: told q, the box shows \\nq",
                 [](Box& box) {
                     box.type(u"ab");
                     const Selection start = box.selection();
                     box.change(EditKind::Other, kPosed + u"ab\nq", size(kPosed) + 4, u"q", start);
                 },
                 kPosed + u"ab\nq"},
             Row{"the same composition gone by unrecorded: the typing before is not undone",
                 [](Box& box) {
                     box.type(u"ab");
                     box.changeUnseen(kPosed + u"ab\nq");
                 },
                 kPosed + u"ab\nq"},
             Row{"a paste, then a composition still open",
                 [](Box& box) {
                     box.paste(u"z");
                     box.changeUnseen(kPosed + u"zé");
                 },
                 kPosed + u"zé"},
             Row{"a transpose, reported as one unit replaced at the caret",
                 [](Box& box) {
                     box.type(u"xaby");
                     box.moveCaret(size(kPosed) + 2);
                     box.change(EditKind::Other, kPosed + u"xbay", size(kPosed) + 3);
                 },
                 kPosed + u"xbay"},
             Row{"a transpose at the end of the line, the caret unmoved",
                 [](Box& box) {
                     box.type(u"xy");
                     box.change(EditKind::Other, kPosed + u"yx", size(kPosed) + 2);
                 },
                 kPosed + u"yx"},
             Row{"text the box cut short",
                 [](Box& box) {
                     box.type(u"a");
                     box.change(EditKind::Typing, kPosed + u"ab", size(kPosed) + 2, u"bc");
                 },
                 kPosed + u"ab"},
             Row{"a selection reported two units off",
                 [](Box& box) {
                     box.type(u"abcd");
                     box.change(EditKind::Other, kPosed + u"abXcd", size(kPosed) + 3, {},
                                Selection{size(kPosed), size(kPosed)},
                                Selection{size(kPosed) + 1, size(kPosed) + 1});
                 },
                 kPosed + u"abXcd"},
             // Checked and recorded, as they are what they seem.
             Row{"a paste of CR LF lines, kept with LF",
                 [](Box& box) {
                     box.change(EditKind::Other, kPosed + u"1\n2", size(kPosed) + 3, u"1\r\n2");
                 },
                 kPosed},
             Row{"a composition over the word before the caret",
                 [](Box& box) {
                     box.type(u"wor");
                     box.moveCaret(size(kPosed) + 3);
                     box.change(EditKind::Other, kPosed + u"world", size(kPosed) + 5, u"world");
                 },
                 kPosed + u"wor"},
         }) {
        Box box(kPosed);
        ASSERT_EQ(box.caret(), end);
        row.steps(box);
        box.undo();
        EXPECT_EQ(box.text(), row.expectedAfterUndo) << row.what;
        box.redo();
        EXPECT_TRUE(box.held(box.text())) << row.what;
    }
}

// Characters beyond the Basic Multilingual Plane take two units, and a lone surrogate one: an
// undo and a redo put back exactly the units there were, next to them too.
TEST(EditHistoryTest, KeepsTheBoxsOwnUnitsBeyondThePlaneAndLoneSurrogates) {
    for (const u16string& typed :
         {u16string(u"\U00090000"), u16string(u"😀𝑥"), u16string(1, char16_t{0xD800}),
          u16string(1, char16_t{0xDC00}), u16string{char16_t{0xDBFF}, u'a', char16_t{0xDC20}}}) {
        Box box(u"\U00090000|");
        box.type(typed);
        box.enter();
        box.type(typed);
        const u16string typedText = box.text();
        while (box.undo()) {
        }
        EXPECT_EQ(box.text(), u"\U00090000|");
        while (box.redo()) {
        }
        EXPECT_EQ(box.text(), typedText);
        box.moveCaret(2);
        box.backspace(2);
        box.undo();
        EXPECT_EQ(box.text(), typedText);
    }
}

TEST(EditHistoryTest, KeepsTheLatestStepsOnly) {
    Box box(u"");
    for (std::size_t i = 0; i < EditHistory::kMostSteps + 5; ++i) {
        box.enter();
    }
    std::size_t undone = 0;
    while (box.undo()) {
        ++undone;
    }
    EXPECT_EQ(undone, EditHistory::kMostSteps);
    EXPECT_EQ(box.text(), u16string(5, u'\n'));
}

// The text the steps keep, in both directions, stays within the bound: large pastes push out
// the oldest steps, and one past the bound on its own leaves nothing to undo.
TEST(EditHistoryTest, KeepsTheLatestBytesOnly) {
    constexpr std::size_t kUnitsInBound = EditHistory::kMostBytes / sizeof(char16_t);
    struct Row {
        const char* what;
        std::vector<std::size_t> pastes;  // units each
        std::size_t undone;
    };
    for (const Row& row : {
             Row{"small pastes, all kept", {1000, 2000, 3000}, 3},
             Row{"three of a third each, with the step before",
                 {10, 3 * kUnitsInBound / 10, 3 * kUnitsInBound / 10, 3 * kUnitsInBound / 10},
                 4},
             Row{"a third past the bound, the oldest goes",
                 {10, kUnitsInBound / 3, kUnitsInBound / 3, kUnitsInBound / 3},
                 3},
             Row{"two halves and a step: the first half goes",
                 {kUnitsInBound / 2, kUnitsInBound / 2, 1},
                 2},
             Row{"exactly the bound", {kUnitsInBound}, 1},
             Row{"one past the bound, after small ones", {10, 20, kUnitsInBound + 1}, 0},
             Row{"a 10 MiB paste, then typing", {5 * kUnitsInBound, 1}, 1},
         }) {
        Box box(u"");
        for (const std::size_t units : row.pastes) {
            box.paste(u16string(units, u'p'));
            EXPECT_LE(box.history().keptBytes(), EditHistory::kMostBytes) << row.what;
        }
        std::size_t undone = 0;
        while (box.undo()) {
            ++undone;
            EXPECT_LE(box.history().keptBytes(), EditHistory::kMostBytes) << row.what;
        }
        EXPECT_EQ(undone, row.undone) << row.what;
        while (box.redo()) {
        }
        EXPECT_LE(box.history().keptBytes(), EditHistory::kMostBytes) << row.what;
    }
}

TEST(EditHistoryTest, ARunOfTypingPastTheBoundIsForgotten) {
    Box box(u"");
    box.type(u"a");
    const u16string half(EditHistory::kMostBytes / sizeof(char16_t) / 2, u't');
    box.type(half);
    box.type(half);
    EXPECT_EQ(box.history().keptBytes(), 0u);
    box.type(u"b");
    ASSERT_TRUE(box.undo()) << "b, typed after, is a step of its own";
    EXPECT_EQ(box.text(), u"a" + half + half);
    EXPECT_FALSE(box.undo());
}

// Typing after a long paste checks no more than it did before it.
TEST(CheckedEditTest, ReadsTheEditAndItsNeighbourhoodOnlyNotTheWholeText) {
    const int position = 5 << 20;
    const u16string before(10 << 20, u'p');
    const u16string after = replaced(before, position, position, u"x");
    const View viewBefore(before);
    const View viewAfter(after);
    ASSERT_TRUE(checkedEdit({position, position}, viewBefore, {position + 1, position + 1},
                            viewAfter, u"x"));
    EXPECT_LE(viewBefore.unitsRead() + viewAfter.unitsRead(),
              static_cast<std::size_t>(4 * kCheckedNeighbourhood + 3));

    EditHistory history;
    history.record(EditKind::Typing, {position, u"", u"x", {}, {}}, size(after));
    const View now(after);
    ASSERT_TRUE(history.undo(now));
    EXPECT_EQ(now.unitsRead(), 1u);
}

struct SpanRow {
    const char* what;
    Selection before;
    int lengthBefore;
    Selection after;
    int lengthAfter;
    std::optional<EditSpan> span;
};

TEST(EditSpanTest, FromTheSelectionsAndLengthsAroundAnEdit) {
    for (const SpanRow& row : {
             SpanRow{"a character typed", {4, 4}, 10, {5, 5}, 11, EditSpan{4, 0, 1}},
             SpanRow{"typed over a selection", {2, 6}, 10, {3, 3}, 7, EditSpan{2, 4, 1}},
             SpanRow{"a paste", {10, 10}, 10, {30, 30}, 30, EditSpan{10, 0, 20}},
             SpanRow{"Backspace", {5, 5}, 10, {4, 4}, 9, EditSpan{4, 1, 0}},
             SpanRow{"Ctrl+Backspace, a word", {9, 9}, 10, {3, 3}, 4, EditSpan{3, 6, 0}},
             SpanRow{"Delete", {5, 5}, 10, {5, 5}, 9, EditSpan{5, 1, 0}},
             SpanRow{"a selection cut", {2, 8}, 10, {2, 2}, 4, EditSpan{2, 6, 0}},
             // Dropped after the caret: the span reaches back to the caret, which is no change.
             SpanRow{"a drop, selected after", {1, 1}, 10, {6, 9}, 13, EditSpan{1, 5, 8}},
             SpanRow{"an emoji, two units", {0, 0}, 0, {2, 2}, 2, EditSpan{0, 0, 2}},
             SpanRow{"a caret beyond the text", {5, 5}, 4, {6, 6}, 5, std::nullopt},
             SpanRow{"a change that is no edit of these", {5, 5}, 10, {5, 5}, 12, std::nullopt},
         }) {
        EXPECT_EQ(editSpan(row.before, row.lengthBefore, row.after, row.lengthAfter), row.span)
            << row.what;
    }
}

// A random walk of edits, some of them misreported as browsers do, and of undos and redos:
// after each step the box holds a text it held before, or one the edit just made.
class RandomWalk {
public:
    explicit RandomWalk(std::uint32_t seed) : random_(seed), box_(u"Задача\n") {}

    void step() {
        const u16string before = box_.text();
        const bool undoOrRedo = pick(5) < 2;
        if (undoOrRedo) {
            pick(2) ? box_.undo() : box_.redo();
        } else {
            edit();
        }
        ASSERT_TRUE(box_.held(box_.text())) << "after text of " << before.size() << " units";
        if (undoOrRedo) {
            ++undosAndRedos_;
            applied_ += box_.text() != before;
        }
    }
    int undosAndRedos() const { return undosAndRedos_; }
    int applied() const { return applied_; }

private:
    int pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random_); }
    u16string someText(int most) {
        static constexpr std::u16string_view kPieces[] = {
            u"a",    u"b",  u"ж", u"é",          u" ",      u"\n",
            u"\r\n", u"\r", u"😀", u"\U00090000", u"\xD800", u"\xDC00"};
        u16string text;
        for (int i = 1 + pick(most); i > 0; --i) {
            text += kPieces[pick(static_cast<int>(std::size(kPieces)))];
        }
        return text;
    }

    void edit() {
        const u16string text = box_.text();
        const int length = size(text);
        if (length > 400) {
            box_.programWrites(u"Задача\n");
            return;
        }
        if (pick(3) == 0) {  // most edits follow on where the last left the caret
            const int a = pick(length + 1);
            const int b = pick(3) ? a : pick(length + 1);
            box_.select({std::min(a, b), std::max(a, b)});
        }
        const Selection at = box_.selection();
        const u16string given = someText(pick(4) ? 2 : 8);  // as the event says it
        const u16string inserted = toTextareaLineBreaks(given);
        const u16string edited = replaced(text, at.start, at.end, inserted);
        const int caret = at.start + size(inserted);
        const std::optional<u16string> told = pick(2) ? std::optional(given) : std::nullopt;
        const int off = pick(7) - 3;
        const auto shifted = [&](int units, int most) { return std::clamp(units + off, 0, most); };
        switch (pick(8)) {
            case 0:
            case 1:  // typed, or pasted, as it is
                box_.change(pick(2) ? EditKind::Typing : EditKind::Other, edited, caret, told);
                break;
            case 2:  // Backspace and Delete
                if (at.start == at.end && at.start > 0 && at.end < length) {
                    pick(2) ? box_.backspace() : box_.deleteForward();
                }
                break;
            case 3:  // a transpose of the units around the caret, told as one unit replaced
                if (at.start == at.end && at.start > 0 && at.start < length) {
                    u16string swapped = text;
                    std::swap(swapped[static_cast<std::size_t>(at.start - 1)],
                              swapped[static_cast<std::size_t>(at.start)]);
                    box_.change(EditKind::Other, swapped, at.start + 1);
                }
                break;
            case 4: {  // a composition committed as something else than the box shows
                const u16string shown = someText(2) + inserted;
                box_.change(EditKind::Other, replaced(text, at.start, at.end, shown),
                            at.start + size(shown), given);
                break;
            }
            case 5: {  // a composition that took in the units before the caret
                const int from = std::max(0, at.start - pick(3));
                box_.change(EditKind::Other, replaced(text, from, at.end, inserted),
                            from + size(inserted), given, at);
                break;
            }
            case 6:  // the selection before reported a few units off, the edit of any kind
                box_.change(static_cast<EditKind>(pick(4)), edited, caret, told,
                            Selection{shifted(at.start, length), shifted(at.end, length)});
                break;
            case 7: {  // the selection after reported a few units off
                const int reported = shifted(caret, size(edited));
                box_.change(static_cast<EditKind>(pick(4)), edited, caret, told, std::nullopt,
                            Selection{reported, reported});
                break;
            }
        }
    }

    std::mt19937 random_;
    Box box_;
    int undosAndRedos_ = 0;
    int applied_ = 0;
};

TEST(EditHistoryTest, UndoAndRedoBringBackOnlyTextsTheBoxHeldWhateverTheBrowserReports) {
    for (const std::uint32_t seed : {1u, 2u, 3u, 20240611u}) {
        RandomWalk walk(seed);
        for (int i = 0; i < 5000 && !testing::Test::HasFatalFailure(); ++i) {
            walk.step();
        }
        ASSERT_FALSE(testing::Test::HasFatalFailure()) << "seed " << seed;
        // Not a walk that forgot everything: many of them did undo or redo something.
        EXPECT_GT(walk.applied(), walk.undosAndRedos() / 5) << "seed " << seed;
    }
}

}  // namespace
}  // namespace page_rules
