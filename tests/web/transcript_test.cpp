// The transcript binding in a real textarea, beyond the contract: where appends land and what
// they leave alone. Undo and the user's own line breaks are driven with real keys in
// end_to_end.test.mjs.

#include <gtest/gtest.h>

#include <string>

#include "page_fixture.h"
#include "web_ui/textarea_text_box.h"

namespace web_ui {
namespace {

using emscripten::val;

class TranscriptTest : public ::testing::Test, protected testing::PageHarness {
protected:
    std::string shown() { return testing::shownText(page_.transcript); }

    TextareaTextBox box_{page_.transcript};
};

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
