// The transcript binding in a real textarea: what the browser's editing does around the
// program's appends.

#include <gtest/gtest.h>

#include <string>

#include "page_fixture.h"
#include "web_ui/textarea_text_box.h"

namespace web_ui {
namespace {

using emscripten::val;

class TranscriptTest : public ::testing::Test, protected testing::PageHarness {
protected:
    void undo(int times) {
        page_.transcript.call<void>("focus");
        for (int i = 0; i < times; ++i) {
            testing::document().call<bool>("execCommand", std::string("undo"));
        }
    }
    void pressBackspace() { testing::document().call<bool>("execCommand", std::string("delete")); }
    std::string shown() { return testing::shownText(page_.transcript); }

    TextareaTextBox box_{page_.transcript};
};

// Undo reaches at most the user's own typing: never a problem or a solution the program wrote,
// neither whole nor in part.
TEST_F(TranscriptTest, UndoNeverTakesBackWhatTheProgramWrote) {
    box_.setText("Примерен текст на условие:\r\nX = ?\r\n");
    testing::typeAtEnd(page_.transcript, "мисля");
    undo(1);
    ASSERT_EQ(shown(), "Примерен текст на условие:\r\nX = ?\r\n") << "undo takes back typing";
    testing::typeAtEnd(page_.transcript, "мисля");
    box_.setText(box_.text() + "A = 7; \r\n\r\nОтговор: \r\nX = 5\r\n");
    const std::string solved = shown();
    undo(5);
    const std::string afterUndo = shown();
    EXPECT_TRUE(afterUndo.ends_with("A = 7; \r\n\r\nОтговор: \r\nX = 5\r\n")) << afterUndo;
    EXPECT_TRUE(afterUndo.starts_with("Примерен текст на условие:\r\nX = ?\r\n")) << afterUndo;
    EXPECT_EQ(box_.text(), afterUndo);

    box_.setText("Примерен текст на условие:\r\nнова\r\n");
    undo(5);
    EXPECT_EQ(shown(), "Примерен текст на условие:\r\nнова\r\n");
}

// With the final line break removed by the user, the next append continues their last line.
TEST_F(TranscriptTest, AppendAfterTheUserRemovedTheFinalLineBreakContinuesTheLine) {
    box_.setText("X = ?\r\n");
    testing::typeAtEnd(page_.transcript, "");
    pressBackspace();
    ASSERT_EQ(box_.text(), "X = ?");
    box_.setText(box_.text() + "A = 7; \r\n");
    EXPECT_EQ(shown(), "X = ?A = 7; \r\n");
    EXPECT_EQ(box_.text(), "X = ?A = 7; \r\n");
}

// An append leaves the user's selection where it was.
TEST_F(TranscriptTest, AppendKeepsTheUsersSelection) {
    box_.setText("първи ред\r\nвтори\r\n");
    page_.transcript.call<void>("setSelectionRange", 2, 5);
    box_.setText(box_.text() + "още\r\n");
    EXPECT_EQ(page_.transcript["selectionStart"].as<int>(), 2);
    EXPECT_EQ(page_.transcript["selectionEnd"].as<int>(), 5);
}

// A lone CR shows as a line break of its own; the LF that completes it adds no second one.
TEST_F(TranscriptTest, LoneCarriageReturnThenLineFeedIsOneLineBreak) {
    box_.setText("a\r");
    EXPECT_EQ(box_.text(), "a\r");
    box_.setText("a\r\nb");
    EXPECT_EQ(shown(), "a\r\nb");
    EXPECT_EQ(box_.text(), "a\r\nb");
}

// Characters outside the Basic Multilingual Plane take two UTF-16 units; appends still land at
// the very end.
TEST_F(TranscriptTest, AppendsAfterCharactersOfTwoUtf16Units) {
    box_.setText("😀 X = ?\r\n");
    box_.setText(box_.text() + "𝑥 = 5\r\n");
    EXPECT_EQ(shown(), "😀 X = ?\r\n𝑥 = 5\r\n");
}

}  // namespace
}  // namespace web_ui
