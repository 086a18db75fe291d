// The hook a later editor plugs into: every parameter store posts an editor update.
#include <gtest/gtest.h>

#include "aeffeditor.h"
#include "tarvel2.h"

namespace {

class PostCounter : public AEffEditor {
public:
    explicit PostCounter(AudioEffect* effect) : AEffEditor(effect) { effect->setEditor(this); }
    void postUpdate() override { ++posts; }
    int posts = 0;
};

TEST(Tarvel2EditorHook, EveryParameterStorePostsAnUpdate) {
    Tarvel2 effect(nullptr);
    auto* editor = new PostCounter(&effect); // owned by the effect from here
    EXPECT_EQ(effect.getAeffect()->flags, 29);
    for (VstInt32 index : {0, 1, 2, 3, 4, 5, -1, 6})
        effect.setParameter(index, 0.5f);
    EXPECT_EQ(editor->posts, 8) << "unknown indices post too";
    effect.setProgram(2);
    EXPECT_EQ(editor->posts, 14) << "a program change sets all six";
    effect.setParameterAutomated(Tarvel2::kMix, 0.25f);
    EXPECT_EQ(editor->posts, 15);
    EXPECT_EQ(effect.getParameter(Tarvel2::kMix), 0.25f);
}

} // namespace
