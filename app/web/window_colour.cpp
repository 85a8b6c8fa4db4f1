// Prints the window's background colour as CSS, for the web app manifest, which the build writes
// with it (manifest.cmake): the colour is the description's, written nowhere else.

#include <iostream>

#include "design/main_form_design.h"
#include "web_core/css_colour.h"

int main() {
    std::cout << web_core::cssColour(design::mainForm().background) << '\n';
    return 0;
}
