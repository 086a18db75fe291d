#include "pictures.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>

namespace artwork {

const std::vector<std::uint32_t> kStandardColors{
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
    0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};

namespace {

std::uint32_t rgb(double r, double g, double b) {
    auto channel = [](double v) {
        return static_cast<std::uint32_t>(std::lround(std::clamp(v, 0.0, 255.0)));
    };
    return channel(r) << 16 | channel(g) << 8 | channel(b);
}

std::uint32_t grey(double level) {
    return rgb(level, level, level);
}

// A repeatable noise value in 0..1 for a pair of integers.
double hash(int x, int y) {
    auto h =
        static_cast<std::uint32_t>(x) * 374761393u + static_cast<std::uint32_t>(y) * 668265263u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return ((h ^ (h >> 16)) & 0xFFFF) / 65535.0;
}

enum class Weight { Regular, Bold, BoldItalic };

// Draws UTF-8 text in Liberation Sans, centred on centreX, its top at top.
void drawText(Picture& picture, const char* text, double centreX, double top, double emSize,
              Weight weight, std::uint32_t color, std::uint32_t outline = 0,
              double outlineWidth = 0) {
    cairo_surface_t* surface =
        cairo_image_surface_create(CAIRO_FORMAT_RGB24, picture.width, picture.height);
    auto* data = reinterpret_cast<std::uint32_t*>(cairo_image_surface_get_data(surface));
    const int stride = cairo_image_surface_get_stride(surface) / 4;
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x)
            data[y * stride + x] = picture.at(x, y);
    cairo_surface_mark_dirty(surface);

    cairo_t* cr = cairo_create(surface);
    cairo_select_font_face(
        cr, "Liberation Sans",
        weight == Weight::BoldItalic ? CAIRO_FONT_SLANT_ITALIC : CAIRO_FONT_SLANT_NORMAL,
        weight == Weight::Regular ? CAIRO_FONT_WEIGHT_NORMAL : CAIRO_FONT_WEIGHT_BOLD);
    cairo_set_font_size(cr, emSize);
    cairo_font_extents_t font;
    cairo_font_extents(cr, &font);
    cairo_text_extents_t extents;
    cairo_text_extents(cr, text, &extents);
    cairo_move_to(cr, std::round(centreX - extents.x_advance / 2), std::round(top + font.ascent));
    cairo_text_path(cr, text);
    auto source = [cr](std::uint32_t c) {
        cairo_set_source_rgb(cr, (c >> 16 & 0xFF) / 255.0, (c >> 8 & 0xFF) / 255.0,
                             (c & 0xFF) / 255.0);
    };
    if (outlineWidth > 0) {
        source(outline);
        cairo_set_line_width(cr, outlineWidth);
        cairo_stroke_preserve(cr);
    }
    source(color);
    cairo_fill(cr);
    cairo_destroy(cr);

    cairo_surface_flush(surface);
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x)
            picture.at(x, y) = data[y * stride + x] & 0xFFFFFF;
    cairo_surface_destroy(surface);
}

void paste(Picture& onto, const Picture& picture, int left, int top) {
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x)
            onto.at(left + x, top + y) = picture.at(x, y);
}

} // namespace

void Picture::fill(int x0, int y0, int x1, int y1, std::uint32_t color) {
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            at(x, y) = color;
}

Picture drawBackground() {
    Picture picture(313, 50);
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            // Grain runs down the picture, wavering a little, with fine fibres and knots.
            const double wave = x + 3.0 * std::sin(y * 0.21 + x * 0.013);
            double grain = 0.5 + 0.25 * std::sin(wave * 0.45) + 0.15 * std::sin(wave * 1.7 + 1.3);
            grain += 0.18 * (hash(static_cast<int>(wave), y / 6) - 0.5);
            grain += 0.08 * (hash(x, y) - 0.5);
            const double knot =
                std::exp(-(std::pow((x - 211) / 9.0, 2) + std::pow((y - 24) / 14.0, 2)));
            grain = std::clamp(grain - 0.35 * knot, 0.0, 1.0);
            picture.at(x, y) = rgb(52 + 46 * grain, 28 + 24 * grain, 12 + 12 * grain);
        }
    }
    return picture;
}

Picture drawTitle() {
    constexpr std::uint32_t background = 0x3C2312;
    Picture picture(214, 29, background);
    drawText(picture, "Zu Tarvel\u00B2", 107, 1, 25, Weight::BoldItalic, 0xFF9A1E, 0x8A3C00, 2.0);
    return picture;
}

Picture drawSliderScale() {
    Picture picture(37, 221);
    for (int y = 0; y < picture.height; ++y)
        picture.fill(0, y, picture.width, y + 1, grey(226 - 136.0 * y / (picture.height - 1)));
    picture.fill(17, 41, 20, 185, 0x000000);
    for (int row : {41, 112, 183}) {
        picture.fill(8, row, 16, row + 1, 0x000000);
        picture.fill(21, row, 29, row + 1, 0x000000);
    }
    for (int row : {59, 77, 94, 130, 147, 165}) {
        picture.fill(12, row, 16, row + 1, 0x000000);
        picture.fill(21, row, 25, row + 1, 0x000000);
    }
    return picture;
}

Picture drawSliderKnob() {
    Picture picture(23, 23);
    for (int y = 0; y < picture.height; ++y)
        picture.fill(0, y, picture.width, y + 1, grey(y % 3 == 0 ? 150 : 205));
    picture.fill(0, 0, 23, 1, grey(245));
    picture.fill(0, 0, 1, 23, grey(245));
    picture.fill(0, 22, 23, 23, grey(60));
    picture.fill(22, 0, 23, 23, grey(60));
    picture.fill(1, 10, 22, 11, grey(90));
    picture.fill(1, 11, 22, 12, 0xFF0000);
    picture.fill(1, 12, 22, 13, grey(90));
    return picture;
}

Picture drawHelpSlider() {
    Picture picture(39, 223, grey(128));
    picture.fill(0, 0, 39, 1, grey(255));
    picture.fill(0, 0, 1, 223, grey(255));
    paste(picture, drawSliderScale(), 1, 1);
    drawText(picture, "Mix", 19.5, 2, 12.5, Weight::Bold, 0x800080);
    drawText(picture, "wet-dry", 19.5, 17, 10.7, Weight::Regular, 0x800080);
    // The knob at three quarters, as the slider places it.
    paste(picture, drawSliderKnob(), 8, 67);
    drawText(picture, "75/ 25", 19.5, 195, 12.5, Weight::Bold, 0x000000);
    drawText(picture, "%", 19.5, 208, 12.5, Weight::Regular, 0xC0C0C0);
    return picture;
}

Picture drawBackspaceGlyph() {
    constexpr std::uint32_t olive = 0x808000;
    Picture picture(32, 16, olive);
    // A head from column 1 to 7 widening by a row each side per column, and a shaft to 14.
    auto inside = [](int x, int y) {
        if (x >= 1 && x <= 7) return y >= 8 - x && y <= 7 + x;
        if (x >= 8 && x <= 14) return y >= 5 && y <= 10;
        return false;
    };
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            if (!inside(x, y)) continue;
            const bool edge =
                !inside(x - 1, y) || !inside(x + 1, y) || !inside(x, y - 1) || !inside(x, y + 1);
            picture.at(x, y) = edge ? 0x000000 : 0xFF0000;
            if (edge) picture.at(16 + x, y) = 0x808080;
        }
    }
    return picture;
}

} // namespace artwork
