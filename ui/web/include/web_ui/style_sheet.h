#pragma once

#include <emscripten/val.h>

#include <string>
#include <string_view>

#include "design/main_form_design.h"

// The window's look as CSS: the fixed rules of main_form.css, and those made from the window's
// description. Every length of the latter is a number of twips times --twip, which is --scale CSS
// pixels per 15 twips: changing --scale on the document's root enlarges the window and its
// messages, texts included, and crisply, as nothing is a bitmap.
namespace web_ui {

// Set on the document's root to show the window larger or smaller: 1 by default.
inline constexpr std::string_view kScaleProperty = "--scale";

// The root's class while the window fills the screen: the window is fixed at the root's
// kWindowLeftProperty and kWindowTopProperty, and the margin around it, with no scroll bars,
// shows the window's background colour. main_form.css uses the same three names.
inline constexpr std::string_view kFillingScreenClass = "filling-screen";
inline constexpr std::string_view kWindowLeftProperty = "--window-left";
inline constexpr std::string_view kWindowTopProperty = "--window-top";

// The element id of a control: its object name, "List1_3" or "Frame1".
std::string elementId(const design::ControlId& id);

// The class every control of a kind carries, by which main_form.css styles it: "label", "frame",
// "option", "command", "text-box", "list-box".
std::string_view kindClass(design::ControlKind kind);

// Puts the window's style sheet in the document's head, once per document. It styles the window,
// whose element has the window's design name as its id; its controls, each with its element id
// and its kind's class; the messages it shows, of the class "message" (error_dialog.html's
// dialog); and the page around it.
void installStyleSheet(const emscripten::val& document, const design::WindowDesign& window);

}  // namespace web_ui
