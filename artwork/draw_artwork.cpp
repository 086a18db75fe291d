// zu-draw-artwork DIR: draws the editor's pictures into DIR as Windows bitmap files.
#include <cstdio>
#include <exception>
#include <string>

#include "bmp_file.h"
#include "pictures.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: zu-draw-artwork DIR\n");
        return 2;
    }
    const std::string dir = argv[1];
    try {
        using namespace artwork;
        writeFile(dir + "/background.bmp", encodeBmp24(drawBackground()));
        writeFile(dir + "/title.bmp", encodeBmp24(drawTitle()));
        writeFile(dir + "/slider_scale.bmp", encodeBmp24(drawSliderScale()));
        writeFile(dir + "/slider_knob.bmp", encodeBmp24(drawSliderKnob()));
        writeFile(dir + "/help_slider.bmp", encodeBmp24(drawHelpSlider()));
        writeFile(dir + "/backspace.bmp", encodeBmp4(drawBackspaceGlyph(), kStandardColors));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "zu-draw-artwork: %s\n", e.what());
        return 1;
    }
    return 0;
}
