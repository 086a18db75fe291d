// Labels, push buttons and list boxes.
#pragma once

#include <string>
#include <vector>

#include "button_face.h"
#include "controls.h"

using TModalResult = int;
constexpr TModalResult mrNone = 0;
constexpr TModalResult mrOk = 1;
constexpr TModalResult mrCancel = 2;

// A text. With AutoSize it takes the size of its text (keeping its width when it wraps).
class TLabel : public TGraphicControl {
public:
    explicit TLabel(TComponent* AOwner);

    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment alignment);
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool autoSize);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool wordWrap);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool transparent);

    void Paint(TCanvas& canvas) override;
    bool SetProperty(std::string_view name, const LayoutValue& value,
                     LayoutReader& reader) override;
    void Loaded() override { AdjustBounds(); }

protected:
    void CaptionChanged() override;
    void FontChanged() override;

private:
    void AdjustBounds();
    TAlignment FAlignment = taLeftJustify;
    bool FAutoSize = true;
    bool FWordWrap = false;
    bool FTransparent = false;
};

// A push button; a click also hands its ModalResult to the form.
class TButton : public TWinControl {
public:
    explicit TButton(TComponent* AOwner);

    TModalResult ModalResult() const { return FModalResult; }
    void SetModalResult(TModalResult result) { FModalResult = result; }
    bool Pressed() const { return FPress.Pressed(); }

    void Paint(TCanvas& canvas) override;
    void MouseDown(TMouseButton button, TShiftState shift, int X, int Y) override;
    void MouseMove(TShiftState shift, int X, int Y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int X, int Y) override;
    void Click() override;
    bool SetProperty(std::string_view name, const LayoutValue& value,
                     LayoutReader& reader) override;

protected:
    // The picture drawn left of the caption; none by default.
    virtual const TBitmap* ButtonGlyph() const { return nullptr; }

private:
    TModalResult FModalResult = mrNone;
    ButtonPress FPress;
};

// A list of texts, one selectable. Setting ItemIndex from code raises no event; a press of
// the left button on an item selects it and raises OnClick.
class TListBox : public TWinControl {
public:
    explicit TListBox(TComponent* AOwner);

    const std::vector<std::string>& Items() const { return FItems; }
    void SetItems(std::vector<std::string> items);
    int ItemHeight() const { return FItemHeight; }
    void SetItemHeight(int height);
    // -1 when nothing is selected; an index past the items selects nothing.
    int ItemIndex() const { return FItemIndex; }
    void SetItemIndex(int index);
    // The item at a point of the list, or -1.
    int ItemAtPos(TPoint p) const;

    void Paint(TCanvas& canvas) override;
    void MouseDown(TMouseButton button, TShiftState shift, int X, int Y) override;
    void MouseMove(TShiftState shift, int X, int Y) override;
    bool SetProperty(std::string_view name, const LayoutValue& value,
                     LayoutReader& reader) override;

private:
    void SelectByMouse(int index);
    std::vector<std::string> FItems;
    int FItemHeight = 13;
    int FItemIndex = -1;
};
