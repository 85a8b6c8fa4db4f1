#include "web_core/css_colour.h"

#include <cstdio>

namespace web_core {

std::string cssColour(const design::Rgb& colour) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", colour.red, colour.green, colour.blue);
    return text;
}

}  // namespace web_core
