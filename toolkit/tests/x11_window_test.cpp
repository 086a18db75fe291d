// The X11 window layer on a real (virtual) display: a form inside a foreign window, the event
// pump, mouse capture beyond the window, modal forms and close requests.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "buttons.h"
#include "extctrls.h"
#include "forms.h"
#include "x11_user.h"

#include <X11/Xlib.h>

using namespace testing_ui;

namespace {

// A host's window on a connection of the host's own.
class ForeignWindow {
public:
    ForeignWindow() : display(XOpenDisplay(nullptr)) {
        if (!display) return;
        window =
            XCreateSimpleWindow(display, DefaultRootWindow(display), 100, 80, 400, 300, 0, 0, 0);
        XMapWindow(display, window);
        XSync(display, False);
    }
    ~ForeignWindow() {
        if (!display) return;
        XDestroyWindow(display, window);
        XCloseDisplay(display);
    }
    Display* display;
    Window window = 0;
};

// Pumps the toolkit's events until done() or the time has passed.
template <class F>
bool PumpUntil(F done, std::chrono::milliseconds time = std::chrono::seconds(5)) {
    const auto end = std::chrono::steady_clock::now() + time;
    while (!done() && std::chrono::steady_clock::now() < end) {
        Application().ProcessMessages();
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return done();
}

TEST(X11Windows, AFormLivesInsideAForeignWindowAndThePumpDeliversClicks) {
    ForeignWindow host;
    ASSERT_NE(host.display, nullptr) << "no display";
    TForm form(nullptr);
    form.SetBorderStyle(bsNone);
    auto* button = new TButton(&form);
    button->SetParent(&form);
    button->SetBounds(20, 30, 75, 25);
    int clicks = 0;
    button->OnClick = [&](TObject*) { ++clicks; };
    form.SetParentWindow(host.window);
    form.SetWidth(313);
    form.SetHeight(269);
    form.Show();
    ASSERT_NE(form.Handle(), 0u);

    Window root = 0, parent = 0, *children = nullptr;
    unsigned count = 0;
    XQueryTree(host.display, static_cast<Window>(form.Handle()), &root, &parent, &children, &count);
    if (children) XFree(children);
    EXPECT_EQ(parent, host.window);
    XWindowAttributes attributes;
    XSync(host.display, False);
    Application().ProcessMessages();
    XGetWindowAttributes(host.display, static_cast<Window>(form.Handle()), &attributes);
    EXPECT_EQ(attributes.width, 313);
    EXPECT_EQ(attributes.height, 269);
    EXPECT_EQ(form.ClientOrigin(), TPoint(100, 80));
    EXPECT_EQ(button->ClientToScreen({0, 0}), TPoint(120, 110));

    ClickInWindow(form.Handle(), {40, 40});
    EXPECT_TRUE(PumpUntil([&] { return clicks == 1; }));
    ClickInWindow(form.Handle(), {200, 200});
    PumpUntil([] { return false; }, std::chrono::milliseconds(500));
    EXPECT_EQ(clicks, 1) << "a click beside the button";
}

TEST(X11Windows, APressedControlFollowsThePointerOutsideTheWindow) {
    ForeignWindow host;
    ASSERT_NE(host.display, nullptr);
    TForm form(nullptr);
    auto* knob = new TImage(&form);
    knob->SetParent(&form);
    knob->SetBounds(10, 10, 23, 23);
    TPoint last{};
    int moves = 0;
    knob->OnMouseMove = [&](TObject*, TShiftState shift, int x, int y) {
        if (!shift.Contains(ssLeft)) return;
        ++moves;
        last = {x, y};
    };
    form.SetParentWindow(host.window);
    form.SetBounds(0, 0, 100, 100);
    form.Show();
    PressInWindow(form.Handle(), {15, 15});
    MovePointerInWindow(form.Handle(), {250, 15});
    EXPECT_TRUE(PumpUntil([&] { return last == TPoint(240, 5); })) << last.X << "," << last.Y;
    ReleaseButton();
    EXPECT_GT(moves, 0);
}

TEST(X11Windows, AModalFormTakesTheInputAndOnlyItsSystemMenuHonoursCloseRequests) {
    TForm beneath(nullptr);
    beneath.SetCaption("Beneath");
    beneath.SetBounds(0, 0, 200, 100);
    auto* button = new TButton(&beneath);
    button->SetParent(&beneath);
    button->SetBounds(0, 0, 200, 100);
    int beneathClicks = 0;
    button->OnClick = [&](TObject*) { ++beneathClicks; };
    beneath.Show();

    TForm dialog(nullptr);
    dialog.SetCaption("Modal");
    dialog.SetBorderStyle(bsDialog);
    dialog.SetBorderIcons({});
    dialog.SetPosition(poDesigned);
    dialog.SetBounds(400, 300, 100, 50);
    auto* ok = new TButton(&dialog);
    ok->SetParent(&dialog);
    ok->SetModalResult(mrOk);
    ok->SetBounds(0, 0, 100, 50);
    bool stayedAfterCloseRequest = false;
    std::thread user([&] {
        const unsigned long shown = WaitForWindow("Modal");
        if (!shown) return;
        ClickInWindow(beneath.Handle(), {50, 50});
        // A window manager's close request, as the frame's close box sends it.
        Display* display = XOpenDisplay(nullptr);
        XEvent event{};
        event.xclient.type = ClientMessage;
        event.xclient.window = shown;
        event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
        event.xclient.format = 32;
        event.xclient.data.l[0] =
            static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
        XSendEvent(display, shown, False, NoEventMask, &event);
        XSync(display, False);
        XCloseDisplay(display);
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        stayedAfterCloseRequest = WindowShown("Modal");
        ClickInWindow(shown, {50, 25});
    });
    const TModalResult result = dialog.ShowModal();
    user.join();
    EXPECT_EQ(result, mrOk);
    EXPECT_TRUE(stayedAfterCloseRequest);
    Application().ProcessMessages();
    EXPECT_EQ(beneathClicks, 0) << "the window beneath took no input";
    EXPECT_FALSE(WindowShown("Modal"));
    ClickInWindow(beneath.Handle(), {50, 50});
    EXPECT_TRUE(PumpUntil([&] { return beneathClicks == 1; }));
}

} // namespace
