// The value entry dialog as a real X11 window, operated with real clicks (xdotool) while its
// modal loop runs.
#include <gtest/gtest.h>

#include <map>
#include <thread>

#include "editor_resources.h"
#include "inputform.h"
#include "x11_user.h"

using namespace testing_ui;

namespace {

class InputDialogOnX11 : public ::testing::Test {
protected:
    explicit InputDialogOnX11() {
        dialog.Image->Picture()->Assign(&background);
        // Where the keys are, read before the user's thread starts.
        for (int i = 0; i < dialog.ComponentCount(); ++i)
            if (auto* key = dynamic_cast<TSpeedButton*>(dialog.Components(i)))
                keys[key->Name()] = {key->Left() + key->Width() / 2,
                                     key->Top() + key->Height() / 2};
    }

    void Click(unsigned long window, const std::string& key) {
        ClickInWindow(window, keys.at("SpeedButton" + key));
    }

    TPicture background = EditorPicture("background");
    TFormInput dialog{nullptr};
    std::map<std::string, TPoint> keys;
};

TEST_F(InputDialogOnX11, ReturnsTheValueTypedWithTheMouse) {
    dialog.SetCaption("Threshold in samples");
    dialog.SetUp(1, 1000, "50");
    bool found = false;
    std::thread user([&] {
        const unsigned long window = WaitForWindow("Threshold in samples");
        found = window != 0;
        if (!found) return;
        for (const char* key : {"Clear", "4", "2", "0", "Comma", "5", "Enter"})
            Click(window, key);
    });
    const TModalResult result = dialog.ShowModal();
    user.join();
    ASSERT_TRUE(found) << "the dialog did not appear";
    EXPECT_EQ(result, mrOk);
    EXPECT_DOUBLE_EQ(dialog.GetValue(), 420.5);
    EXPECT_EQ(dialog.Panel->Caption(), "420.5");
}

TEST_F(InputDialogOnX11, AnErrorBoxAppearsForAMinusAndTheDialogStaysOpen) {
    dialog.SetCaption("Output volume");
    dialog.SetUp(-40, 6, "");
    bool boxShown = false;
    bool dialogStayed = false;
    bool boxClosed = false;
    std::thread user([&] {
        const unsigned long window = WaitForWindow("Output volume");
        if (!window) return;
        Click(window, "Minus");
        Click(window, "Enter");
        const unsigned long box = WaitForWindow("Error");
        boxShown = box != 0;
        dialogStayed = WindowShown("Output volume");
        if (boxShown) {
            // The box's OK button sits centred, 12 pixels above its bottom edge.
            const TSize size = WindowSize(box);
            ClickInWindow(box, {size.cx / 2, size.cy - 25});
            for (int i = 0; i < 50 && WindowShown("Error"); ++i)
                std::this_thread::sleep_for(std::chrono::milliseconds(100));
            boxClosed = !WindowShown("Error");
        }
        // The "-" is still there: a 5 after it makes -5.
        Click(window, "5");
        Click(window, "Enter");
    });
    const TModalResult result = dialog.ShowModal();
    user.join();
    EXPECT_TRUE(boxShown) << "no error box appeared";
    EXPECT_TRUE(dialogStayed);
    EXPECT_TRUE(boxClosed);
    EXPECT_EQ(result, mrOk);
    EXPECT_DOUBLE_EQ(dialog.GetValue(), -5.0);
}

} // namespace
