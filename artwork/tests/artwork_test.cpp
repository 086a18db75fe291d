#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "artwork.h"
#include "bmp_file.h"
#include "graphics.h"
#include "pictures.h"

namespace {

TBitmap Embedded(const char* name) {
    return TBitmap::FromBmp(artwork::File(name));
}

// The committed pictures are what the program draws now.
TEST(Artwork, TheCommittedFilesAreTheDrawnOnes) {
    using namespace artwork;
    const struct {
        const char* name;
        std::vector<unsigned char> drawn;
    } pictures[] = {
        {"background.bmp", encodeBmp24(drawBackground())},
        {"title.bmp", encodeBmp24(drawTitle())},
        {"slider_scale.bmp", encodeBmp24(drawSliderScale())},
        {"slider_knob.bmp", encodeBmp24(drawSliderKnob())},
        {"help_slider.bmp", encodeBmp24(drawHelpSlider())},
        {"backspace.bmp", encodeBmp4(drawBackspaceGlyph(), kStandardColors)},
    };
    for (const auto& p : pictures) {
        const auto embedded = artwork::File(p.name);
        EXPECT_TRUE(std::equal(embedded.begin(), embedded.end(), p.drawn.begin(), p.drawn.end()))
            << p.name << " differs from what zu-draw-artwork draws: run ninja redraw-artwork";
    }
    EXPECT_TRUE(artwork::File("nothing.bmp").empty());
}

TEST(Artwork, PicturesHaveTheirSizes) {
    const struct {
        const char* name;
        int width;
        int height;
    } sizes[] = {{"background.bmp", 313, 50},   {"title.bmp", 214, 29},
                 {"slider_scale.bmp", 37, 221}, {"slider_knob.bmp", 23, 23},
                 {"help_slider.bmp", 39, 223},  {"backspace.bmp", 32, 16}};
    for (const auto& s : sizes) {
        const TBitmap b = Embedded(s.name);
        EXPECT_EQ(b.Width(), s.width) << s.name;
        EXPECT_EQ(b.Height(), s.height) << s.name;
    }
    const auto backspace = artwork::File("backspace.bmp");
    EXPECT_EQ(backspace[28], 4) << "16 colours";
    EXPECT_EQ(artwork::File("background.bmp")[28], 24);
}

TEST(Artwork, TheScaleHasItsLineAndTicksWhereTheSliderExpectsThem) {
    const TBitmap scale = Embedded("slider_scale.bmp");
    for (int row = 41; row <= 184; ++row)
        for (int x : {17, 18, 19})
            ASSERT_EQ(scale.Pixel(x, row), 0u) << x << "," << row;
    EXPECT_NE(scale.Pixel(18, 40), 0u);
    EXPECT_NE(scale.Pixel(18, 185), 0u);
    EXPECT_NE(scale.Pixel(16, 100), 0u);
    EXPECT_NE(scale.Pixel(20, 100), 0u);
    for (int row : {41, 112, 183}) {
        EXPECT_EQ(scale.Pixel(9, row), 0u) << "long tick " << row;
        EXPECT_EQ(scale.Pixel(27, row), 0u) << "long tick " << row;
    }
    for (int row : {59, 77, 94, 130, 147, 165}) {
        EXPECT_EQ(scale.Pixel(13, row), 0u) << "short tick " << row;
        EXPECT_NE(scale.Pixel(9, row), 0u) << "short tick " << row;
    }
    EXPECT_GT(scale.Pixel(2, 0) & 0xFF, scale.Pixel(2, 220) & 0xFF) << "light at the top";
}

TEST(Artwork, TheKnobHasItsRedLineAcrossTheMiddle) {
    const TBitmap knob = Embedded("slider_knob.bmp");
    for (int x = 1; x < 22; ++x)
        EXPECT_EQ(knob.Pixel(x, 11), 0xFF0000u);
    for (int y : {0, 5, 10, 12, 20})
        EXPECT_NE(knob.Pixel(11, y), 0xFF0000u);
}

TEST(Artwork, TheBackspaceGlyphIsARedArrowOnOlive) {
    const TBitmap glyph = Embedded("backspace.bmp");
    EXPECT_EQ(glyph.TransparentColor(), 0x808000u);
    EXPECT_EQ(glyph.Pixel(4, 7), 0xFF0000u) << "arrow head";
    EXPECT_EQ(glyph.Pixel(1, 7), 0x000000u) << "black outline at the tip";
    EXPECT_EQ(glyph.Pixel(16 + 1, 7), 0x808080u) << "grey outline in the disabled image";
    EXPECT_EQ(glyph.Pixel(16 + 4, 7), 0x808000u);
}

TEST(Artwork, TheTitleIsOrangeOnAColourDrawnTransparent) {
    const TBitmap title = Embedded("title.bmp");
    const std::uint32_t background = title.TransparentColor();
    int orange = 0;
    for (int y = 0; y < title.Height(); ++y)
        for (int x = 0; x < title.Width(); ++x)
            orange += title.Pixel(x, y) == 0xFF9A1Eu;
    EXPECT_GT(orange, 300);
    EXPECT_EQ(title.Pixel(title.Width() - 1, 0), background);
}

} // namespace
