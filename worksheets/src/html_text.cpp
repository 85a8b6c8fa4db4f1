#include "worksheets/html_text.h"

namespace worksheets {

void appendEscaped(std::string& html, std::string_view text) {
    for (const char c : text) {
        switch (c) {
            case '&':
                html += "&amp;";
                break;
            case '<':
                html += "&lt;";
                break;
            case '>':
                html += "&gt;";
                break;
            case '"':
                html += "&quot;";
                break;
            case '\'':
                html += "&#39;";
                break;
            default:
                html += c;
        }
    }
}

std::string escapedHtml(std::string_view text) {
    std::string html;
    appendEscaped(html, text);
    return html;
}

void appendElement(std::string& html, std::string_view tag, std::string_view name,
                   std::string_view text) {
    html.append("<").append(tag).append(" class=\"").append(name).append("\">");
    appendEscaped(html, text);
    html.append("</").append(tag).append(">");
}

}  // namespace worksheets
