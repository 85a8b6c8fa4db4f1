// One reading of typed text: the sheet's code, the sheet's settings, the pupil's number and the
// pupil's answer skip the same blanks around what was typed and take the same digits, each then
// keeping its own rule for the rest.

#include "worksheets/typed_text.h"

#include <gtest/gtest.h>

#include <string>

#include "worksheets/answer_check.h"
#include "worksheets/practice_start.h"
#include "worksheets/sheet_code.h"
#include "worksheets/sheet_settings.h"

namespace worksheets {
namespace {

struct TypedRow {
    const char* what;
    std::string number;  // a pupil's 7, as typed
    std::string code;    // the code 3CFPS6, as typed
    bool read;           // whether they are 7 and 3CFPS6 to every reader
};

TEST(TypedTextTest, TheSameBlanksAndDigitsAreReadAlikeByEveryField) {
    for (const TypedRow& row : {
             TypedRow{"a no-break space after it, as a phone's keyboard or a chat gives it",
                      "7\u00A0", "3CFPS6\u00A0", true},
             TypedRow{"spaces and tabs around", " \t7 ", "\t 3CFPS6 ", true},
             TypedRow{"narrow no-break, thin and figure spaces around", "\u202F7\u2009\u2007",
                      "\u2007\u202F3CFPS6\u2009", true},
             TypedRow{"zero-width ones around", "\uFEFF7\u200B\u2060", "\uFEFF3CFPS6\u200B", true},
             TypedRow{"the line breaks of a paste around", "\r\n7\r\n", "\n3CFPS6\r\n", true},
             TypedRow{"a full-width digit", "\uFF17", "\uFF13CFPS6", false},
             TypedRow{"an Arabic-Indic digit", "\u0667", "\u0663CFPS6", false},
             TypedRow{"a no-break space without its lead byte", "7\xA0", "3CFPS6\xA0", false},
             TypedRow{"a letter after it", "7a", "3CFPS6a", false},
         }) {
        EXPECT_EQ(nearestAllowed(row.number, kProblemsPerPupil),
                  row.read ? 7 : kProblemsPerPupil.atFirst)
            << "the settings: " << row.what;
        PracticeLink link;
        link.variants = 26;
        EXPECT_EQ(chooseVariant(link, row.number) == PracticeFault::kNone, row.read)
            << "the pupil's number: " << row.what;
        EXPECT_EQ(checkAnswer(ExactNumber::fraction(7, 1), row.number),
                  row.read ? AnswerVerdict::kRight : AnswerVerdict::kNotANumber)
            << "the answer: " << row.what;
        EXPECT_EQ(SheetCode::read(row.code).has_value(), row.read) << "the code: " << row.what;
    }
}

}  // namespace
}  // namespace worksheets
