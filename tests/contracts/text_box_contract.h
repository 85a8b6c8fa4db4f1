#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/text_box.h"

// What every text box binding promises the engine (engine/text_box.h), checked once for each.
//
// A harness H for this suite is default-constructible, owns a fresh, empty text box, and offers:
//   engine::TextBox& box();
//   std::string shown();  // the content as the user would copy it out, line breaks as CR LF,
//                         // read from the toolkit itself rather than through box()
//   void typeAtEnd(const std::string& utf8);  // the user types at the end; "\n" is Enter
template <typename Harness>
class TextBoxContract : public ::testing::Test {
protected:
    Harness harness_;
};

TYPED_TEST_SUITE_P(TextBoxContract);

// Texts the program writes, and texts a pupil might leave, with CR LF line breaks. The last is
// one long line of 64 K characters, beyond the 32 K a Windows edit control takes by default; it
// has blanks to wrap at, as a pupil's text does (a line that cannot wrap takes Wine's edit
// control a time that grows with its square: a minute for this one).
inline std::vector<std::string> textBoxContractTexts() {
    std::string longLine;
    while (longLine.size() < 64 * 1024) {
        longLine += "xxxxxxx ";
    }
    return {"",
            "ред\r\n",
            "Отговор: \r\nX = ",
            "\r\n\r\nа\r\n\r\n",
            "A = 5; B = 12; \r\n",
            "„Задача“ — 5 €, … ‰ №\r\n",
            "1\u00a0000 и\tтаб",
            longLine + "\r\n"};
}

TYPED_TEST_P(TextBoxContract, TextComesBackExactlyAsSet) {
    engine::TextBox& box = this->harness_.box();
    for (const std::string& text : textBoxContractTexts()) {
        box.setText(text);
        EXPECT_EQ(box.text(), text);
        EXPECT_EQ(this->harness_.shown(), text);
    }
}

TYPED_TEST_P(TextBoxContract, SetTextReplacesTheWholeContent) {
    engine::TextBox& box = this->harness_.box();
    box.setText("стар текст\r\nвтори ред\r\n");
    box.setText("нов\r\n");
    EXPECT_EQ(box.text(), "нов\r\n");
    EXPECT_EQ(this->harness_.shown(), "нов\r\n");
}

// The solver appends by setting the text it read followed by more; what the user typed stays,
// and their line breaks come back as CR LF.
TYPED_TEST_P(TextBoxContract, WhatTheUserTypedIsReadAndExtended) {
    engine::TextBox& box = this->harness_.box();
    box.setText("X = ?\r\n");
    this->harness_.typeAtEnd("мисля, че\n5");
    EXPECT_EQ(box.text(), "X = ?\r\nмисля, че\r\n5");

    box.setText(box.text() + "A = 7; \r\n");
    EXPECT_EQ(box.text(), "X = ?\r\nмисля, че\r\n5A = 7; \r\n");
    EXPECT_EQ(this->harness_.shown(), "X = ?\r\nмисля, че\r\n5A = 7; \r\n");
}

REGISTER_TYPED_TEST_SUITE_P(TextBoxContract, TextComesBackExactlyAsSet,
                            SetTextReplacesTheWholeContent, WhatTheUserTypedIsReadAndExtended);
