#pragma once

#include <stdexcept>
#include <string>

namespace engine {

enum class ErrorKind {
    Overflow,         // a 32-bit product, or a conversion to 32 or 16 bits, out of range
    DivisionByZero,   // the answer's denominator is 0
    NotANumber,       // a numbers-list item that is not a decimal number
    IndexOutOfRange,  // a list item or scenario fragment that is not there
};

// The one error a command can raise. The command stops where it failed: what it already wrote
// stays written, and the solve button keeps the state it had. The window reports the error
// and keeps running.
class RuntimeError : public std::runtime_error {
public:
    RuntimeError(ErrorKind kind, const std::string& message)
        : std::runtime_error(message), kind_(kind) {}

    ErrorKind kind() const noexcept { return kind_; }

private:
    ErrorKind kind_;
};

}  // namespace engine
