#include <gtest/gtest.h>

#include <fstream>

#include "buttons.h"
#include "extctrls.h"
#include "forms.h"
#include "headless_screen.h"
#include "render.h"

using namespace testing_ui;

namespace {

// A 4 x 2 picture: the bottom-left pixel (the transparent colour) is olive.
TBitmap sample() {
    TBitmap b(4, 2, 0xFF0000);
    b.SetPixel(0, 1, 0x808000);
    b.SetPixel(3, 1, 0x0000FF);
    return b;
}

TEST(Render, PanelsDrawTheirBevelsAndCaptions) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 60, 40);
    auto* panel = new TPanel(&form);
    panel->SetParent(&form);
    panel->SetBounds(5, 5, 50, 30);
    panel->SetBevelOuter(bvRaised);
    panel->SetBevelInner(bvLowered);
    panel->SetBevelWidth(2);
    panel->SetColor(clBlack);
    panel->Font()->SetColor(clYellow);
    panel->Font()->SetHeight(18);
    panel->SetCaption("88");
    const TBitmap picture = RenderToBitmap(form);
    SaveRender(picture, "toolkit-panel");
    EXPECT_EQ(picture.Pixel(2, 2), ColorToRGB(clBtnFace)) << "the form around";
    EXPECT_EQ(picture.Pixel(5, 20), 0xFFFFFFu) << "outer raised: light left";
    EXPECT_EQ(picture.Pixel(54, 20), 0x808080u) << "outer raised: shadow right";
    EXPECT_EQ(picture.Pixel(7, 20), 0x808080u) << "inner lowered: shadow left";
    EXPECT_EQ(picture.Pixel(52, 20), 0xFFFFFFu) << "inner lowered: light right";
    EXPECT_EQ(picture.Pixel(10, 10), 0x000000u);
    int yellow = 0;
    for (int y = 9; y < 31; ++y)
        for (int x = 9; x < 51; ++x)
            yellow += picture.Pixel(x, y) == 0xFFFF00u;
    EXPECT_GT(yellow, 10) << "the caption";
}

TEST(Render, ImagesDrawPlainStretchedAndTransparent) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 30, 10);
    form.SetColor(clWhite);
    auto* plain = new TImage(&form);
    plain->SetParent(&form);
    plain->SetBounds(0, 0, 8, 8);
    plain->Picture()->SetBitmap(sample());
    auto* stretched = new TImage(&form);
    stretched->SetParent(&form);
    stretched->SetBounds(10, 0, 8, 4);
    stretched->SetStretch(true);
    stretched->Picture()->SetBitmap(sample());
    auto* transparent = new TImage(&form);
    transparent->SetParent(&form);
    transparent->SetBounds(20, 0, 4, 2);
    transparent->SetTransparent(true);
    transparent->Picture()->SetBitmap(sample());
    const TBitmap picture = RenderToBitmap(form);
    EXPECT_EQ(picture.Pixel(0, 1), 0x808000u);
    EXPECT_EQ(picture.Pixel(5, 1), 0xFFFFFFu) << "unstretched: the rest stays";
    EXPECT_EQ(picture.Pixel(10, 2), 0x808000u);
    EXPECT_EQ(picture.Pixel(11, 3), 0x808000u);
    EXPECT_EQ(picture.Pixel(16, 3), 0x0000FFu);
    EXPECT_EQ(picture.Pixel(17, 2), 0x0000FFu);
    EXPECT_EQ(picture.Pixel(20, 1), 0xFFFFFFu) << "the transparent colour is left out";
    EXPECT_EQ(picture.Pixel(23, 1), 0x0000FFu);
    auto* sized = new TImage(&form);
    sized->SetAutoSize(true);
    sized->Picture()->SetBitmap(sample());
    EXPECT_EQ(sized->Width(), 4);
    EXPECT_EQ(sized->Height(), 2);
}

TEST(Render, TheOkButtonShowsACheckMarkAndItsCaption) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 75, 25);
    auto* ok = new TBitBtn(&form);
    ok->SetParent(&form);
    ok->SetKind(bkOK);
    EXPECT_EQ(ok->Caption(), "OK");
    EXPECT_EQ(ok->ModalResult(), mrOk);
    const TBitmap picture = RenderToBitmap(form);
    SaveRender(picture, "toolkit-ok-button");
    int green = 0;
    for (int y = 0; y < 25; ++y)
        for (int x = 0; x < 75; ++x)
            green += picture.Pixel(x, y) == 0x008000u;
    EXPECT_GT(green, 20);
}

TEST(Render, PngFilesAreWritten) {
    const std::string path = SaveRender(sample(), "toolkit-sample");
    std::ifstream file(path, std::ios::binary);
    char signature[8] = {};
    file.read(signature, 8);
    EXPECT_EQ(std::string(signature + 1, 3), "PNG");
    EXPECT_THROW(SaveToPng(sample(), "/nonexistent-dir/x.png"), Exception);
}

TEST(Bitmaps, ReadsTwentyFourAndFourBitFilesEitherWayUp) {
    // 2 x 2, 24 bits, bottom-up: the first row in the file is the bottom row.
    std::vector<unsigned char> bmp = {'B', 'M', 70, 0, 0, 0, 0, 0, 0,  0, 54, 0, 0,
                                      0,   40,  0,  0, 0, 2, 0, 0, 0,  2, 0,  0, 0,
                                      1,   0,   24, 0, 0, 0, 0, 0, 16, 0, 0,  0};
    bmp.resize(54, 0);
    bmp.insert(bmp.end(), {0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0, 0, 0x07, 0x08, 0x09, 0x0A, 0x0B,
                           0x0C, 0, 0});
    TBitmap up = TBitmap::FromBmp(bmp);
    EXPECT_EQ(up.Pixel(0, 1), 0x030201u);
    EXPECT_EQ(up.Pixel(1, 0), 0x0C0B0Au);
    bmp[22] = 0xFE; // height -2: top-down
    bmp[23] = bmp[24] = bmp[25] = 0xFF;
    TBitmap down = TBitmap::FromBmp(bmp);
    EXPECT_EQ(down.Pixel(0, 0), 0x030201u);

    // 3 x 1, 4 bits, two palette colours.
    std::vector<unsigned char> bmp4 = {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 62, 0, 0,
                                       0,   40,  0, 0, 0, 3, 0, 0, 0, 1, 0,  0, 0,
                                       1,   0,   4, 0, 0, 0, 0, 0, 4, 0, 0,  0};
    bmp4.resize(46, 0);
    bmp4.insert(bmp4.end(), {2, 0, 0, 0, 0, 0, 0, 0});
    bmp4.insert(bmp4.end(), {0x00, 0x80, 0x80, 0, 0x00, 0x00, 0xFF, 0});
    bmp4.insert(bmp4.end(), {0x10, 0x10, 0, 0});
    TBitmap glyph = TBitmap::FromBmp(bmp4);
    EXPECT_EQ(glyph.Pixel(0, 0), 0xFF0000u);
    EXPECT_EQ(glyph.Pixel(1, 0), 0x808000u);
    EXPECT_EQ(glyph.TransparentColor(), 0xFF0000u);

    bmp4[46] = 1; // one palette entry, but index 1 is used
    bmp4.erase(bmp4.begin() + 54, bmp4.begin() + 58);
    bmp4[10] = 58;
    EXPECT_THROW(TBitmap::FromBmp(bmp4), Exception);
    const std::vector<unsigned char> cut(bmp.begin(), bmp.begin() + 60);
    EXPECT_THROW(TBitmap::FromBmp(cut), Exception);
    EXPECT_THROW(TBitmap::FromBmp(std::vector<unsigned char>(80, 0)), Exception);
}

} // namespace
