#include <gtest/gtest.h>

#include "aeffeditor.h"
#include "test_effect.h"

namespace {

class UpdateCounter : public AEffEditor {
public:
    UpdateCounter(AudioEffect* effect, int* destroyed) : AEffEditor(effect), destroyed(destroyed) {
        effect->setEditor(this);
    }
    ~UpdateCounter() override { ++*destroyed; }
    void update() override {
        ++updates;
        if (postDuringUpdate) postUpdate();
    }
    int updates = 0;
    bool postDuringUpdate = false;
    int* destroyed;
};

TEST(EditorBase, IdleRunsOneUpdateForAnyNumberOfPosts) {
    int destroyed = 0;
    PlainEffect effect;
    auto* editor = new UpdateCounter(&effect, &destroyed);
    editor->idle();
    EXPECT_EQ(editor->updates, 0);
    editor->postUpdate();
    editor->postUpdate();
    editor->idle();
    EXPECT_EQ(editor->updates, 1);
    editor->idle();
    EXPECT_EQ(editor->updates, 1);
}

TEST(EditorBase, APostDuringUpdateLeadsToOneMoreUpdate) {
    int destroyed = 0;
    PlainEffect effect;
    auto* editor = new UpdateCounter(&effect, &destroyed);
    editor->postDuringUpdate = true;
    editor->postUpdate();
    editor->idle();
    editor->postDuringUpdate = false;
    editor->idle();
    editor->idle();
    EXPECT_EQ(editor->updates, 2);
}

TEST(EditorBase, BaseRectAndOpen) {
    PlainEffect effect;
    AEffEditor editor(&effect);
    ERect dummy{};
    ERect* rect = &dummy;
    EXPECT_EQ(editor.getRect(&rect), 0);
    EXPECT_EQ(rect, nullptr);
    int window = 0;
    EXPECT_EQ(editor.open(&window), 0);
    editor.close();
}

TEST(EditorBase, SetEditorSetsAndClearsOnlyTheEditorFlag) {
    PlainEffect effect;
    effect.hasVu(true);
    AEffEditor editor(&effect);
    effect.setEditor(&editor);
    EXPECT_EQ(effect.getAeffect()->flags, effFlagsHasEditor | effFlagsHasVu);
    effect.setEditor(nullptr);
    EXPECT_EQ(effect.getAeffect()->flags, effFlagsHasVu);
}

TEST(EditorBase, TheEffectDestroysItsEditorOnceAndClosingDoesNot) {
    int destroyed = 0;
    {
        PlainEffect effect;
        new UpdateCounter(&effect, &destroyed);
        effect.dispatcher(effEditOpen, 0, 0, nullptr, 0.0f);
        effect.dispatcher(effEditClose, 0, 0, nullptr, 0.0f);
        EXPECT_EQ(destroyed, 0);
    }
    EXPECT_EQ(destroyed, 1);
}

} // namespace
