#include "web_ui/style_sheet.h"

#include <cstdio>
#include <stdexcept>

namespace web_ui {

namespace {

constexpr int kPointsPerInch = 72;

// How the browser's controls are drawn to look like the desktop window's: thin grey frames and
// borders, a caption above the frame's line, button faces of the designed colour. Lengths in em
// follow the font, so they scale with it.
constexpr std::string_view kControlRules = R"(#{window} * {
  box-sizing: border-box;
  margin: 0;
  font: inherit;
  color: inherit;
}
#{window} .label, #{window} .frame, #{window} .option, #{window} .command,
#{window} .text-box, #{window} .list-box {
  position: absolute;
}
#{window} .label {
  display: flex;
  align-items: center;
  overflow: hidden;
  white-space: pre;
}
#{window} .frame {
  border: 0;
  padding: 0;
  min-inline-size: 0;
}
#{window} .frame::before {
  content: "";
  position: absolute;
  inset: 1.3125em 0 0 0;
  border: 1px solid rgba(0, 0, 0, 0.2);
  border-radius: 2px;
}
#{window} .frame > legend {
  position: absolute;
  left: 0;
  top: 0;
  padding: 0 0.125em;
  white-space: pre;
}
#{window} .option {
  display: flex;
  align-items: center;
  gap: 0.25em;
  padding-left: 0.125em;
  white-space: pre;
}
#{window} .option > input {
  margin: 0;
  width: 0.875em;
  height: 0.875em;
  accent-color: #505050;
}
#{window} .command {
  border: 1px solid rgba(0, 0, 0, 0.45);
  border-radius: 3px;
  padding: 0;
  white-space: pre;
  background-image: linear-gradient(rgba(255, 255, 255, 0.18), rgba(0, 0, 0, 0.04));
}
#{window} .command:disabled {
  color: #fff;
  text-shadow: 1px 1px 0 rgba(0, 0, 0, 0.25);
}
#{window} .command:focus-visible {
  outline: 1px dotted #000;
  outline-offset: -4px;
}
#{window} .text-box {
  resize: none;
  overflow-x: hidden;
  overflow-y: scroll;
  padding: 0.125em 0.25em;
  border: 1px solid #8c8cb4;
  background: #fff;
  white-space: pre-wrap;
}
#{window} .list-box {
  border: 1px solid #8c8cb4;
  background: #fff;
  overflow-x: hidden;
}
#{window} .list-box > option {
  padding: 0 0.25em;
  white-space: pre;
  overflow: hidden;
  text-overflow: ellipsis;
}
)";

// While the window fills the screen: fixed where the page puts it, in the window's colour from
// edge to edge, and nothing to scroll.
constexpr std::string_view kFillingScreenRules = R"(:root.{filling}, :root.{filling} body {
  background-color: {colour};
}
:root.{filling} {
  overflow: hidden;
}
:root.{filling} #{window} {
  position: fixed;
  left: var({left});
  top: var({top});
}
)";

std::string replaceAll(std::string_view text, std::string_view placeholder,
                       std::string_view replacement) {
    std::string result;
    std::size_t from = 0;
    for (std::size_t at = text.find(placeholder); at != std::string_view::npos;
         at = text.find(placeholder, from)) {
        result.append(text, from, at - from);
        result += replacement;
        from = at + placeholder.size();
    }
    result.append(text, from);
    return result;
}

// A CSS string: quotes and backslashes escaped, so any family name stays one string.
std::string cssString(std::string_view text) {
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            quoted += '\\';
        }
        quoted += c;
    }
    return quoted + '"';
}

void appendPlace(std::string& css, const design::Twips& place) {
    css += "  left: " + cssLength(place.left) + ";\n";
    css += "  top: " + cssLength(place.top) + ";\n";
    css += "  width: " + cssLength(place.width) + ";\n";
    css += "  height: " + cssLength(place.height) + ";\n";
}

}  // namespace

std::string cssLength(int twips) { return "calc(var(--twip) * " + std::to_string(twips) + ")"; }

std::string cssColour(const design::Rgb& colour) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", colour.red, colour.green, colour.blue);
    return text;
}

std::string cssFontFamily(const design::Font& font) {
    std::string family = cssString(font.family);
    if (!font.metricCompatibleFamily.empty()) {
        family += ", " + cssString(font.metricCompatibleFamily);
    }
    return family + ", serif";
}

std::string elementId(const design::ControlId& id) { return design::objectName(id); }

std::string_view kindClass(design::ControlKind kind) {
    switch (kind) {
        case design::ControlKind::Label:
            return "label";
        case design::ControlKind::Frame:
            return "frame";
        case design::ControlKind::OptionButton:
            return "option";
        case design::ControlKind::CommandButton:
            return "command";
        case design::ControlKind::TextBox:
            return "text-box";
        case design::ControlKind::ListBox:
            return "list-box";
    }
    throw std::logic_error("a control of an unknown kind");
}

std::string windowStyleSheet(const design::WindowDesign& window) {
    const std::string windowId(window.designName);
    const design::Font& font = window.font;
    const std::string fontRules =
        "  font-family: " + cssFontFamily(font) + ";\n" +
        "  font-size: " + cssLength(font.points * design::kTwipsPerInch / kPointsPerInch) + ";\n" +
        "  font-weight: normal;\n  font-style: normal;\n";
    const std::string scale(kScaleProperty);
    std::string css = ":root {\n  " + scale + ": 1;\n";
    css += "  --twip: calc(var(" + scale + ") * 1px / " +
           std::to_string(design::kTwipsPerPixelAt96Dpi) + ");\n}\n";
    css += "." + std::string(kMessageClass) + " {\n" + fontRules +
           "  max-width: " + cssLength(window.clientArea.width) + ";\n}\n";
    css += "#" + windowId + " {\n";
    css += "  position: relative;\n  overflow: hidden;\n";
    css += "  width: " + cssLength(window.clientArea.width) + ";\n";
    css += "  height: " + cssLength(window.clientArea.height) + ";\n";
    css += "  background-color: " + cssColour(window.background) + ";\n";
    css += fontRules;
    css += "  box-sizing: border-box;\n  margin: 0;\n  padding: 0;\n  color: #000;\n}\n";
    css += replaceAll(kControlRules, "{window}", windowId);
    std::string fillingScreen = replaceAll(kFillingScreenRules, "{window}", windowId);
    fillingScreen = replaceAll(fillingScreen, "{filling}", kFillingScreenClass);
    fillingScreen = replaceAll(fillingScreen, "{colour}", cssColour(window.background));
    fillingScreen = replaceAll(fillingScreen, "{left}", kWindowLeftProperty);
    css += replaceAll(fillingScreen, "{top}", kWindowTopProperty);

    int stackingOrder = 0;
    for (const design::Control& control : window.controls) {
        css += "#" + windowId + " #" + elementId(control.id) + " {\n";
        appendPlace(css, control.place);
        css += "  z-index: " + std::to_string(++stackingOrder) + ";\n";
        if (control.background) {
            css += "  background-color: " + cssColour(*control.background) + ";\n";
        }
        if (control.kind == design::ControlKind::Label) {
            css += control.alignment == design::Alignment::Centre
                       ? "  justify-content: center;\n"
                       : "  justify-content: flex-start;\n";
        }
        css += "}\n";
    }
    return css;
}

}  // namespace web_ui
