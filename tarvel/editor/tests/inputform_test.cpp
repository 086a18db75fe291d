#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "editor_resources.h"
#include "headless_screen.h"
#include "inputform.h"
#include "render.h"
#include "synthetic_mouse.h"

using namespace testing_ui;

namespace {

class InputFormTest : public ::testing::Test {
protected:
    InputFormTest() {
        dialog.Image->Picture()->Assign(&background);
        dialog.SetCaption("Threshold in samples");
    }

    // Keys by the last part of their names, separated by blanks: "1 2 Comma Minus P01 Bs".
    void Press(const std::string& keys) {
        std::istringstream words(keys);
        for (std::string key; words >> key;)
            ClickNamed(dialog, "SpeedButton" + key);
    }
    const std::string& Display() { return dialog.Panel->Caption(); }

    HeadlessScreen screen;
    TPicture background = EditorPicture("background");
    TFormInput dialog{nullptr};
};

TEST_F(InputFormTest, SetUpTrimsTheText) {
    dialog.SetUp(1, 1000, " 50");
    EXPECT_EQ(Display(), "50");
    dialog.SetUp(1, 1000, "\t 7.5 \r\n");
    EXPECT_EQ(Display(), "7.5");
    EXPECT_EQ(dialog.Name(), "FormInput");
}

TEST_F(InputFormTest, EditingKeys) {
    const struct {
        const char* start;
        const char* keys;
        const char* display;
    } cases[] = {
        {"", "1 2 3", "123"},
        {"12345", "6", "123456"},
        {"12345", "6 7 8", "123456"},
        {"12345", "6 7 Minus", "-123456"},
        {"-12345", "6", "-12345"},
        {"5.4", "Comma", "5.4"},
        {"5", "Comma 2 Comma", "5.2"},
        {"", "Comma 5", ".5"},
        {"-5", "Minus", "5"},
        {"5", "Minus", "-5"},
        {"", "Minus", "-"},
        {"-", "Minus", ""},
        {"123", "Bs", "12"},
        {"", "Bs Bs", ""},
        {"-123456", "Bs 7", "-12345"},
        {"123", "Clear", ""},
        {"", "Clear 0 9", "09"},
        {"5.4", "M001", "5.39"},
        {"0", "M10", "-10"},
        {"", "P1", "1"},
        {"0", "P01 P01 P01 P01 P01 P01 P01 P01 P01 P01", "1"},
        {"0.3", "M01 M01 M01", "0"},
        {"999999", "P10", "1000009"},
        {"1.", "P001", "1.01"},
        {"-0.01", "P001", "0"},
        {"7", "M1 P1 M01 P01", "7"},
        {"1e3", "P1", "1001"},
    };
    for (const auto& c : cases) {
        dialog.SetUp(0, 100, c.start);
        Press(c.keys);
        EXPECT_EQ(Display(), c.display) << "'" << c.start << "' then " << c.keys;
    }
    EXPECT_EQ(dialog.ModalResult(), mrNone) << "no editing key closes the dialog";
}

TEST_F(InputFormTest, EnterLimitsToTheBoundsAndCloses) {
    const struct {
        const char* text;
        double min;
        double max;
        double value;
    } cases[] = {
        {"2000", 1, 1000, 1000}, {"", 1, 1000, 1},   {"", 0, 100, 0},    {"500", 1, 1000, 500},
        {"-50", -40, 6, -40},    {"-6", -40, 6, -6}, {"5.", 0, 100, 5},  {"0.25", 0, 100, 0.25},
        {".5", 0, 1, 0.5},       {"-0", -40, 6, 0},  {"6.1", -40, 6, 6},
    };
    for (const auto& c : cases) {
        TFormInput fresh(nullptr);
        fresh.SetUp(c.min, c.max, c.text);
        ClickNamed(fresh, "SpeedButtonEnter");
        EXPECT_EQ(fresh.ModalResult(), mrOk) << c.text;
        EXPECT_DOUBLE_EQ(fresh.GetValue(), c.value) << c.text;
        EXPECT_EQ(fresh.Panel->Caption(), c.text) << "the display keeps what was typed";
    }
}

TEST_F(InputFormTest, CancelLeavesTheValue) {
    dialog.SetUp(1, 1000, "500");
    Press("Enter");
    dialog.SetModalResult(mrNone);
    dialog.SetUp(1, 1000, "700");
    Press("Cancel");
    EXPECT_EQ(dialog.ModalResult(), mrCancel);
    EXPECT_EQ(dialog.GetValue(), 500);
}

// A text that is no number: the standard error box names it, and the dialog stays open with
// its display and value as they were.
TEST_F(InputFormTest, ConversionErrorsAreReportedAndKeepTheDialogOpen) {
    std::vector<std::string> messages;
    screen.OnModal([&](TForm& box) {
        messages.push_back(MessageText(box));
        EXPECT_EQ(box.Caption(), "Error");
        ClickNamed(box, "OK");
    });
    const struct {
        const char* text;
        const char* key;
    } cases[] = {{"-", "Enter"}, {"-Inf", "Enter"}, {"-", "P10"},    {"-Inf", "M001"},
                 {".", "Enter"}, {"5.-", "P1"},     {"--5", "Enter"}};
    for (const auto& c : cases) {
        messages.clear();
        dialog.SetUp(1, 1000, c.text);
        Press(c.key);
        ASSERT_EQ(messages.size(), 1u) << c.text;
        EXPECT_EQ(messages[0],
                  "'" + std::string(c.text) + "' is not a valid floating point value.");
        EXPECT_EQ(dialog.ModalResult(), mrNone) << c.text;
        EXPECT_EQ(Display(), c.text);
        EXPECT_EQ(dialog.GetValue(), 0.0);
    }
    dialog.SetUp(1, 1000, "-Inf");
    Press("Clear Enter");
    EXPECT_EQ(dialog.ModalResult(), mrOk);
    EXPECT_EQ(dialog.GetValue(), 1.0);
}

TEST_F(InputFormTest, ShownModallyItReturnsTheTypedNumber) {
    dialog.SetUp(1, 1000, "50");
    screen.OnModal([&](TForm& form) {
        EXPECT_EQ(&form, &dialog);
        EXPECT_EQ(Application().ModalForm(), &dialog);
        Press("Clear 4 2 Comma 5 Enter");
    });
    EXPECT_EQ(dialog.ShowModal(), mrOk);
    EXPECT_DOUBLE_EQ(dialog.GetValue(), 42.5);
    EXPECT_FALSE(dialog.Showing());
    screen.OnModal([&](TForm&) { Press("Cancel"); });
    EXPECT_EQ(dialog.ShowModal(), mrCancel);
}

TEST_F(InputFormTest, IsLaidOutAsAKeypad) {
    EXPECT_EQ(dialog.ClientWidth(), 238);
    EXPECT_EQ(dialog.ClientHeight(), 168);
    EXPECT_EQ(dialog.BorderStyle(), bsDialog);
    EXPECT_TRUE(dialog.BorderIcons().Empty());
    EXPECT_EQ(dialog.Position(), poScreenCenter);
    EXPECT_EQ(dialog.Image->BoundsRect(), Bounds(0, 0, 238, 168));
    EXPECT_EQ(dialog.Panel->BoundsRect(), Bounds(8, 8, 89, 25));
    EXPECT_EQ(dialog.SpeedButton7->BoundsRect(), Bounds(8, 40, 25, 25));
    EXPECT_EQ(dialog.SpeedButton3->BoundsRect(), Bounds(72, 104, 25, 25));
    EXPECT_EQ(dialog.SpeedButtonCancel->BoundsRect(), Bounds(104, 136, 49, 25));
    EXPECT_EQ(dialog.SpeedButtonP10->BoundsRect(), Bounds(200, 40, 32, 25));
    EXPECT_EQ(dialog.SpeedButtonM001->BoundsRect(), Bounds(160, 136, 32, 25));
    EXPECT_EQ(dialog.SpeedButtonP001->Caption(), "+0.01");
    EXPECT_EQ(dialog.SpeedButtonBs->Glyph()->Width(), 32);
    EXPECT_EQ(dialog.SpeedButtonBs->NumGlyphs(), 2);
    EXPECT_EQ(dialog.Panel->Font()->Color(), clYellow);
    EXPECT_EQ(dialog.Panel->Color(), clBlack);
}

TEST_F(InputFormTest, Renders) {
    dialog.SetUp(1, 1000, "5.4");
    const TBitmap picture = RenderToBitmap(dialog);
    SaveRender(picture, "input-dialog");
    EXPECT_EQ(picture.Width(), 238);
    // The display is black inside its bevel, with yellow digits somewhere in it.
    EXPECT_EQ(picture.Pixel(12, 12), 0x000000u);
    bool yellow = false;
    for (int y = 10; y < 31; ++y)
        for (int x = 10; x < 95; ++x)
            yellow = yellow || picture.Pixel(x, y) == 0xFFFF00u;
    EXPECT_TRUE(yellow);
    // The backspace glyph (16 x 16, centred on its key): red inside the arrow, and its olive
    // background left out so the key's face shows.
    const TPoint glyph{104 + 4, 8 + 4};
    EXPECT_EQ(picture.Pixel(glyph.X + 4, glyph.Y + 7), 0xFF0000u);
    EXPECT_EQ(picture.Pixel(glyph.X + 15, glyph.Y + 1), ColorToRGB(clBtnFace));
    // The wood shows between the keys.
    EXPECT_NE(picture.Pixel(36, 50), ColorToRGB(clBtnFace));
    EXPECT_EQ(picture.Pixel(36, 50), RenderToBitmap(*dialog.Image).Pixel(36, 50));
}

TEST_F(InputFormTest, APressedKeyIsDrawnSunken) {
    MouseDownAt(*dialog.SpeedButton5, {12, 12});
    const TBitmap pressed = RenderToBitmap(dialog);
    MouseUpAt(*dialog.SpeedButton5, {12, 12});
    const TBitmap released = RenderToBitmap(dialog);
    const TPoint corner{dialog.SpeedButton5->Left(), dialog.SpeedButton5->Top()};
    EXPECT_EQ(pressed.Pixel(corner.X, corner.Y), ColorToRGB(cl3DDkShadow));
    EXPECT_EQ(released.Pixel(corner.X, corner.Y), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(Display(), "5.45");
}

} // namespace
