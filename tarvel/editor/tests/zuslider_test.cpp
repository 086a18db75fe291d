#include <gtest/gtest.h>

#include <memory>

#include "editor_resources.h"
#include "headless_screen.h"
#include "layout.h"
#include "render.h"
#include "synthetic_mouse.h"
#include "zuslider.h"

using namespace testing_ui;

namespace {

// A slider on a form, away from the form's corner, with the panel's pictures.
class SliderTest : public ::testing::Test {
protected:
    SliderTest() {
        slider = new TZuSlider(&form);
        slider->SetParent(&form);
        slider->SetLeft(30);
        slider->SetTop(20);
        slider->SetBackgroundPicture(&scale);
        slider->SetButtonPicture(&knob);
        slider->SetOnValueChange([this](TObject* sender) {
            ++changes;
            EXPECT_EQ(sender, slider);
        });
    }

    int KnobTop() { return Child("ButtonPanel").Top(); }
    TControl& Child(std::string_view name) {
        return dynamic_cast<TControl&>(*slider->FindComponent(name));
    }
    // Puts the knob at a top without an event.
    void PlaceKnob(int top) { slider->SetValue((174 - top) / 142.0); }

    TForm form{nullptr};
    TPicture scale = EditorPicture("slider_scale");
    TPicture knob = EditorPicture("slider_knob");
    TZuSlider* slider;
    int changes = 0;
};

TEST_F(SliderTest, IsBuiltAsDescribed) {
    EXPECT_EQ(slider->Width(), 41);
    EXPECT_EQ(slider->Height(), 225);
    EXPECT_EQ(slider->Color(), clGray);
    EXPECT_EQ(slider->BevelInner(), bvRaised);
    EXPECT_EQ(slider->BevelOuter(), bvNone);
    EXPECT_EQ(slider->BevelWidth(), 2);
    EXPECT_EQ(slider->Caption(), "");
    const struct {
        const char* name;
        TRect bounds;
    } children[] = {{"Texture", Bounds(2, 2, 37, 221)},     {"HeaderLabel", Bounds(2, 2, 38, 31)},
                    {"UnitLabel", Bounds(2, 209, 38, 14)},  {"ValueLabel", Bounds(2, 196, 38, 13)},
                    {"ButtonPanel", Bounds(9, 32, 23, 23)}, {"SliderButton", Bounds(0, 0, 23, 23)}};
    int order = 0;
    for (const auto& child : children) {
        TControl& c = Child(child.name);
        EXPECT_EQ(c.BoundsRect(), child.bounds) << child.name;
        EXPECT_EQ(slider->Components(order++), &c) << child.name << " is created in order";
    }
    EXPECT_EQ(Child("SliderButton").Parent(), &Child("ButtonPanel"));
    auto& header = dynamic_cast<TLabel&>(Child("HeaderLabel"));
    EXPECT_TRUE(header.WordWrap());
    EXPECT_TRUE(header.Font()->Style().Contains(fsBold));
    EXPECT_EQ(header.Font()->Height(), 14);
    EXPECT_EQ(header.Font()->Name(), "Arial");
    EXPECT_EQ(dynamic_cast<TLabel&>(Child("UnitLabel")).Font()->Color(), clSilver);
}

TEST_F(SliderTest, ANewSliderHasItsKnobAtTheTop) {
    EXPECT_EQ(KnobTop(), 32);
    slider->SetValue(0.0);
    EXPECT_EQ(KnobTop(), 174);
    EXPECT_EQ(changes, 0);
}

TEST_F(SliderTest, SetValuePlacesTheKnobRoundingHalfUpWithoutEvents) {
    const struct {
        double value;
        int top;
    } cases[] = {{1.0, 32},         {0.5, 103},        {0.0, 174},
                 {135.0 / 142, 39}, {73.0 / 142, 101}, {0.5 - 0.49 / 142, 103},
                 {0.25, 139}};
    for (const auto& c : cases) {
        slider->SetValue(c.value);
        EXPECT_EQ(KnobTop(), c.top) << c.value;
        EXPECT_EQ(slider->Value(), c.value) << "stored unchanged";
    }
    slider->SetValue(0.5);
    slider->SetValue(0.5);
    EXPECT_EQ(KnobTop(), 103);
    EXPECT_EQ(changes, 0);
}

TEST_F(SliderTest, ValuesOutsideTheRangeMoveTheKnobOutsideItsTravel) {
    slider->SetValue(1.5);
    EXPECT_EQ(KnobTop(), -39);
    slider->SetValue(-1e300);
    EXPECT_EQ(KnobTop(), 32767);
    slider->SetValue(std::numeric_limits<double>::quiet_NaN());
    EXPECT_EQ(KnobTop(), -32768);
}

TEST_F(SliderTest, CentreLineClicks) {
    // Presses handed to the scale itself, in its own coordinates: near the ends the knob and
    // the labels cover the line, so the ends are reached this way.
    const struct {
        const char* what;
        int knobTop;
        TPoint at;
        TMouseButton button;
        int top;
        int events;
    } cases[] = {
        {"above moves up one", 40, {18, 34}, mbLeft, 39, 1},
        {"below moves down one", 100, {18, 150}, mbLeft, 101, 1},
        {"left margin column 13", 100, {13, 40}, mbLeft, 99, 1},
        {"right margin column 23", 100, {23, 40}, mbLeft, 99, 1},
        {"column 12 is off the line", 100, {12, 40}, mbLeft, 100, 0},
        {"column 24 is off the line", 100, {24, 40}, mbLeft, 100, 0},
        {"right button does nothing", 100, {18, 40}, mbRight, 100, 0},
        {"the knob's own top row counts as below", 100, {18, 100}, mbLeft, 101, 1},
        {"stays at the top end, still an event", 32, {18, 10}, mbLeft, 32, 1},
        {"stays at the bottom end, still an event", 174, {18, 200}, mbLeft, 174, 1},
    };
    TControl& texture = Child("Texture");
    for (const auto& c : cases) {
        PlaceKnob(c.knobTop);
        changes = 0;
        const TShiftStateFlag held = c.button == mbLeft ? ssLeft : ssRight;
        texture.MouseDown(c.button, {held}, c.at.X, c.at.Y);
        texture.MouseUp(c.button, {}, c.at.X, c.at.Y);
        EXPECT_EQ(KnobTop(), c.top) << c.what;
        EXPECT_EQ(changes, c.events) << c.what;
        EXPECT_DOUBLE_EQ(slider->Value(), (174 - c.top) / 142.0) << c.what;
    }
}

TEST_F(SliderTest, AClickOnTheLineThroughTheFormReachesTheScale) {
    PlaceKnob(40);
    ClickAt(Child("Texture"), {18, 34});
    EXPECT_EQ(KnobTop(), 39);
    EXPECT_DOUBLE_EQ(slider->Value(), 135.0 / 142);
    EXPECT_EQ(changes, 1);
    PlaceKnob(100);
    ClickAt(Child("Texture"), {18, 150});
    EXPECT_EQ(KnobTop(), 101);
    EXPECT_DOUBLE_EQ(slider->Value(), 73.0 / 142);
    EXPECT_EQ(changes, 2);
}

TEST_F(SliderTest, DragFollowsTheGrabPointAndStopsAtTheEnds) {
    TControl& knobImage = Child("SliderButton");
    PlaceKnob(100);
    MouseDownAt(knobImage, {5, 7});
    // Pointer rows in the slider's coordinates, expected knob tops.
    const struct {
        int pointerY;
        int top;
    } moves[] = {{107, 100}, {57, 50},   {-500, 32}, {-900, 32}, {39, 32},
                 {40, 33},   {500, 174}, {181, 174}, {180, 173}, {120, 113}};
    int expectedEvents = 0;
    for (const auto& m : moves) {
        // The knob moves under the pointer, so give the point in the slider's coordinates.
        const TPoint onForm = FormPoint(*slider, {20, m.pointerY});
        form.HandleMouseMove({ssLeft}, onForm);
        EXPECT_EQ(KnobTop(), m.top) << m.pointerY;
        EXPECT_DOUBLE_EQ(slider->Value(), (174 - m.top) / 142.0);
        EXPECT_EQ(changes, ++expectedEvents) << "every move reports";
    }
    form.HandleMouseUp(mbLeft, {}, FormPoint(*slider, {20, 120}));
    form.HandleMouseMove({ssLeft}, FormPoint(*slider, {20, 60}));
    EXPECT_EQ(KnobTop(), 113) << "released: no more dragging";
    EXPECT_EQ(changes, expectedEvents);
}

TEST_F(SliderTest, DraggingFarUpReportsOneForEveryMove) {
    MouseDownAt(Child("SliderButton"), {11, 11});
    for (int i = 0; i < 5; ++i)
        form.HandleMouseMove({ssLeft}, FormPoint(*slider, {20, -100 - i}));
    EXPECT_EQ(slider->Value(), 1.0);
    EXPECT_EQ(changes, 5);
}

TEST_F(SliderTest, RightButtonStartsNoDrag) {
    PlaceKnob(100);
    MouseDownAt(Child("SliderButton"), {5, 5}, mbRight);
    form.HandleMouseMove({ssRight}, FormPoint(*slider, {20, 150}));
    form.HandleMouseMove({ssLeft, ssRight}, FormPoint(*slider, {20, 160}));
    form.HandleMouseUp(mbRight, {}, FormPoint(*slider, {20, 160}));
    EXPECT_EQ(KnobTop(), 100);
    EXPECT_EQ(changes, 0);
}

TEST_F(SliderTest, MovesWithoutAPressChangeNothing) {
    PlaceKnob(100);
    form.HandleMouseMove({}, FormPoint(Child("SliderButton"), {5, 5}));
    form.HandleMouseMove({ssLeft}, FormPoint(Child("SliderButton"), {5, 40}));
    EXPECT_EQ(KnobTop(), 100);
    EXPECT_EQ(changes, 0);
}

TEST_F(SliderTest, ValueClick) {
    TControl& valueLabel = Child("ValueLabel");
    ClickControl(valueLabel); // no handler: nothing happens
    int clicks = 0;
    slider->SetOnValueClick([&](TObject* sender) {
        ++clicks;
        EXPECT_EQ(sender, slider);
    });
    ClickControl(valueLabel);
    EXPECT_EQ(clicks, 1);
    MouseDownAt(valueLabel, {10, 5});
    MouseUpAt(valueLabel, {10, 40});
    EXPECT_EQ(clicks, 1) << "released off the text: no click";
    ClickAt(valueLabel, {10, 5}, mbRight);
    EXPECT_EQ(clicks, 1) << "right button: no click";
    EXPECT_EQ(changes, 0);
}

TEST_F(SliderTest, TextsAndHeaderColour) {
    slider->SetHeaderCaption("Thres hold");
    slider->SetHeaderColor(clGreen);
    slider->SetUnitCaption("samp.");
    slider->SetValueCaption("-");
    EXPECT_EQ(dynamic_cast<TLabel&>(Child("HeaderLabel")).Caption(), "Thres hold");
    EXPECT_EQ(dynamic_cast<TLabel&>(Child("HeaderLabel")).Font()->Color(), clGreen);
    EXPECT_EQ(dynamic_cast<TLabel&>(Child("UnitLabel")).Caption(), "samp.");
    EXPECT_EQ(dynamic_cast<TLabel&>(Child("ValueLabel")).Caption(), "-");
    EXPECT_EQ(slider->ValueCaption(), "-");
    EXPECT_EQ(slider->HeaderColor(), clGreen);
}

TEST_F(SliderTest, PicturesAreCopied) {
    auto ownScale = std::make_unique<TPicture>(EditorPicture("slider_scale"));
    slider->SetBackgroundPicture(ownScale.get());
    EXPECT_EQ(slider->BackgroundPicture(), ownScale.get());
    ownScale.reset();
    EXPECT_EQ(dynamic_cast<TImage&>(Child("Texture")).Picture()->Width(), 37);
}

// The knob's red line lies 11 rows below its top; the centre line is black in the scale's
// columns 17 to 19 (slider columns 19 to 21).
TEST_F(SliderTest, RendersAtTheTopMiddleAndBottom) {
    slider->SetHeaderCaption("Mix");
    slider->SetHeaderColor(clPurple);
    slider->SetUnitCaption("%");
    const struct {
        double value;
        const char* name;
        const char* caption;
    } cases[] = {
        {0.0, "slider-0", "0/100"}, {0.5, "slider-0.5", " 50/ 50"}, {1.0, "slider-1", "100/  0"}};
    for (const auto& c : cases) {
        slider->SetValue(c.value);
        slider->SetValueCaption(c.caption);
        const TBitmap picture = RenderToBitmap(*slider);
        SaveRender(picture, c.name);
        const int redRow = KnobTop() + 11;
        for (int x : {10, 20, 30})
            EXPECT_EQ(picture.Pixel(x, redRow), 0xFF0000u) << c.name;
        EXPECT_NE(picture.Pixel(20, redRow - 2), 0xFF0000u);
        EXPECT_NE(picture.Pixel(20, redRow + 2), 0xFF0000u);
        // The centre line shows where the knob is not.
        const int lineRow = c.value > 0.5 ? 150 : 60;
        for (int x : {19, 20, 21})
            EXPECT_EQ(picture.Pixel(x, lineRow), 0x000000u) << c.name;
        EXPECT_NE(picture.Pixel(18, lineRow), 0x000000u);
        // The raised bevel: light on the left, shadow on the right.
        EXPECT_EQ(picture.Pixel(0, 100), 0xFFFFFFu);
        EXPECT_EQ(picture.Pixel(40, 100), 0x808080u);
    }
}

TEST(SliderRegistration, PutsTheSliderOnThePaletteAndIntoLayouts) {
    Zuslider::Register();
    EXPECT_EQ(PalettePage("TZuSlider"), "VST plug-ins");
    TForm form(nullptr);
    int changes = 0;
    LoadLayout(form,
               "object Panel: TForm\n"
               "  object SMix: TZuSlider\n"
               "    Left = 228\n    Top = 40\n"
               "    HeaderCaption = 'Mix'\n    HeaderColor = clPurple\n"
               "    UnitCaption = '%'\n    ValueCaption = '-'\n"
               "    OnValueChange = SMixValueChange\n"
               "  end\n"
               "end\n",
               EditorPictures(), {{"SMixValueChange", TNotifyEvent([&](TObject*) { ++changes; })}});
    auto* slider = dynamic_cast<TZuSlider*>(form.FindComponent("SMix"));
    ASSERT_NE(slider, nullptr);
    EXPECT_EQ(slider->Left(), 228);
    EXPECT_EQ(slider->HeaderCaption(), "Mix");
    EXPECT_EQ(slider->HeaderColor(), clPurple);
    EXPECT_EQ(slider->UnitCaption(), "%");
    EXPECT_EQ(slider->ValueCaption(), "-");
    ClickAt(*dynamic_cast<TControl*>(slider->FindComponent("Texture")), {18, 150});
    EXPECT_EQ(changes, 1);
}

} // namespace
