#pragma once

#include <QString>

#include "engine/runtime_error.h"

// What the user is told when a command fails.
namespace qt_ui {

QString runtimeErrorTitle();
QString runtimeErrorText(engine::ErrorKind kind);
QString unexpectedErrorText();
// That nothing is lost and the program goes on.
QString runtimeErrorAdvice();

}  // namespace qt_ui
