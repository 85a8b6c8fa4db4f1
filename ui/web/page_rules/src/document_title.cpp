#include "page_rules/document_title.h"

namespace page_rules {

namespace {

constexpr std::string_view kNoBreakSpace = "\u00A0";

}  // namespace

std::string documentTitle(std::string_view title) {
    std::string converted;
    converted.reserve(title.size() + title.size() / 4);
    for (std::size_t i = 0; i < title.size(); ++i) {
        const bool inRun = title[i] == ' ' && ((i > 0 && title[i - 1] == ' ') ||
                                               (i + 1 < title.size() && title[i + 1] == ' '));
        if (inRun) {
            converted += kNoBreakSpace;
        } else {
            converted += title[i];
        }
    }
    return converted;
}

}  // namespace page_rules
