#include "cairo_canvas.h"

#include <cairo.h>

#include <cmath>

#include "ansi.h"
#include "controls.h"
#include "fonts.h"

CairoCanvas::CairoCanvas(cairo_t* cr) : FCr(cr) {
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_SLIGHT);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_set_font_options(FCr, options);
    cairo_font_options_destroy(options);
}

void CairoCanvas::PushClip(TPoint origin, const TRect& clip) {
    cairo_save(FCr);
    cairo_translate(FCr, origin.X, origin.Y);
    cairo_rectangle(FCr, clip.Left, clip.Top, clip.Width(), clip.Height());
    cairo_clip(FCr);
}

void CairoCanvas::PopClip() {
    cairo_restore(FCr);
}

void CairoCanvas::SetColor(TColor color) {
    const std::uint32_t rgb = ColorToRGB(color);
    cairo_set_source_rgb(FCr, (rgb >> 16 & 0xFF) / 255.0, (rgb >> 8 & 0xFF) / 255.0,
                         (rgb & 0xFF) / 255.0);
}

void CairoCanvas::FillRect(const TRect& rect) {
    if (rect.Width() <= 0 || rect.Height() <= 0) return;
    SetColor(Brush.Color);
    cairo_rectangle(FCr, rect.Left, rect.Top, rect.Width(), rect.Height());
    cairo_fill(FCr);
}

void CairoCanvas::Polygon(std::span<const TPoint> points) {
    if (points.empty()) return;
    SetColor(Brush.Color);
    cairo_move_to(FCr, points[0].X, points[0].Y);
    for (const TPoint& p : points.subspan(1))
        cairo_line_to(FCr, p.X, p.Y);
    cairo_close_path(FCr);
    cairo_fill(FCr);
}

double CairoCanvas::SelectFont() {
    const ResolvedFont font = ResolveFont(Font);
    cairo_set_font_face(FCr, font.face);
    cairo_set_font_size(FCr, font.emSize);
    return font.ascent;
}

void CairoCanvas::TextOut(int X, int Y, const std::string& text) {
    const double ascent = SelectFont();
    SetColor(Font.Color());
    cairo_move_to(FCr, X, Y + std::round(ascent));
    cairo_show_text(FCr, AnsiToUtf8(text).c_str());
}

TSize CairoCanvas::TextExtent(const std::string& text) {
    SelectFont();
    cairo_text_extents_t extents;
    cairo_text_extents(FCr, AnsiToUtf8(text).c_str(), &extents);
    return {static_cast<int>(std::lround(extents.x_advance)), ResolveFont(Font).cellHeight};
}

void CairoCanvas::DrawBitmap(const TBitmap& bitmap, const TRect& src, const TRect& dst,
                             std::optional<std::uint32_t> transparent) {
    if (src.Width() <= 0 || src.Height() <= 0 || dst.Width() <= 0 || dst.Height() <= 0) return;
    cairo_surface_t* image =
        cairo_image_surface_create(CAIRO_FORMAT_ARGB32, src.Width(), src.Height());
    const int stride = cairo_image_surface_get_stride(image);
    unsigned char* data = cairo_image_surface_get_data(image);
    for (int y = 0; y < src.Height(); ++y) {
        auto* row =
            reinterpret_cast<std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
        for (int x = 0; x < src.Width(); ++x) {
            const std::uint32_t rgb = bitmap.Pixel(src.Left + x, src.Top + y);
            row[x] = transparent && rgb == *transparent ? 0u : 0xFF000000u | rgb;
        }
    }
    cairo_surface_mark_dirty(image);
    cairo_save(FCr);
    cairo_rectangle(FCr, dst.Left, dst.Top, dst.Width(), dst.Height());
    cairo_clip(FCr);
    cairo_translate(FCr, dst.Left, dst.Top);
    cairo_scale(FCr, static_cast<double>(dst.Width()) / src.Width(),
                static_cast<double>(dst.Height()) / src.Height());
    cairo_set_source_surface(FCr, image, 0, 0);
    cairo_pattern_set_filter(cairo_get_source(FCr), CAIRO_FILTER_NEAREST);
    cairo_paint(FCr);
    cairo_restore(FCr);
    cairo_surface_destroy(image);
}

TCanvas& TControl::MeasureCanvas() {
    struct Measure {
        cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 1, 1);
        cairo_t* cr = cairo_create(surface);
        CairoCanvas canvas{cr};
        ~Measure() {
            cairo_destroy(cr);
            cairo_surface_destroy(surface);
        }
    };
    static Measure measure;
    return measure.canvas;
}
