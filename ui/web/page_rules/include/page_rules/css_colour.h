#pragma once

#include <string>

#include "design/main_form_design.h"

namespace page_rules {

// A colour as CSS writes it: "#c0c0ff". The page's style sheet and its web app manifest take the
// window's colours from the description through it.
std::string cssColour(const design::Rgb& colour);

}  // namespace page_rules
