// The rule every transcript binding shares: what it writes to its control and when it reads the
// control back. The contract suites check the binding's text itself against every toolkit.

#include "presenter/transcript_binding.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace presenter {
namespace {

// A control that keeps its text as the engine writes it and notes every call the binding makes.
// Its content counts one unit a byte, which is never fewer than the UTF-16 units of a real one.
class RecordingControl final : public TranscriptBinding {
public:
    explicit RecordingControl(LineBreaks lineBreaks = LineBreaks::AsWritten, bool asked = false)
        : TranscriptBinding(lineBreaks), asked_(asked) {}

    // The user's edit: heard of through contentChanged(), or found by asking.
    void userTypes(const std::string& text) {
        if (text.empty()) {
            return;
        }
        content += text;
        userChanged_ = true;
        if (!asked_) {
            contentChanged();
        }
    }

    std::string content;
    mutable std::vector<std::string> calls;

private:
    std::string readContent() const override {
        calls.push_back("read");
        userChanged_ = false;
        return content;
    }
    std::size_t contentLength() const override { return content.size(); }
    void replaceContent(std::string_view text) override {
        calls.push_back("replace " + std::string(text));
        content = text;
        contentChanged();  // as a toolkit signals the binding's own writes too
    }
    void appendToContent(std::string_view tail) override {
        calls.push_back("append " + std::string(tail));
        content += tail;
        contentChanged();
    }
    bool changedByUser() const override { return asked_ && userChanged_; }
    void forgetUndoHistory() override {
        calls.push_back("forget undo");
        userChanged_ = false;
    }

    bool asked_;
    mutable bool userChanged_ = false;
};

struct WriteRow {
    const char* what;
    bool asked;  // the control is asked whether the user changed it, rather than heard from
    const char* before;
    const char* typed;  // by the user, after the binding wrote `before`
    const char* written;
    std::vector<std::string> calls;  // for writing `written`
};

TEST(TranscriptBindingTest, WritesOnlyWhatItMustAndReadsOnlyAfterTheUser) {
    for (const WriteRow& row : {
             WriteRow{"an append writes only the tail",
                      false,
                      "Задача\r\n",
                      "",
                      "Задача\r\nX = 5\r\n",
                      {"append X = 5\r\n", "forget undo"}},
             WriteRow{"a new text replaces the old",
                      false,
                      "Задача\r\n",
                      "",
                      "Друга\r\n",
                      {"replace Друга\r\n", "forget undo"}},
             WriteRow{"after typing, a longer text reads the content once",
                      false,
                      "a\r\n",
                      "мисля",
                      "a\r\nмисля5\r\n",
                      {"read", "append 5\r\n", "forget undo"}},
             WriteRow{"after typing, a text that does not extend it replaces it",
                      false,
                      "a\r\n",
                      "b",
                      "a\r\nc and more",
                      {"read", "replace a\r\nc and more", "forget undo"}},
             WriteRow{"after typing, a shorter text replaces it unread",
                      false,
                      "a long text\r\n",
                      "!",
                      "short",
                      {"replace short", "forget undo"}},
             WriteRow{"a control that is asked: the same",
                      true,
                      "a\r\n",
                      "b",
                      "a\r\nb!",
                      {"read", "append !", "forget undo"}},
             WriteRow{"a control that is asked, untouched: no read",
                      true,
                      "a\r\n",
                      "",
                      "a\r\nb",
                      {"append b", "forget undo"}},
         }) {
        RecordingControl control(LineBreaks::AsWritten, row.asked);
        control.setText(row.before);
        control.userTypes(row.typed);
        control.calls.clear();

        control.setText(row.written);

        EXPECT_EQ(control.calls, row.calls) << row.what;
        EXPECT_EQ(control.content, row.written) << row.what;
        control.calls.clear();
        EXPECT_EQ(control.text(), row.written) << row.what;
        EXPECT_TRUE(control.calls.empty()) << row.what << ": read back what it knew";
    }
}

TEST(TranscriptBindingTest, TheUsersEditIsReadBackOnce) {
    RecordingControl control;
    control.setText("X = ?\r\n");
    control.calls.clear();
    control.userTypes("5");
    EXPECT_EQ(control.text(), "X = ?\r\n5");
    EXPECT_EQ(control.text(), "X = ?\r\n5");
    EXPECT_EQ(control.calls, (std::vector<std::string>{"read"}));
}

// A control that breaks the line at a lone CR needs no second break for the LF that completes
// it; one that keeps CR and LF as written gets the LF.
TEST(TranscriptBindingTest, TheLineFeedAfterALoneCarriageReturn) {
    RecordingControl oneBreakEach(LineBreaks::OneBreakEach);
    oneBreakEach.setText("a\r");
    oneBreakEach.calls.clear();
    oneBreakEach.setText("a\r\nb");
    EXPECT_EQ(oneBreakEach.calls.front(), "append b");
    EXPECT_EQ(oneBreakEach.text(), "a\r\nb");

    RecordingControl asWritten(LineBreaks::AsWritten);
    asWritten.setText("a\r");
    asWritten.calls.clear();
    asWritten.setText("a\r\nb");
    EXPECT_EQ(asWritten.calls.front(), "append \nb");
    EXPECT_EQ(asWritten.content, "a\r\nb");

    RecordingControl justTheBreak(LineBreaks::OneBreakEach);
    justTheBreak.setText("a\r");
    justTheBreak.calls.clear();
    justTheBreak.setText("a\r\n");
    EXPECT_EQ(justTheBreak.calls, (std::vector<std::string>{"forget undo"}))
        << "nothing is left to append";
    EXPECT_EQ(justTheBreak.text(), "a\r\n");
}

}  // namespace
}  // namespace presenter
