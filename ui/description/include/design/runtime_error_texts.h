#pragma once

#include <string_view>

#include "engine/runtime_error.h"

// What the user is told when a command fails: a title, what went wrong, and that nothing is lost.
namespace design {

std::string_view runtimeErrorTitle();
std::string_view runtimeErrorText(engine::ErrorKind kind);
// For a failure that is not one of the engine's run-time errors.
std::string_view unexpectedErrorText();
// That what is on screen stays and the program goes on.
std::string_view runtimeErrorAdvice();
// The caption of the button that closes the message, where the toolkit does not bring its own.
std::string_view runtimeErrorDismissCaption();

}  // namespace design
