// Breaking and placing lines of text inside a rectangle.
#pragma once

#include <string>
#include <vector>

#include "controls.h"

// The lines of a text: split at line breaks and, when width > 0, broken at blanks so that
// each line fits width (a word longer than width stands on a line of its own).
std::vector<std::string> TextLines(TCanvas& canvas, const std::string& text, int width);

// The height of one line of the canvas's font.
int LineHeight(TCanvas& canvas);

// Draws lines from the top of rect, each placed by the alignment.
void DrawTextLines(TCanvas& canvas, const TRect& rect, const std::vector<std::string>& lines,
                   TAlignment alignment);
