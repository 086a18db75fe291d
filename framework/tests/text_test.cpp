#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "text.h"

namespace {

TEST(ProgramName, LongNamesAreCutTo23Characters) {
    const struct {
        std::string given;
        std::string kept;
    } cases[] = {{"", ""},
                 {"Init", "Init"},
                 {std::string(23, 'a'), std::string(23, 'a')},
                 {std::string(24, 'b'), std::string(23, 'b')},
                 {std::string(200, 'c'), std::string(23, 'c')}};
    for (const auto& c : cases) {
        char name[zu::kProgramNameSize];
        std::memset(name, 'X', sizeof(name));
        zu::copyProgramName(name, c.given.c_str());
        EXPECT_EQ(std::string(name), c.kept);
    }
}

TEST(FormatText, CutsLongTextsAtTheBufferLimit) {
    char text[64];
    std::memset(text, 'X', sizeof(text));
    zu::formatText(text, "%.3f dB", 1e30);
    EXPECT_EQ(std::strlen(text), zu::kMaxTextSize - 1);
    EXPECT_EQ(text[zu::kMaxTextSize], 'X');
    zu::formatText(text, "%3i", 7);
    EXPECT_STREQ(text, "  7");
}

} // namespace
