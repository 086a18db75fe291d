#include <gtest/gtest.h>

#include <new>

#include "entry.h"
#include "recording_callback.h"
#include "test_effect.h"

namespace {

struct Counted : PlainEffect {
    explicit Counted(audioMasterCallback audioMaster) : PlainEffect(audioMaster) { ++alive; }
    ~Counted() override { --alive; }
    void close() override { ++closes; }
    static inline int alive = 0;
    static inline int closes = 0;
};

struct Unbuildable : PlainEffect {
    explicit Unbuildable(audioMasterCallback audioMaster) : PlainEffect(audioMaster) {
        throw std::bad_alloc();
    }
};

TEST(Entry, RefusesWhenTheHostAnswersVersionZero) {
    RecordingCallback::reset(0);
    EXPECT_EQ(zu::createEffectInstance<Counted>(RecordingCallback::callback), nullptr);
    EXPECT_EQ(Counted::alive, 0);
    ASSERT_EQ(RecordingCallback::calls.size(), 1u);
    EXPECT_EQ(RecordingCallback::calls[0].effect, nullptr);
    EXPECT_EQ(RecordingCallback::calls[0].opcode, audioMasterVersion);
}

TEST(Entry, RefusesWithoutACallback) {
    EXPECT_EQ(zu::createEffectInstance<Counted>(nullptr), nullptr);
    EXPECT_EQ(Counted::alive, 0);
}

TEST(Entry, AskForTheVersionFirstWithANullRecord) {
    RecordingCallback::reset(2400);
    AEffect* e = zu::createEffectInstance<Counted>(RecordingCallback::callback);
    ASSERT_NE(e, nullptr);
    ASSERT_EQ(RecordingCallback::calls.size(), 1u);
    const CallbackCall& c = RecordingCallback::calls[0];
    EXPECT_EQ(c.effect, nullptr);
    EXPECT_EQ(c.opcode, audioMasterVersion);
    EXPECT_EQ(c.index, 0);
    EXPECT_EQ(c.value, 0);
    EXPECT_EQ(c.ptr, nullptr);
    EXPECT_EQ(c.opt, 0.0f);
    e->dispatcher(e, effClose, 0, 0, nullptr, 0.0f);
}

TEST(Entry, AFailedConstructionGivesNull) {
    RecordingCallback::reset(2400);
    EXPECT_EQ(zu::createEffectInstance<Unbuildable>(RecordingCallback::callback), nullptr);
}

TEST(Entry, EachCallMakesAnIndependentInstanceAndCloseDestroysIt) {
    RecordingCallback::reset(2);
    Counted::closes = 0;
    AEffect* a = zu::createEffectInstance<Counted>(RecordingCallback::callback);
    AEffect* b = zu::createEffectInstance<Counted>(RecordingCallback::callback);
    ASSERT_NE(a, nullptr);
    ASSERT_NE(b, nullptr);
    EXPECT_NE(a, b);
    EXPECT_EQ(Counted::alive, 2);
    a->dispatcher(a, effSetProgram, 0, 3, nullptr, 0.0f);
    EXPECT_EQ(a->dispatcher(a, effGetProgram, 0, 0, nullptr, 0.0f), 3);
    EXPECT_EQ(b->dispatcher(b, effGetProgram, 0, 0, nullptr, 0.0f), 0);
    EXPECT_EQ(a->dispatcher(a, effClose, 0, 0, nullptr, 0.0f), 1);
    EXPECT_EQ(Counted::closes, 1);
    EXPECT_EQ(Counted::alive, 1);
    EXPECT_EQ(b->dispatcher(b, effClose, 0, 0, nullptr, 0.0f), 1);
    EXPECT_EQ(Counted::alive, 0);
}

struct Forwarded : PlainEffect {
    using PlainEffect::PlainEffect;
    void process(float** in, float** out, VstInt32 n) override { log = {"process", in, out, n}; }
    void processReplacing(float** in, float** out, VstInt32 n) override {
        log = {"replacing", in, out, n};
    }
    void setParameter(VstInt32 index, float value) override { params[index] = value; }
    float getParameter(VstInt32 index) override { return params[index] + 1.0f; }
    struct Log {
        const char* what;
        float** in;
        float** out;
        VstInt32 frames;
    } log{};
    float params[4] = {};
};

TEST(Entry, TheRecordsFunctionsReachTheVirtualOperations) {
    Forwarded effect;
    AEffect* r = effect.getAeffect();
    float* in[2] = {};
    float* out[2] = {};
    r->process(r, in, out, 17);
    EXPECT_STREQ(effect.log.what, "process");
    EXPECT_EQ(effect.log.in, in);
    EXPECT_EQ(effect.log.out, out);
    EXPECT_EQ(effect.log.frames, 17);
    r->processReplacing(r, in, out, 5);
    EXPECT_STREQ(effect.log.what, "replacing");
    EXPECT_EQ(effect.log.frames, 5);
    r->setParameter(r, 2, 0.25f);
    EXPECT_EQ(effect.params[2], 0.25f);
    EXPECT_EQ(r->getParameter(r, 2), 1.25f);
}

} // namespace
