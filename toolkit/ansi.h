// Texts are Windows-1252 in the toolkit and UTF-8 for drawing and for window titles.
#pragma once

#include <string>
#include <string_view>

std::string AnsiToUtf8(std::string_view text);
