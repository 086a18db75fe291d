// Unit Zuslider: the skinned vertical slider of the editor. It shows a caption, a scale with a
// black centre line, a draggable knob, a value text and a unit text, and holds one value from
// 0.0 (knob at the bottom) to 1.0 (knob at the top). Its owner writes the value and the texts
// and handles its two events.
#pragma once

#include <string>

#include "extctrls.h"
#include "stdctrls.h"

class TZuSlider : public TCustomPanel {
public:
    explicit TZuSlider(TComponent* AOwner);
    ~TZuSlider() override;

    const std::string& HeaderCaption() const { return FHeaderCaption; }
    void SetHeaderCaption(const std::string& caption);
    TColor HeaderColor() const { return FHeaderColor; }
    void SetHeaderColor(TColor color);
    const std::string& UnitCaption() const { return FUnitCaption; }
    void SetUnitCaption(const std::string& caption);
    const std::string& ValueCaption() const { return FValueCaption; }
    void SetValueCaption(const std::string& caption);
    double Value() const { return FValue; }
    // Places the knob for the value; raises no event.
    void SetValue(double value);

    // Raised when the value text is clicked.
    const TNotifyEvent& OnValueClick() const { return FOnValueClick; }
    void SetOnValueClick(TNotifyEvent handler) { FOnValueClick = std::move(handler); }
    // Raised after every change of the value by the user.
    const TNotifyEvent& OnValueChange() const { return FOnValueChange; }
    void SetOnValueChange(TNotifyEvent handler) { FOnValueChange = std::move(handler); }

    // The scale and knob pictures are copied; the caller keeps the ones it passes.
    TPicture* BackgroundPicture() const { return FBackgroundPicture; }
    void SetBackgroundPicture(TPicture* picture);
    TPicture* ButtonPicture() const { return FButtonPicture; }
    void SetButtonPicture(TPicture* picture);

    // The stored (published) properties.
    bool SetProperty(std::string_view name, const LayoutValue& value,
                     LayoutReader& reader) override;

private:
    void ClickValue(TObject* Sender);
    void TextureMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void SliderButtonMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X,
                               int Y);
    void SliderButtonMouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
    void SliderButtonMouseUp(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    // Moves the knob to a top within its travel and reports the value it stands for.
    void MoveKnobByUser(int top);

    TPicture* FBackgroundPicture = nullptr;
    std::string FHeaderCaption;
    TColor FHeaderColor = clBlack;
    std::string FUnitCaption;
    std::string FValueCaption;
    TPicture* FButtonPicture = nullptr;
    double FValue = 1.0;
    TImage* Texture = nullptr;
    TLabel* HeaderLabel = nullptr;
    TLabel* UnitLabel = nullptr;
    TLabel* ValueLabel = nullptr;
    TImage* SliderButton = nullptr;
    TPanel* ButtonPanel = nullptr;
    TNotifyEvent FOnValueClick;
    TNotifyEvent FOnValueChange;
    bool FDragging = false;
    int FGrabY = 0;
};

namespace Zuslider {
// Puts TZuSlider on the palette page "VST plug-ins" (and so makes it known to layouts).
void Register();
} // namespace Zuslider
