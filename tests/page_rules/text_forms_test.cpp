// The texts a front-end shows in a form of its control's: the transcript's line breaks in a
// textarea, and the window's title as a document's.

#include <gtest/gtest.h>

#include <string>

#include "page_rules/document_title.h"
#include "page_rules/line_breaks.h"

namespace page_rules {
namespace {

struct LineBreakRow {
    const char* engineText;
    const char* textareaText;
    const char* readBack;  // what the engine reads from that textarea
};

TEST(LineBreaksTest, BothWaysBetweenCrLfAndLf) {
    for (const LineBreakRow& row : {
             LineBreakRow{"", "", ""},
             LineBreakRow{"ред\r\n", "ред\n", "ред\r\n"},
             LineBreakRow{"a\r\n\r\nb", "a\n\nb", "a\r\n\r\nb"},
             LineBreakRow{"a\rb", "a\nb", "a\r\nb"},  // a lone CR breaks the line too
             LineBreakRow{"a\r", "a\n", "a\r\n"},     // also at the very end
             LineBreakRow{"a\nb", "a\nb", "a\r\nb"},  // a lone LF is a textarea's own
             LineBreakRow{"\r\r\n", "\n\n", "\r\n\r\n"},
         }) {
        EXPECT_EQ(toTextareaLineBreaks(row.engineText), row.textareaText) << row.engineText;
        EXPECT_EQ(toEngineLineBreaks(row.textareaText), row.readBack) << row.textareaText;
    }
}

TEST(DocumentTitleTest, RunsOfBlanksKeepTheirWidth) {
    EXPECT_EQ(documentTitle("https://x.example  Математика - пропорция"),
              "https://x.example\u00A0\u00A0Математика - пропорция");
    EXPECT_EQ(documentTitle("a   b c"), "a\u00A0\u00A0\u00A0b c");
    EXPECT_EQ(documentTitle(" a "), " a ") << "a single blank stays a blank";
    EXPECT_EQ(documentTitle("  "), "\u00A0\u00A0");
    EXPECT_EQ(documentTitle(""), "");
}

}  // namespace
}  // namespace page_rules
