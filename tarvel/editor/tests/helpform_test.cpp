#include <gtest/gtest.h>

#include "editor_resources.h"
#include "headless_screen.h"
#include "helpform.h"
#include "render.h"
#include "synthetic_mouse.h"

using namespace testing_ui;

namespace {

std::string LabelText(TForm& form, std::string_view name) {
    auto* label = dynamic_cast<TLabel*>(form.FindComponent(name));
    return label ? label->Caption() : "(no label " + std::string(name) + ")";
}

TEST(HelpForm, HasItsFourPagesAndSettings) {
    THelpForm help(nullptr);
    EXPECT_EQ(help.Name(), "HelpForm");
    EXPECT_EQ(help.Caption(), "Help");
    EXPECT_EQ(help.ClientWidth(), 444);
    EXPECT_EQ(help.ClientHeight(), 315);
    EXPECT_EQ(help.BorderStyle(), bsDialog);
    EXPECT_TRUE(help.BorderIcons().Empty());
    EXPECT_EQ(help.Position(), poDesigned);
    EXPECT_EQ(help.Left(), 260);
    EXPECT_EQ(help.Top(), 179);
    ASSERT_EQ(help.PageControl->PageCount(), 4);
    const char* tabs[] = {"About Zu Tarvel\xB2", "The Slider", "FAQ",
                          "Disclaimer/License agreement"};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(help.PageControl->Pages(i)->Caption(), tabs[i]);
    EXPECT_EQ(help.Panel1->BoundsRect(), Bounds(0, 279, 444, 36));
    EXPECT_EQ(help.BitBtn1->BoundsRect(), Bounds(184, 6, 75, 25));
    EXPECT_EQ(help.BitBtn1->Caption(), "OK");
    EXPECT_EQ(help.About->BoundsRect(), Bounds(4, 24, 436, 251));
    EXPECT_EQ(dynamic_cast<TControl*>(help.FindComponent("Label19"))->BoundsRect(),
              Bounds(0, 223, 436, 28));
    EXPECT_EQ(LabelText(help, "Label7"),
              "Click on the black center line to make small adjustments.");
    EXPECT_EQ(LabelText(help, "Label20"),
              "Tarvel\xB2 delays the sound by 25 ms. You can compensate for this in Cubase");
    EXPECT_EQ(LabelText(help, "Label24"), "by entering \"25\" in the Trackinfo \"Delay\".");
    EXPECT_EQ(LabelText(help, "Label3"), "v. 1.00");
    EXPECT_EQ(help.Image2->Picture()->Width(), 39);
    EXPECT_EQ(help.Image2->Height(), 223);
    EXPECT_TRUE(help.ImageTitle->Picture()->Empty());
}

TEST(HelpForm, OpensOnTheFirstPageEveryTime) {
    HeadlessScreen screen;
    for (int opening = 0; opening < 2; ++opening) {
        THelpForm help(nullptr);
        screen.OnModal([&](TForm&) {
            EXPECT_EQ(help.PageControl->ActivePage(), help.About) << "opening " << opening;
            EXPECT_TRUE(help.About->Visible());
            // The user leaves it on the FAQ page.
            const TRect faqTab = help.PageControl->TabRect(2);
            ClickAt(*help.PageControl, {faqTab.Left + 5, faqTab.Top + 5});
            EXPECT_EQ(help.PageControl->ActivePage(), help.Tips);
            EXPECT_FALSE(help.About->Visible());
            ClickControl(*help.BitBtn1);
        });
        EXPECT_EQ(help.ShowModal(), mrOk);
    }
}

TEST(HelpForm, OnlyTheOkButtonClosesIt) {
    HeadlessScreen screen;
    THelpForm help(nullptr);
    screen.OnModal([&](TForm& form) {
        form.HandleCloseRequest();
        EXPECT_EQ(form.ModalResult(), mrNone) << "the frame cannot close it";
        ClickAt(*help.BitBtn1, {5, 5}, mbRight);
        EXPECT_EQ(form.ModalResult(), mrNone);
        ClickControl(*help.BitBtn1);
    });
    EXPECT_EQ(help.ShowModal(), mrOk);
}

TEST(HelpForm, ShowsTheTitlePictureItIsGiven) {
    THelpForm help(nullptr);
    TPicture title = EditorPicture("title");
    help.ImageTitle->Picture()->Assign(&title);
    EXPECT_EQ(help.ImageTitle->BoundsRect(), Bounds(16, 20, 214, 29)) << "auto-size";
    const TBitmap page = RenderToBitmap(help);
    const TPoint image = FormPoint(*help.ImageTitle, {0, 0});
    int orange = 0;
    for (int y = 0; y < 29; ++y)
        for (int x = 0; x < 214; ++x) {
            const std::uint32_t rgb = page.Pixel(image.X + x, image.Y + y);
            if (rgb == title.Bitmap()->Pixel(x, y) && (rgb >> 16) > 0xE0 &&
                (rgb >> 8 & 0xFF) > 0x80)
                ++orange;
        }
    EXPECT_GT(orange, 200) << "the lettering is drawn";
    EXPECT_EQ(page.Pixel(image.X, image.Y + 28), ColorToRGB(clBtnFace))
        << "the picture's background colour is left out";
}

TEST(HelpForm, RendersEachPage) {
    THelpForm help(nullptr);
    TPicture title = EditorPicture("title");
    help.ImageTitle->Picture()->Assign(&title);
    const char* names[] = {"help-about", "help-slider", "help-faq", "help-disclaimer"};
    for (int i = 0; i < help.PageControl->PageCount(); ++i) {
        help.PageControl->SetActivePageIndex(i);
        const TBitmap picture = RenderToBitmap(help);
        SaveRender(picture, names[i]);
        // The active tab stands two pixels higher than the others.
        const TRect tab = help.PageControl->TabRect(i);
        EXPECT_EQ(picture.Pixel(tab.Left - 2, 1), ColorToRGB(clBtnHighlight)) << names[i];
        const TRect other = help.PageControl->TabRect(i == 0 ? 1 : 0);
        EXPECT_EQ(picture.Pixel(other.Left + 3, 1), ColorToRGB(clBtnFace)) << names[i];
    }
    // The pictured slider's knob line on the second page.
    help.PageControl->SetActivePage(help.TheSlider);
    const TBitmap picture = RenderToBitmap(help);
    const TPoint slider = FormPoint(*help.Image2, {0, 0});
    EXPECT_EQ(picture.Pixel(slider.X + 19, slider.Y + 67 + 11), 0xFF0000u);
}

} // namespace
