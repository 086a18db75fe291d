// Each deliverable of this build, loaded as a host loads it, against its row of expectations and
// against what the native build renders. The same checks run on every target.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <memory>
#include <type_traits>
#include <vector>

#include "expectations.h"
#include "host_error.h"
#include "loaded_plugin.h"
#include "options.h"
#include "render.h"
#include "render_cases.h"
#include "stack_cleanup.h"

namespace zu::crosscheck {

namespace {

using host::StereoSignal;
using testing::LoadedPlugin;

// Builds differ only in the last bits of the mathematics library's functions.
constexpr float kTolerance = 1e-5f;

class Deliverable : public ::testing::TestWithParam<std::string> {
protected:
    void SetUp() override {
        expected = findExpectations(GetParam());
        ASSERT_NE(expected, nullptr) << GetParam() << " has no row in expectations.cpp";
        plugin = std::make_unique<LoadedPlugin>(pluginFile(GetParam()));
    }

    host::PluginInstance& instance() { return plugin->instance; }

    const PluginExpectations* expected = nullptr;
    std::unique_ptr<LoadedPlugin> plugin;
};

TEST_P(Deliverable, RecordAsTheHostSeesIt) {
    const AEffect& r = instance().record();
    EXPECT_EQ(std::memcmp(&r.magic, "PtsV", 4), 0);
    EXPECT_EQ(std::memcmp(&r.uniqueID, expected->uniqueID, 4), 0);
    EXPECT_EQ(r.uniqueID, fourCharLowFirst(expected->uniqueID));
    EXPECT_EQ(r.flags, expected->flags);
    EXPECT_EQ(r.numPrograms, 16);
    EXPECT_EQ(r.numParams, expected->numParams);
    EXPECT_EQ(r.numInputs, 2);
    EXPECT_EQ(r.numOutputs, 2);
    EXPECT_EQ(r.resvd1, 0);
    EXPECT_EQ(r.resvd2, 0);
    EXPECT_EQ(r.initialDelay, 0);
    EXPECT_EQ(r.realQualities, 0);
    EXPECT_EQ(r.offQualities, 0);
    EXPECT_EQ(r.ioRatio, 1.0f);
    EXPECT_NE(r.object, nullptr);
    EXPECT_EQ(r.user, &plugin->host);
    EXPECT_EQ(r.version, 1);
    for (auto* proc :
         {reinterpret_cast<void*>(r.dispatcher), reinterpret_cast<void*>(r.process),
          reinterpret_cast<void*>(r.setParameter), reinterpret_cast<void*>(r.getParameter),
          reinterpret_cast<void*>(r.processReplacing)})
        EXPECT_NE(proc, nullptr);
    const char zeros[sizeof r.future] = {};
    EXPECT_EQ(std::memcmp(r.future, zeros, sizeof zeros), 0);
#ifdef _WIN32
    EXPECT_EQ(plugin->library.entryName(), "main") << "the only name a Windows host looks up";
#endif
}

TEST_P(Deliverable, MainAsksTheHostVersionFirstAndRefusesVersionZero) {
    const auto calls = plugin->host.calls();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].effect, nullptr);
    EXPECT_EQ(calls[0].opcode, audioMasterVersion);

    host::Host refusing({.version = 0});
    EXPECT_THROW(host::PluginInstance(plugin->library, refusing), host::HostError);
    EXPECT_EQ(refusing.calls().size(), 1u);
}

TEST_P(Deliverable, InstancesAreIndependentAndCloseAnswersOne) {
    LoadedPlugin other(pluginFile(GetParam()));
    EXPECT_NE(&other.instance.record(), &instance().record());
    const float before = other.instance.getParameter(0);
    instance().setParameter(0, before == 0.25f ? 0.75f : 0.25f);
    EXPECT_EQ(other.instance.getParameter(0), before);
    EXPECT_EQ(instance().close(), 1);
    EXPECT_EQ(other.instance.getParameter(0), before);
}

TEST_P(Deliverable, DispatcherAnswers) {
    EXPECT_EQ(instance().dispatch(effIdentify), kIdentifyAnswer);
    EXPECT_EQ(instance().dispatch(effSetSampleRate, 0, 0, nullptr, 48000.0f), 0);
    EXPECT_EQ(instance().dispatch(effSetBlockSize, 0, 512), 0);
    EXPECT_EQ(instance().dispatch(effMainsChanged, 0, 1), 0);
    EXPECT_EQ(instance().dispatch(effMainsChanged, 0, 0), 0);
    for (VstInt32 unknown : {23, 45, 58, 1000})
        EXPECT_EQ(instance().dispatch(unknown), 0) << unknown;
    if ((expected->flags & effFlagsHasEditor) == 0) {
        void* rect = nullptr;
        EXPECT_EQ(instance().dispatch(effEditGetRect, 0, 0, &rect), 0);
        EXPECT_EQ(rect, nullptr);
    }
}

TEST_P(Deliverable, ParameterTexts) {
    ASSERT_EQ(expected->parameterNames.size(), static_cast<std::size_t>(expected->numParams));
    for (VstInt32 i = 0; i < expected->numParams; ++i) {
        EXPECT_EQ(instance().parameterName(i), expected->parameterNames[i]) << i;
        EXPECT_EQ(instance().parameterLabel(i), expected->parameterLabels[i]) << i;
    }
    for (const auto& c : expected->displays) {
        instance().setParameter(c.index, c.value);
        EXPECT_EQ(instance().parameterDisplay(c.index), c.display) << c.index << " " << c.value;
        EXPECT_EQ(instance().getParameter(c.index), c.value);
    }
}

TEST_P(Deliverable, SixteenProgramsWithNamesCutTo23Characters) {
    for (VstInt32 p = 0; p < 16; ++p) {
        instance().setProgram(p);
        EXPECT_EQ(instance().dispatch(effGetProgram), p);
        EXPECT_EQ(instance().programName(), "Init") << p;
    }
    for (VstInt32 outside : {16, -1}) {
        instance().setProgram(outside);
        EXPECT_EQ(instance().dispatch(effGetProgram), 15);
    }
    std::string name(40, 'n');
    instance().dispatch(effSetProgramName, 0, 0, name.data());
    EXPECT_EQ(instance().programName(), std::string(23, 'n'));
}

#if defined(__i386__)
// Hosts call main and the record's functions with the caller-clean-up convention: a function
// that removed its own arguments would leave the host's stack pointer off after every call.
TEST_P(Deliverable, EntryAndRecordFunctionsLeaveTheArgumentsToTheCaller) {
    const auto word = [](auto value) {
        if constexpr (std::is_pointer_v<decltype(value)>)
            return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(value));
        else
            return static_cast<std::uint32_t>(value);
    };
    const auto removed = [](auto function, const std::vector<std::uint32_t>& arguments,
                            std::uint32_t& result) {
        return zuCalleeRemovedBytes(reinterpret_cast<const void*>(function), arguments.data(),
                                    static_cast<int>(arguments.size()), &result);
    };
    std::uint32_t result = 0;
    plugin->host.beginCreation();
    EXPECT_EQ(removed(plugin->library.entry(), {word(host::Host::callback())}, result), 0);
    plugin->host.endCreation();
    auto* effect = reinterpret_cast<AEffect*>(static_cast<std::uintptr_t>(result));
    ASSERT_NE(effect, nullptr);

    EXPECT_EQ(removed(effect->dispatcher, {word(effect), effIdentify, 0, 0, 0, 0}, result), 0);
    EXPECT_EQ(result, static_cast<std::uint32_t>(kIdentifyAnswer));
    const float half = 0.5f;
    std::uint32_t halfBits = 0;
    std::memcpy(&halfBits, &half, sizeof half);
    EXPECT_EQ(removed(effect->setParameter, {word(effect), 0, halfBits}, result), 0);
    EXPECT_EQ(effect->getParameter(effect, 0), 0.5f);
    float left[1] = {}, right[1] = {};
    float* channels[2] = {left, right};
    for (auto process : {effect->process, effect->processReplacing})
        EXPECT_EQ(removed(process, {word(effect), word(channels), word(channels), 1}, result), 0);
    EXPECT_EQ(removed(effect->dispatcher, {word(effect), effClose, 0, 0, 0, 0}, result), 0);
    EXPECT_EQ(result, 1u);
}
#endif

// The native build writes the reference that the other builds compare with.
TEST_P(Deliverable, RendersAsTheNativeBuild) {
    const StereoSignal input = testSignal();
    for (const auto& renderCase : kRenderCases) {
        SCOPED_TRACE(renderCase.name);
        LoadedPlugin fresh(pluginFile(GetParam()));
        fresh.instance.start(kSampleRate, kBlockSize);
        for (VstInt32 i = 0; i < expected->numParams && i < std::ssize(renderCase.values); ++i)
            fresh.instance.setParameter(i, renderCase.values[i]);
        const StereoSignal output = host::renderReplacing(fresh.instance, input, kBlockSize);
        EXPECT_GE(fresh.instance.dispatch(effGetVu), 0);
        EXPECT_EQ(fresh.instance.dispatch(effGetVu), 0) << "reading the meter clears it";

        const std::string path = referencePath(options().referenceDir, GetParam(), renderCase);
        if (options().writeReference) {
            std::filesystem::create_directories(options().referenceDir);
            writeReference(path, output);
            continue;
        }
        const StereoSignal reference = readReference(path, input.frames());
        float largest = 0.0f;
        std::size_t differing = 0, worst = 0;
        for (std::size_t i = 0; i < input.frames(); ++i) {
            const float difference = std::fmax(std::fabs(output.left[i] - reference.left[i]),
                                               std::fabs(output.right[i] - reference.right[i]));
            if (!(difference <= kTolerance)) ++differing;
            if (!(difference <= largest)) {
                largest = difference;
                worst = i;
            }
        }
        std::cout << GetParam() << " " << renderCase.name << ": largest difference " << largest
                  << " at frame " << worst << "\n";
        EXPECT_EQ(differing, 0u) << "frames differing by more than " << kTolerance
                                 << "; the largest by " << largest << " at frame " << worst;
    }
}

INSTANTIATE_TEST_SUITE_P(Built, Deliverable, ::testing::ValuesIn(builtPlugins()),
                         [](const auto& test) { return test.param; });

} // namespace

} // namespace zu::crosscheck
