#pragma once

#include <string>
#include <string_view>

namespace engine {

// Every line the engine writes ends with this pair (CR LF).
inline constexpr std::string_view kLineBreak = "\r\n";

// The multi-line transcript as the engine sees it: its whole content as one UTF-8 string
// whose lines are separated by CR LF.
//
// Contract:
// - text() returns the current content, including whatever the user typed, with every line
//   break as CR LF.
// - setText(t) replaces the whole content; a following text() returns exactly t, trailing
//   blanks and a final CR LF included.
class TextBox {
public:
    virtual ~TextBox() = default;

    virtual std::string text() const = 0;
    virtual void setText(std::string_view text) = 0;
};

}  // namespace engine
