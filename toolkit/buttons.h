// Speed buttons (a caption or a glyph) and bitmap buttons of a standard kind.
#pragma once

#include "button_face.h"
#include "stdctrls.h"

// A button without focus that shows a caption or a glyph; clicked by a press and release of
// the left button on it.
class TSpeedButton : public TGraphicControl {
public:
    explicit TSpeedButton(TComponent* AOwner);

    // Up to NumGlyphs images side by side (the second is the disabled look); the bottom-left
    // colour is drawn transparent.
    TBitmap* Glyph() { return &FGlyph; }
    void SetGlyph(TBitmap glyph);
    int NumGlyphs() const { return FNumGlyphs; }
    void SetNumGlyphs(int count);
    bool Pressed() const { return FPress.Pressed(); }

    void Paint(TCanvas& canvas) override;
    void MouseDown(TMouseButton button, TShiftState shift, int X, int Y) override;
    void MouseMove(TShiftState shift, int X, int Y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int X, int Y) override;
    bool SetProperty(std::string_view name, const LayoutValue& value,
                     LayoutReader& reader) override;

private:
    TBitmap FGlyph;
    int FNumGlyphs = 1;
    ButtonPress FPress;
};

enum TBitBtnKind { bkCustom, bkOK };

// A push button with a glyph. The OK kind is captioned "OK", shows a check mark and closes its
// form with the OK result.
class TBitBtn : public TButton {
public:
    explicit TBitBtn(TComponent* AOwner);

    TBitBtnKind Kind() const { return FKind; }
    void SetKind(TBitBtnKind kind);

    bool SetProperty(std::string_view name, const LayoutValue& value,
                     LayoutReader& reader) override;

protected:
    const TBitmap* ButtonGlyph() const override { return FGlyph.Empty() ? nullptr : &FGlyph; }

private:
    TBitBtnKind FKind = bkCustom;
    TBitmap FGlyph;
};
