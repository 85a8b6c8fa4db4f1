#pragma once

#include <QIcon>

namespace qt_ui {

// Gives the application its name, version and icon, and the Fusion style with that style's own
// palette, so the window looks the same under any desktop theme. Call once, after creating the
// QApplication and before creating the window.
void prepareApplication();

// The program's 32 × 32 icon: a small picture of its window.
QIcon applicationIcon();

}  // namespace qt_ui
