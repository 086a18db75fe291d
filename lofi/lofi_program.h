// One preset of the lo-fi effect.
#pragma once

#include "text.h"

struct LoFiProgram {
    float bit = 1.0f;
    float rate = 1.0f;
    float interpolate = 0.0f;
    char name[zu::kProgramNameSize] = "Init";
};
