// ZuLoFi through its real entry point: the record, the texts and the programs.
#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <string>

#include "loaded_plugin.h"
#include "parameter_checks.h"
#include "record_checks.h"

namespace {

using zu::testing::LoadedPlugin;
using zu::testing::pluginPath;

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();

class LoFiTexts : public ::testing::Test {
protected:
    void set(VstInt32 index, float value) { plugin.instance.setParameter(index, value); }
    std::string display(VstInt32 index) { return plugin.instance.parameterDisplay(index); }

    LoadedPlugin plugin{pluginPath("ZuLoFi")};
};

TEST_F(LoFiTexts, RecordAsTheHostSeesIt) {
    EXPECT_EQ(plugin.instance.record().uniqueID, 0x464C755A);
    zu::testing::expectEffectRecord(plugin, "ZuLF", 28, 3);
}

TEST_F(LoFiTexts, NamesAndUnits) {
    const char* names[] = {"Bit      ", "Rate     ", "Interpolate"};
    const char* labels[] = {"Depth    ", "Hz       ", "         "};
    for (VstInt32 i = 0; i < 3; ++i) {
        EXPECT_EQ(plugin.instance.parameterName(i), names[i]);
        EXPECT_EQ(plugin.instance.parameterLabel(i), labels[i]);
    }
}

TEST_F(LoFiTexts, ValueTexts) {
    const struct {
        VstInt32 index;
        float value;
        const char* display;
    } cases[] = {
        {0, 0.0f, " 2"},         {0, 1.0f / 14.0f, " 3"},  {0, 0.5f, " 9"},
        {0, 0.58f, "10"},        {0, 0.999f, "15"},        {0, 1.0f, "16"},
        {1, 0.0f, "100"},        {1, 0.5f, "20050"},       {1, 0.25f, "10075"},
        {1, 0.999f, "39960"},    {1, 1.0f, "40000"},       {2, 0.0f, "No      "},
        {2, 0.5f, "No      "},   {2, 0.5005f, "No      "}, {2, 0.5006f, "Yes     "},
        {2, 0.501f, "Yes     "}, {2, 1.0f, "Yes     "},
    };
    for (const auto& c : cases) {
        set(c.index, c.value);
        EXPECT_EQ(display(c.index), c.display) << c.index << " " << c.value;
        EXPECT_EQ(plugin.instance.getParameter(c.index), c.value);
    }
}

// Values a host should not send stay within each parameter's range.
TEST_F(LoFiTexts, ValuesOutsideTheRangeShowTheNearestEnd) {
    const struct {
        float value;
        const char* bit;
        const char* rate;
        const char* interpolate;
    } cases[] = {
        {kNaN, " 2", "100", "No      "},    {kInf, "16", "40000", "Yes     "},
        {-kInf, " 2", "100", "No      "},   {2.0f, "16", "40000", "Yes     "},
        {-1.0f, " 2", "100", "No      "},   {1e30f, "16", "40000", "Yes     "},
        {-1e-30f, " 2", "100", "No      "},
    };
    for (const auto& c : cases) {
        for (VstInt32 i = 0; i < 3; ++i)
            set(i, c.value);
        EXPECT_EQ(display(0), c.bit) << c.value;
        EXPECT_EQ(display(1), c.rate) << c.value;
        EXPECT_EQ(display(2), c.interpolate) << c.value;
    }
}

TEST_F(LoFiTexts, UnknownIndicesAreIgnored) {
    zu::testing::expectUnknownIndicesIgnored(plugin.instance);
}

TEST_F(LoFiTexts, SixteenInitProgramsEachWithItsOwnValuesAndName) {
    for (VstInt32 p = 0; p < 16; ++p) {
        plugin.instance.setProgram(p);
        EXPECT_EQ(plugin.instance.programName(), "Init") << p;
        EXPECT_EQ(plugin.instance.getParameter(0), 1.0f);
        EXPECT_EQ(plugin.instance.getParameter(1), 1.0f);
        EXPECT_EQ(plugin.instance.getParameter(2), 0.0f);
        EXPECT_EQ(display(0), "16");
        EXPECT_EQ(display(1), "40000");
        EXPECT_EQ(display(2), "No      ");
    }
    plugin.instance.setProgram(5);
    set(0, 0.5f);
    set(1, 0.25f);
    set(2, 1.0f);
    char name[] = "Crushed";
    plugin.instance.dispatch(effSetProgramName, 0, 0, name);
    plugin.instance.setProgram(0);
    EXPECT_EQ(display(0), "16");
    EXPECT_EQ(display(1), "40000");
    EXPECT_EQ(display(2), "No      ");
    EXPECT_EQ(plugin.instance.programName(), "Init");
    plugin.instance.setProgram(5);
    EXPECT_EQ(plugin.instance.getParameter(1), 0.25f);
    EXPECT_EQ(display(0), " 9");
    EXPECT_EQ(display(1), "10075");
    EXPECT_EQ(display(2), "Yes     ");
    EXPECT_EQ(plugin.instance.programName(), "Crushed");
}

TEST_F(LoFiTexts, ALongProgramNameIsCutTo23Characters) {
    std::string name = std::string(23, 'x') + "beyond the field";
    plugin.instance.dispatch(effSetProgramName, 0, 0, name.data());
    EXPECT_EQ(plugin.instance.programName(), std::string(23, 'x'));
}

} // namespace
