#pragma once

#include <QString>

#include "engine/runtime_error.h"

// What the user is told when a command fails.
namespace ui {

QString runtimeErrorTitle();
QString runtimeErrorText(engine::ErrorKind kind);
QString unexpectedErrorText();
// That nothing is lost and the program goes on.
QString runtimeErrorAdvice();

}  // namespace ui
