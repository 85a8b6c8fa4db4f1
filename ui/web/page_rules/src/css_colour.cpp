#include "page_rules/css_colour.h"

#include <cstdio>

namespace page_rules {

std::string cssColour(const design::Rgb& colour) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", colour.red, colour.green, colour.blue);
    return text;
}

}  // namespace page_rules
