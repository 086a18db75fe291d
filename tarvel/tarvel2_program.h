// One preset of the wave changer: the normalised values of its six parameters, in index order.
#pragma once

#include "text.h"

struct Tarvel2Program {
    float waveform = 0.0f;
    float waveformDistortion = 0.0f;
    float transpose = 0.0f;
    float threshold = 0.0f;
    float mix = 1.0f;
    float outputVolume = 0.5f;
    char name[zu::kProgramNameSize] = "Init";
};
