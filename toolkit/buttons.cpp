#include "buttons.h"

#include "layout.h"

namespace {

constexpr std::array<EnumName<TBitBtnKind>, 2> kBitBtnKindNames{{
    {"bkCustom", bkCustom},
    {"bkOK", bkOK},
}};

// A green check mark, 16 x 16, on a background drawn transparent.
TBitmap okGlyph() {
    constexpr std::uint32_t background = 0x808000;
    constexpr std::uint32_t green = 0x008000;
    TBitmap glyph(16, 16, background);
    auto stroke = [&](int x0, int y0, int x1, int y1) {
        const int steps = std::max(std::abs(x1 - x0), std::abs(y1 - y0));
        for (int i = 0; i <= steps; ++i) {
            const int x = x0 + (x1 - x0) * i / steps;
            const int y = y0 + (y1 - y0) * i / steps;
            for (int d = 0; d < 3; ++d)
                glyph.SetPixel(x, y + d, green);
        }
    };
    stroke(2, 7, 6, 11);
    stroke(6, 11, 13, 4);
    return glyph;
}

} // namespace

// TSpeedButton

TSpeedButton::TSpeedButton(TComponent* AOwner) : TGraphicControl(AOwner) {
    SetBounds(0, 0, 23, 22);
}

void TSpeedButton::SetGlyph(TBitmap glyph) {
    FGlyph = std::move(glyph);
    Invalidate();
}

void TSpeedButton::SetNumGlyphs(int count) {
    FNumGlyphs = std::clamp(count, 1, 4);
    Invalidate();
}

void TSpeedButton::Paint(TCanvas& canvas) {
    PaintButtonFace(canvas, ClientRect(), Pressed());
    canvas.Font = *Font();
    PaintButtonContent(canvas, ClientRect(), FGlyph.Empty() ? nullptr : &FGlyph, FNumGlyphs,
                       Caption(), Pressed(), Enabled());
}

void TSpeedButton::MouseDown(TMouseButton button, TShiftState shift, int X, int Y) {
    FPress.Down(*this, button, {X, Y});
    TGraphicControl::MouseDown(button, shift, X, Y);
}

void TSpeedButton::MouseMove(TShiftState shift, int X, int Y) {
    FPress.Move(*this, {X, Y});
    TGraphicControl::MouseMove(shift, X, Y);
}

void TSpeedButton::MouseUp(TMouseButton button, TShiftState shift, int X, int Y) {
    FPress.Up(*this, button);
    TGraphicControl::MouseUp(button, shift, X, Y);
}

bool TSpeedButton::SetProperty(std::string_view name, const LayoutValue& value,
                               LayoutReader& reader) {
    if (name == "Glyph")
        SetGlyph(reader.Bitmap(value));
    else if (name == "NumGlyphs")
        SetNumGlyphs(reader.Integer(value));
    else
        return TGraphicControl::SetProperty(name, value, reader);
    return true;
}

// TBitBtn

TBitBtn::TBitBtn(TComponent* AOwner) : TButton(AOwner) {}

void TBitBtn::SetKind(TBitBtnKind kind) {
    FKind = kind;
    if (kind == bkOK) {
        SetCaption("OK");
        SetModalResult(mrOk);
        FGlyph = okGlyph();
    } else {
        FGlyph = TBitmap();
    }
    Invalidate();
}

bool TBitBtn::SetProperty(std::string_view name, const LayoutValue& value, LayoutReader& reader) {
    if (name == "Kind")
        SetKind(reader.Enum(value, kBitBtnKindNames));
    else
        return TButton::SetProperty(name, value, reader);
    return true;
}
