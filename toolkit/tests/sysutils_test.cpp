#include <gtest/gtest.h>

#include <clocale>
#include <cmath>

#include "ansi.h"
#include "sysutils.h"

namespace {

TEST(StrToFloat, ReadsPlainDecimalsWithAPoint) {
    const struct {
        const char* text;
        double value;
    } cases[] = {{"0", 0},         {"50", 50},     {"-5", -5},        {"5.4", 5.4}, {" 7 ", 7},
                 {"5.", 5},        {".5", 0.5},    {"-0.01", -0.01},  {"+3", 3},    {"1e3", 1000},
                 {"2.5E-1", 0.25}, {"000012", 12}, {"\t-40\r\n", -40}};
    for (const auto& c : cases)
        EXPECT_EQ(StrToFloat(c.text), c.value) << c.text;
}

TEST(StrToFloat, RejectsWhatIsNoPlainNumber) {
    for (const char* text : {"", "-", "+", ".", "-.", "-Inf", "Inf", "NaN", "nan", "1,5", "5.4.3",
                             "--5", "5-", "1e", "1e+", "0x10", "1e999", "12 34", "abc"}) {
        try {
            StrToFloat(text);
            ADD_FAILURE() << "'" << text << "' was accepted";
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message(),
                      "'" + std::string(text) + "' is not a valid floating point value");
        }
    }
}

TEST(StrToFloat, IgnoresTheLocalesDecimalSeparator) {
    // Where a locale with a comma is installed, the point still holds; elsewhere this checks
    // the C locale.
    const std::string before = std::setlocale(LC_ALL, nullptr);
    for (const char* name : {"de_DE.UTF-8", "fr_FR.UTF-8", "C"})
        if (std::setlocale(LC_ALL, name)) break;
    EXPECT_EQ(StrToFloat("5.4"), 5.4);
    EXPECT_THROW(StrToFloat("5,4"), EConvertError);
    EXPECT_EQ(FloatToStr(5.39), "5.39");
    std::setlocale(LC_ALL, before.c_str());
}

TEST(FloatToStr, WritesTheShortestFormWithFifteenDigits) {
    const struct {
        double value;
        const char* text;
    } cases[] = {{5.4 - 0.01, "5.39"},   {0.1 + 0.2, "0.3"},
                 {-10, "-10"},           {0, "0"},
                 {1000009, "1000009"},   {0.25, "0.25"},
                 {123456.7, "123456.7"}, {1.0 / 3, "0.333333333333333"},
                 {-0.5, "-0.5"},         {1e20, "1e+20"}};
    for (const auto& c : cases)
        EXPECT_EQ(FloatToStr(c.value), c.text) << c.value;
    double sum = 0;
    for (int i = 0; i < 10; ++i)
        sum = StrToFloat(FloatToStr(sum + 0.1));
    EXPECT_EQ(FloatToStr(sum), "1");
}

TEST(Trim, RemovesBlanksAndControlCharacters) {
    EXPECT_EQ(Trim(" 50"), "50");
    EXPECT_EQ(Trim("\t\r\n 5 0 \x01"), "5 0");
    EXPECT_EQ(Trim("   "), "");
    EXPECT_EQ(Trim("\xB2"), "\xB2") << "characters above 127 stay";
}

TEST(AnsiToUtf8, ConvertsWindows1252) {
    EXPECT_EQ(AnsiToUtf8("Zu Tarvel\xB2"), "Zu Tarvel\u00B2");
    EXPECT_EQ(AnsiToUtf8("\x80 \x9F \xE9 \xFF"), "\u20AC \u0178 \u00E9 \u00FF");
    EXPECT_EQ(AnsiToUtf8("\x81"), "\uFFFD");
    EXPECT_EQ(AnsiToUtf8("plain"), "plain");
}

} // namespace
