#include "stdctrls.h"

#include <algorithm>

#include "forms.h"
#include "layout.h"
#include "text_layout.h"

namespace {

constexpr std::array<EnumName<TModalResult>, 3> kModalResultNames{{
    {"mrNone", mrNone},
    {"mrOk", mrOk},
    {"mrCancel", mrCancel},
}};

} // namespace

// TLabel

TLabel::TLabel(TComponent* AOwner) : TGraphicControl(AOwner) {
    SetBounds(0, 0, 65, 13);
    SetParentColor(true);
}

void TLabel::SetAlignment(TAlignment alignment) {
    FAlignment = alignment;
    Invalidate();
}

void TLabel::SetAutoSize(bool autoSize) {
    FAutoSize = autoSize;
    AdjustBounds();
}

void TLabel::SetWordWrap(bool wordWrap) {
    FWordWrap = wordWrap;
    AdjustBounds();
    Invalidate();
}

void TLabel::SetTransparent(bool transparent) {
    FTransparent = transparent;
    Invalidate();
}

void TLabel::CaptionChanged() {
    AdjustBounds();
    Invalidate();
}

void TLabel::FontChanged() {
    AdjustBounds();
    Invalidate();
}

void TLabel::AdjustBounds() {
    if (!FAutoSize || Loading() || Destroying()) return;
    TCanvas& canvas = MeasureCanvas();
    canvas.Font = *Font();
    const auto lines = TextLines(canvas, Caption(), FWordWrap ? Width() : 0);
    int width = Width();
    if (!FWordWrap) {
        width = 0;
        for (const auto& line : lines)
            width = std::max(width, canvas.TextWidth(line));
    }
    const int height = static_cast<int>(lines.size()) * LineHeight(canvas);
    const int left = FAlignment == taRightJustify ? Left() + Width() - width : Left();
    SetBounds(left, Top(), width, height);
}

void TLabel::Paint(TCanvas& canvas) {
    if (!FTransparent) {
        canvas.Brush.Color = Color();
        canvas.FillRect(ClientRect());
    }
    canvas.Font = *Font();
    if (!Enabled()) canvas.Font.SetColor(clBtnShadow);
    DrawTextLines(canvas, ClientRect(), TextLines(canvas, Caption(), FWordWrap ? Width() : 0),
                  FAlignment);
}

bool TLabel::SetProperty(std::string_view name, const LayoutValue& value, LayoutReader& reader) {
    if (name == "Alignment")
        SetAlignment(reader.Enum(value, kAlignmentNames));
    else if (name == "AutoSize")
        SetAutoSize(reader.Boolean(value));
    else if (name == "WordWrap")
        SetWordWrap(reader.Boolean(value));
    else if (name == "Transparent")
        SetTransparent(reader.Boolean(value));
    else
        return TGraphicControl::SetProperty(name, value, reader);
    return true;
}

// TButton

TButton::TButton(TComponent* AOwner) : TWinControl(AOwner) {
    SetBounds(0, 0, 75, 25);
}

void TButton::Paint(TCanvas& canvas) {
    PaintButtonFace(canvas, ClientRect(), Pressed());
    canvas.Font = *Font();
    PaintButtonContent(canvas, ClientRect(), ButtonGlyph(), 1, Caption(), Pressed(), Enabled());
}

void TButton::MouseDown(TMouseButton button, TShiftState shift, int X, int Y) {
    FPress.Down(*this, button, {X, Y});
    TWinControl::MouseDown(button, shift, X, Y);
}

void TButton::MouseMove(TShiftState shift, int X, int Y) {
    FPress.Move(*this, {X, Y});
    TWinControl::MouseMove(shift, X, Y);
}

void TButton::MouseUp(TMouseButton button, TShiftState shift, int X, int Y) {
    FPress.Up(*this, button);
    TWinControl::MouseUp(button, shift, X, Y);
}

void TButton::Click() {
    if (FModalResult != mrNone)
        if (TForm* form = ParentForm()) form->SetModalResult(FModalResult);
    TWinControl::Click();
}

bool TButton::SetProperty(std::string_view name, const LayoutValue& value, LayoutReader& reader) {
    if (name == "ModalResult")
        SetModalResult(reader.Enum(value, kModalResultNames));
    else
        return TWinControl::SetProperty(name, value, reader);
    return true;
}

// TListBox

namespace {
constexpr int kListBorder = 2;
}

TListBox::TListBox(TComponent* AOwner) : TWinControl(AOwner) {
    SetBounds(0, 0, 121, 97);
    SetColor(clWindow);
    SetClickEvents(false);
}

void TListBox::SetItems(std::vector<std::string> items) {
    FItems = std::move(items);
    if (FItemIndex >= static_cast<int>(FItems.size())) FItemIndex = -1;
    Invalidate();
}

void TListBox::SetItemHeight(int height) {
    FItemHeight = std::max(height, 1);
    Invalidate();
}

void TListBox::SetItemIndex(int index) {
    FItemIndex = index >= 0 && index < static_cast<int>(FItems.size()) ? index : -1;
    Invalidate();
}

int TListBox::ItemAtPos(TPoint p) const {
    if (!ClientRect().Inflated(-kListBorder).Contains(p)) return -1;
    const int index = (p.Y - kListBorder) / FItemHeight;
    return index < static_cast<int>(FItems.size()) ? index : -1;
}

void TListBox::Paint(TCanvas& canvas) {
    const TRect all = ClientRect();
    canvas.Frame3D(all, clBtnShadow, clBtnHighlight);
    canvas.Frame3D(all.Inflated(-1), cl3DDkShadow, cl3DLight);
    const TRect inner = all.Inflated(-kListBorder);
    canvas.Brush.Color = Color();
    canvas.FillRect(inner);
    canvas.PushClip({0, 0}, inner);
    for (int i = 0; i < static_cast<int>(FItems.size()); ++i) {
        const TRect item{inner.Left, inner.Top + i * FItemHeight, inner.Right,
                         inner.Top + (i + 1) * FItemHeight};
        canvas.Font = *Font();
        if (i == FItemIndex) {
            canvas.Brush.Color = clHighlight;
            canvas.FillRect(item);
            canvas.Font.SetColor(clHighlightText);
        }
        const auto& text = FItems[static_cast<std::size_t>(i)];
        canvas.TextOut(item.Left + 2, item.Top + (FItemHeight - canvas.TextHeight(text)) / 2, text);
    }
    canvas.PopClip();
}

void TListBox::SelectByMouse(int index) {
    if (index < 0) return;
    FItemIndex = index;
    Invalidate();
    Click();
}

void TListBox::MouseDown(TMouseButton button, TShiftState shift, int X, int Y) {
    if (button == mbLeft) SelectByMouse(ItemAtPos({X, Y}));
    TWinControl::MouseDown(button, shift, X, Y);
}

void TListBox::MouseMove(TShiftState shift, int X, int Y) {
    if (shift.Contains(ssLeft)) {
        const int index = ItemAtPos({X, Y});
        if (index != FItemIndex) SelectByMouse(index);
    }
    TWinControl::MouseMove(shift, X, Y);
}

bool TListBox::SetProperty(std::string_view name, const LayoutValue& value, LayoutReader& reader) {
    if (name == "Items")
        SetItems(reader.Strings(value));
    else if (name == "ItemHeight")
        SetItemHeight(reader.Integer(value));
    else if (name == "ItemIndex")
        SetItemIndex(reader.Integer(value));
    else
        return TWinControl::SetProperty(name, value, reader);
    return true;
}
