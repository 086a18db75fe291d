#include "aeffeditor.h"

AEffEditor::AEffEditor(AudioEffect* effect)
    : effect(effect), systemWindow(nullptr), updateFlag(0) {}

AEffEditor::~AEffEditor() = default;

std::int32_t AEffEditor::getRect(ERect** rect) {
    *rect = nullptr;
    return 0;
}

std::int32_t AEffEditor::open(void* ptr) {
    systemWindow = ptr;
    return 0;
}

void AEffEditor::close() {}

void AEffEditor::idle() {
    if (updateFlag != 0) {
        updateFlag = 0;
        update();
    }
}

void AEffEditor::update() {}

void AEffEditor::postUpdate() {
    updateFlag = 1;
}
