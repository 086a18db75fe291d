// Finding the face of a TFont through fontconfig and sizing it by the toolkit's font heights.
#pragma once

#include <string>

#include "graphics.h"

typedef struct _cairo_font_face cairo_font_face_t;

struct ResolvedFont {
    cairo_font_face_t* face = nullptr; // owned by the font cache
    double emSize = 0;                 // pixels per em
    double ascent = 0;                 // pixels above the baseline
    int cellHeight = 0;                // ascent plus descent, in whole pixels
};

// "Arial" and "MS Sans Serif" resolve to a metric-compatible face (Liberation Sans).
ResolvedFont ResolveFont(const TFont& font);

// The family of the face that fontconfig picks for a font name.
std::string ResolvedFamily(const std::string& name, TFontStyles style = {});
