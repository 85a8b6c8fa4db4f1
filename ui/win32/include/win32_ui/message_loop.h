#pragma once

namespace win32_ui {

class MainForm;

// Runs the program's message loop until the window is closed; returns the exit code.
int runMessageLoop(MainForm& form);

// Handles the messages already queued for this thread, as the loop would, then returns.
void processPendingMessages(MainForm& form);

}  // namespace win32_ui
