// ZuTremolo through its real entry point: the record, the parameter texts and the programs.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>

#include "loaded_plugin.h"
#include "record_checks.h"

namespace {

using zu::testing::LoadedPlugin;
using zu::testing::pluginPath;

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();
const float kDefaultFrequency = std::bit_cast<float>(std::uint32_t{0x3EE4BF0A});
const float kDefaultDepth = std::bit_cast<float>(std::uint32_t{0x3F19999A});

class TremoloParameters : public ::testing::Test {
protected:
    void set(VstInt32 index, float value) { plugin.instance.setParameter(index, value); }
    std::string display(VstInt32 index) { return plugin.instance.parameterDisplay(index); }
    void expectDefaults() {
        EXPECT_EQ(plugin.instance.getParameter(0), kDefaultFrequency);
        EXPECT_EQ(plugin.instance.getParameter(1), kDefaultDepth);
        EXPECT_EQ(plugin.instance.getParameter(2), 0.0f);
        EXPECT_EQ(plugin.instance.getParameter(3), 0.0f);
    }

    LoadedPlugin plugin{pluginPath("ZuTremolo")};
};

TEST_F(TremoloParameters, RecordAsTheHostSeesIt) {
    EXPECT_EQ(plugin.instance.record().uniqueID, 0x7254755A);
    zu::testing::expectEffectRecord(plugin, "ZuTr", 28, 4);
}

TEST_F(TremoloParameters, NamesLabelsAndTheTextsOfANewEffect) {
    const char* names[] = {"Frequency", "Depth    ", "Tremolo  ", "Stereo   "};
    const char* labels[] = {"Hz       ", "         ", "Waveform ", "Output   "};
    const char* displays[] = {"4.00", "60.00%", "SINE    ", "Normal  "};
    for (VstInt32 i = 0; i < 4; ++i) {
        EXPECT_EQ(plugin.instance.parameterName(i), names[i]);
        EXPECT_EQ(plugin.instance.parameterLabel(i), labels[i]);
        EXPECT_EQ(display(i), displays[i]);
    }
    expectDefaults();
}

TEST_F(TremoloParameters, DisplayTexts) {
    const struct {
        VstInt32 index;
        float value;
        const char* display;
    } cases[] = {
        {0, 0.0f, "0.01"},       {0, 0.5f, "5.01"},       {0, 1.0f, "20.00"},
        {0, 0.1f, "0.21"},       {1, 0.0f, "0.00%"},      {1, 0.25f, "25.00%"},
        {1, 1.0f, "100.00%"},    {2, 0.0f, "SINE    "},   {2, 0.142f, "SINE    "},
        {2, 0.144f, "TRI     "}, {2, 0.285f, "TRI     "}, {2, 0.287f, "SQUARE  "},
        {2, 0.428f, "SQUARE  "}, {2, 0.43f, "SAW UP  "},  {2, 0.5f, "SAW UP  "},
        {2, 0.65f, "SAW DOWN"},  {2, 0.8f, "EXP UP  "},   {2, 0.857f, "EXP UP  "},
        {2, 0.859f, "EXP DOWN"}, {2, 1.0f, "EXP DOWN"},   {3, 0.0f, "Normal  "},
        {3, 0.5f, "Normal  "},   {3, 0.501f, "Inverse "}, {3, 1.0f, "Inverse "},
    };
    for (const auto& c : cases) {
        set(c.index, c.value);
        EXPECT_EQ(display(c.index), c.display) << c.index << " " << c.value;
        EXPECT_EQ(plugin.instance.getParameter(c.index), c.value);
    }
}

// Hosts send values outside 0..1, NaN and infinities: the value is kept as sent, the derived
// frequency, shape and mode stay within their ranges.
TEST_F(TremoloParameters, ValuesOutsideTheRangeGiveDerivedValuesWithinIt) {
    const struct {
        VstInt32 index;
        float value;
        const char* display;
    } cases[] = {
        {0, kNaN, "0.01"},     {0, kInf, "20.00"},     {0, -kInf, "20.00"},
        {0, 2.0f, "20.00"},    {0, -1.0f, "20.00"},    {0, -0.5f, "5.01"},
        {2, kNaN, "SINE    "}, {2, -1.0f, "SINE    "}, {2, -kInf, "SINE    "},
        {2, 1.5f, "EXP DOWN"}, {2, kInf, "EXP DOWN"},  {2, 1e30f, "EXP DOWN"},
        {3, kNaN, "Normal  "}, {3, -1.0f, "Normal  "}, {3, 2.0f, "Inverse "},
        {3, kInf, "Inverse "}, {3, -kInf, "Normal  "}, {1, -0.5f, "-50.00%"},
    };
    for (const auto& c : cases) {
        set(c.index, c.value);
        EXPECT_EQ(display(c.index), c.display) << c.index << " " << c.value;
        const float got = plugin.instance.getParameter(c.index);
        EXPECT_TRUE(got == c.value || (std::isnan(got) && std::isnan(c.value))) << got;
    }
}

TEST_F(TremoloParameters, UnknownIndicesAreIgnored) {
    for (VstInt32 index : {-1, 4, 1000}) {
        set(index, 0.3f);
        EXPECT_EQ(plugin.instance.getParameter(index), 0.0f);
        for (VstInt32 opcode : {effGetParamName, effGetParamLabel, effGetParamDisplay}) {
            char text[16] = "untouched";
            plugin.instance.dispatch(opcode, index, 0, text);
            EXPECT_STREQ(text, "untouched");
        }
    }
    expectDefaults();
}

TEST_F(TremoloParameters, SixteenInitProgramsEachKeepTheirOwnValuesAndName) {
    for (VstInt32 p = 0; p < 16; ++p) {
        plugin.instance.setProgram(p);
        EXPECT_EQ(plugin.instance.programName(), "Init") << p;
        expectDefaults();
    }
    plugin.instance.setProgram(5);
    set(0, 1.0f);
    set(1, 0.25f);
    set(2, 0.3f);
    set(3, 1.0f);
    char name[] = "Slow wobble";
    plugin.instance.dispatch(effSetProgramName, 0, 0, name);

    plugin.instance.setProgram(0);
    expectDefaults();
    EXPECT_EQ(plugin.instance.programName(), "Init");
    EXPECT_EQ(display(1), "60.00%");

    plugin.instance.setProgram(5);
    EXPECT_EQ(plugin.instance.getParameter(1), 0.25f);
    EXPECT_EQ(plugin.instance.programName(), "Slow wobble");
    const char* displays[] = {"20.00", "25.00%", "SQUARE  ", "Inverse "};
    for (VstInt32 i = 0; i < 4; ++i)
        EXPECT_EQ(display(i), displays[i]);
    EXPECT_EQ(plugin.instance.dispatch(effGetProgram), 5);
}

TEST_F(TremoloParameters, SelectingTheCurrentProgramAgainChangesNothing) {
    set(1, 0.9f);
    set(2, 0.6f);
    plugin.instance.setProgram(0);
    EXPECT_EQ(plugin.instance.getParameter(1), 0.9f);
    EXPECT_EQ(plugin.instance.getParameter(2), 0.6f);
    EXPECT_EQ(display(2), "SAW DOWN");
}

TEST_F(TremoloParameters, ALongProgramNameIsCutTo23Characters) {
    std::string name = "abcdefghijklmnopqrstuvwxyz1234";
    plugin.instance.dispatch(effSetProgramName, 0, 0, name.data());
    EXPECT_EQ(plugin.instance.programName(), name.substr(0, 23));
    plugin.instance.setProgram(1);
    EXPECT_EQ(plugin.instance.programName(), "Init");
}

} // namespace
