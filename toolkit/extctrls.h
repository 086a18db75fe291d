// Images, panels and bevels.
#pragma once

#include "controls.h"

// Shows a picture: at its own size from the top-left corner, or stretched over the control.
// With AutoSize the control takes the picture's size; Transparent leaves out the picture's
// bottom-left colour.
class TImage : public TGraphicControl {
public:
    explicit TImage(TComponent* AOwner);

    TPicture* Picture() { return &FPicture; }
    const TPicture* Picture() const { return &FPicture; }
    bool Stretch() const { return FStretch; }
    void SetStretch(bool stretch);
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool autoSize);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool transparent);

    void Paint(TCanvas& canvas) override;
    bool SetProperty(std::string_view name, const LayoutValue& value,
                     LayoutReader& reader) override;

private:
    void PictureChanged();
    TPicture FPicture;
    bool FStretch = false;
    bool FAutoSize = false;
    bool FTransparent = false;
};

enum TBevelCut { bvNone, bvLowered, bvRaised };

// A filled area with an outer and an inner bevel and a caption in the middle. Aligned children
// share the area inside the bevels.
class TCustomPanel : public TCustomControl {
public:
    explicit TCustomPanel(TComponent* AOwner);

    TBevelCut BevelInner() const { return FBevelInner; }
    void SetBevelInner(TBevelCut bevel);
    TBevelCut BevelOuter() const { return FBevelOuter; }
    void SetBevelOuter(TBevelCut bevel);
    int BevelWidth() const { return FBevelWidth; }
    void SetBevelWidth(int width);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment alignment);

    TRect AlignRect() const override;
    void Paint(TCanvas& canvas) override;
    bool SetProperty(std::string_view name, const LayoutValue& value,
                     LayoutReader& reader) override;

private:
    TBevelCut FBevelInner = bvNone;
    TBevelCut FBevelOuter = bvRaised;
    int FBevelWidth = 1;
    TAlignment FAlignment = taCenter;
};

class TPanel : public TCustomPanel {
public:
    using TCustomPanel::TCustomPanel;
};

enum TBevelShape { bsBox, bsFrame };
enum TBevelStyle { bsLowered, bsRaised };

// A sunken or raised box (one line each side) or frame (an etched double line).
class TBevel : public TGraphicControl {
public:
    explicit TBevel(TComponent* AOwner);

    TBevelShape Shape() const { return FShape; }
    void SetShape(TBevelShape shape);
    TBevelStyle Style() const { return FStyle; }
    void SetStyle(TBevelStyle style);

    void Paint(TCanvas& canvas) override;
    bool SetProperty(std::string_view name, const LayoutValue& value,
                     LayoutReader& reader) override;

private:
    TBevelShape FShape = bsBox;
    TBevelStyle FStyle = bsLowered;
};
