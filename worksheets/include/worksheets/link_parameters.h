#pragma once

#include <string_view>

// The names of the parameters that the worksheet's link (sheet.html?code=3CFPS6&n=5&variants=26
// &key=1, its code carrying the problems' choices) and the pupils' link
// (practice.html?code=3CFPS6&n=5&variants=26&variant=7) carry. People share these links, so the
// names and their meanings stay as they are.
namespace worksheets {

inline constexpr std::string_view kCodeParameter = "code";
inline constexpr std::string_view kProblemsParameter = "n";
inline constexpr std::string_view kVariantsParameter = "variants";
inline constexpr std::string_view kKeyParameter = "key";
inline constexpr std::string_view kVariantParameter = "variant";
// The key with every worked solution: solutions=1 (left out when off).
inline constexpr std::string_view kSolutionsParameter = "solutions";
// The practice page's hints switched off: hints=0 (left out when on).
inline constexpr std::string_view kHintsParameter = "hints";

}  // namespace worksheets
