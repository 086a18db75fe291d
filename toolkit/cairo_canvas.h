// The canvas drawn with cairo, onto any cairo surface (an X11 window or an image in memory).
#pragma once

#include "graphics.h"

typedef struct _cairo cairo_t;

class CairoCanvas : public TCanvas {
public:
    // Draws through cr, which the caller keeps.
    explicit CairoCanvas(cairo_t* cr);

    void PushClip(TPoint origin, const TRect& clip) override;
    void PopClip() override;
    void FillRect(const TRect& rect) override;
    void Polygon(std::span<const TPoint> points) override;
    void TextOut(int X, int Y, const std::string& text) override;
    TSize TextExtent(const std::string& text) override;
    void DrawBitmap(const TBitmap& bitmap, const TRect& src, const TRect& dst,
                    std::optional<std::uint32_t> transparent) override;

private:
    void SetColor(TColor color);
    double SelectFont();
    cairo_t* FCr;
};
