// The command-line tools as a user runs them: their output, their errors and exit codes.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>

#include "audio_file.h"
#include "loaded_plugin.h"

namespace {

namespace fs = std::filesystem;
using zu::testing::pluginPath;

struct ToolRun {
    int exitCode; // -1 when the tool did not exit normally (a crash)
    std::string output;
};

ToolRun run(const std::string& command) {
    std::string output;
    FILE* pipe = ::popen((command + " 2>&1").c_str(), "r");
    if (pipe == nullptr) return {-1, "popen failed"};
    char buffer[4096];
    while (std::size_t n = std::fread(buffer, 1, sizeof(buffer), pipe))
        output.append(buffer, n);
    const int status = ::pclose(pipe);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, output};
}

class Tools : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("zu-tools-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir);
        zu::host::StereoSignal sine(4410);
        for (std::size_t i = 0; i < sine.frames(); ++i)
            sine.left[i] = sine.right[i] =
                0.9f * static_cast<float>(std::sin(0.05 * static_cast<double>(i)));
        zu::host::writeWavFile(path("in.wav"), sine, 44100);
    }
    void TearDown() override { fs::remove_all(dir); }
    std::string path(const std::string& name) const { return (dir / name).string(); }

    fs::path dir;
    const std::string overdrive = pluginPath("ZuOverdrive");
};

TEST_F(Tools, InspectShowsTheParameterTableAsAHostDoes) {
    const ToolRun r = run(std::string(ZU_INSPECT) + " " + overdrive);
    ASSERT_EQ(r.exitCode, 0) << r.output;
    for (const char* expected :
         {"unique ID      0x764F755A \"ZuOv\"", "flags          28 (HasVu CanMono CanReplacing)",
          "\"Drive    \"    \"  0\"          \"         \"",
          "\"Volume   \"    \"0.000 dB\"     \"dB       \"", "15  \"Init\""})
        EXPECT_NE(r.output.find(expected), std::string::npos) << expected << "\n" << r.output;
}

TEST_F(Tools, RenderMatchesProcessingThroughTheHostLibrary) {
    const ToolRun r = run(std::string(ZU_RENDER) + " " + overdrive + " " + path("in.wav") + " " +
                          path("out.wav") + " --param Drive=0.6 --param 2=0.5 --block 100");
    ASSERT_EQ(r.exitCode, 0) << r.output;
    const auto in = zu::host::readAudioFile(path("in.wav"));
    const auto out = zu::host::readAudioFile(path("out.wav"));
    ASSERT_EQ(out.sampleRate, 44100);
    ASSERT_EQ(out.signal.frames(), in.signal.frames());

    zu::testing::LoadedPlugin plugin(overdrive);
    plugin.instance.setParameter(0, 0.6f);
    plugin.instance.setParameter(2, 0.5f);
    zu::host::StereoSignal input = in.signal;
    zu::host::StereoSignal expected(input.frames());
    plugin.run(input, expected);
    EXPECT_EQ(out.signal.left, expected.left);
    EXPECT_EQ(out.signal.right, expected.right);
}

TEST_F(Tools, ErrorsAreReportedWithANonZeroExit) {
    const std::string render = std::string(ZU_RENDER) + " ";
    const std::string inspect = std::string(ZU_INSPECT) + " ";
    const std::string in = path("in.wav"), out = path("out.wav");
    const struct {
        std::string command;
        const char* message;
    } cases[] = {
        {inspect + path("missing.so"), "no such file"},
        {inspect + in, "is not a plug-in"},
        {inspect + dir.string(), "is not a plug-in"},
        {inspect, "usage"},
        {render + path("missing.so") + " " + in + " " + out, "no such file"},
        {render + in + " " + in + " " + out, "is not a plug-in"},
        {render + overdrive + " " + path("missing.wav") + " " + out, "cannot read sound file"},
        {render + overdrive + " " + in + " " + out + " --param Fuzz=0.5", "no parameter 'Fuzz'"},
        {render + overdrive + " " + in + " " + out + " --param 7=0.5", "no parameter '7'"},
        {render + overdrive + " " + in + " " + out + " --param Drive=loud", "must be a number"},
        {render + overdrive + " " + in + " " + out + " --param Drive=1.5", "must be a number"},
        {render + overdrive + " " + in + " " + out + " --param Drive=nan", "must be a number"},
        {render + overdrive + " " + in + " " + out + " --param Drive", "NAME=VALUE"},
        {render + overdrive + " " + in + " " + out + " --program 16", "programs 0 to 15"},
        {render + overdrive + " " + in + " " + out + " --block 0", "at least 1"},
        {render + overdrive + " " + in + " " + out + " --block", "needs a value"},
        {render + overdrive + " " + in + " " + out + " --loud", "unknown option"},
        {render + overdrive + " " + in + " " + path("no/such/dir/out.wav"), "cannot write"},
    };
    for (const auto& c : cases) {
        const ToolRun r = run(c.command);
        EXPECT_EQ(r.exitCode, c.message == std::string("usage") ? 2 : 1) << c.command << "\n"
                                                                         << r.output;
        EXPECT_NE(r.output.find(c.message), std::string::npos) << c.command << "\n" << r.output;
    }
    EXPECT_FALSE(fs::exists(out));
}

} // namespace
