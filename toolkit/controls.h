// Controls: windowless objects in a tree. A control's parent draws it and finds it under the
// mouse; only the form at the root of the tree has a native window.
#pragma once

#include <string>
#include <vector>

#include "classes.h"
#include "graphics.h"

enum TMouseButton { mbLeft, mbRight, mbMiddle };
enum TShiftStateFlag { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
using TShiftState = TSet<TShiftStateFlag>;

using TMouseEvent =
    std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(TObject* Sender, TShiftState Shift, int X, int Y)>;

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
enum TAlignment { taLeftJustify, taRightJustify, taCenter };

class TWinControl;
class TForm;

class TControl : public TComponent {
public:
    explicit TControl(TComponent* AOwner);
    ~TControl() override;

    TWinControl* Parent() const { return FParent; }
    // Appends the control to the new parent's children, on top of them.
    void SetParent(TWinControl* parent);
    // The form at the root of the tree, or null.
    TForm* ParentForm();

    int Left() const { return FLeft; }
    int Top() const { return FTop; }
    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    void SetLeft(int left) { SetBounds(left, FTop, FWidth, FHeight); }
    void SetTop(int top) { SetBounds(FLeft, top, FWidth, FHeight); }
    void SetWidth(int width) { SetBounds(FLeft, FTop, width, FHeight); }
    void SetHeight(int height) { SetBounds(FLeft, FTop, FWidth, height); }
    virtual void SetBounds(int left, int top, int width, int height);
    TRect BoundsRect() const { return Bounds(FLeft, FTop, FWidth, FHeight); }
    TRect ClientRect() const { return {0, 0, FWidth, FHeight}; }

    bool Visible() const { return FVisible; }
    virtual void SetVisible(bool visible);
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool enabled);
    TAlign Align() const { return FAlign; }
    void SetAlign(TAlign align);

    // The colour the control fills with; follows the parent's while ParentColor is set.
    TColor Color() const;
    void SetColor(TColor color);
    bool ParentColor() const { return FParentColor; }
    void SetParentColor(bool parentColor);
    // The control's font; a change of it clears ParentFont.
    TFont* Font() { return &FFont; }
    const TFont& Font() const { return FFont; }
    bool ParentFont() const { return FParentFont; }
    void SetParentFont(bool parentFont);

    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& caption);

    // The screen position of the control's top-left corner.
    virtual TPoint ClientOrigin();
    TPoint ClientToScreen(TPoint p) { return p + ClientOrigin(); }
    TPoint ScreenToClient(TPoint p) { return p - ClientOrigin(); }

    // Asks the form to draw again.
    void Invalidate();
    // Draws the control itself in its own coordinates; children are drawn after it.
    virtual void Paint(TCanvas& canvas);

    // The mouse, in the control's coordinates; the defaults raise the events below.
    virtual void MouseDown(TMouseButton button, TShiftState shift, int X, int Y);
    virtual void MouseMove(TShiftState shift, int X, int Y);
    virtual void MouseUp(TMouseButton button, TShiftState shift, int X, int Y);
    // A press and release of the left button on the control.
    virtual void Click();
    // Whether the form raises Click when the left button is released over the control.
    bool ClickEvents() const { return FClickEvents; }

    TNotifyEvent OnClick;
    TMouseEvent OnMouseDown;
    TMouseMoveEvent OnMouseMove;
    TMouseEvent OnMouseUp;

    bool SetProperty(std::string_view name, const LayoutValue& value,
                     LayoutReader& reader) override;

protected:
    virtual void CaptionChanged() { Invalidate(); }
    virtual void FontChanged() { Invalidate(); }
    // The parent's font changed; a control that follows it takes it over.
    virtual void ParentFontChanged();
    // A canvas for measuring text outside painting.
    static TCanvas& MeasureCanvas();
    void SetClickEvents(bool clickEvents) { FClickEvents = clickEvents; }

private:
    friend class TWinControl;
    TWinControl* FParent = nullptr;
    int FLeft = 0;
    int FTop = 0;
    int FWidth = 0;
    int FHeight = 0;
    bool FVisible = true;
    bool FEnabled = true;
    TAlign FAlign = alNone;
    TColor FColor = clBtnFace;
    bool FParentColor = false;
    TFont FFont;
    bool FParentFont = true;
    std::string FCaption;
    bool FAdoptingFont = false;
    bool FClickEvents = true;
};

// A control without children of its own.
class TGraphicControl : public TControl {
public:
    using TControl::TControl;
};

// A control that holds others, drawn and searched in creation order (later ones on top).
class TWinControl : public TControl {
public:
    explicit TWinControl(TComponent* AOwner);
    ~TWinControl() override;

    int ControlCount() const { return static_cast<int>(FControls.size()); }
    TControl* Controls(int index) const { return FControls.at(index); }
    // The topmost visible, enabled child at a point of this control, searched down the tree;
    // null when no child lies there.
    TControl* ControlAtPos(TPoint p) const;
    // The area that aligned children share, in this control's coordinates.
    virtual TRect AlignRect() const { return ClientRect(); }
    // Places the aligned children again.
    void Realign();

    void SetBounds(int left, int top, int width, int height) override;

protected:
    virtual void ControlInserted(TControl*) {}
    virtual void ControlRemoved(TControl*) {}
    void FontChanged() override;

private:
    friend class TControl;
    std::vector<TControl*> FControls;
    bool FAligning = false;
};

class TCustomControl : public TWinControl {
public:
    using TWinControl::TWinControl;
};

// Draws a control and its visible children, the control's top-left corner at the canvas origin.
void PaintControl(TControl& control, TCanvas& canvas);
