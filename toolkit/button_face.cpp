#include "button_face.h"

#include "controls.h"

void ButtonPress::Down(TControl& control, int button, TPoint p) {
    if (button != mbLeft) return;
    FHeld = true;
    FInside = control.ClientRect().Contains(p);
    control.Invalidate();
}

void ButtonPress::Move(TControl& control, TPoint p) {
    const bool inside = control.ClientRect().Contains(p);
    if (inside == FInside) return;
    FInside = inside;
    if (FHeld) control.Invalidate();
}

void ButtonPress::Up(TControl& control, int button) {
    if (button != mbLeft || !FHeld) return;
    FHeld = false;
    control.Invalidate();
}

void PaintButtonFace(TCanvas& canvas, const TRect& rect, bool pressed) {
    canvas.Brush.Color = clBtnFace;
    canvas.FillRect(rect);
    if (pressed) {
        canvas.Frame3D(rect, cl3DDkShadow, clBtnHighlight);
        canvas.Frame3D(rect.Inflated(-1), clBtnShadow, cl3DLight);
    } else {
        canvas.Frame3D(rect, clBtnHighlight, cl3DDkShadow);
        canvas.Frame3D(rect.Inflated(-1), cl3DLight, clBtnShadow);
    }
}

void PaintButtonContent(TCanvas& canvas, const TRect& rect, const TBitmap* glyph, int numGlyphs,
                        const std::string& caption, bool pressed, bool enabled) {
    const int shift = pressed ? 1 : 0;
    const int glyphWidth = glyph ? glyph->Width() / std::max(numGlyphs, 1) : 0;
    const int glyphHeight = glyph ? glyph->Height() : 0;
    const TSize text = caption.empty() ? TSize{0, 0} : canvas.TextExtent(caption);
    const int spacing = glyphWidth > 0 && text.cx > 0 ? 4 : 0;
    int x = rect.Left + (rect.Width() - glyphWidth - spacing - text.cx) / 2 + shift;
    if (glyph) {
        const int image = !enabled && numGlyphs > 1 ? 1 : 0;
        const int y = rect.Top + (rect.Height() - glyphHeight) / 2 + shift;
        canvas.DrawBitmap(*glyph, {image * glyphWidth, 0, (image + 1) * glyphWidth, glyphHeight},
                          Bounds(x, y, glyphWidth, glyphHeight), glyph->TransparentColor());
        x += glyphWidth + spacing;
    }
    if (caption.empty()) return;
    const int y = rect.Top + (rect.Height() - text.cy) / 2 + shift;
    if (enabled) {
        canvas.TextOut(x, y, caption);
        return;
    }
    const TColor color = canvas.Font.Color();
    canvas.Font.SetColor(clBtnHighlight);
    canvas.TextOut(x + 1, y + 1, caption);
    canvas.Font.SetColor(clBtnShadow);
    canvas.TextOut(x, y, caption);
    canvas.Font.SetColor(color);
}
