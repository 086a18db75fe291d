// The window system of X11: forms become X11 windows, drawn with cairo.
#pragma once

#include <memory>

#include "window_system.h"

// Connects to the display named by DISPLAY; throws Exception when there is none.
std::unique_ptr<WindowSystem> OpenX11WindowSystem();
