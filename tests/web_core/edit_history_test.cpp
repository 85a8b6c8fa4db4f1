// The user's own undo and redo, kept apart from the program's writes.

#include "web_core/edit_history.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace web_core {
namespace {

// A text and its caret, edited as a control would be, with the history recording each edit.
class EditedText {
public:
    explicit EditedText(std::string text) : text_(std::move(text)) {}

    void type(const std::string& inserted) { edit(EditKind::Typing, caret_, 0, inserted); }
    void backspace(int units = 1) { edit(EditKind::DeletingBackward, caret_ - units, units, ""); }
    void deleteForward(int units = 1) { edit(EditKind::DeletingForward, caret_, units, ""); }
    void enter() { edit(EditKind::Other, caret_, 0, "\n"); }
    void moveCaret(int to) { caret_ = to; }
    void programWrites(const std::string& text) {
        text_ = text;
        caret_ = static_cast<int>(text.size());
        history_.forget();
    }

    bool undo() { return apply(history_.undo()); }
    bool redo() { return apply(history_.redo()); }

    const std::string& text() const { return text_; }
    int caret() const { return caret_; }
    EditHistory& history() { return history_; }

private:
    // ASCII only here, so bytes are units.
    void edit(EditKind kind, int position, int removedLength, const std::string& inserted) {
        const Selection before{caret_, caret_};
        TextEdit recorded{position,
                          text_.substr(static_cast<std::size_t>(position),
                                       static_cast<std::size_t>(removedLength)),
                          inserted,
                          before,
                          {}};
        text_.replace(static_cast<std::size_t>(position), static_cast<std::size_t>(removedLength),
                      inserted);
        caret_ = position + static_cast<int>(inserted.size());
        recorded.after = {caret_, caret_};
        history_.record(kind, recorded);
    }

    bool apply(const std::optional<TextEdit>& edit) {
        if (!edit) {
            return false;
        }
        EXPECT_EQ(text_.substr(static_cast<std::size_t>(edit->position), edit->removed.size()),
                  edit->removed);
        text_.replace(static_cast<std::size_t>(edit->position), edit->removed.size(),
                      edit->inserted);
        caret_ = edit->after.start;
        return true;
    }

    std::string text_;
    int caret_ = 0;
    EditHistory history_;
};

TEST(EditHistoryTest, UndoTakesBackARunOfTypingWholeAndRedoPutsItBack) {
    EditedText box("X = ?\n");
    box.moveCaret(6);
    for (const char* c : {"a", "b", "c"}) {
        box.type(c);
    }
    ASSERT_TRUE(box.undo());
    EXPECT_EQ(box.text(), "X = ?\n");
    EXPECT_EQ(box.caret(), 6);
    EXPECT_FALSE(box.undo()) << "no more of the user's";
    ASSERT_TRUE(box.redo());
    EXPECT_EQ(box.text(), "X = ?\nabc");
    EXPECT_EQ(box.caret(), 9);
    EXPECT_FALSE(box.redo());
}

// The program's write ends what the user can take back: undo and redo then change nothing, so
// neither an old problem nor typed text comes back after a new one.
TEST(EditHistoryTest, AProgramWriteIsNeverTakenBackNorIsWhatCameBefore) {
    struct Row {
        const char* what;
        void (*before)(EditedText&);
    };
    for (const Row& row : {
             Row{"the box emptied, then a new problem",
                 [](EditedText& box) {
                     box.moveCaret(0);
                     box.deleteForward(static_cast<int>(box.text().size()));
                 }},
             Row{"typed, then the solution appended",
                 [](EditedText& box) {
                     box.moveCaret(static_cast<int>(box.text().size()));
                     box.type("a");
                     box.type("b");
                 }},
             Row{"typed and undone, then a new problem",
                 [](EditedText& box) {
                     box.moveCaret(static_cast<int>(box.text().size()));
                     box.type("XYZ");
                     box.undo();
                 }},
         }) {
        EditedText box("Примерен текст\nX = ?\n");
        row.before(box);
        box.programWrites("Нова задача\nX = ?\n");
        EXPECT_FALSE(box.undo()) << row.what;
        EXPECT_FALSE(box.redo()) << row.what;
        EXPECT_EQ(box.text(), "Нова задача\nX = ?\n") << row.what;
    }
}

TEST(EditHistoryTest, StepsFollowTheKindsOfEditAndTheCaret) {
    EditedText box("");
    box.type("a");
    box.type("b");
    box.enter();  // a step of its own
    box.type("c");
    box.backspace();  // deleting starts a new step
    box.backspace();  // the line break, with the same run
    box.moveCaret(0);
    box.type("z");  // typing elsewhere starts a new step
    box.deleteForward();
    box.deleteForward();  // forward deletes run on at the same place

    std::vector<std::string> texts{box.text()};
    while (box.undo()) {
        texts.push_back(box.text());
    }
    EXPECT_EQ(texts, (std::vector<std::string>{"z", "zab", "ab", "ab\nc", "ab\n", "ab", ""}));
}

TEST(EditHistoryTest, ANewEditAfterUndoClearsTheRedoAndStartsAFreshStep) {
    EditedText box("");
    box.type("a");
    box.type("b");
    box.undo();
    box.type("c");
    EXPECT_FALSE(box.redo()) << "what was undone is gone once the user edits again";
    box.type("d");
    box.undo();
    EXPECT_EQ(box.text(), "") << "c and d are one run";
}

TEST(EditHistoryTest, KeepsTheLatestStepsOnly) {
    EditedText box("");
    for (std::size_t i = 0; i < EditHistory::kMostSteps + 5; ++i) {
        box.enter();
    }
    std::size_t undone = 0;
    while (box.undo()) {
        ++undone;
    }
    EXPECT_EQ(undone, EditHistory::kMostSteps);
    EXPECT_EQ(box.text(), std::string(5, '\n'));
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

TEST(EditSpanTest, Utf16LengthsOfUtf8Texts) {
    EXPECT_EQ(utf16Length(""), 0);
    EXPECT_EQ(utf16Length("X = 5"), 5);
    EXPECT_EQ(utf16Length("Отговор"), 7);
    EXPECT_EQ(utf16Length("😀𝑥"), 4) << "each beyond the Basic Multilingual Plane takes two";
    EXPECT_EQ(utf16Length("a\n€"), 3);
}

}  // namespace
}  // namespace web_core
