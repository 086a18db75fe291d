// Writing Windows bitmap files.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "pictures.h"

namespace artwork {

// 24 bits per pixel.
std::vector<unsigned char> encodeBmp24(const Picture& picture);
// 4 bits per pixel through a palette of up to 16 colours that holds every pixel's colour.
std::vector<unsigned char> encodeBmp4(const Picture& picture,
                                      const std::vector<std::uint32_t>& palette);
// Throws std::runtime_error when the file cannot be written.
void writeFile(const std::string& path, const std::vector<unsigned char>& bytes);

} // namespace artwork
