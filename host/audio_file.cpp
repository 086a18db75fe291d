#include "audio_file.h"

#include <sndfile.h>

#include <memory>
#include <vector>

#include "host_error.h"

namespace zu::host {

namespace {

struct SndFileCloser {
    void operator()(SNDFILE* file) const { sf_close(file); }
};
using SndFile = std::unique_ptr<SNDFILE, SndFileCloser>;

} // namespace

AudioFile readAudioFile(const std::string& path) {
    SF_INFO info{};
    SndFile file(sf_open(path.c_str(), SFM_READ, &info));
    if (!file) throw HostError("cannot read sound file '" + path + "': " + sf_strerror(nullptr));
    if (info.channels < 1) throw HostError("'" + path + "' has no channels");
    const auto frames = static_cast<std::size_t>(info.frames);
    const auto channels = static_cast<std::size_t>(info.channels);
    std::vector<float> interleaved(frames * channels);
    const sf_count_t read = sf_readf_float(file.get(), interleaved.data(), info.frames);
    AudioFile result;
    result.sampleRate = info.samplerate;
    result.signal = StereoSignal(static_cast<std::size_t>(read));
    for (std::size_t i = 0; i < result.signal.frames(); ++i) {
        result.signal.left[i] = interleaved[i * channels];
        result.signal.right[i] = interleaved[i * channels + (channels > 1 ? 1 : 0)];
    }
    return result;
}

void writeWavFile(const std::string& path, const StereoSignal& signal, int sampleRate) {
    SF_INFO info{};
    info.samplerate = sampleRate;
    info.channels = 2;
    info.format = SF_FORMAT_WAV | SF_FORMAT_FLOAT;
    SndFile file(sf_open(path.c_str(), SFM_WRITE, &info));
    if (!file) throw HostError("cannot write sound file '" + path + "': " + sf_strerror(nullptr));
    std::vector<float> interleaved(signal.frames() * 2);
    for (std::size_t i = 0; i < signal.frames(); ++i) {
        interleaved[2 * i] = signal.left[i];
        interleaved[2 * i + 1] = signal.right[i];
    }
    const auto frames = static_cast<sf_count_t>(signal.frames());
    if (sf_writef_float(file.get(), interleaved.data(), frames) != frames)
        throw HostError("cannot write sound file '" + path + "': " + sf_strerror(file.get()));
}

} // namespace zu::host
