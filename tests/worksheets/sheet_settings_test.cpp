// A worksheet's settings from its address, and the address written back: whatever a link holds,
// the sheet shown has allowed settings, and the address then says which.

#include "worksheets/sheet_settings.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "worksheets/sheet_link.h"

namespace worksheets {
namespace {

struct NumberRow {
    const char* text;
    int problems;  // within kProblemsPerPupil, 5 where no number
    int key;       // in 0 to 1, 1 where no number
};

TEST(SheetSettingsTest, NumbersTakeTheNearestAllowedValue) {
    for (const NumberRow& row : {
             NumberRow{"7", 7, 1},
             NumberRow{"0", 1, 0},
             NumberRow{"-3", 1, 0},
             NumberRow{"1000000", kProblemsPerPupil.most, 1},
             NumberRow{"99999999999999999999999999", kProblemsPerPupil.most, 1},
             NumberRow{"000000000000000000000012", 12, 1},
             NumberRow{"5.7", 6, 1},
             NumberRow{"5.5", 6, 1},
             NumberRow{"5.49", 5, 1},
             NumberRow{"0.4", 1, 0},
             NumberRow{".6", 1, 1},
             NumberRow{"12.", 12, 1},
             NumberRow{" 8 ", 8, 1},
             NumberRow{"+9", 9, 1},
             NumberRow{"", 5, 1},
             NumberRow{"abc", 5, 1},
             NumberRow{"5e2", 5, 1},
             NumberRow{"5,7", 5, 1},
             NumberRow{"-", 5, 1},
             NumberRow{".", 5, 1},
             NumberRow{"1.2.3", 5, 1},
             NumberRow{"0x10", 5, 1},
         }) {
        EXPECT_EQ(nearestAllowed(row.text, kProblemsPerPupil), row.problems) << row.text;
        EXPECT_EQ(nearestAllowed(row.text, kKeyShown), row.key) << row.text;
    }
}

struct QueryRow {
    std::string query;
    const char* codeText;
    bool readable;
    int problems;
    int variants;
    bool key;
    std::string writtenBack;
};

TEST(SheetSettingsTest, ReadsAnAddressAndWritesBackWhatItUsed) {
    const std::string huge(1'000'000, '9');
    // The most of each count, as an address says it back.
    const std::string most = "?n=" + std::to_string(kProblemsPerPupil.most) +
                             "&variants=" + std::to_string(kVariantCount.most);
    for (const QueryRow& row : {
             QueryRow{"", "", false, 5, 1, true, "?n=5&variants=1&key=1"},
             QueryRow{"?", "", false, 5, 1, true, "?n=5&variants=1&key=1"},
             QueryRow{"?code=3CFPS6&n=5&variants=26&key=1", "3CFPS6", true, 5, 26, true,
                      "?code=3CFPS6&n=5&variants=26&key=1"},
             // Written back in its own order, unknown parameters dropped.
             QueryRow{"?key=0&utm_source=x&variants=3&code=3cfps6&n=20", "3CFPS6", true, 20, 3,
                      false, "?code=3CFPS6&n=20&variants=3&key=0"},
             QueryRow{"code=3C-FP+S6", "3CFPS6", true, 5, 1, true,
                      "?code=3CFPS6&n=5&variants=1&key=1"},
             // Cyrillic С and Р, percent-encoded as a browser sends them.
             QueryRow{"?code=3%D0%A1F%D0%A0S6", "3CFPS6", true, 5, 1, true,
                      "?code=3CFPS6&n=5&variants=1&key=1"},
             QueryRow{"?%63ode=%33CFPS6&%6E=%37", "3CFPS6", true, 7, 1, true,
                      "?code=3CFPS6&n=7&variants=1&key=1"},
             QueryRow{"?n=0&variants=-3&key=abc", "", false, 1, 1, true, "?n=1&variants=1&key=1"},
             QueryRow{"?n=1000000&variants=" + std::to_string(kVariantCount.most + 1) + "&key=7",
                      "", false, kProblemsPerPupil.most, kVariantCount.most, true, most + "&key=1"},
             QueryRow{"?n=abc&variants=5.7&key=-1", "", false, 5, 6, false,
                      "?n=5&variants=6&key=0"},
             QueryRow{"?n=" + huge + "&variants=" + huge, "", false, kProblemsPerPupil.most,
                      kVariantCount.most, true, most + "&key=1"},
             // The first of a repeated parameter, as URLSearchParams.get takes it.
             QueryRow{"?n=3&n=9&code=QY5GFR&code=3CFPS6&key=0&key=1", "QY5GFR", true, 3, 1, false,
                      "?code=QY5GFR&n=3&variants=1&key=0"},
             QueryRow{"?n&variants=&key", "", false, 5, 1, true, "?n=5&variants=1&key=1"},
             // The later parameters, written only where they differ from a link without them.
             QueryRow{"?code=22EV97RQ&solutions=1&hints=0", "22EV97RQ", true, 5, 1, true,
                      "?code=22EV97RQ&n=5&variants=1&key=1&solutions=1&hints=0"},
             QueryRow{"?code=22EV97RQ&solutions=0&hints=%201%20", "22EV97RQ", true, 5, 1, true,
                      "?code=22EV97RQ&n=5&variants=1&key=1"},
             QueryRow{"?code=3CFPS6&hints=abc", "3CFPS6", true, 5, 1, true,
                      "?code=3CFPS6&n=5&variants=1&key=1&hints=0"},
             QueryRow{"?n=%ZZ&code=%", "%", false, 5, 1, true, "?code=%25&n=5&variants=1&key=1"},
             // A code that cannot be read stays as typed, for the teacher to put right.
             QueryRow{"?code=3CFPS7", "3CFPS7", false, 5, 1, true,
                      "?code=3CFPS7&n=5&variants=1&key=1"},
             QueryRow{"?code=%D0%BA%D0%BE%D0%B4+1", "код 1", false, 5, 1, true,
                      "?code=%D0%BA%D0%BE%D0%B4%201&n=5&variants=1&key=1"},
             QueryRow{"?code=a%26b%3Dc", "a&b=c", false, 5, 1, true,
                      "?code=a%26b%3Dc&n=5&variants=1&key=1"},
             // What is left out of a code is left out before it is read: the address written
             // back opens the sheet shown.
             QueryRow{"?code=3CF%FFPS6", "3CFPS6", true, 5, 1, true,
                      "?code=3CFPS6&n=5&variants=1&key=1"},
             QueryRow{"?code=3CF%01PS6", "3CFPS6", true, 5, 1, true,
                      "?code=3CFPS6&n=5&variants=1&key=1"},
             QueryRow{"?code=3CF%C2%A0PS6", "3CFPS6", true, 5, 1, true,
                      "?code=3CFPS6&n=5&variants=1&key=1"},
             // Invalid UTF-8 and control characters are left out; a long one is cut.
             QueryRow{"?code=A%FF%C0%80B%0A%00C%ED%A0%80", "ABC", false, 5, 1, true,
                      "?code=ABC&n=5&variants=1&key=1"},
             QueryRow{"?code=" + std::string(100'000, 'Q'), "QQQQQQQQQQQQQQQQQQQQQQQQQQQQQQQQ",
                      false, 5, 1, true,
                      "?code=QQQQQQQQQQQQQQQQQQQQQQQQQQQQQQQQ&n=5&variants=1&key=1"},
         }) {
        const std::string shown = row.query.size() > 80 ? row.query.substr(0, 80) : row.query;
        const SheetSettings settings = readSheetQuery(row.query);
        EXPECT_EQ(settings.codeText, row.codeText) << shown;
        EXPECT_EQ(settings.code.has_value(), row.readable) << shown;
        EXPECT_EQ(settings.problems, row.problems) << shown;
        EXPECT_EQ(settings.variants, row.variants) << shown;
        EXPECT_EQ(settings.key, row.key) << shown;
        EXPECT_EQ(sheetQuery(settings), row.writtenBack) << shown;
        EXPECT_EQ(readSheetQuery(sheetQuery(settings)), settings) << "round trip of " << shown;
    }
}

TEST(SheetSettingsTest, TypedCodesKeepTheirCharactersWhole) {
    SheetSettings settings;
    // Cyrillic letters of two bytes each: cut at the field's length in letters, never inside one.
    std::string typed;
    for (std::size_t i = 0; i < kCodeFieldLength + 8; ++i) {
        typed += "ж";
    }
    setTypedCode(settings, typed);
    EXPECT_EQ(settings.codeText, typed.substr(0, 2 * kCodeFieldLength));
    EXPECT_FALSE(settings.code);
    setTypedCode(settings, " qy5-gfr ");
    EXPECT_EQ(settings.codeText, "QY5GFR");
    ASSERT_TRUE(settings.code);
    EXPECT_EQ(settings.code->text(), "QY5GFR");
}

}  // namespace
}  // namespace worksheets
