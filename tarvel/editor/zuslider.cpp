#include "zuslider.h"

#include <algorithm>
#include <cmath>

#include "convert.h"
#include "editor_resources.h"

namespace {

// The knob's Top at value 1.0 and at value 0.0: one value step of 1/142 per pixel.
constexpr int kTopEnd = 32;
constexpr int kBottomEnd = 174;
constexpr double kTravel = kBottomEnd - kTopEnd;
// The scale's columns that a click must hit: the centre line with a margin.
constexpr int kLineLeft = 13;
constexpr int kLineRight = 23;

double valueAt(int top) {
    return (kBottomEnd - top) / kTravel;
}

} // namespace

TZuSlider::TZuSlider(TComponent* AOwner) : TCustomPanel(AOwner) {
    LoadLayout(*this, EditorLayout("zuslider.layout"), EditorPictures(),
               {
                   {"ClickValue", Method(this, &TZuSlider::ClickValue)},
                   {"TextureMouseDown", Method(this, &TZuSlider::TextureMouseDown)},
                   {"SliderButtonMouseDown", Method(this, &TZuSlider::SliderButtonMouseDown)},
                   {"SliderButtonMouseMove", Method(this, &TZuSlider::SliderButtonMouseMove)},
                   {"SliderButtonMouseUp", Method(this, &TZuSlider::SliderButtonMouseUp)},
               });
    BindComponent(*this, Texture, "Texture");
    BindComponent(*this, HeaderLabel, "HeaderLabel");
    BindComponent(*this, UnitLabel, "UnitLabel");
    BindComponent(*this, ValueLabel, "ValueLabel");
    BindComponent(*this, SliderButton, "SliderButton");
    BindComponent(*this, ButtonPanel, "ButtonPanel");
}

TZuSlider::~TZuSlider() = default;

void TZuSlider::SetHeaderCaption(const std::string& caption) {
    FHeaderCaption = caption;
    HeaderLabel->SetCaption(caption);
}

void TZuSlider::SetHeaderColor(TColor color) {
    FHeaderColor = color;
    HeaderLabel->Font()->SetColor(color);
}

void TZuSlider::SetUnitCaption(const std::string& caption) {
    FUnitCaption = caption;
    UnitLabel->SetCaption(caption);
}

void TZuSlider::SetValueCaption(const std::string& caption) {
    FValueCaption = caption;
    ValueLabel->SetCaption(caption);
}

void TZuSlider::SetValue(double value) {
    FValue = value;
    // 32 + 142 * (1 - value) rounded half up; values far outside 0..1 (or not numbers) put the
    // knob far outside its travel rather than overflowing.
    const int top =
        truncateClamped(std::floor(kTopEnd + 0.5 + kTravel * (1.0 - value)), -32768, 32767);
    if (top != ButtonPanel->Top()) ButtonPanel->SetTop(top);
}

void TZuSlider::SetBackgroundPicture(TPicture* picture) {
    FBackgroundPicture = picture;
    Texture->Picture()->Assign(picture);
}

void TZuSlider::SetButtonPicture(TPicture* picture) {
    FButtonPicture = picture;
    SliderButton->Picture()->Assign(picture);
}

void TZuSlider::MoveKnobByUser(int top) {
    if (top != ButtonPanel->Top()) ButtonPanel->SetTop(top);
    SetValue(valueAt(top));
    if (FOnValueChange) FOnValueChange(this);
}

void TZuSlider::ClickValue(TObject*) {
    if (FOnValueClick) FOnValueClick(this);
}

void TZuSlider::TextureMouseDown(TObject*, TMouseButton, TShiftState Shift, int X, int Y) {
    if (!Shift.Contains(ssLeft) || X < kLineLeft || X > kLineRight) return;
    const int top = ButtonPanel->Top();
    MoveKnobByUser(Y < top ? std::max(top - 1, kTopEnd) : std::min(top + 1, kBottomEnd));
}

void TZuSlider::SliderButtonMouseDown(TObject*, TMouseButton, TShiftState Shift, int, int Y) {
    if (!Shift.Contains(ssLeft)) return;
    FDragging = true;
    FGrabY = Y;
}

void TZuSlider::SliderButtonMouseMove(TObject*, TShiftState Shift, int X, int Y) {
    if (!Shift.Contains(ssLeft) || !FDragging) return;
    const TPoint onSlider = ScreenToClient(SliderButton->ClientToScreen({X, Y}));
    MoveKnobByUser(std::clamp(onSlider.Y - FGrabY, kTopEnd, kBottomEnd));
}

void TZuSlider::SliderButtonMouseUp(TObject*, TMouseButton Button, TShiftState, int, int) {
    if (Button == mbLeft) FDragging = false;
}

bool TZuSlider::SetProperty(std::string_view name, const LayoutValue& value, LayoutReader& reader) {
    if (name == "HeaderCaption")
        SetHeaderCaption(reader.String(value));
    else if (name == "HeaderColor")
        SetHeaderColor(reader.Color(value));
    else if (name == "UnitCaption")
        SetUnitCaption(reader.String(value));
    else if (name == "ValueCaption")
        SetValueCaption(reader.String(value));
    else if (name == "OnValueClick")
        SetOnValueClick(reader.Handler<TNotifyEvent>(value));
    else if (name == "OnValueChange")
        SetOnValueChange(reader.Handler<TNotifyEvent>(value));
    else
        return TCustomPanel::SetProperty(name, value, reader);
    return true;
}

void Zuslider::Register() {
    RegisterComponents("VST plug-ins", {ClassOf<TZuSlider>("TZuSlider")});
}
