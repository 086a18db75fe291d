// Test set-up without a display: forms open headless windows while it exists.
#pragma once

#include <string>

#include "forms.h"
#include "headless.h"

namespace testing_ui {

class HeadlessScreen {
public:
    HeadlessScreen();
    ~HeadlessScreen();
    HeadlessScreen(const HeadlessScreen&) = delete;
    HeadlessScreen& operator=(const HeadlessScreen&) = delete;

    // What to do when a form is shown modally; it must set a modal result.
    void OnModal(std::function<void(TForm&)> handler) { FWindows->OnModal = std::move(handler); }

private:
    HeadlessWindowSystem* FWindows;
};

// The caption of the message label of a standard message box.
std::string MessageText(TForm& box);

// Writes a render for people to look at: <build>/renders/<name>.png. Returns the path.
std::string SaveRender(const TBitmap& bitmap, const std::string& name);

} // namespace testing_ui
