#include "page_rules/decimal_separator.h"

namespace page_rules {

std::string firstDecimalSeparator(const std::vector<std::string>& languages,
                                  const SeparatorOfLanguage& separatorOf) {
    for (const std::string& tag : languages) {
        if (tag.empty()) {
            continue;  // not a language; the default locale comes last anyway
        }
        if (const std::optional<std::string> separator = separatorOf(tag);
            separator && !separator->empty()) {
            return *separator;
        }
    }
    if (const std::optional<std::string> separator = separatorOf(std::string());
        separator && !separator->empty()) {
        return *separator;
    }
    return ".";
}

}  // namespace page_rules
