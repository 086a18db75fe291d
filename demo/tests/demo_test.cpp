#include <gtest/gtest.h>

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "audio_file.h"
#include "plan.h"
#include "sounds.h"

namespace {

namespace fs = std::filesystem;

class Demo : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("zu-demo-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir / "plans");
    }
    void TearDown() override { fs::remove_all(dir); }
    void writePlan(const std::string& name, const std::string& text) {
        std::ofstream(dir / "plans" / name) << text;
    }
    fs::path dir;
};

TEST_F(Demo, PlansListRenderingsWithSettingsAndPrograms) {
    writePlan("ZuOverdrive.plan", "# comment\n\nsine-sweep  hot  program=3 Drive=1 2=0.5 # tail\n");
    const auto plan = zu::demo::readPlan((dir / "plans" / "ZuOverdrive.plan").string());
    ASSERT_EQ(plan.size(), 1u);
    EXPECT_EQ(plan[0].plugin, "ZuOverdrive");
    EXPECT_EQ(plan[0].sound, "sine-sweep");
    EXPECT_EQ(plan[0].label, "hot");
    EXPECT_EQ(plan[0].program, 3);
    EXPECT_EQ(plan[0].settings, (std::vector<std::string>{"Drive=1", "2=0.5"}));

    writePlan("Bad.plan", "sine-sweep\n");
    EXPECT_THROW(zu::demo::readPlan((dir / "plans" / "Bad.plan").string()), std::runtime_error);
}

TEST_F(Demo, SoundsAreAudibleAndWithinFullScale) {
    ASSERT_FALSE(zu::demo::soundNames().empty());
    for (const std::string& name : zu::demo::soundNames()) {
        const auto s = zu::demo::makeSound(name, 44100);
        EXPECT_GT(s.frames(), 44100u) << name;
        float peak = 0.0f;
        for (std::size_t i = 0; i < s.frames(); ++i)
            peak = std::max({peak, std::fabs(s.left[i]), std::fabs(s.right[i])});
        EXPECT_GT(peak, 0.1f) << name;
        EXPECT_LE(peak, 1.0f) << name;
    }
    EXPECT_THROW(zu::demo::makeSound("no-such-sound", 44100), std::invalid_argument);
}

TEST_F(Demo, RendersSoundsPicturesAndReportsErrors) {
    writePlan("ZuOverdrive.plan", "sine-sweep  hot  Drive=1\n");
    const std::string command = std::string(ZU_DEMO) + " " + (dir / "out").string() + " " +
                                ZU_PLUGIN_DIR + " " + (dir / "plans").string();
    ASSERT_EQ(std::system((command + " >/dev/null").c_str()), 0);
    const auto in = zu::host::readAudioFile((dir / "out" / "input-sine-sweep.wav").string());
    const auto out = zu::host::readAudioFile((dir / "out" / "ZuOverdrive-hot.wav").string());
    EXPECT_EQ(out.signal.frames(), in.signal.frames());
    EXPECT_NE(out.signal.left, in.signal.left);
    cairo_surface_t* png =
        cairo_image_surface_create_from_png((dir / "out" / "ZuOverdrive-hot.png").c_str());
    EXPECT_EQ(cairo_surface_status(png), CAIRO_STATUS_SUCCESS);
    EXPECT_EQ(cairo_image_surface_get_width(png), 1200);
    cairo_surface_destroy(png);

    writePlan("ZuOverdrive.plan", "sine-sweep  hot  Fuzz=1\n");
    EXPECT_NE(std::system((command + " 2>/dev/null").c_str()), 0);
}

} // namespace
