// The editor's pictures, drawn from scratch.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace artwork {

// One 0xRRGGBB value per pixel, rows from the top.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;

    Picture(int w, int h, std::uint32_t fill = 0)
        : width(w), height(h), pixels(static_cast<std::size_t>(w) * h, fill) {}
    std::uint32_t& at(int x, int y) { return pixels[static_cast<std::size_t>(y) * width + x]; }
    std::uint32_t at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
    void fill(int x0, int y0, int x1, int y1, std::uint32_t rgb); // x1, y1 excluded
};

// The panel's background: dark brown wood, 313 x 50, meant to be stretched vertically.
Picture drawBackground();
// The product name in orange lettering, 214 x 29, on a dark brown drawn transparent.
Picture drawTitle();
// The slider's scale, 37 x 221: a light-to-dark grey gradient, a black centre line (columns
// 17 to 19, rows 41 to 184), long ticks at rows 41, 112 and 183, short ones between.
Picture drawSliderScale();
// The slider's knob, 23 x 23: grey stripes with a red line across row 11.
Picture drawSliderKnob();
// One slider as the panel shows it, 39 x 223, for the help page.
Picture drawHelpSlider();
// The backspace key's glyph, 32 x 16 in the 16 standard colours: a red arrow pointing left
// with a black outline, and the same arrow as a grey outline, on olive (drawn transparent).
Picture drawBackspaceGlyph();

// The 16 standard colours, in their usual order.
extern const std::vector<std::uint32_t> kStandardColors;

} // namespace artwork
