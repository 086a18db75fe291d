// A user at a real X11 display, played by xdotool: tests run these from a second thread while
// the toolkit's modal loop runs on the first. Each call is bounded by a timeout.
#pragma once

#include <string>

#include "classes.h"

namespace testing_ui {

struct CommandResult {
    int status = -1; // the exit status; -1 when the command could not run
    std::string output;
};

// Runs a shell command and collects its standard output.
CommandResult RunCommand(const std::string& command);

// The first visible window whose title is exactly `title`, waiting up to `seconds`; 0 if none.
unsigned long WaitForWindow(const std::string& title, int seconds = 10);
// Whether a visible window with exactly that title exists now.
bool WindowShown(const std::string& title);
// The size of a window.
TSize WindowSize(unsigned long window);

void ClickInWindow(unsigned long window, TPoint p);
void PressInWindow(unsigned long window, TPoint p);
void MovePointerInWindow(unsigned long window, TPoint p);
void ReleaseButton();

} // namespace testing_ui
