// The pupils' link: read strictly, so that a pupil gets the variant asked for or is told what is
// wrong, never somebody else's problems; and the links the teacher's page and the practice page
// write.

#include "worksheets/practice_link.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "worksheets/page_words.h"
#include "worksheets/practice_start.h"
#include "worksheets/query_text.h"
#include "worksheets/sheet_link.h"

namespace worksheets {
namespace {

using Fault = PracticeFault;

// The most variants a sheet has, and one more: a link without a sheet's count is read up to it.
const std::string kMostVariants = std::to_string(kVariantCount.most);
const std::string kTooManyVariants = std::to_string(kVariantCount.most + 1);
const std::string kTooManyProblems = std::to_string(kProblemsPerPupil.most + 1);

struct LinkRow {
    std::string query;
    Fault fault;
    int problems;
    std::optional<int> variants;
    std::optional<int> variant;
    // The address once the variant is open, where it can be; "" where it cannot.
    std::string writtenBack;
};

TEST(PracticeLinkTest, ReadsThePupilsLinkStrictly) {
    const std::string huge(100'000, '7');
    for (const LinkRow& row : {
             LinkRow{"?code=3CFPS6&n=5&variants=26&variant=7", Fault::kNone, 5, 26, 7,
                     "?code=3CFPS6&n=5&variants=26&variant=7"},
             LinkRow{"?variant=26&variants=26&n=20&code=3c-fp-s6", Fault::kNone, 20, 26, 26,
                     "?code=3CFPS6&n=20&variants=26&variant=26"},
             LinkRow{"?code=3CFPS6&n=%205%20&variants=26&variant=+7+", Fault::kNone, 5, 26, 7,
                     "?code=3CFPS6&n=5&variants=26&variant=7"},
             LinkRow{"?code=22EV97RQ&n=5&variants=26&variant=7&hints=0", Fault::kNone, 5, 26, 7,
                     "?code=22EV97RQ&n=5&variants=26&variant=7&hints=0"},
             LinkRow{"?code=22ev-97rq&n=5&variants=26&variant=7&hints=1", Fault::kNone, 5, 26, 7,
                     "?code=22EV97RQ&n=5&variants=26&variant=7"},
             // Without a variant the pupil is asked, but a sheet of one variant has no choice.
             LinkRow{"?code=3CFPS6&n=5&variants=26", Fault::kNone, 5, 26, std::nullopt, ""},
             LinkRow{"?code=3CFPS6&n=5&variants=1", Fault::kNone, 5, 1, 1,
                     "?code=3CFPS6&n=5&variants=1&variant=1"},
             // "n" absent is the teacher's page's 5; "variants" absent leaves the number open.
             LinkRow{"?code=3CFPS6&variant=" + kMostVariants, Fault::kNone, 5, std::nullopt,
                     kVariantCount.most, "?code=3CFPS6&n=5&variant=" + kMostVariants},
             LinkRow{"?code=3CFPS6&variant=" + kTooManyVariants, Fault::kBadVariant, 5,
                     std::nullopt, std::nullopt, ""},
             // Refused rather than clamped to somebody else's variant.
             LinkRow{"?code=3CFPS6&n=5&variants=26&variant=27", Fault::kBadVariant, 5, 26,
                     std::nullopt, ""},
             LinkRow{"?code=3CFPS6&n=5&variants=26&variant=0", Fault::kBadVariant, 5, 26,
                     std::nullopt, ""},
             LinkRow{"?code=3CFPS6&n=5&variants=26&variant=-7", Fault::kBadVariant, 5, 26,
                     std::nullopt, ""},
             LinkRow{"?code=3CFPS6&n=5&variants=26&variant=7.0", Fault::kBadVariant, 5, 26,
                     std::nullopt, ""},
             LinkRow{"?code=3CFPS6&n=5&variants=26&variant=", Fault::kBadVariant, 5, 26,
                     std::nullopt, ""},
             LinkRow{"?code=3CFPS6&n=5&variants=26&variant=" + huge, Fault::kBadVariant, 5, 26,
                     std::nullopt, ""},
             // A number of problems or variants out of range is a broken link, not a sheet.
             LinkRow{"?code=3CFPS6&n=" + kTooManyProblems + "&variants=26&variant=7",
                     Fault::kBadCount, 5, 26, 7, ""},
             LinkRow{"?code=3CFPS6&n=0&variants=26&variant=7", Fault::kBadCount, 5, 26, 7, ""},
             LinkRow{"?code=3CFPS6&n=5&variants=abc&variant=7", Fault::kBadCount, 5, std::nullopt,
                     7, ""},
             LinkRow{"?code=3CFPS6&n=5&variants=" + kTooManyVariants, Fault::kBadCount, 5,
                     std::nullopt, std::nullopt, ""},
             // The code first: a pupil is told of the code before anything else.
             LinkRow{"?code=3CFPS7&n=99&variants=26&variant=7", Fault::kBadCode, 5, 26, 7, ""},
             LinkRow{"?n=5&variants=26&variant=7", Fault::kNoCode, 5, 26, 7, ""},
             LinkRow{"", Fault::kNoCode, 5, std::nullopt, std::nullopt, ""},
         }) {
        const std::string shown = row.query.substr(0, 80);
        const PracticeLink link = readPracticeQuery(row.query);
        EXPECT_EQ(link.fault, row.fault) << shown;
        EXPECT_EQ(link.problems, row.problems) << shown;
        EXPECT_EQ(link.variants, row.variants) << shown;
        EXPECT_EQ(link.variant, row.variant) << shown;
        if (!row.writtenBack.empty()) {
            EXPECT_EQ(practiceQuery(link), row.writtenBack) << shown;
            EXPECT_EQ(readPracticeQuery(practiceQuery(link)), link) << "round trip of " << shown;
        }
    }
}

struct NumberRow {
    const char* typed;
    std::optional<int> variant;  // of a sheet of 26 variants
};

TEST(PracticeLinkTest, TakesOnlyANumberOfTheSheet) {
    for (const NumberRow& row : {
             NumberRow{"7", 7},
             NumberRow{" 7 ", 7},
             NumberRow{"07", 7},
             NumberRow{"26", 26},
             NumberRow{"27", std::nullopt},
             NumberRow{"0", std::nullopt},
             NumberRow{"", std::nullopt},
             NumberRow{"-1", std::nullopt},
             NumberRow{"+7", std::nullopt},
             NumberRow{"7,0", std::nullopt},
             NumberRow{"седем", std::nullopt},
             NumberRow{"7 7", std::nullopt},
             NumberRow{"9999999999", std::nullopt},
         }) {
        PracticeLink link = readPracticeQuery("?code=3CFPS6&n=5&variants=26");
        const Fault fault = chooseVariant(link, row.typed);
        EXPECT_EQ(fault == Fault::kNone, row.variant.has_value()) << row.typed;
        EXPECT_EQ(link.variant, row.variant) << row.typed;
    }
}

TEST(PracticeLinkTest, TakesASheetTypedWhereTheLinkHadNone) {
    PracticeLink link = readPracticeQuery("");
    EXPECT_EQ(enterSheet(link, "3CFPS7", "5"), Fault::kBadCode);
    EXPECT_EQ(enterSheet(link, "3cfps6", kTooManyProblems), Fault::kBadCount);
    EXPECT_FALSE(link.code);
    EXPECT_EQ(enterSheet(link, " 3cf ps6", " 8 "), Fault::kNone);
    EXPECT_EQ(chooseVariant(link, kMostVariants), Fault::kNone);
    EXPECT_EQ(practiceQuery(link), "?code=3CFPS6&n=8&variant=" + kMostVariants);
    EXPECT_EQ(chooseVariant(link, kTooManyVariants), Fault::kBadVariant);
}

TEST(PracticeLinkTest, SaysWhatIsWrongAndOfTheVariantsOnlyWhatTheLinkSays) {
    const PracticeLink counted = readPracticeQuery("?code=3CFPS6&n=5&variants=26&variant=27");
    const PracticeLink uncounted = readPracticeQuery("?code=3CFPS6&n=5");
    EXPECT_EQ(refusal(counted, Fault::kBadVariant),
              "Няма такъв вариант в този лист. Вариантите в този лист са от 1 до 26.");
    EXPECT_EQ(refusal(uncounted, Fault::kBadVariant), "Няма такъв вариант в този лист.");
    EXPECT_EQ(refusal(counted, Fault::kBadCode), "Няма такъв код на лист.");
    EXPECT_EQ(refusal(counted, Fault::kBadCount),
              "Връзката към листа е сгрешена: поискай я отново от учителя.");
    EXPECT_EQ(refusal(uncounted, Fault::kNoCode), "");
    EXPECT_EQ(refusal(uncounted, Fault::kNone), "");
}

TEST(PracticeLinkTest, TheTeachersPageGivesTheSheetWithoutAVariant) {
    SheetSettings settings = readSheetQuery("?code=3CFPS6&n=1&variants=26&key=0");
    EXPECT_EQ(pupilsQuery(settings), "?code=3CFPS6&n=1&variants=26");
    const PracticeLink link = readPracticeQuery(pupilsQuery(settings));
    EXPECT_EQ(link.fault, Fault::kNone);
    EXPECT_EQ(link.code, settings.code);
    EXPECT_EQ(link.problems, 1);
    EXPECT_EQ(link.variants, 26);
    settings.hints = false;
    EXPECT_EQ(pupilsQuery(settings), "?code=3CFPS6&n=1&variants=26&hints=0");
    EXPECT_FALSE(readPracticeQuery(pupilsQuery(settings)).hints);
    EXPECT_NE(words::pupilsOffFileNote(settings.codeText, 1).find("код 3CFPS6, 1 задача."),
              std::string::npos);
    EXPECT_NE(words::pupilsOffFileNote(settings.codeText, 5).find("код 3CFPS6, 5 задачи."),
              std::string::npos);
}

struct StartRow {
    const char* name;
    std::string query;
    // What the pupil typed: the code and count (where asked), then the number.
    const char* code;
    const char* count;
    const char* number;
    PracticeStart expected;
};

TEST(PracticeLinkTest, TheStartAsksForWhatTheLinkLacksAndGoesToWhatIsWrong) {
    using Field = StartField;
    const std::string noSuchVariant = std::string(words::kNoSuchVariant);
    for (const StartRow& row : {
             StartRow{"a link without a variant",
                      "?code=3CFPS6&n=5&variants=26",
                      nullptr,
                      nullptr,
                      nullptr,
                      {false, "5", "", std::nullopt, Field::kNumber}},
             StartRow{"a number not in the sheet",
                      "?code=3CFPS6&n=5&variants=26",
                      nullptr,
                      nullptr,
                      "27",
                      {false, "5", noSuchVariant + " Вариантите в този лист са от 1 до 26.",
                       Field::kNumber, Field::kNumber}},
             StartRow{"no sheet in the link",
                      "",
                      nullptr,
                      nullptr,
                      nullptr,
                      {true, "", "", std::nullopt, Field::kCode}},
             StartRow{"no sheet, a code typed wrong",
                      "",
                      "3CFPS7",
                      "5",
                      "7",
                      {true, "", "Няма такъв код на лист.", Field::kCode, Field::kCode}},
             StartRow{"no sheet, a count typed wrong",
                      "",
                      "3CFPS6",
                      kTooManyProblems.c_str(),
                      "7",
                      {true, "", std::string(words::kBadLink), Field::kProblems, Field::kProblems}},
             // The sheet's fields stay while the number is put right.
             StartRow{"no sheet, a number not in it",
                      "",
                      "3CFPS6",
                      "5",
                      kTooManyVariants.c_str(),
                      {true, "", noSuchVariant, Field::kNumber, Field::kNumber}},
             StartRow{"a code in the link that is no code",
                      "?code=3CFPS7&n=8&variant=7",
                      nullptr,
                      nullptr,
                      nullptr,
                      {true, "8", "Няма такъв код на лист.", Field::kCode, Field::kCode}},
             StartRow{"a broken count in the link",
                      "?code=3CFPS6&n=50&variant=7",
                      nullptr,
                      nullptr,
                      nullptr,
                      {true, "", std::string(words::kBadLink), Field::kProblems, Field::kProblems}},
         }) {
        const PracticeLink fromAddress = readPracticeQuery(row.query);
        PracticeLink link = fromAddress;
        Fault fault = fromAddress.fault;
        if (row.code != nullptr) {
            fault = enterSheet(link, row.code, row.count);
        }
        if (row.number != nullptr && fault == Fault::kNone) {
            fault = chooseVariant(link, row.number);
        }
        EXPECT_EQ(practiceStart(fromAddress, link, fault), row.expected) << row.name;
    }
}

struct AddressRow {
    const char* page;
    const char* practice;
};

TEST(PracticeLinkTest, ThePupilsPageIsInTheTeachersPagesFolder) {
    for (const AddressRow& row : {
             AddressRow{"https://s.bg/p/sheet.html?code=3CFPS6&n=5",
                        "https://s.bg/p/practice.html"},
             AddressRow{"https://s.bg/p/sheet.html#top", "https://s.bg/p/practice.html"},
             AddressRow{"https://s.bg/p/sheet.html?x=#a?b/c", "https://s.bg/p/practice.html"},
             AddressRow{"https://s.bg/p/?code=3CFPS6", "https://s.bg/p/practice.html"},
             AddressRow{"http://127.0.0.1:8080/sheet.html", "http://127.0.0.1:8080/practice.html"},
         }) {
        EXPECT_EQ(addressBeside(row.page, "practice.html"), row.practice) << row.page;
    }
    EXPECT_EQ(withoutQuery("https://s.bg/p/sheet.html?code=X#k"), "https://s.bg/p/sheet.html");
}

}  // namespace
}  // namespace worksheets
