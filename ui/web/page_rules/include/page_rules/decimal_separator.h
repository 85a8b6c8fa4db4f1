#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace page_rules {

// Gives the decimal separator numbers are written with in a language, by its tag ("bg",
// "en-US"; "" for the system's default), or nothing where the tag is not one it knows: a
// browser reports whatever its system gives it, "C" under the C locale, or nothing at all.
using SeparatorOfLanguage = std::function<std::optional<std::string>(const std::string& tag)>;

// The answers' decimal separator: that of the first of the user's languages, in order, that
// gives one, then the default locale's, then ".".
std::string firstDecimalSeparator(const std::vector<std::string>& languages,
                                  const SeparatorOfLanguage& separatorOf);

}  // namespace page_rules
