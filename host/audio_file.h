// Sound files through libsndfile.
#pragma once

#include <string>

#include "stereo_signal.h"

namespace zu::host {

struct AudioFile {
    StereoSignal signal;
    int sampleRate = 44100;
};

// Reads any file libsndfile knows; a mono file feeds both channels, channels past two are
// dropped. Throws HostError.
AudioFile readAudioFile(const std::string& path);

// Writes a 32-bit float stereo WAV file. Throws HostError.
void writeWavFile(const std::string& path, const StereoSignal& signal, int sampleRate);

} // namespace zu::host
