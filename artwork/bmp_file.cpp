#include "bmp_file.h"

#include <algorithm>
#include <fstream>
#include <stdexcept>

namespace artwork {
namespace {

void put(std::vector<unsigned char>& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<unsigned char>(value >> (8 * i)));
}

std::vector<unsigned char> encode(const Picture& picture, int bits,
                                  const std::vector<std::uint32_t>& palette) {
    const auto stride = (static_cast<std::uint32_t>(picture.width) * bits + 31) / 32 * 4;
    const auto paletteBytes = static_cast<std::uint32_t>(palette.size()) * 4;
    const std::uint32_t offset = 14 + 40 + paletteBytes;
    const std::uint32_t imageBytes = stride * static_cast<std::uint32_t>(picture.height);
    std::vector<unsigned char> out{'B', 'M'};
    put(out, offset + imageBytes, 4);
    put(out, 0, 4);
    put(out, offset, 4);
    put(out, 40, 4);
    put(out, static_cast<std::uint32_t>(picture.width), 4);
    put(out, static_cast<std::uint32_t>(picture.height), 4);
    put(out, 1, 2);
    put(out, static_cast<std::uint32_t>(bits), 2);
    put(out, 0, 4);
    put(out, imageBytes, 4);
    put(out, 3780, 4); // 96 pixels per inch
    put(out, 3780, 4);
    put(out, static_cast<std::uint32_t>(palette.size()), 4);
    put(out, 0, 4);
    for (std::uint32_t rgb : palette)
        put(out, rgb, 4);
    for (int y = picture.height - 1; y >= 0; --y) {
        std::vector<unsigned char> row;
        for (int x = 0; x < picture.width; ++x) {
            const std::uint32_t rgb = picture.at(x, y);
            if (bits == 24) {
                put(row, rgb, 3);
                continue;
            }
            auto found = std::find(palette.begin(), palette.end(), rgb);
            if (found == palette.end()) throw std::runtime_error("colour not in the palette");
            const auto index = static_cast<unsigned char>(found - palette.begin());
            if (x % 2 == 0)
                row.push_back(static_cast<unsigned char>(index << 4));
            else
                row.back() = static_cast<unsigned char>(row.back() | index);
        }
        row.resize(stride, 0);
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

} // namespace

std::vector<unsigned char> encodeBmp24(const Picture& picture) {
    return encode(picture, 24, {});
}

std::vector<unsigned char> encodeBmp4(const Picture& picture,
                                      const std::vector<std::uint32_t>& palette) {
    if (palette.size() > 16) throw std::runtime_error("more than 16 colours");
    return encode(picture, 4, palette);
}

void writeFile(const std::string& path, const std::vector<unsigned char>& bytes) {
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    if (!file) throw std::runtime_error("cannot write " + path);
}

} // namespace artwork
