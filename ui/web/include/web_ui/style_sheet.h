#pragma once

#include <string>
#include <string_view>

#include "design/main_form_design.h"

// The window's look as CSS, made from its description. Every length is a number of twips times
// --twip, which is --scale CSS pixels per 15 twips: changing --scale on the document's root
// enlarges the window and its messages, texts included, and crisply, as nothing is a bitmap.
namespace web_ui {

// Set on the document's root to show the window larger or smaller: 1 by default.
inline constexpr std::string_view kScaleProperty = "--scale";

// The root's class while the window fills the screen: the window is fixed at the root's
// kWindowLeftProperty and kWindowTopProperty, and the margin around it, with no scroll bars,
// shows the window's background colour.
inline constexpr std::string_view kFillingScreenClass = "filling-screen";
inline constexpr std::string_view kWindowLeftProperty = "--window-left";
inline constexpr std::string_view kWindowTopProperty = "--window-top";

// "calc(var(--twip) * 360)".
std::string cssLength(int twips);

// "#c0c0ff".
std::string cssColour(const design::Rgb& colour);

// The family, its metric-compatible stand-in, then the generic family of every face the window
// is designed in:
// "\"Times New Roman\", \"Liberation Serif\", serif".
std::string cssFontFamily(const design::Font& font);

// The element id of a control: its object name, "List1_3" or "Frame1".
std::string elementId(const design::ControlId& id);

// The class of a message the window shows, such as a run-time error: in the window's font.
inline constexpr std::string_view kMessageClass = "message";

// The rules for the window, whose element has the window's design name as its id, and for its
// controls, each with its object name as its id and its kind's class (see kindClass).
std::string windowStyleSheet(const design::WindowDesign& window);

// The class every control of a kind carries: "label", "frame", "option", "command", "text-box",
// "list-box".
std::string_view kindClass(design::ControlKind kind);

}  // namespace web_ui
