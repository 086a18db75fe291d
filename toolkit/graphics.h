// Colours, fonts, bitmaps, pictures and the canvas that every control draws on.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "classes.h"

// 0x00BBGGRR, or a system colour (high bit set) that ColorToRGB resolves.
using TColor = std::int32_t;

constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clOlive = 0x008080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clTeal = 0x808000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clWhite = 0xFFFFFF;

constexpr TColor clSystemColor = static_cast<TColor>(0x80000000u);
constexpr TColor clBtnFace = clSystemColor | 15;
constexpr TColor clBtnShadow = clSystemColor | 16;
constexpr TColor clBtnText = clSystemColor | 18;
constexpr TColor clBtnHighlight = clSystemColor | 20;
constexpr TColor cl3DDkShadow = clSystemColor | 21;
constexpr TColor cl3DLight = clSystemColor | 22;
constexpr TColor clWindow = clSystemColor | 5;
constexpr TColor clWindowText = clSystemColor | 8;
constexpr TColor clHighlight = clSystemColor | 13;
constexpr TColor clHighlightText = clSystemColor | 14;

// The plain 0xRRGGBB value of a colour (system colours resolved).
std::uint32_t ColorToRGB(TColor color);
// A colour from its name ("clRed", "clBtnFace"); false when the name is none.
bool IdentToColor(std::string_view name, TColor& color);

enum TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = TSet<TFontStyle>;

// Height follows the toolkit convention: positive is the cell height in pixels (ascent plus
// descent), negative the character height (the em size).
class TFont {
public:
    TFont() = default;
    TFont(const TFont& other) { Assign(other); }
    TFont& operator=(const TFont& other) {
        Assign(other);
        return *this;
    }
    // Takes over the look of another font and reports a change.
    void Assign(const TFont& other);

    const std::string& Name() const { return FName; }
    void SetName(const std::string& name);
    int Height() const { return FHeight; }
    void SetHeight(int height);
    TColor Color() const { return FColor; }
    void SetColor(TColor color);
    TFontStyles Style() const { return FStyle; }
    void SetStyle(TFontStyles style);

    // Raised after every change; not copied by Assign.
    std::function<void()> OnChange;

private:
    void Changed() {
        if (OnChange) OnChange();
    }
    std::string FName = "MS Sans Serif";
    int FHeight = -11;
    TColor FColor = clWindowText;
    TFontStyles FStyle;
};

// A picture in memory, one 0xRRGGBB value per pixel, rows from the top.
class TBitmap {
public:
    TBitmap() = default;
    TBitmap(int width, int height, std::uint32_t fill = 0);
    // Reads a Windows bitmap file of 4, 8 or 24 bits per pixel; throws Exception otherwise.
    static TBitmap FromBmp(std::span<const unsigned char> data);

    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    bool Empty() const { return FWidth == 0 || FHeight == 0; }
    std::uint32_t Pixel(int x, int y) const { return FPixels[index(x, y)]; }
    void SetPixel(int x, int y, std::uint32_t rgb) { FPixels[index(x, y)] = rgb; }
    // The colour drawn transparent when the bitmap is transparent: its bottom-left pixel.
    std::uint32_t TransparentColor() const { return Pixel(0, FHeight - 1); }

private:
    std::size_t index(int x, int y) const { return static_cast<std::size_t>(y) * FWidth + x; }
    int FWidth = 0;
    int FHeight = 0;
    std::vector<std::uint32_t> FPixels;
};

// Holds one bitmap or nothing.
class TPicture {
public:
    void Assign(const TPicture* other);
    void SetBitmap(TBitmap bitmap);
    const TBitmap* Bitmap() const { return FBitmap ? &*FBitmap : nullptr; }
    int Width() const { return FBitmap ? FBitmap->Width() : 0; }
    int Height() const { return FBitmap ? FBitmap->Height() : 0; }
    bool Empty() const { return !FBitmap; }

    std::function<void()> OnChange;

private:
    std::optional<TBitmap> FBitmap;
};

struct TBrush {
    TColor Color = clWhite;
};

// Where controls draw. Coordinates are pixels of the current origin; each PushClip moves the
// origin and narrows the clip until the matching PopClip.
class TCanvas {
public:
    virtual ~TCanvas() = default;

    TFont Font;
    TBrush Brush;

    virtual void PushClip(TPoint origin, const TRect& clip) = 0;
    virtual void PopClip() = 0;
    // Fills with Brush.Color.
    virtual void FillRect(const TRect& rect) = 0;
    // Fills a polygon with Brush.Color, edges smoothed.
    virtual void Polygon(std::span<const TPoint> points) = 0;
    // Draws one line of Windows-1252 text in Font, its cell's top-left corner at X, Y.
    virtual void TextOut(int X, int Y, const std::string& text) = 0;
    virtual TSize TextExtent(const std::string& text) = 0;
    // Draws the part src of a bitmap into dst, scaled to fit; pixels of the transparent colour
    // are left out.
    virtual void DrawBitmap(const TBitmap& bitmap, const TRect& src, const TRect& dst,
                            std::optional<std::uint32_t> transparent) = 0;

    void Draw(int X, int Y, const TBitmap& bitmap, std::optional<std::uint32_t> transparent = {});
    void StretchDraw(const TRect& dst, const TBitmap& bitmap,
                     std::optional<std::uint32_t> transparent = {});
    int TextWidth(const std::string& text) { return TextExtent(text).cx; }
    int TextHeight(const std::string& text) { return TextExtent(text).cy; }
    // A frame `width` pixels wide just inside rect: top and left in one colour, bottom and
    // right in the other.
    void Frame3D(const TRect& rect, TColor topLeft, TColor bottomRight, int width = 1);
    void FrameRect(const TRect& rect, TColor color) { Frame3D(rect, color, color); }
};
