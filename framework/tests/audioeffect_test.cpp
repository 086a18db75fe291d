#include <gtest/gtest.h>

#include <cstring>

#include "recording_callback.h"
#include "test_effect.h"

namespace {

TEST(AudioEffectRecord, ConstructorFillsTheRecord) {
    PlainEffect effect(nullptr, 3, 5);
    const AEffect& r = *effect.getAeffect();
    EXPECT_EQ(std::memcmp(&r.magic, "PtsV", 4), 0);
    EXPECT_EQ(r.numPrograms, 3);
    EXPECT_EQ(r.numParams, 5);
    EXPECT_EQ(r.numInputs, 1);
    EXPECT_EQ(r.numOutputs, 2);
    EXPECT_EQ(r.flags, 0);
    EXPECT_EQ(r.resvd1, 0);
    EXPECT_EQ(r.resvd2, 0);
    EXPECT_EQ(r.initialDelay, 0);
    EXPECT_EQ(r.realQualities, 0);
    EXPECT_EQ(r.offQualities, 0);
    EXPECT_EQ(r.ioRatio, 1.0f);
    EXPECT_EQ(r.object, static_cast<AudioEffect*>(&effect));
    EXPECT_EQ(r.user, nullptr);
    EXPECT_EQ(r.uniqueID, 0x4E6F4566);
    EXPECT_EQ(r.version, 1);
    EXPECT_NE(r.dispatcher, nullptr);
    EXPECT_NE(r.process, nullptr);
    EXPECT_NE(r.processReplacing, nullptr);
    for (char c : r.future)
        EXPECT_EQ(c, 0);
    EXPECT_EQ(effect.getSampleRate(), 44100.0f);
    EXPECT_EQ(effect.getBlockSize(), 1024);
    EXPECT_EQ(effect.getProgram(), 0);
}

TEST(AudioEffectRecord, SettersChangeOnlyTheirField) {
    PlainEffect effect;
    const AEffect& r = *effect.getAeffect();
    effect.setNumInputs(2);
    effect.setNumOutputs(4);
    effect.setUniqueID(fourCharLowFirst("ZuTr"));
    effect.setInitialDelay(1102);
    effect.setRealtimeQualities(3);
    effect.setOfflineQualities(4);
    EXPECT_EQ(r.numInputs, 2);
    EXPECT_EQ(r.numOutputs, 4);
    EXPECT_EQ(r.uniqueID, 0x7254755A);
    EXPECT_EQ(std::memcmp(&r.uniqueID, "ZuTr", 4), 0);
    EXPECT_EQ(r.initialDelay, 1102);
    EXPECT_EQ(r.realQualities, 3);
    EXPECT_EQ(r.offQualities, 4);
}

TEST(AudioEffectRecord, FlagSettersTouchOnlyTheirBit) {
    PlainEffect effect;
    const AEffect& r = *effect.getAeffect();
    effect.hasVu(true);
    effect.canMono(true);
    effect.canProcessReplacing(true);
    EXPECT_EQ(r.flags, 28);
    effect.hasClip(true);
    EXPECT_EQ(r.flags, 30);
    effect.hasVu(false);
    EXPECT_EQ(r.flags, 26);
    effect.hasClip(false);
    effect.canMono(false);
    EXPECT_EQ(r.flags, 16);
}

TEST(AudioEffectDefaults, TextOperationsWriteEmptyTexts) {
    PlainEffect effect;
    char text[8] = "xxxxxxx";
    for (auto op : {&AudioEffect::setProgramName, &AudioEffect::getProgramName}) {
        std::strcpy(text, "xxxxxxx");
        (effect.*op)(text);
        EXPECT_STREQ(text, "");
    }
    for (auto op : {&AudioEffect::getParameterLabel, &AudioEffect::getParameterDisplay,
                    &AudioEffect::getParameterName}) {
        std::strcpy(text, "xxxxxxx");
        (effect.*op)(1, text);
        EXPECT_STREQ(text, "");
    }
    EXPECT_EQ(effect.getParameter(0), 0.0f);
    EXPECT_EQ(effect.getVu(), 0.0f);
}

TEST(AudioEffectDefaults, ProgramAndRates) {
    PlainEffect effect;
    effect.setProgram(9);
    EXPECT_EQ(effect.getProgram(), 9);
    effect.setSampleRate(96000.0f);
    effect.setBlockSize(64);
    EXPECT_EQ(effect.getSampleRate(), 96000.0f);
    EXPECT_EQ(effect.getBlockSize(), 64);
}

class HostQueries : public ::testing::Test {
protected:
    void SetUp() override { RecordingCallback::reset(0); }
    PlainEffect effect{RecordingCallback::callback};
    PlainEffect orphan{nullptr};
};

TEST_F(HostQueries, EachQuerySendsItsOpcodeWithTheRecord) {
    RecordingCallback::answer = 0;
    EXPECT_EQ(effect.getMasterVersion(), 1);
    RecordingCallback::answer = 2;
    EXPECT_EQ(effect.getMasterVersion(), 2);
    RecordingCallback::answer = 0x1234;
    EXPECT_EQ(effect.getCurrentUniqueId(), 0x1234);
    effect.masterIdle();
    RecordingCallback::answer = 0;
    EXPECT_TRUE(effect.isInputConnected(1));
    RecordingCallback::answer = 1;
    EXPECT_FALSE(effect.isInputConnected(1));
    EXPECT_FALSE(effect.isOutputConnected(0));

    const VstInt32 opcodes[] = {1, 1, 2, 3, 4, 4, 4};
    const VstInt32 indices[] = {0, 0, 0, 0, 1, 1, 0};
    const VstIntPtr values[] = {0, 0, 0, 0, 0, 0, 1};
    ASSERT_EQ(RecordingCallback::calls.size(), 7u);
    for (std::size_t i = 0; i < 7; ++i) {
        const CallbackCall& c = RecordingCallback::calls[i];
        EXPECT_EQ(c.effect, effect.getAeffect()) << i;
        EXPECT_EQ(c.opcode, opcodes[i]) << i;
        EXPECT_EQ(c.index, indices[i]) << i;
        EXPECT_EQ(c.value, values[i]) << i;
        EXPECT_EQ(c.ptr, nullptr) << i;
        EXPECT_EQ(c.opt, 0.0f) << i;
    }
}

TEST_F(HostQueries, WithoutACallbackTheFallbacksHold) {
    EXPECT_EQ(orphan.getMasterVersion(), 1);
    EXPECT_EQ(orphan.getCurrentUniqueId(), 0);
    orphan.masterIdle();
    EXPECT_TRUE(orphan.isInputConnected(0));
    EXPECT_TRUE(orphan.isOutputConnected(1));
}

class StoringEffect : public PlainEffect {
public:
    using PlainEffect::PlainEffect;
    void setParameter(VstInt32 index, float value) override {
        stored[index] = value;
        callsBeforeStore = RecordingCallback::calls.size();
    }
    float stored[4] = {};
    std::size_t callsBeforeStore = 99;
};

TEST_F(HostQueries, SetParameterAutomatedStoresThenNotifiesTheHost) {
    StoringEffect automated(RecordingCallback::callback);
    automated.setParameterAutomated(2, 0.75f);
    EXPECT_EQ(automated.stored[2], 0.75f);
    EXPECT_EQ(automated.callsBeforeStore, 0u);
    ASSERT_EQ(RecordingCallback::calls.size(), 1u);
    const CallbackCall& c = RecordingCallback::calls[0];
    EXPECT_EQ(c.effect, automated.getAeffect());
    EXPECT_EQ(c.opcode, audioMasterAutomate);
    EXPECT_EQ(c.index, 2);
    EXPECT_EQ(c.value, 0);
    EXPECT_EQ(c.ptr, nullptr);
    EXPECT_EQ(c.opt, 0.75f);

    StoringEffect alone(nullptr);
    alone.setParameterAutomated(1, 0.25f);
    EXPECT_EQ(alone.stored[1], 0.25f);
}

} // namespace
