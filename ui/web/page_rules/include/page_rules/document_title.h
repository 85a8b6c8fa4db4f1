#pragma once

#include <string>
#include <string_view>

namespace page_rules {

// The window's title as a document's title, which shows a run of blanks as one: every blank of
// a run becomes a no-break space, so the run stays as wide as designed.
std::string documentTitle(std::string_view title);

}  // namespace page_rules
