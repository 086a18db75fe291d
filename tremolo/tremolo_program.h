// One preset of the tremolo. The field order is not the parameter order.
#pragma once

#include "text.h"

struct TremoloProgram {
    float frequency = 0.44677f; // about 4.00 Hz
    float waveform = 0.0f;      // SINE
    float depth = 0.6f;
    float stereo = 0.0f; // Normal
    char name[zu::kProgramNameSize] = "Init";
};
