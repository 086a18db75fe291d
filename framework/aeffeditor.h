// Base class of an effect's own editor window; the window itself belongs to the subclass.
#pragma once

#include <cstdint>

#include "relaxed.h"

class AudioEffect;

struct ERect {
    std::int16_t top;
    std::int16_t left;
    std::int16_t bottom;
    std::int16_t right;
};
static_assert(sizeof(ERect) == 8);

class AEffEditor {
public:
    explicit AEffEditor(AudioEffect* effect);
    virtual ~AEffEditor();
    AEffEditor(const AEffEditor&) = delete;
    AEffEditor& operator=(const AEffEditor&) = delete;

    virtual std::int32_t getRect(ERect** rect);
    virtual std::int32_t open(void* ptr);
    virtual void close();
    // Runs `update` once for any number of `postUpdate` calls since the last idle.
    virtual void idle();
    virtual void update();
    // May be called from any thread.
    virtual void postUpdate();

protected:
    AudioEffect* effect;
    void* systemWindow;
    Relaxed<std::int32_t> updateFlag;
};
