// The floors every plug-in figure is compared with. Each routine lives in a translation unit of
// its own, compiled with -O2, and is called through a function pointer, as a host calls a plug-in.
#pragma once

#include "aeffect.h"

namespace zu::bench {

// out[c][i] = in[c][i] * gain for both channels, over plain pointers.
using GainRoutine = void (*)(float** inputs, float** outputs, VstInt32 frames, float gain);
// out[c][i] = in[c][i] (or a function of it) for both channels.
using CopyRoutine = void (*)(float** inputs, float** outputs, VstInt32 frames);

void gainLoop(float** inputs, float** outputs, VstInt32 frames, float gain);
void copyLoop(float** inputs, float** outputs, VstInt32 frames);
// out[c][i] = table[min(|in[c][i]|, 1) × 32767] from a table of 32768 floats, four samples at a
// time as ZuOverdrive reads its curve: the cost of one table read per sample.
void lookupLoop(float** inputs, float** outputs, VstInt32 frames);
// The phase of an oscillator advanced and wrapped at every frame, p = p + step, less 2 above 1:
// a chain in which each frame waits for the one before. It reads and writes no samples.
void phaseChain(float** inputs, float** outputs, VstInt32 frames);

} // namespace zu::bench
