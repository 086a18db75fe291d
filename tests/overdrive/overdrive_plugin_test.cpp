// ZuOverdrive through its real entry point, as a host sees it.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

#include "host_error.h"
#include "loaded_plugin.h"
#include "parameter_checks.h"
#include "record_checks.h"

namespace {

using zu::host::StereoSignal;
using zu::testing::LoadedPlugin;
using zu::testing::pluginPath;
using zu::testing::stereo;

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();

class Overdrive : public ::testing::Test {
protected:
    // One processReplacing call over a mono signal sent to both channels; returns the left side.
    std::vector<float> shape(const std::vector<float>& input) {
        StereoSignal in = stereo(input, input);
        StereoSignal out(input.size());
        plugin.run(in, out);
        EXPECT_EQ(out.left, out.right);
        return out.left;
    }
    void set(VstInt32 index, float value) { plugin.instance.setParameter(index, value); }

    LoadedPlugin plugin{pluginPath("ZuOverdrive")};
};

TEST_F(Overdrive, RecordAsTheHostSeesIt) {
    EXPECT_EQ(plugin.instance.record().uniqueID, 0x764F755A);
    zu::testing::expectEffectRecord(plugin, "ZuOv", 28, 3);
}

TEST_F(Overdrive, TheVersionQueryIsTheOnlyCallDuringCreation) {
    const auto calls = plugin.host.calls();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].effect, nullptr);
    EXPECT_EQ(calls[0].opcode, audioMasterVersion);
}

TEST(OverdriveEntry, RefusesAHostThatAnswersVersionZero) {
    zu::host::PluginLibrary library(pluginPath("ZuOverdrive"));
    zu::host::Host host({.version = 0});
    EXPECT_THROW(zu::host::PluginInstance(library, host), zu::host::HostError);
    EXPECT_EQ(host.calls().size(), 1u);
}

TEST(OverdriveEntry, InstancesAreIndependentAndCloseAnswersOne) {
    LoadedPlugin a(pluginPath("ZuOverdrive"));
    LoadedPlugin b(pluginPath("ZuOverdrive"));
    EXPECT_NE(&a.instance.record(), &b.instance.record());
    a.instance.setParameter(2, 0.25f);
    EXPECT_EQ(b.instance.getParameter(2), 1.0f);
    EXPECT_EQ(a.instance.close(), 1);
    EXPECT_EQ(b.instance.getParameter(2), 1.0f);
}

TEST_F(Overdrive, EveryDispatcherOpcodeAnswers) {
    char text[64] = "untouched";
    void* rect = nullptr;
    const struct {
        VstInt32 opcode;
        VstIntPtr value;
        void* ptr;
        VstIntPtr answer;
    } cases[] = {
        {effOpen, 0, nullptr, 0},
        {effSetProgram, 4, nullptr, 0},
        {effGetProgram, 0, nullptr, 4},
        {effSetProgram, 16, nullptr, 0},
        {effGetProgram, 0, nullptr, 4},
        {effSetProgram, -1, nullptr, 0},
        {effGetProgram, 0, nullptr, 4},
        {effSetProgramName, 0, text, 0},
        {effGetProgramName, 0, text, 0},
        {effGetParamLabel, 0, text, 0},
        {effGetParamDisplay, 0, text, 0},
        {effGetParamName, 0, text, 0},
        {effGetVu, 0, nullptr, 0},
        {effSetSampleRate, 0, nullptr, 0},
        {effSetBlockSize, 512, nullptr, 0},
        {effMainsChanged, 1, nullptr, 0},
        {effEditGetRect, 0, &rect, 0},
        {effEditOpen, 0, text, 0},
        {effEditClose, 0, nullptr, 0},
        {effEditDraw, 0, nullptr, 0},
        {effEditMouse, 0, nullptr, 0},
        {effEditKey, 0, nullptr, 0},
        {effEditIdle, 0, nullptr, 0},
        {effEditTop, 0, nullptr, 0},
        {effEditSleep, 0, nullptr, 0},
        {effIdentify, 0, nullptr, 0x4E764566},
        {effMainsChanged, 0, nullptr, 0},
        {23, 0, nullptr, 0},
        {45, 0, text, 0},
        {58, 0, nullptr, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(plugin.instance.dispatch(c.opcode, 0, c.value, c.ptr, 48000.0f), c.answer)
            << "opcode " << c.opcode;
    EXPECT_EQ(rect, nullptr);
}

TEST_F(Overdrive, ParameterTexts) {
    const struct {
        VstInt32 index;
        float value;
        const char* display;
    } cases[] = {
        {0, 0.0f, "  0"},        {0, 0.5f, " 24"},       {0, 1.0f, " 99"},
        {1, 1.0f, "100.00%"},    {1, 0.5f, "50.00%"},    {1, 0.0f, "0.00%"},
        {2, 1.0f, "0.000 dB"},   {2, 0.5f, "-6.021 dB"}, {2, 0.0f, "   -Inf  "},
        {2, -0.5f, "   -Inf  "},
    };
    for (const auto& c : cases) {
        set(c.index, c.value);
        EXPECT_EQ(plugin.instance.parameterDisplay(c.index), c.display)
            << c.index << " " << c.value;
        EXPECT_EQ(plugin.instance.getParameter(c.index), c.value);
    }
    const char* names[] = {"Drive    ", "Depth    ", "Volume   "};
    const char* labels[] = {"         ", "         ", "dB       "};
    for (VstInt32 i = 0; i < 3; ++i) {
        EXPECT_EQ(plugin.instance.parameterName(i), names[i]);
        EXPECT_EQ(plugin.instance.parameterLabel(i), labels[i]);
    }
}

TEST_F(Overdrive, UnknownIndicesAreIgnored) {
    zu::testing::expectUnknownIndicesIgnored(plugin.instance);
}

TEST_F(Overdrive, DriveOutsideItsRangeGivesALevelWithinZeroTo99) {
    const struct {
        float value;
        const char* display;
    } cases[] = {{kNaN, "  0"},  {kInf, " 99"},  {-kInf, " 99"},  {2.0f, " 99"},
                 {-1.0f, " 99"}, {1e30f, " 99"}, {-1e-30f, "  0"}};
    for (const auto& c : cases) {
        set(0, c.value);
        EXPECT_EQ(plugin.instance.parameterDisplay(0), c.display) << c.value;
        const auto out = shape({0.5f, -1.0f, 1.0f});
        EXPECT_EQ(out[1], -1.0f);
        EXPECT_EQ(out[2], 1.0f);
    }
}

TEST_F(Overdrive, SixteenInitProgramsEachWithItsOwnValuesAndName) {
    for (VstInt32 p = 0; p < 16; ++p) {
        plugin.instance.setProgram(p);
        EXPECT_EQ(plugin.instance.programName(), "Init") << p;
        EXPECT_EQ(plugin.instance.getParameter(0), 0.0f);
        EXPECT_EQ(plugin.instance.getParameter(1), 1.0f);
        EXPECT_EQ(plugin.instance.getParameter(2), 1.0f);
    }
    plugin.instance.setProgram(3);
    set(0, 0.5f);
    char name[] = "Crunch";
    plugin.instance.dispatch(effSetProgramName, 0, 0, name);
    plugin.instance.setProgram(0);
    EXPECT_EQ(plugin.instance.getParameter(0), 0.0f);
    EXPECT_EQ(plugin.instance.programName(), "Init");
    plugin.instance.setProgram(3);
    EXPECT_EQ(plugin.instance.getParameter(0), 0.5f);
    EXPECT_EQ(plugin.instance.parameterDisplay(0), " 24");
    EXPECT_EQ(plugin.instance.programName(), "Crunch");
}

TEST_F(Overdrive, ALongProgramNameIsCutTo23Characters) {
    std::string name(40, 'n');
    plugin.instance.dispatch(effSetProgramName, 0, 0, name.data());
    EXPECT_EQ(plugin.instance.programName(), std::string(23, 'n'));
}

TEST_F(Overdrive, SilenceGivesTheFirstTableStep) {
    const auto out = shape({0.0f, -0.0f, -1e-30f});
    EXPECT_EQ(out[0], std::ldexp(1.0f, -15));
    EXPECT_EQ(out[1], std::ldexp(1.0f, -15));
    EXPECT_EQ(out[2], -std::ldexp(1.0f, -15));
    set(0, 1.0f);
    EXPECT_NEAR(shape({0.0f})[0], 2.12e-3, 0.01e-3);
}

TEST_F(Overdrive, DriveLevelZeroIsAStraightLineInSteps) {
    for (float x : {0.5f, 0.3f, 1.0f, -0.5f, -0.7f}) {
        const float expected =
            std::copysign((std::floor(32767.0f * std::fabs(x)) + 1.0f) / 32768.0f, x);
        EXPECT_EQ(shape({x})[0], expected) << x;
    }
    EXPECT_EQ(shape({0.5f})[0], 0.5f);
}

TEST_F(Overdrive, DriveLevelOneSquaresTheCurve) {
    set(0, 0.12f); // 0.12² × 0.999999 × 100 = 1.44: level 1, exponent 2
    EXPECT_EQ(plugin.instance.parameterDisplay(0), "  1");
    const auto out = shape({0.5f, 0.25f, -0.5f});
    EXPECT_EQ(out[0], 0.75f);
    EXPECT_EQ(out[1], 7.0f / 16.0f);
    EXPECT_EQ(out[2], -0.75f);
}

TEST_F(Overdrive, OnlyTheLookupIsLimitedNotTheDrySignal) {
    set(1, 0.5f);
    const auto out = shape({2.0f, -3.0f});
    EXPECT_EQ(out[0], 0.5f * 1.0f + 0.5f * 2.0f);
    EXPECT_EQ(out[1], 0.5f * -1.0f + 0.5f * -3.0f);
}

TEST_F(Overdrive, DepthAndVolumeMixAndScale) {
    set(0, 0.12f);
    set(1, 0.25f);
    set(2, 0.5f);
    EXPECT_EQ(shape({0.5f})[0], 0.5f * (0.25f * 0.75f + 0.75f * 0.5f));
}

// The lookup of a non-finite sample stays inside the table (the sanitizer build checks the
// reads); the dry share of an infinity is NaN, as the mix formula gives.
TEST_F(Overdrive, NonFiniteInputStaysInsideTheTable) {
    const std::vector<float> x = {kInf, -kInf, kNaN, 1e30f, -1e30f, 0.5f};
    StereoSignal in = stereo(x, x);
    StereoSignal out(x.size());
    plugin.run(in, out);
    for (std::size_t i = 0; i < 3; ++i)
        EXPECT_TRUE(std::isnan(out.left[i])) << i;
    EXPECT_EQ(out.left[3], 1.0f);
    EXPECT_EQ(out.left[4], -1.0f);
    EXPECT_EQ(out.left[5], 0.5f);
    set(1, 0.0f);
    EXPECT_EQ(shape({0.5f})[0], 0.5f) << "the effect recovers once finite input returns";
}

TEST_F(Overdrive, ProcessAddsAndProcessReplacingOverwrites) {
    StereoSignal in = stereo({0.5f, 0.0f}, {-0.5f, 1.0f});
    StereoSignal out = stereo({1.0f, 2.0f}, {3.0f, 4.0f});
    plugin.run(in, out, false);
    EXPECT_EQ(out.left, (std::vector<float>{1.5f, 2.0f + std::ldexp(1.0f, -15)}));
    EXPECT_EQ(out.right, (std::vector<float>{2.5f, 5.0f}));
    plugin.run(in, out, true);
    EXPECT_EQ(out.left, (std::vector<float>{0.5f, std::ldexp(1.0f, -15)}));
    EXPECT_EQ(out.right, (std::vector<float>{-0.5f, 1.0f}));
}

TEST_F(Overdrive, InPlaceBuffersGiveTheSameResult) {
    set(0, 0.7f);
    set(1, 0.6f);
    const std::vector<float> x = {0.1f, -0.9f, 0.33f, 2.0f};
    const std::vector<float> y = {-0.2f, 0.5f, 0.0f, -0.01f};
    StereoSignal apart = stereo(x, y);
    StereoSignal expected(x.size());
    plugin.run(apart, expected);
    StereoSignal inPlace = stereo(x, y);
    plugin.run(inPlace, inPlace);
    EXPECT_EQ(inPlace.left, expected.left);
    EXPECT_EQ(inPlace.right, expected.right);
}

TEST_F(Overdrive, ZeroOrNegativeFrameCountsProcessNothing) {
    StereoSignal in = stereo({0.5f}, {0.5f});
    StereoSignal out = stereo({9.0f}, {9.0f});
    float* inputs[2] = {in.left.data(), in.right.data()};
    float* outputs[2] = {out.left.data(), out.right.data()};
    plugin.instance.processReplacing(inputs, outputs, 0);
    plugin.instance.processReplacing(inputs, outputs, -5);
    EXPECT_EQ(out.left[0], 9.0f);
}

TEST_F(Overdrive, TheMeterShowsThePeakSinceTheLastRead) {
    shape({0.25f, -0.5f, 0.125f});
    EXPECT_EQ(plugin.instance.dispatch(effGetVu), 16383);
    EXPECT_EQ(plugin.instance.dispatch(effGetVu), 0);
}

} // namespace
