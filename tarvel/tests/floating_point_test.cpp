// The effect puts the thread that creates or destroys it into non-trapping, extended-precision
// floating point, whatever mode it found.
#include <gtest/gtest.h>

#include <cfenv>
#include <fenv.h>

#include "tarvel2.h"

namespace {

#if defined(__x86_64__) || defined(__i386__)
unsigned short x87Control() {
    unsigned short control = 0;
    __asm__ __volatile__("fnstcw %0" : "=m"(control));
    return control;
}

void setX87Control(unsigned short control) {
    __asm__ __volatile__("fldcw %0" : : "m"(control));
}
#endif

class FloatingPointMode : public ::testing::Test {
protected:
    void SetUp() override { std::fegetenv(&saved); }
    void TearDown() override { std::fesetenv(&saved); }

    // Traps on division by zero and, on x86, rounds to a 53-bit mantissa.
    static void setHostileMode() {
        feenableexcept(FE_DIVBYZERO | FE_INVALID);
#if defined(__x86_64__) || defined(__i386__)
        setX87Control(static_cast<unsigned short>((x87Control() & ~0x0300u) | 0x0200u));
#endif
    }

    static void expectEffectMode() {
        EXPECT_EQ(fegetexcept(), 0) << "every exception masked";
#if defined(__x86_64__) || defined(__i386__)
        EXPECT_EQ(x87Control() & 0x0300u, 0x0300u) << "64-bit mantissa";
#endif
    }

    std::fenv_t saved;
};

TEST_F(FloatingPointMode, SetByTheConstructor) {
    setHostileMode();
    Tarvel2 effect(nullptr);
    expectEffectMode();
}

TEST_F(FloatingPointMode, SetAgainByTheDestructor) {
    auto effect = std::make_unique<Tarvel2>(nullptr);
    setHostileMode();
    effect.reset();
    expectEffectMode();
}

} // namespace
