// Drawing controls into memory, for tests and reviews without a display.
#pragma once

#include <string>

#include "controls.h"

// The control (a form: its client area) and its children at the control's size.
TBitmap RenderToBitmap(TControl& control);

// Writes a bitmap as a PNG file; throws Exception when it cannot.
void SaveToPng(const TBitmap& bitmap, const std::string& path);
