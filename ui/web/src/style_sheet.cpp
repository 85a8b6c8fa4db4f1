#include "web_ui/style_sheet.h"

#include <stdexcept>

#include "embedded_texts.h"
#include "page_rules/css_colour.h"

namespace web_ui {

namespace {

constexpr int kPointsPerInch = 72;

// The class of a message the window shows, such as a run-time error: in the window's font.
constexpr std::string_view kMessageClass = "message";

// "calc(var(--twip) * 360)".
std::string cssLength(int twips) { return "calc(var(--twip) * " + std::to_string(twips) + ")"; }

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

// The family, its metric-compatible stand-in, then the generic family of every face the window
// is designed in: "\"Times New Roman\", \"Liberation Serif\", serif".
std::string cssFontFamily(const design::Font& font) {
    std::string family = cssString(font.family);
    if (!font.metricCompatibleFamily.empty()) {
        family += ", " + cssString(font.metricCompatibleFamily);
    }
    return family + ", serif";
}

void appendPlace(std::string& css, const design::Twips& place) {
    css += "  left: " + cssLength(place.left) + ";\n";
    css += "  top: " + cssLength(place.top) + ";\n";
    css += "  width: " + cssLength(place.width) + ";\n";
    css += "  height: " + cssLength(place.height) + ";\n";
}

// The rules the description decides: the scale, the window's size, colour and font, and each
// control's place, stacking order and colour.
std::string describedRules(const design::WindowDesign& window) {
    const std::string windowSelector = "#" + std::string(window.designName);
    const std::string messageSelector = "." + std::string(kMessageClass);
    const std::string scale(kScaleProperty);
    std::string css = ":root {\n  " + scale + ": 1;\n";
    css += "  --twip: calc(var(" + scale + ") * 1px / " +
           std::to_string(design::kTwipsPerPixelAt96Dpi) + ");\n}\n";
    css += messageSelector + ", " + windowSelector + " {\n";
    css += "  font-family: " + cssFontFamily(window.font) + ";\n";
    css +=
        "  font-size: " + cssLength(window.font.points * design::kTwipsPerInch / kPointsPerInch) +
        ";\n}\n";
    css += messageSelector + " {\n  max-width: " + cssLength(window.clientArea.width) + ";\n}\n";
    css += windowSelector + " {\n";
    css += "  width: " + cssLength(window.clientArea.width) + ";\n";
    css += "  height: " + cssLength(window.clientArea.height) + ";\n";
    css += "  background-color: " + page_rules::cssColour(window.background) + ";\n}\n";
    const std::string fillingScreen = ":root." + std::string(kFillingScreenClass);
    css += fillingScreen + ", " + fillingScreen + " body {\n";
    css += "  background-color: " + page_rules::cssColour(window.background) + ";\n}\n";

    int stackingOrder = 0;
    for (const design::Control& control : window.controls) {
        css += windowSelector + " #" + elementId(control.id) + " {\n";
        appendPlace(css, control.place);
        css += "  z-index: " + std::to_string(++stackingOrder) + ";\n";
        if (control.background) {
            css += "  background-color: " + page_rules::cssColour(*control.background) + ";\n";
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

}  // namespace

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

void installStyleSheet(const emscripten::val& document, const design::WindowDesign& window) {
    const std::string id = std::string(window.designName) + "_style";
    emscripten::val style = document.call<emscripten::val>("getElementById", id);
    if (style.isNull()) {
        style = document.call<emscripten::val>("createElement", std::string("style"));
        style.set("id", id);
        document["head"].call<void>("appendChild", style);
    }
    style.set("textContent", std::string(embedded::kMainFormStyleSheet) + describedRules(window));
}

}  // namespace web_ui
