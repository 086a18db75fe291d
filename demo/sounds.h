// The demo's built-in sounds, made here so that the demo needs no sound files.
#pragma once

#include <string>
#include <vector>

#include "stereo_signal.h"

namespace zu::demo {

// Names of the sounds `makeSound` knows.
std::vector<std::string> soundNames();

// The named sound at the given rate; throws std::invalid_argument for an unknown name.
host::StereoSignal makeSound(const std::string& name, int sampleRate);

} // namespace zu::demo
