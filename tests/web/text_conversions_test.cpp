// The page's conversions of texts: line breaks between the engine and a textarea, and the title.

#include <gtest/gtest.h>

#include <string>

#include "web_ui/document_title.h"
#include "web_ui/line_breaks.h"

namespace web_ui {
namespace {

struct LineBreakRow {
    std::string engine;    // CR LF
    std::string textarea;  // LF
};

TEST(LineBreaksTest, ConvertBothWays) {
    for (const LineBreakRow& row :
         {LineBreakRow{"", ""}, LineBreakRow{"a\r\nb\r\n", "a\nb\n"},
          LineBreakRow{"\r\n\r\n", "\n\n"}, LineBreakRow{"Отговор: \r\nX = ", "Отговор: \nX = "}}) {
        EXPECT_EQ(toTextareaLineBreaks(row.engine), row.textarea);
        EXPECT_EQ(toEngineLineBreaks(row.textarea), row.engine);
    }
}

// A textarea keeps no CR: a lone one is a line break there too.
TEST(LineBreaksTest, LoneCarriageReturnsBecomeLineFeeds) {
    EXPECT_EQ(toTextareaLineBreaks("a\rb\r"), "a\nb\n");
    EXPECT_EQ(toTextareaLineBreaks("\r\r\n"), "\n\n");
}

TEST(DocumentTitleTest, KeepsRunsOfBlanksVisible) {
    EXPECT_EQ(documentTitle("https://x.example  Математика - пропорция"),
              "https://x.example\u00A0\u00A0Математика - пропорция");
    EXPECT_EQ(documentTitle("a   b c"), "a\u00A0\u00A0\u00A0b c");
    EXPECT_EQ(documentTitle(" a "), " a ");
}

}  // namespace
}  // namespace web_ui
