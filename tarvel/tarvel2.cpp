#include "tarvel2.h"

#include <algorithm>
#include <cstring>

#include "aeffeditor.h"
#include "convert.h"
#include "floating_point.h"
#include "vu_meter.h"
#include "wave_shapes.h"

Tarvel2::Tarvel2(audioMasterCallback audioMaster)
    : AudioEffect(audioMaster, kNumPrograms, kNumParams) {
    zu::setUpFloatingPoint();
    // Always the base's 44100 Hz here: 1102 samples, kept for the life of the effect.
    delaySamples = static_cast<VstInt32>(getSampleRate() * 0.025);
    delayLineL.reset(new float[delaySamples + 1]());
    delayLineR.reset(new float[delaySamples + 1]());
    programs.reset(new Tarvel2Program[kNumPrograms]);
    setProgram(0);
    setNumInputs(2);
    setNumOutputs(2);
    canMono(true);
    setUniqueID(fourCharLowFirst("ZuT2"));
    hasVu(true);
    canProcessReplacing(true);
}

Tarvel2::~Tarvel2() {
    delayLineL.reset();
    delayLineR.reset();
    programs.reset();
    zu::setUpFloatingPoint();
}

void Tarvel2::setParameter(VstInt32 index, float value) {
    Tarvel2Program& program = programs[curProgram];
    const double v = value;
    switch (index) {
    case kWaveform:
        fWaveform = value;
        waveformIndex = truncateClamped(v * 10.0, 0, zu::tarvel::kNumWaveforms - 1);
        program.waveform = value;
        break;
    case kWaveformDistortion:
        program.waveformDistortion = value;
        fWaveformDistortion = value;
        break;
    case kTranspose:
        fTranspose = value;
        transposeSteps = static_cast<float>(truncateClamped(v * 100.0, 0, 100));
        program.transpose = value;
        break;
    case kThreshold:
        fThreshold = value;
        thresholdSamples = truncateClamped(v * 999.0 + 1.0, 1, 1000);
        program.threshold = value;
        break;
    case kMix:
        program.mix = value;
        fMix = value;
        break;
    case kOutputVolume:
        program.outputVolume = value;
        fOutputVolume = value;
        break;
    default:
        break;
    }
    if (editor) editor->postUpdate();
}

float Tarvel2::getParameter(VstInt32 index) {
    switch (index) {
    case kWaveform:
        return fWaveform;
    case kWaveformDistortion:
        return fWaveformDistortion;
    case kTranspose:
        return fTranspose;
    case kThreshold:
        return fThreshold;
    case kMix:
        return fMix;
    case kOutputVolume:
        return fOutputVolume;
    default:
        return 0.0f;
    }
}

void Tarvel2::setProgram(VstInt32 program) {
    curProgram = program;
    const Tarvel2Program& p = programs[program];
    setParameter(kWaveform, p.waveform);
    setParameter(kWaveformDistortion, p.waveformDistortion);
    setParameter(kTranspose, p.transpose);
    setParameter(kThreshold, p.threshold);
    setParameter(kMix, p.mix);
    setParameter(kOutputVolume, p.outputVolume);
}

void Tarvel2::setProgramName(char* name) {
    zu::copyProgramName(programs[curProgram].name, name);
}

void Tarvel2::getProgramName(char* name) {
    std::strcpy(name, programs[curProgram].name);
}

// Nothing raises the level: the meter the effect announces always reads 0.
float Tarvel2::getVu() {
    return zu::takeVu(vuLevel);
}

void Tarvel2::suspend() {
    writePosL = writePosR = 0;
    readPosL = readPosR = 1;
    segmentStartL = segmentStartR = kNoSegment;
    polarityL = polarityR = 0;
    peakL = peakR = 0.0f;
    std::fill_n(delayLineL.get(), delaySamples + 1, 0.0f);
    std::fill_n(delayLineR.get(), delaySamples + 1, 0.0f);
}
