#include "controls.h"

#include <algorithm>

#include "forms.h"
#include "layout.h"

TControl::TControl(TComponent* AOwner) : TComponent(AOwner) {
    FFont.OnChange = [this] {
        if (!FAdoptingFont) FParentFont = false;
        FontChanged();
    };
}

TControl::~TControl() {
    BeginDestroy();
    if (TForm* form = ParentForm()) form->ControlDestroyed(this);
    SetParent(nullptr);
}

void TControl::SetParent(TWinControl* parent) {
    if (parent == FParent) return;
    if (FParent) {
        TWinControl* old = FParent;
        Invalidate();
        std::erase(old->FControls, this);
        FParent = nullptr;
        if (!old->Destroying()) {
            old->ControlRemoved(this);
            old->Realign();
        }
    }
    if (parent) {
        FParent = parent;
        parent->FControls.push_back(this);
        ParentFontChanged();
        parent->ControlInserted(this);
        parent->Realign();
        Invalidate();
    }
}

TForm* TControl::ParentForm() {
    TControl* c = this;
    while (c->FParent)
        c = c->FParent;
    return dynamic_cast<TForm*>(c);
}

void TControl::SetBounds(int left, int top, int width, int height) {
    if (left == FLeft && top == FTop && width == FWidth && height == FHeight) return;
    Invalidate();
    FLeft = left;
    FTop = top;
    FWidth = width;
    FHeight = height;
    if (FParent && FAlign != alNone) FParent->Realign();
    Invalidate();
}

void TControl::SetVisible(bool visible) {
    if (visible == FVisible) return;
    FVisible = visible;
    if (FParent && FAlign != alNone) FParent->Realign();
    Invalidate();
    if (FParent) FParent->Invalidate();
}

void TControl::SetEnabled(bool enabled) {
    FEnabled = enabled;
    Invalidate();
}

void TControl::SetAlign(TAlign align) {
    FAlign = align;
    if (FParent) FParent->Realign();
}

TColor TControl::Color() const {
    return FParentColor && FParent ? FParent->Color() : FColor;
}

void TControl::SetColor(TColor color) {
    FColor = color;
    FParentColor = false;
    Invalidate();
}

void TControl::SetParentColor(bool parentColor) {
    FParentColor = parentColor;
    Invalidate();
}

void TControl::SetParentFont(bool parentFont) {
    FParentFont = parentFont;
    ParentFontChanged();
}

void TControl::ParentFontChanged() {
    if (!FParentFont || !FParent) return;
    FAdoptingFont = true;
    FFont.Assign(FParent->FFont);
    FAdoptingFont = false;
}

void TControl::SetCaption(const std::string& caption) {
    if (caption == FCaption) return;
    FCaption = caption;
    CaptionChanged();
}

TPoint TControl::ClientOrigin() {
    TPoint own{FLeft, FTop};
    return FParent ? FParent->ClientOrigin() + own : own;
}

void TControl::Invalidate() {
    if (Destroying()) return;
    if (TForm* form = ParentForm()) form->InvalidateWindow();
}

void TControl::Paint(TCanvas&) {}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int X, int Y) {
    if (OnMouseDown) OnMouseDown(this, button, shift, X, Y);
}

void TControl::MouseMove(TShiftState shift, int X, int Y) {
    if (OnMouseMove) OnMouseMove(this, shift, X, Y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int X, int Y) {
    if (OnMouseUp) OnMouseUp(this, button, shift, X, Y);
}

void TControl::Click() {
    if (OnClick) OnClick(this);
}

TWinControl::TWinControl(TComponent* AOwner) : TControl(AOwner) {}

TWinControl::~TWinControl() {
    BeginDestroy();
    while (!FControls.empty())
        delete FControls.back();
}

TControl* TWinControl::ControlAtPos(TPoint p) const {
    for (auto it = FControls.rbegin(); it != FControls.rend(); ++it) {
        TControl* c = *it;
        if (!c->Visible() || !c->Enabled() || !c->BoundsRect().Contains(p)) continue;
        if (auto* container = dynamic_cast<TWinControl*>(c)) {
            if (TControl* inner = container->ControlAtPos(p - TPoint{c->Left(), c->Top()}))
                return inner;
        }
        return c;
    }
    return nullptr;
}

void TWinControl::SetBounds(int left, int top, int width, int height) {
    const bool resized = width != Width() || height != Height();
    TControl::SetBounds(left, top, width, height);
    if (resized) Realign();
}

void TWinControl::Realign() {
    if (FAligning) return;
    FAligning = true;
    TRect r = AlignRect();
    for (TAlign pass : {alTop, alBottom, alLeft, alRight, alClient}) {
        for (TControl* c : FControls) {
            // Hidden controls take no room, but one filling the rest is kept in place for
            // when it shows (as a page control's hidden pages are).
            if (c->Align() != pass || (!c->Visible() && pass != alClient)) continue;
            switch (pass) {
            case alTop:
                c->SetBounds(r.Left, r.Top, r.Width(), c->Height());
                r.Top += c->Height();
                break;
            case alBottom:
                c->SetBounds(r.Left, r.Bottom - c->Height(), r.Width(), c->Height());
                r.Bottom -= c->Height();
                break;
            case alLeft:
                c->SetBounds(r.Left, r.Top, c->Width(), r.Height());
                r.Left += c->Width();
                break;
            case alRight:
                c->SetBounds(r.Right - c->Width(), r.Top, c->Width(), r.Height());
                r.Right -= c->Width();
                break;
            default:
                c->SetBounds(r.Left, r.Top, r.Width(), r.Height());
                break;
            }
        }
    }
    FAligning = false;
}

void TWinControl::FontChanged() {
    for (TControl* c : FControls)
        c->ParentFontChanged();
    TControl::FontChanged();
}

void PaintControl(TControl& control, TCanvas& canvas) {
    control.Paint(canvas);
    if (auto* container = dynamic_cast<TWinControl*>(&control)) {
        for (int i = 0; i < container->ControlCount(); ++i) {
            TControl* c = container->Controls(i);
            if (!c->Visible()) continue;
            canvas.PushClip({c->Left(), c->Top()}, c->ClientRect());
            PaintControl(*c, canvas);
            canvas.PopClip();
        }
    }
}

namespace {

constexpr std::array<EnumName<TFontStyle>, 4> kFontStyleNames{{
    {"fsBold", fsBold},
    {"fsItalic", fsItalic},
    {"fsUnderline", fsUnderline},
    {"fsStrikeOut", fsStrikeOut},
}};

bool setFontProperty(TFont& font, std::string_view name, const LayoutValue& value,
                     LayoutReader& reader) {
    if (name == "Name")
        font.SetName(reader.String(value));
    else if (name == "Height")
        font.SetHeight(reader.Integer(value));
    else if (name == "Color")
        font.SetColor(reader.Color(value));
    else if (name == "Style")
        font.SetStyle(reader.Set(value, kFontStyleNames));
    else
        return false;
    return true;
}

} // namespace

bool TControl::SetProperty(std::string_view name, const LayoutValue& value, LayoutReader& reader) {
    if (name.starts_with("Font.")) return setFontProperty(FFont, name.substr(5), value, reader);
    if (name == "Left")
        SetLeft(reader.Integer(value));
    else if (name == "Top")
        SetTop(reader.Integer(value));
    else if (name == "Width")
        SetWidth(reader.Integer(value));
    else if (name == "Height")
        SetHeight(reader.Integer(value));
    else if (name == "Caption")
        SetCaption(reader.String(value));
    else if (name == "Color")
        SetColor(reader.Color(value));
    else if (name == "ParentColor")
        SetParentColor(reader.Boolean(value));
    else if (name == "ParentFont")
        SetParentFont(reader.Boolean(value));
    else if (name == "Visible")
        SetVisible(reader.Boolean(value));
    else if (name == "Enabled")
        SetEnabled(reader.Boolean(value));
    else if (name == "Align")
        SetAlign(reader.Enum(value, kAlignNames));
    else if (name == "OnClick")
        OnClick = reader.Handler<TNotifyEvent>(value);
    else if (name == "OnMouseDown")
        OnMouseDown = reader.Handler<TMouseEvent>(value);
    else if (name == "OnMouseMove")
        OnMouseMove = reader.Handler<TMouseMoveEvent>(value);
    else if (name == "OnMouseUp")
        OnMouseUp = reader.Handler<TMouseEvent>(value);
    else
        return TComponent::SetProperty(name, value, reader);
    return true;
}
