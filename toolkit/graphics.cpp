#include "graphics.h"

#include <algorithm>
#include <array>
#include <utility>

namespace {

struct NamedColor {
    std::string_view name;
    TColor color;
};

constexpr std::array<NamedColor, 26> kNamedColors{{
    {"clBlack", clBlack},
    {"clMaroon", clMaroon},
    {"clGreen", clGreen},
    {"clOlive", clOlive},
    {"clNavy", clNavy},
    {"clPurple", clPurple},
    {"clTeal", clTeal},
    {"clGray", clGray},
    {"clSilver", clSilver},
    {"clRed", clRed},
    {"clLime", clLime},
    {"clYellow", clYellow},
    {"clBlue", clBlue},
    {"clFuchsia", clFuchsia},
    {"clAqua", clAqua},
    {"clWhite", clWhite},
    {"clBtnFace", clBtnFace},
    {"clBtnShadow", clBtnShadow},
    {"clBtnText", clBtnText},
    {"clBtnHighlight", clBtnHighlight},
    {"cl3DDkShadow", cl3DDkShadow},
    {"cl3DLight", cl3DLight},
    {"clWindow", clWindow},
    {"clWindowText", clWindowText},
    {"clHighlight", clHighlight},
    {"clHighlightText", clHighlightText},
}};

// The look of the classic desktop scheme, as 0xRRGGBB.
std::uint32_t systemColor(int index) {
    switch (index) {
    case 5:
        return 0xFFFFFF; // window
    case 8:
        return 0x000000; // window text
    case 13:
        return 0x0A246A; // selection
    case 14:
        return 0xFFFFFF; // selected text
    case 16:
        return 0x808080; // button shadow
    case 18:
        return 0x000000; // button text
    case 20:
        return 0xFFFFFF; // button highlight
    case 21:
        return 0x404040; // dark shadow
    default:
        return 0xD4D0C8; // button face and light
    }
}

} // namespace

std::uint32_t ColorToRGB(TColor color) {
    if (color & clSystemColor) return systemColor(color & 0xFF);
    auto c = static_cast<std::uint32_t>(color);
    return (c & 0xFF) << 16 | (c & 0xFF00) | (c >> 16 & 0xFF);
}

bool IdentToColor(std::string_view name, TColor& color) {
    auto found = std::find_if(kNamedColors.begin(), kNamedColors.end(),
                              [name](const NamedColor& c) { return c.name == name; });
    if (found == kNamedColors.end()) return false;
    color = found->color;
    return true;
}

void TFont::Assign(const TFont& other) {
    FName = other.FName;
    FHeight = other.FHeight;
    FColor = other.FColor;
    FStyle = other.FStyle;
    Changed();
}

void TFont::SetName(const std::string& name) {
    FName = name;
    Changed();
}

void TFont::SetHeight(int height) {
    FHeight = height;
    Changed();
}

void TFont::SetColor(TColor color) {
    FColor = color;
    Changed();
}

void TFont::SetStyle(TFontStyles style) {
    FStyle = style;
    Changed();
}

TBitmap::TBitmap(int width, int height, std::uint32_t fill)
    : FWidth(width), FHeight(height),
      FPixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill) {}

void TPicture::Assign(const TPicture* other) {
    if (other && other->FBitmap)
        FBitmap = other->FBitmap;
    else
        FBitmap.reset();
    if (OnChange) OnChange();
}

void TPicture::SetBitmap(TBitmap bitmap) {
    FBitmap = std::move(bitmap);
    if (OnChange) OnChange();
}

void TCanvas::Draw(int X, int Y, const TBitmap& bitmap, std::optional<std::uint32_t> transparent) {
    DrawBitmap(bitmap, {0, 0, bitmap.Width(), bitmap.Height()},
               Bounds(X, Y, bitmap.Width(), bitmap.Height()), transparent);
}

void TCanvas::StretchDraw(const TRect& dst, const TBitmap& bitmap,
                          std::optional<std::uint32_t> transparent) {
    DrawBitmap(bitmap, {0, 0, bitmap.Width(), bitmap.Height()}, dst, transparent);
}

void TCanvas::Frame3D(const TRect& rect, TColor topLeft, TColor bottomRight, int width) {
    TRect r = rect;
    const TColor saved = Brush.Color;
    for (int i = 0; i < width && r.Width() > 0 && r.Height() > 0; ++i) {
        Brush.Color = topLeft;
        FillRect({r.Left, r.Top, r.Right, r.Top + 1});
        FillRect({r.Left, r.Top, r.Left + 1, r.Bottom});
        Brush.Color = bottomRight;
        FillRect({r.Left, r.Bottom - 1, r.Right, r.Bottom});
        FillRect({r.Right - 1, r.Top, r.Right, r.Bottom});
        r = r.Inflated(-1);
    }
    Brush.Color = saved;
}
