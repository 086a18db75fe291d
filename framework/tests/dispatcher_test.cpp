#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "aeffeditor.h"
#include "test_effect.h"

namespace {

using ::testing::_;
using ::testing::InSequence;
using ::testing::Return;
using ::testing::StrictMock;

class Dispatcher : public ::testing::Test {
protected:
    VstIntPtr dispatch(VstInt32 opcode, VstInt32 index = 0, VstIntPtr value = 0,
                       void* ptr = nullptr, float opt = 0.0f) {
        return effect.dispatcher(opcode, index, value, ptr, opt);
    }
    StrictMock<RecordingEffect> effect;
    char buffer[64] = {};
};

TEST_F(Dispatcher, ForwardsEachOpcodeToItsOperation) {
    InSequence order;
    EXPECT_CALL(effect, open());
    EXPECT_CALL(effect, close());
    EXPECT_CALL(effect, setProgram(5));
    EXPECT_CALL(effect, getProgram()).WillOnce(Return(7));
    EXPECT_CALL(effect, setProgramName(buffer));
    EXPECT_CALL(effect, getProgramName(buffer));
    EXPECT_CALL(effect, getParameterLabel(2, buffer));
    EXPECT_CALL(effect, getParameterDisplay(3, buffer));
    EXPECT_CALL(effect, getParameterName(1, buffer));
    EXPECT_CALL(effect, setSampleRate(48000.0f));
    EXPECT_CALL(effect, setBlockSize(256));

    EXPECT_EQ(dispatch(effOpen), 0);
    EXPECT_EQ(dispatch(effClose), 0);
    EXPECT_EQ(dispatch(effSetProgram, 0, 5), 0);
    EXPECT_EQ(dispatch(effGetProgram), 7);
    EXPECT_EQ(dispatch(effSetProgramName, 0, 0, buffer), 0);
    EXPECT_EQ(dispatch(effGetProgramName, 0, 0, buffer), 0);
    EXPECT_EQ(dispatch(effGetParamLabel, 2, 0, buffer), 0);
    EXPECT_EQ(dispatch(effGetParamDisplay, 3, 0, buffer), 0);
    EXPECT_EQ(dispatch(effGetParamName, 1, 0, buffer), 0);
    EXPECT_EQ(dispatch(effSetSampleRate, 0, 0, nullptr, 48000.0f), 0);
    EXPECT_EQ(dispatch(effSetBlockSize, 0, 256), 0);
}

TEST_F(Dispatcher, SetProgramOnlyWithinTheProgramCount) {
    EXPECT_CALL(effect, setProgram(0));
    EXPECT_CALL(effect, setProgram(15));
    std::vector<VstIntPtr> values = {-1, 0, 15, 16};
    // Where the value is wider than 32 bits: one whose low half alone would be program 0.
    if (sizeof(VstIntPtr) > 4) values.push_back(static_cast<VstIntPtr>(std::int64_t{1} << 40));
    for (VstIntPtr value : values)
        EXPECT_EQ(dispatch(effSetProgram, 0, value), 0);
}

TEST_F(Dispatcher, MainsChangedZeroSuspendsAnythingElseResumes) {
    InSequence order;
    EXPECT_CALL(effect, suspend());
    EXPECT_CALL(effect, resume()).Times(3);
    for (VstIntPtr value : {0, 1, -1, 7})
        EXPECT_EQ(dispatch(effMainsChanged, 0, value), 0);
}

TEST_F(Dispatcher, VuIsScaledAndTruncated) {
    const struct {
        float vu;
        VstIntPtr answer;
    } cases[] = {{0.0f, 0},          {0.5f, 16383},
                 {1.0f, 32767},      {-0.5f, -16383},
                 {1e30f, INT32_MAX}, {std::numeric_limits<float>::quiet_NaN(), INT32_MIN}};
    for (const auto& c : cases) {
        EXPECT_CALL(effect, getVu()).WillOnce(Return(c.vu));
        EXPECT_EQ(dispatch(effGetVu), c.answer) << c.vu;
    }
}

TEST_F(Dispatcher, IdentifiesAndAnswersZeroToEverythingElse) {
    EXPECT_EQ(dispatch(effIdentify), 0x4E764566);
    // Editor opcodes without an editor, and opcodes the effect does not know, change nothing.
    for (VstInt32 opcode : {13, 14, 15, 16, 17, 18, 19, 20, 21, 23, 26, 35, 45, 58, -1, 1000})
        EXPECT_EQ(dispatch(opcode, 1, 2, buffer, 3.0f), 0) << opcode;
}

class CountingEditor : public AEffEditor {
public:
    explicit CountingEditor(AudioEffect* effect) : AEffEditor(effect) { effect->setEditor(this); }
    std::int32_t getRect(ERect** rect) override {
        *rect = &size;
        return 1;
    }
    std::int32_t open(void* window) override {
        opened = window;
        return 1;
    }
    void close() override { ++closes; }
    void update() override { ++updates; }
    ERect size{0, 0, 269, 313};
    void* opened = nullptr;
    int closes = 0;
    int updates = 0;
};

TEST(DispatcherWithEditor, ForwardsTheFourEditorOpcodes) {
    PlainEffect effect;
    auto* editor = new CountingEditor(&effect);
    int window = 0;
    ERect* rect = nullptr;
    EXPECT_EQ(effect.dispatcher(effEditGetRect, 0, 0, &rect, 0.0f), 1);
    EXPECT_EQ(rect, &editor->size);
    EXPECT_EQ(effect.dispatcher(effEditOpen, 0, 0, &window, 0.0f), 1);
    EXPECT_EQ(editor->opened, &window);
    editor->postUpdate();
    EXPECT_EQ(effect.dispatcher(effEditIdle, 0, 0, nullptr, 0.0f), 0);
    EXPECT_EQ(editor->updates, 1);
    EXPECT_EQ(effect.dispatcher(effEditClose, 0, 0, nullptr, 0.0f), 0);
    EXPECT_EQ(editor->closes, 1);
    for (VstInt32 opcode : {16, 17, 18, 20, 21})
        EXPECT_EQ(effect.dispatcher(opcode, 0, 0, &window, 0.0f), 0);
    EXPECT_EQ(editor->closes, 1);
    EXPECT_EQ(editor->updates, 1);
}

} // namespace
