// The answers' decimal separator from whatever languages the browser reports.

#include "page_rules/decimal_separator.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace page_rules {
namespace {

struct SeparatorRow {
    const char* what;
    std::vector<std::string> languages;
    std::optional<std::string> defaultSeparator;  // the default locale's, if it gives one
    const char* expected;
};

TEST(DecimalSeparatorTest, TheFirstLanguageThatGivesOneThenTheDefaultThenAPoint) {
    // What a browser's number formatting makes of these tags; the rest it does not know.
    const std::map<std::string, std::string> known{
        {"bg", ","}, {"bg-BG", ","}, {"en-US", "."}, {"de", ","}, {"weird", ""}};
    for (const SeparatorRow& row : {
             SeparatorRow{"Bulgarian", {"bg"}, ".", ","},
             SeparatorRow{"English", {"en-US", "bg"}, ",", "."},
             SeparatorRow{"the C locale's tag, then Bulgarian", {"C", "bg-BG"}, ".", ","},
             SeparatorRow{"nothing known: the default's", {"C", "xx-invalid"}, ",", ","},
             SeparatorRow{"no language at all", {}, ",", ","},
             SeparatorRow{"an empty tag is no language", {"", "de"}, ".", ","},
             SeparatorRow{"a tag that gives none", {"weird", "en-US"}, ",", "."},
             SeparatorRow{"nothing, and no default", {"C"}, std::nullopt, "."},
         }) {
        const auto separatorOf = [&](const std::string& tag) -> std::optional<std::string> {
            if (tag.empty()) {
                return row.defaultSeparator;
            }
            const auto found = known.find(tag);
            return found == known.end() ? std::nullopt : std::optional(found->second);
        };
        EXPECT_EQ(firstDecimalSeparator(row.languages, separatorOf), row.expected) << row.what;
    }
}

}  // namespace
}  // namespace page_rules
