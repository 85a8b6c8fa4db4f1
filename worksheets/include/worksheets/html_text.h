#pragma once

#include <string>
#include <string_view>

// Text written into HTML by the pages' markup: every character that HTML would read as markup
// written as a character reference, so that nothing of a text becomes an element or attribute.
namespace worksheets {

// Text as HTML shows it: & < > " ' as character references.
std::string escapedHtml(std::string_view text);
void appendEscaped(std::string& html, std::string_view text);

// <tag class="name">text</tag>, the text escaped.
void appendElement(std::string& html, std::string_view tag, std::string_view name,
                   std::string_view text);

}  // namespace worksheets
