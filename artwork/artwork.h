// The editor's pictures, built into the binary: the bytes of a bitmap file of this folder by
// its name ("slider_scale.bmp"), empty when there is none.
#pragma once

#include <span>
#include <string_view>

namespace artwork {

std::span<const unsigned char> File(std::string_view name);

} // namespace artwork
