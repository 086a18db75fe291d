#include "extctrls.h"

#include "layout.h"
#include "text_layout.h"

namespace {

constexpr std::array<EnumName<TBevelCut>, 3> kBevelCutNames{{
    {"bvNone", bvNone},
    {"bvLowered", bvLowered},
    {"bvRaised", bvRaised},
}};

constexpr std::array<EnumName<TBevelShape>, 2> kBevelShapeNames{{
    {"bsBox", bsBox},
    {"bsFrame", bsFrame},
}};

constexpr std::array<EnumName<TBevelStyle>, 2> kBevelStyleNames{{
    {"bsLowered", bsLowered},
    {"bsRaised", bsRaised},
}};

} // namespace

// TImage

TImage::TImage(TComponent* AOwner) : TGraphicControl(AOwner) {
    SetBounds(0, 0, 105, 105);
    FPicture.OnChange = [this] { PictureChanged(); };
}

void TImage::SetStretch(bool stretch) {
    FStretch = stretch;
    Invalidate();
}

void TImage::SetAutoSize(bool autoSize) {
    FAutoSize = autoSize;
    PictureChanged();
}

void TImage::SetTransparent(bool transparent) {
    FTransparent = transparent;
    Invalidate();
}

void TImage::PictureChanged() {
    if (FAutoSize && !FPicture.Empty())
        SetBounds(Left(), Top(), FPicture.Width(), FPicture.Height());
    Invalidate();
}

void TImage::Paint(TCanvas& canvas) {
    const TBitmap* bitmap = FPicture.Bitmap();
    if (!bitmap) return;
    std::optional<std::uint32_t> transparent;
    if (FTransparent) transparent = bitmap->TransparentColor();
    if (FStretch)
        canvas.StretchDraw(ClientRect(), *bitmap, transparent);
    else
        canvas.Draw(0, 0, *bitmap, transparent);
}

bool TImage::SetProperty(std::string_view name, const LayoutValue& value, LayoutReader& reader) {
    if (name == "Picture")
        FPicture.SetBitmap(reader.Bitmap(value));
    else if (name == "Stretch")
        SetStretch(reader.Boolean(value));
    else if (name == "AutoSize")
        SetAutoSize(reader.Boolean(value));
    else if (name == "Transparent")
        SetTransparent(reader.Boolean(value));
    else
        return TGraphicControl::SetProperty(name, value, reader);
    return true;
}

// TCustomPanel

TCustomPanel::TCustomPanel(TComponent* AOwner) : TCustomControl(AOwner) {
    SetBounds(0, 0, 185, 41);
}

void TCustomPanel::SetBevelInner(TBevelCut bevel) {
    FBevelInner = bevel;
    Realign();
    Invalidate();
}

void TCustomPanel::SetBevelOuter(TBevelCut bevel) {
    FBevelOuter = bevel;
    Realign();
    Invalidate();
}

void TCustomPanel::SetBevelWidth(int width) {
    FBevelWidth = width;
    Realign();
    Invalidate();
}

void TCustomPanel::SetAlignment(TAlignment alignment) {
    FAlignment = alignment;
    Invalidate();
}

TRect TCustomPanel::AlignRect() const {
    int inset = 0;
    if (FBevelOuter != bvNone) inset += FBevelWidth;
    if (FBevelInner != bvNone) inset += FBevelWidth;
    return ClientRect().Inflated(-inset);
}

void TCustomPanel::Paint(TCanvas& canvas) {
    TRect r = ClientRect();
    canvas.Brush.Color = Color();
    canvas.FillRect(r);
    for (TBevelCut bevel : {FBevelOuter, FBevelInner}) {
        if (bevel == bvNone) continue;
        if (bevel == bvRaised)
            canvas.Frame3D(r, clBtnHighlight, clBtnShadow, FBevelWidth);
        else
            canvas.Frame3D(r, clBtnShadow, clBtnHighlight, FBevelWidth);
        r = r.Inflated(-FBevelWidth);
    }
    if (Caption().empty()) return;
    canvas.Font = *Font();
    canvas.PushClip({0, 0}, r);
    const int y = r.Top + (r.Height() - LineHeight(canvas)) / 2;
    DrawTextLines(canvas, {r.Left, y, r.Right, r.Bottom}, {Caption()}, FAlignment);
    canvas.PopClip();
}

bool TCustomPanel::SetProperty(std::string_view name, const LayoutValue& value,
                               LayoutReader& reader) {
    if (name == "BevelInner")
        SetBevelInner(reader.Enum(value, kBevelCutNames));
    else if (name == "BevelOuter")
        SetBevelOuter(reader.Enum(value, kBevelCutNames));
    else if (name == "BevelWidth")
        SetBevelWidth(reader.Integer(value));
    else if (name == "Alignment")
        SetAlignment(reader.Enum(value, kAlignmentNames));
    else
        return TCustomControl::SetProperty(name, value, reader);
    return true;
}

// TBevel

TBevel::TBevel(TComponent* AOwner) : TGraphicControl(AOwner) {
    SetBounds(0, 0, 50, 50);
}

void TBevel::SetShape(TBevelShape shape) {
    FShape = shape;
    Invalidate();
}

void TBevel::SetStyle(TBevelStyle style) {
    FStyle = style;
    Invalidate();
}

void TBevel::Paint(TCanvas& canvas) {
    const TColor dark = FStyle == bsLowered ? clBtnShadow : clBtnHighlight;
    const TColor light = FStyle == bsLowered ? clBtnHighlight : clBtnShadow;
    const TRect r = ClientRect();
    if (FShape == bsBox) {
        canvas.Frame3D(r, dark, light);
        return;
    }
    canvas.FrameRect({r.Left + 1, r.Top + 1, r.Right, r.Bottom}, light);
    canvas.FrameRect({r.Left, r.Top, r.Right - 1, r.Bottom - 1}, dark);
}

bool TBevel::SetProperty(std::string_view name, const LayoutValue& value, LayoutReader& reader) {
    if (name == "Shape")
        SetShape(reader.Enum(value, kBevelShapeNames));
    else if (name == "Style")
        SetStyle(reader.Enum(value, kBevelStyleNames));
    else
        return TGraphicControl::SetProperty(name, value, reader);
    return true;
}
