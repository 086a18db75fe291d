#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "test_effect.h"

namespace {

struct FloatCase {
    float value;
    const char* text;
};

class Formatters : public ::testing::Test {
protected:
    std::string text(void (AudioEffect::*formatter)(float, char*), float value) {
        char buffer[64];
        std::memset(buffer, 'X', sizeof(buffer));
        (effect.*formatter)(value, buffer);
        EXPECT_EQ(buffer[std::strlen(buffer) + 1], 'X') << "wrote past the terminator";
        return buffer;
    }
    PlainEffect effect;
};

TEST_F(Formatters, Float2stringWritesEightCharactersTruncatingTheFraction) {
    const FloatCase cases[] = {
        {0.0f, "0.000000"},         {1.5f, "1.500000"},        {-2.5f, "-2.50000"},
        {12.5f, "12.50000"},        {0.1f, "0.100000"},        {1234567.0f, "1234567."},
        {-0.25f, "-0.25000"},       {99.99f, "99.98999"},      {100000000.0f, " Huge!  "},
        {-10000000.0f, " Huge!  "}, {-9999999.0f, "-999999."},
    };
    for (const auto& c : cases)
        EXPECT_EQ(text(&AudioEffect::float2string, c.value), c.text) << c.value;
}

TEST_F(Formatters, Float2stringCountsNaNAndInfinityAsOutOfRange) {
    EXPECT_EQ(text(&AudioEffect::float2string, std::numeric_limits<float>::quiet_NaN()),
              " Huge!  ");
    EXPECT_EQ(text(&AudioEffect::float2string, std::numeric_limits<float>::infinity()), " Huge!  ");
    EXPECT_EQ(text(&AudioEffect::float2string, -std::numeric_limits<float>::infinity()),
              " Huge!  ");
}

TEST_F(Formatters, Db2string) {
    EXPECT_EQ(text(&AudioEffect::dB2string, 1.0f), "0.000000");
    EXPECT_EQ(text(&AudioEffect::dB2string, 0.5f), "-6.02059");
    EXPECT_EQ(text(&AudioEffect::dB2string, 0.0f), "   -\xB0   ");
    EXPECT_EQ(text(&AudioEffect::dB2string, -1.0f), "   -\xB0   ");
    const std::string minusInfinity = text(&AudioEffect::dB2string, 0.0f);
    const unsigned char bytes[] = {0x20, 0x20, 0x20, 0x2D, 0xB0, 0x20, 0x20, 0x20};
    ASSERT_EQ(minusInfinity.size(), sizeof(bytes));
    EXPECT_EQ(std::memcmp(minusInfinity.data(), bytes, sizeof(bytes)), 0);
}

TEST_F(Formatters, HzAndMsUseTheSampleRate) {
    EXPECT_EQ(text(&AudioEffect::Hz2string, 0.0f), "0.000000");
    EXPECT_EQ(text(&AudioEffect::Hz2string, 100.0f), "441.0000");
    EXPECT_EQ(text(&AudioEffect::ms2string, 44100.0f), "1000.000");
    effect.setSampleRate(48000.0f);
    EXPECT_EQ(text(&AudioEffect::ms2string, 480.0f), "10.00000");
}

// A derived float2string is used by the other formatters.
class ShoutingEffect : public PlainEffect {
public:
    void float2string(float, char* text) override { std::strcpy(text, "override"); }
};

TEST(FormattersOverride, OtherFormattersCallTheVirtualFloat2string) {
    ShoutingEffect effect;
    char buffer[16];
    effect.dB2string(0.5f, buffer);
    EXPECT_STREQ(buffer, "override");
    effect.Hz2string(10.0f, buffer);
    EXPECT_STREQ(buffer, "override");
}

TEST_F(Formatters, Long2string) {
    const struct {
        VstInt32 value;
        const char* text;
    } cases[] = {
        {42, "     42"},         {0, "      0"},           {99999999, "99999999"},
        {100000000, " Huge!  "}, {-123456789, "-1234567"}, {-5, "     -5"},
    };
    for (const auto& c : cases) {
        char buffer[32];
        std::memset(buffer, 'X', sizeof(buffer));
        effect.long2string(c.value, buffer);
        EXPECT_STREQ(buffer, c.text) << c.value;
    }
}

} // namespace
