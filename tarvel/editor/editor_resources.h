// The stored layouts of the editor's forms and the pictures they name, built into the binary.
#pragma once

#include <string_view>

#include "layout.h"

// The text of a stored layout ("inputform.layout"); throws ELayoutError when there is none.
std::string_view EditorLayout(std::string_view name);

// Pictures by the names the layouts use ("slider_scale"): the artwork's bitmap files.
const LayoutResources& EditorPictures();

// A copy of one of the artwork's pictures, for code that hands pictures to controls.
TPicture EditorPicture(std::string_view name);
