#include "page_rules/line_breaks.h"

#include <cstring>

namespace page_rules {

namespace {

template <typename Char>
std::basic_string<Char> withLineFeedsOnly(std::basic_string_view<Char> text) {
    std::basic_string<Char> converted;
    converted.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != Char{'\r'}) {
            converted += text[i];
        } else if (i + 1 == text.size() || text[i + 1] != Char{'\n'}) {
            converted += Char{'\n'};
        }
    }
    return converted;
}

}  // namespace

std::string toTextareaLineBreaks(std::string_view text) { return withLineFeedsOnly(text); }

std::u16string toTextareaLineBreaks(std::u16string_view text) { return withLineFeedsOnly(text); }

std::string toEngineLineBreaks(std::string_view text) {
    std::string converted;
    converted.reserve(text.size() + text.size() / 32);
    const char* from = text.data();
    const char* const end = from + text.size();
    while (from != end) {
        const auto* lineFeed = static_cast<const char*>(std::memchr(from, '\n', end - from));
        if (lineFeed == nullptr) {
            converted.append(from, end);
            break;
        }
        converted.append(from, lineFeed);
        converted += "\r\n";
        from = lineFeed + 1;
    }
    return converted;
}

}  // namespace page_rules
