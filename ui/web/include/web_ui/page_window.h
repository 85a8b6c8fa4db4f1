#pragma once

#include <emscripten/val.h>

#include <vector>

#include "design/main_form_design.h"
#include "engine/form_controls.h"

namespace web_ui {

// The window's elements, made by walking its description: one element with the window's design
// name as its id, holding a control for each of the description's, with its object name as its
// id. The elements follow the description's tab order, so the keyboard visits them in that
// order; the description's stacking order becomes their z-index. The option buttons are radio
// inputs in a fieldset with the frame's caption as its legend, so they form one stop of the
// keyboard, entered on the marked one.
struct PageWindow {
    using Elements = std::vector<emscripten::val>;

    emscripten::val window = emscripten::val::undefined();
    Elements lists = Elements(engine::kListCount, emscripten::val::undefined());  // <select size>
    emscripten::val transcript = emscripten::val::undefined();                    // <textarea>
    Elements options = Elements(engine::kOptionCount, emscripten::val::undefined());    // radios
    Elements commands = Elements(engine::kCommandCount, emscripten::val::undefined());  // <button>
};

// Builds the window at the end of host, and its style sheet in the document's head (once per
// document). The controls are empty: the lists hold no items and the transcript no text.
PageWindow buildPageWindow(emscripten::val host, const design::WindowDesign& design);

}  // namespace web_ui
