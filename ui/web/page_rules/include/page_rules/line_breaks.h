#pragma once

#include <string>
#include <string_view>

// A textarea keeps its lines apart with LF alone; the engine writes and expects CR LF.
namespace page_rules {

// Every CR LF, and every lone CR, becomes LF: what a textarea would make of the text anyway. In
// UTF-8, or in a textarea's own UTF-16 units.
std::string toTextareaLineBreaks(std::string_view text);
std::u16string toTextareaLineBreaks(std::u16string_view text);

// Every LF becomes CR LF.
std::string toEngineLineBreaks(std::string_view text);

}  // namespace page_rules
