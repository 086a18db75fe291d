// Reading Windows bitmap files into TBitmap.
#include <cstring>

#include "graphics.h"
#include "sysutils.h"

namespace {

std::uint32_t readLe(std::span<const unsigned char> data, std::size_t at, int bytes) {
    if (at + static_cast<std::size_t>(bytes) > data.size()) throw Exception("bitmap is cut short");
    std::uint32_t value = 0;
    for (int i = bytes - 1; i >= 0; --i)
        value = value << 8 | data[at + static_cast<std::size_t>(i)];
    return value;
}

} // namespace

TBitmap TBitmap::FromBmp(std::span<const unsigned char> data) {
    if (data.size() < 54 || data[0] != 'B' || data[1] != 'M') throw Exception("not a bitmap");
    const std::uint32_t pixelOffset = readLe(data, 10, 4);
    const std::uint32_t headerSize = readLe(data, 14, 4);
    const auto width = static_cast<std::int32_t>(readLe(data, 18, 4));
    const auto rawHeight = static_cast<std::int32_t>(readLe(data, 22, 4));
    const std::uint32_t bitsPerPixel = readLe(data, 28, 2);
    const std::uint32_t compression = readLe(data, 30, 4);
    std::uint32_t paletteSize = readLe(data, 46, 4);
    if (compression != 0) throw Exception("compressed bitmaps are not supported");
    if (bitsPerPixel != 4 && bitsPerPixel != 8 && bitsPerPixel != 24)
        throw Exception("bitmaps of " + std::to_string(bitsPerPixel) +
                        " bits per pixel are not supported");
    const bool bottomUp = rawHeight > 0;
    const int height = bottomUp ? rawHeight : -rawHeight;
    if (width <= 0 || height <= 0 || width > 16384 || height > 16384)
        throw Exception("bitmap size out of range");
    if (bitsPerPixel <= 8 && paletteSize == 0) paletteSize = 1u << bitsPerPixel;

    std::vector<std::uint32_t> palette;
    const std::size_t paletteAt = 14 + headerSize;
    for (std::uint32_t i = 0; bitsPerPixel <= 8 && i < paletteSize; ++i)
        palette.push_back(readLe(data, paletteAt + 4 * i, 3) & 0xFFFFFF);

    const std::size_t stride = (static_cast<std::size_t>(width) * bitsPerPixel + 31) / 32 * 4;
    TBitmap bitmap(width, height);
    for (int y = 0; y < height; ++y) {
        const std::size_t row =
            pixelOffset + stride * static_cast<std::size_t>(bottomUp ? height - 1 - y : y);
        for (int x = 0; x < width; ++x) {
            const auto ux = static_cast<std::size_t>(x);
            std::uint32_t rgb;
            if (bitsPerPixel == 24) {
                rgb = readLe(data, row + 3 * ux, 3);
            } else {
                std::uint32_t index = bitsPerPixel == 8
                                          ? readLe(data, row + ux, 1)
                                          : readLe(data, row + ux / 2, 1) >> (ux % 2 ? 0 : 4) & 0xF;
                if (index >= palette.size()) throw Exception("bitmap colour index out of range");
                rgb = palette[index];
            }
            bitmap.SetPixel(x, y, rgb);
        }
    }
    return bitmap;
}
