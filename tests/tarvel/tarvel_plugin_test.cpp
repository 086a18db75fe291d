// ZuTarvel2 through its real entry point: the record, parameters, programs and suspend.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <string>

#include "record_checks.h"
#include "tarvel_fixture.h"

namespace {

using namespace zu::testing;

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();

using Tarvel = TarvelTest;

TEST_F(Tarvel, RecordAsTheHostSeesIt) {
    EXPECT_EQ(plugin.instance.record().uniqueID, 0x3254755A);
    zu::testing::expectEffectRecord(plugin, "ZuT2", 28, 6); // no editor yet
}

TEST_F(Tarvel, FreshEffectHoldsProgramZeroDefaults) {
    EXPECT_EQ(plugin.instance.dispatch(effGetProgram), 0);
    const float defaults[] = {0.0f, 0.0f, 0.0f, 0.0f, 1.0f, 0.5f};
    for (VstInt32 i = 0; i < 6; ++i)
        EXPECT_EQ(plugin.instance.getParameter(i), defaults[i]) << i;
    for (VstInt32 p = 0; p < 16; ++p) {
        plugin.instance.setProgram(p);
        EXPECT_EQ(plugin.instance.programName(), "Init") << p;
        for (VstInt32 i = 0; i < 6; ++i)
            EXPECT_EQ(plugin.instance.getParameter(i), defaults[i]) << p << " " << i;
    }
}

TEST_F(Tarvel, TheHostGetsNoParameterTexts) {
    for (VstInt32 i = -1; i <= 6; ++i) {
        EXPECT_EQ(plugin.instance.parameterName(i), "") << i;
        EXPECT_EQ(plugin.instance.parameterLabel(i), "") << i;
        EXPECT_EQ(plugin.instance.parameterDisplay(i), "") << i;
    }
}

TEST_F(Tarvel, ValuesAreStoredAsReceived) {
    const float values[] = {0.25f, 2.0f, -1.0f, kInf, -kInf, 1e30f, 0.7f};
    for (VstInt32 i = 0; i < 6; ++i) {
        for (float v : values) {
            set(i, v);
            EXPECT_EQ(plugin.instance.getParameter(i), v) << i;
        }
        set(i, kNaN);
        EXPECT_TRUE(std::isnan(plugin.instance.getParameter(i))) << i;
    }
}

TEST_F(Tarvel, UnknownIndicesChangeNothing) {
    for (VstInt32 index : {-1, 6, 1000}) {
        set(index, 0.3f);
        EXPECT_EQ(plugin.instance.getParameter(index), 0.0f);
    }
    EXPECT_EQ(plugin.instance.getParameter(kMix), 1.0f);
    EXPECT_EQ(plugin.instance.getParameter(kOutputVolume), 0.5f);
    EXPECT_EQ(plugin.instance.getParameter(kWaveform), 0.0f);
}

TEST_F(Tarvel, EachProgramKeepsItsOwnValuesAndName) {
    plugin.instance.setProgram(3);
    const float values[] = {0.4f, 0.3f, 0.05f, 0.2f, 0.6f, 0.9f};
    for (VstInt32 i = 0; i < 6; ++i)
        set(i, values[i]);
    char name[] = "Hollow";
    plugin.instance.dispatch(effSetProgramName, 0, 0, name);
    plugin.instance.setProgram(4);
    EXPECT_EQ(plugin.instance.getParameter(kWaveform), 0.0f);
    EXPECT_EQ(plugin.instance.getParameter(kMix), 1.0f);
    EXPECT_EQ(plugin.instance.programName(), "Init");
    plugin.instance.setProgram(3);
    for (VstInt32 i = 0; i < 6; ++i)
        EXPECT_EQ(plugin.instance.getParameter(i), values[i]) << i;
    EXPECT_EQ(plugin.instance.programName(), "Hollow");
    plugin.instance.dispatch(effSetProgram, 0, 16);
    EXPECT_EQ(plugin.instance.dispatch(effGetProgram), 3) << "out-of-range program ignored";
}

TEST_F(Tarvel, ALongProgramNameIsCutTo23Characters) {
    std::string name(40, 'w');
    plugin.instance.dispatch(effSetProgramName, 0, 0, name.data());
    EXPECT_EQ(plugin.instance.programName(), std::string(23, 'w'));
}

TEST_F(Tarvel, TheMeterAlwaysReadsZero) {
    std::vector<float> loud(4000);
    for (std::size_t i = 0; i < loud.size(); ++i)
        loud[i] = (i / 30) % 2 == 0 ? 1.0f : -1.0f;
    run(loud);
    EXPECT_EQ(plugin.instance.dispatch(effGetVu), 0);
    EXPECT_EQ(plugin.instance.dispatch(effGetVu), 0);
}

TEST_F(Tarvel, SampleRateChangesDoNotChangeTheDelay) {
    set(kMix, 0.0f);
    plugin.instance.start(96000.0f, 256);
    std::vector<float> x(kDelay + 10, 0.0f);
    x[0] = 0.75f;
    const auto out = run(x);
    EXPECT_EQ(out[kDelay - 1], 0.0f);
    EXPECT_EQ(out[kDelay], 0.75f);
}

// Suspend empties both rings and forgets the half-wave in progress: what follows comes out as
// from a fresh effect.
TEST_F(Tarvel, SuspendZeroesTheRingsAndForgetsTheHalfWave) {
    std::vector<float> before(kDelay + 500);
    for (std::size_t i = 0; i < before.size(); ++i)
        before[i] = i < kDelay + 450 ? std::sin(0.05f * static_cast<float>(i)) : 0.6f;
    const std::vector<float> after = repeat(40, -0.5f, repeat(kDelay + 100, 0.25f));
    for (float mix : {0.0f, 1.0f}) {
        LoadedPlugin fresh(pluginPath("ZuTarvel2"));
        fresh.instance.setParameter(kMix, mix);
        set(kMix, mix);
        run(before);
        plugin.instance.stop();
        const auto out = run(after);
        for (std::size_t i = 0; i < kDelay; ++i)
            ASSERT_EQ(out[i], 0.0f) << "mix " << mix << ", frame " << i;
        zu::host::StereoSignal in = stereo(after, after);
        zu::host::StereoSignal expected(after.size());
        fresh.run(in, expected);
        EXPECT_EQ(out, expected.left) << "mix " << mix;
    }
}

} // namespace
