// One preset of the overdrive.
#pragma once

#include "text.h"

struct OverdriveProgram {
    float drive = 0.0f;
    float depth = 1.0f;
    float volume = 1.0f;
    char name[zu::kProgramNameSize] = "Init";
};
