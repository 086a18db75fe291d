#include <gtest/gtest.h>

#include <vector>

#include "buttons.h"
#include "extctrls.h"
#include "headless_screen.h"
#include "synthetic_mouse.h"

using namespace testing_ui;

namespace {

// Records the mouse events a control receives, in its own coordinates.
struct Recorder {
    std::vector<std::string> events;
    void Attach(TControl& control) {
        control.OnMouseDown = [this](TObject*, TMouseButton b, TShiftState, int x, int y) {
            events.push_back("down " + std::to_string(b) + " " + std::to_string(x) + "," +
                             std::to_string(y));
        };
        control.OnMouseMove = [this](TObject*, TShiftState s, int x, int y) {
            events.push_back(std::string(s.Contains(ssLeft) ? "drag " : "move ") +
                             std::to_string(x) + "," + std::to_string(y));
        };
        control.OnMouseUp = [this](TObject*, TMouseButton b, TShiftState, int x, int y) {
            events.push_back("up " + std::to_string(b) + " " + std::to_string(x) + "," +
                             std::to_string(y));
        };
        control.OnClick = [this](TObject*) { events.push_back("click"); };
    }
};

class InputTest : public ::testing::Test {
protected:
    InputTest() {
        form.SetBounds(0, 0, 200, 100);
        panel = new TPanel(&form);
        panel->SetParent(&form);
        panel->SetBounds(50, 20, 100, 60);
        image = new TImage(&form);
        image->SetParent(panel);
        image->SetBounds(10, 10, 20, 20);
        recorder.Attach(*image);
    }
    TForm form{nullptr};
    TPanel* panel;
    TImage* image;
    Recorder recorder;
};

TEST_F(InputTest, TheTopmostControlUnderThePointerGetsItInItsCoordinates) {
    form.HandleMouseDown(mbLeft, {ssLeft}, {65, 35});
    form.HandleMouseUp(mbLeft, {}, {66, 36});
    EXPECT_EQ(recorder.events, (std::vector<std::string>{"down 0 5,5", "up 0 6,6", "click"}));
    auto* cover = new TImage(&form);
    cover->SetParent(panel);
    cover->SetBounds(0, 0, 100, 60);
    recorder.events.clear();
    form.HandleMouseDown(mbLeft, {ssLeft}, {65, 35});
    EXPECT_TRUE(recorder.events.empty()) << "a control created later lies on top";
    form.HandleMouseUp(mbLeft, {}, {65, 35});
    cover->SetVisible(false);
    form.HandleMouseDown(mbLeft, {ssLeft}, {65, 35});
    EXPECT_EQ(recorder.events.size(), 1u) << "an invisible control is passed over";
}

TEST_F(InputTest, ThePressedControlKeepsTheMouseUntilRelease) {
    MouseDownAt(*image, {5, 5});
    form.HandleMouseMove({ssLeft}, {190, 95});
    form.HandleMouseMove({ssLeft}, {-40, -30});
    form.HandleMouseUp(mbLeft, {}, {-40, -30});
    form.HandleMouseMove({}, {190, 95});
    EXPECT_EQ(recorder.events, (std::vector<std::string>{"down 0 5,5", "drag 130,65",
                                                         "drag -100,-60", "up 0 -100,-60"}))
        << "released outside: no click; moves after release go elsewhere";
}

TEST_F(InputTest, OnlyALeftPressAndReleaseOnTheControlClicks) {
    ClickAt(*image, {1, 1}, mbRight);
    ClickAt(*image, {1, 1}, mbMiddle);
    EXPECT_EQ(std::count(recorder.events.begin(), recorder.events.end(), "click"), 0);
    // A second button held meanwhile keeps the capture until both are up.
    MouseDownAt(*image, {2, 2});
    MouseDownAt(*image, {3, 3}, mbRight, {ssLeft});
    form.HandleMouseUp(mbLeft, {ssRight}, FormPoint(*image, {4, 4}));
    form.HandleMouseMove({ssRight}, {0, 0});
    form.HandleMouseUp(mbRight, {}, {0, 0});
    EXPECT_EQ(recorder.events.back(), "up 1 -60,-30");
    EXPECT_EQ(std::count(recorder.events.begin(), recorder.events.end(), "click"), 1);
}

TEST_F(InputTest, DisabledControlsLeaveTheMouseToTheirParent) {
    image->SetEnabled(false);
    int panelDowns = 0;
    panel->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int x, int y) {
        ++panelDowns;
        EXPECT_EQ(TPoint(x, y), TPoint(15, 15));
    };
    form.HandleMouseDown(mbLeft, {ssLeft}, {65, 35});
    EXPECT_EQ(panelDowns, 1);
    EXPECT_TRUE(recorder.events.empty());
}

TEST_F(InputTest, PointsConvertBetweenControlsAndTheScreen) {
    HeadlessScreen screen;
    form.SetPosition(poDesigned);
    form.SetLeft(300);
    form.SetTop(200);
    form.Show();
    EXPECT_EQ(image->ClientToScreen({1, 2}), TPoint(361, 232));
    EXPECT_EQ(panel->ScreenToClient({361, 232}), TPoint(11, 12));
    EXPECT_EQ(form.ClientOrigin(), TPoint(300, 200));
}

TEST_F(InputTest, AModalFormBlocksTheFormsBeneath) {
    HeadlessScreen screen;
    form.Show();
    TForm dialog(nullptr);
    auto* ok = new TButton(&dialog);
    ok->SetParent(&dialog);
    ok->SetModalResult(mrOk);
    screen.OnModal([&](TForm& shown) {
        EXPECT_EQ(&shown, &dialog);
        EXPECT_FALSE(form.AcceptsInput());
        ClickControl(*image);
        form.HandleMouseMove({}, {60, 30});
        form.HandleCloseRequest();
        EXPECT_TRUE(recorder.events.empty()) << "the form beneath takes no input";
        EXPECT_TRUE(form.Showing());
        ClickControl(*ok);
    });
    EXPECT_EQ(dialog.ShowModal(), mrOk);
    EXPECT_TRUE(form.AcceptsInput());
    ClickControl(*image);
    EXPECT_EQ(recorder.events.back(), "click");
}

TEST_F(InputTest, TheFramesCloseBoxNeedsASystemMenu) {
    HeadlessScreen screen;
    TForm dialog(nullptr);
    screen.OnModal([&](TForm& shown) { shown.HandleCloseRequest(); });
    EXPECT_EQ(dialog.ShowModal(), mrCancel);
    dialog.SetBorderIcons({});
    screen.OnModal([&](TForm& shown) {
        shown.HandleCloseRequest();
        EXPECT_EQ(shown.ModalResult(), mrNone);
        shown.SetModalResult(mrOk);
    });
    EXPECT_EQ(dialog.ShowModal(), mrOk);
}

TEST_F(InputTest, ExceptionsOfHandlersShowTheStandardErrorBox) {
    HeadlessScreen screen;
    std::vector<std::string> shown;
    screen.OnModal([&](TForm& box) {
        shown.push_back(box.Caption() + ": " + MessageText(box));
        EXPECT_FALSE(form.AcceptsInput());
        ClickNamed(box, "OK");
    });
    image->OnClick = [](TObject*) {
        throw EConvertError("'x' is not a valid floating point value");
    };
    ClickControl(*image);
    ClickControl(*image);
    EXPECT_EQ(shown, (std::vector<std::string>{"Error: 'x' is not a valid floating point value.",
                                               "Error: 'x' is not a valid floating point value."}));
    EXPECT_TRUE(form.AcceptsInput());
}

TEST_F(InputTest, ShowingModallyWithNobodyToAnswerIsAnError) {
    HeadlessScreen screen;
    TForm dialog(nullptr);
    EXPECT_THROW(dialog.ShowModal(), std::logic_error);
    EXPECT_FALSE(dialog.Showing());
    EXPECT_EQ(Application().ModalForm(), nullptr);
    screen.OnModal([](TForm&) {});
    EXPECT_THROW(dialog.ShowModal(), std::logic_error) << "left open";
}

TEST_F(InputTest, SpeedButtonsClickOnReleaseInside) {
    auto* key = new TSpeedButton(&form);
    key->SetParent(&form);
    key->SetBounds(0, 0, 25, 25);
    int clicks = 0;
    key->OnClick = [&](TObject*) { ++clicks; };
    MouseDownAt(*key, {5, 5});
    EXPECT_TRUE(key->Pressed());
    MouseMoveTo(*key, {40, 5}, {ssLeft});
    EXPECT_FALSE(key->Pressed()) << "drawn up while the pointer is off it";
    MouseMoveTo(*key, {6, 5}, {ssLeft});
    EXPECT_TRUE(key->Pressed());
    MouseUpAt(*key, {6, 5});
    EXPECT_FALSE(key->Pressed());
    EXPECT_EQ(clicks, 1);
    MouseDownAt(*key, {5, 5});
    MouseUpAt(*key, {40, 5});
    EXPECT_EQ(clicks, 1);
}

} // namespace
