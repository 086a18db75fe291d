#include "x11_window_system.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <string>

#include "ansi.h"
#include "forms.h"
#include "render.h"
#include "sysutils.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <poll.h>

namespace {

int ignoreErrors(Display*, XErrorEvent*) {
    return 0;
}

// Runs f with X errors ignored (a foreign parent may already be gone), leaving the handler as
// it was.
template <class F> void withErrorsIgnored(Display* display, F&& f) {
    XSync(display, False);
    auto previous = XSetErrorHandler(ignoreErrors);
    f();
    XSync(display, False);
    XSetErrorHandler(previous);
}

TShiftState shiftState(unsigned state) {
    TShiftState shift;
    if (state & ShiftMask) shift << ssShift;
    if (state & ControlMask) shift << ssCtrl;
    if (state & Mod1Mask) shift << ssAlt;
    if (state & Button1Mask) shift << ssLeft;
    if (state & Button2Mask) shift << ssMiddle;
    if (state & Button3Mask) shift << ssRight;
    return shift;
}

bool mouseButton(unsigned button, TMouseButton& result, TShiftStateFlag& flag) {
    switch (button) {
    case Button1:
        result = mbLeft, flag = ssLeft;
        return true;
    case Button2:
        result = mbMiddle, flag = ssMiddle;
        return true;
    case Button3:
        result = mbRight, flag = ssRight;
        return true;
    default:
        return false;
    }
}

// Where an 8-bit colour value goes in a pixel of the visual: the mask's position and width.
class PixelChannel {
public:
    explicit PixelChannel(unsigned long mask) {
        if (mask == 0) return;
        while (!(mask >> FShift & 1))
            ++FShift;
        int width = 0;
        while (mask >> (FShift + width) & 1)
            ++width;
        FBits = std::min(width, 8);
        FShift += width - FBits; // the value's top bits go to the top of the mask
    }
    unsigned long Place(std::uint32_t value) const {
        return FBits == 0 ? 0ul
                          : static_cast<unsigned long>((value & 0xFF) >> (8 - FBits)) << FShift;
    }

private:
    int FShift = 0;
    int FBits = 0;
};

class X11WindowSystem;

class X11Window : public NativeWindow {
public:
    X11Window(X11WindowSystem& system, TForm& form, TNativeWindow parent, TPoint position);
    ~X11Window() override;

    void Invalidate() override { FDirty = true; }
    TPoint ClientOrigin() const override;
    void SetClientSize(int width, int height) override;
    TNativeWindow Handle() const override { return FWindow; }

    TForm& Form() { return FForm; }
    void PaintIfDirty();

private:
    void SetTopLevelProperties(TPoint position);

    X11WindowSystem& FSystem;
    TForm& FForm;
    Window FWindow = 0;
    Visual* FVisual = nullptr;
    int FDepth = 0;
    GC FGC = nullptr;
    bool FDirty = true;
};

class X11WindowSystem : public WindowSystem {
public:
    explicit X11WindowSystem(Display* display) : FDisplay(display) {
        FProtocols = XInternAtom(display, "WM_PROTOCOLS", False);
        FDeleteWindow = XInternAtom(display, "WM_DELETE_WINDOW", False);
    }
    ~X11WindowSystem() override { XCloseDisplay(FDisplay); }

    std::unique_ptr<NativeWindow> OpenWindow(TForm& form, TNativeWindow parent,
                                             TPoint position) override {
        return std::make_unique<X11Window>(*this, form, parent, position);
    }

    void RunModal(TForm& form) override {
        while (form.ModalResult() == mrNone) {
            HandlePending();
            if (form.ModalResult() != mrNone) break;
            PaintAll();
            XFlush(FDisplay);
            pollfd fd{ConnectionNumber(FDisplay), POLLIN, 0};
            if (!XPending(FDisplay)) poll(&fd, 1, 100);
        }
    }

    void ProcessEvents() override {
        HandlePending();
        PaintAll();
        XFlush(FDisplay);
    }

    TSize ScreenSize() const override {
        const int screen = DefaultScreen(FDisplay);
        return {DisplayWidth(FDisplay, screen), DisplayHeight(FDisplay, screen)};
    }

    Display* Connection() const { return FDisplay; }
    Atom DeleteWindowAtom() const { return FDeleteWindow; }
    void Add(Window window, X11Window* w) { FWindows[window] = w; }
    void Remove(Window window) { FWindows.erase(window); }

private:
    void HandlePending() {
        while (XPending(FDisplay)) {
            XEvent event;
            XNextEvent(FDisplay, &event);
            // Only the newest of a run of moves matters; events after the run keep their place.
            while (event.type == MotionNotify && XPending(FDisplay)) {
                XEvent next;
                XPeekEvent(FDisplay, &next);
                if (next.type != MotionNotify || next.xmotion.window != event.xmotion.window) break;
                XNextEvent(FDisplay, &event);
            }
            Dispatch(event);
        }
    }

    void PaintAll() {
        // Painting never opens or closes windows, so the map stays as it is meanwhile.
        for (auto& [window, w] : FWindows)
            w->PaintIfDirty();
    }

    void Dispatch(const XEvent& event) {
        auto found = FWindows.find(event.xany.window);
        if (found == FWindows.end()) return;
        X11Window& w = *found->second;
        TMouseButton button = mbLeft;
        TShiftStateFlag flag = ssLeft;
        switch (event.type) {
        case Expose:
            w.Invalidate();
            break;
        case ButtonPress:
            if (mouseButton(event.xbutton.button, button, flag))
                w.Form().HandleMouseDown(button, shiftState(event.xbutton.state) << flag,
                                         {event.xbutton.x, event.xbutton.y});
            break;
        case ButtonRelease:
            if (mouseButton(event.xbutton.button, button, flag))
                w.Form().HandleMouseUp(button, shiftState(event.xbutton.state) >> flag,
                                       {event.xbutton.x, event.xbutton.y});
            break;
        case MotionNotify:
            w.Form().HandleMouseMove(shiftState(event.xmotion.state),
                                     {event.xmotion.x, event.xmotion.y});
            break;
        case ClientMessage:
            if (event.xclient.message_type == FProtocols &&
                static_cast<Atom>(event.xclient.data.l[0]) == FDeleteWindow)
                w.Form().HandleCloseRequest();
            break;
        default:
            break;
        }
    }

    Display* FDisplay;
    Atom FProtocols;
    Atom FDeleteWindow;
    std::map<Window, X11Window*> FWindows;
};

X11Window::X11Window(X11WindowSystem& system, TForm& form, TNativeWindow parent, TPoint position)
    : FSystem(system), FForm(form) {
    Display* display = system.Connection();
    const int screen = DefaultScreen(display);
    const Window parentWindow = parent ? static_cast<Window>(parent) : RootWindow(display, screen);
    const auto width = static_cast<unsigned>(std::max(form.Width(), 1));
    const auto height = static_cast<unsigned>(std::max(form.Height(), 1));
    const int x = parent ? 0 : position.X;
    const int y = parent ? 0 : position.Y;
    FWindow = XCreateSimpleWindow(display, parentWindow, x, y, width, height, 0, 0, 0);
    XSelectInput(display, FWindow,
                 ExposureMask | ButtonPressMask | ButtonReleaseMask | PointerMotionMask |
                     StructureNotifyMask);
    if (!parent) SetTopLevelProperties(position);
    XWindowAttributes attributes;
    XGetWindowAttributes(display, FWindow, &attributes);
    FVisual = attributes.visual;
    FDepth = attributes.depth;
    FGC = XCreateGC(display, FWindow, 0, nullptr);
    system.Add(FWindow, this);
    XMapRaised(display, FWindow);
    XFlush(display);
}

X11Window::~X11Window() {
    FSystem.Remove(FWindow);
    XFreeGC(FSystem.Connection(), FGC);
    Display* display = FSystem.Connection();
    withErrorsIgnored(display, [&] { XDestroyWindow(display, FWindow); });
}

void X11Window::SetTopLevelProperties(TPoint position) {
    Display* display = FSystem.Connection();
    const std::string caption = FForm.Caption();
    const std::string utf8 = AnsiToUtf8(caption);
    XChangeProperty(display, FWindow, XA_WM_NAME, XA_STRING, 8, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(caption.data()),
                    static_cast<int>(caption.size()));
    XChangeProperty(display, FWindow, XInternAtom(display, "_NET_WM_NAME", False),
                    XInternAtom(display, "UTF8_STRING", False), 8, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(utf8.data()),
                    static_cast<int>(utf8.size()));

    XSizeHints* hints = XAllocSizeHints();
    hints->flags = USPosition | PPosition;
    hints->x = position.X;
    hints->y = position.Y;
    if (FForm.BorderStyle() != bsSizeable) {
        hints->flags |= PMinSize | PMaxSize;
        hints->min_width = hints->max_width = FForm.Width();
        hints->min_height = hints->max_height = FForm.Height();
    }
    XSetWMNormalHints(display, FWindow, hints);
    XFree(hints);

    // The window manager asks before closing; the form decides.
    Atom deleteWindow = FSystem.DeleteWindowAtom();
    XSetWMProtocols(display, FWindow, &deleteWindow, 1);

    // Frame decorations and functions, in the Motif hints that window managers read.
    constexpr long kFunctions = 1, kDecorations = 2;
    constexpr long kFunctionMove = 4, kFunctionClose = 32;
    constexpr long kDecorBorder = 2, kDecorTitle = 8, kDecorMenu = 16;
    long motif[5] = {kFunctions | kDecorations, kFunctionMove, 0, 0, 0};
    if (FForm.BorderIcons().Contains(biSystemMenu)) motif[1] |= kFunctionClose;
    if (FForm.BorderStyle() != bsNone) {
        motif[2] = kDecorBorder | kDecorTitle;
        if (FForm.BorderIcons().Contains(biSystemMenu)) motif[2] |= kDecorMenu;
    }
    Atom motifAtom = XInternAtom(display, "_MOTIF_WM_HINTS", False);
    XChangeProperty(display, FWindow, motifAtom, motifAtom, 32, PropModeReplace,
                    reinterpret_cast<unsigned char*>(motif), 5);
}

TPoint X11Window::ClientOrigin() const {
    Display* display = FSystem.Connection();
    int x = 0;
    int y = 0;
    Window child = 0;
    XTranslateCoordinates(display, FWindow, DefaultRootWindow(display), 0, 0, &x, &y, &child);
    return {x, y};
}

void X11Window::SetClientSize(int width, int height) {
    if (width <= 0 || height <= 0) return;
    XResizeWindow(FSystem.Connection(), FWindow, static_cast<unsigned>(width),
                  static_cast<unsigned>(height));
    FDirty = true;
}

// The form is drawn in memory, as for a headless render, and the picture is put into the
// window in the visual's own pixel layout.
void X11Window::PaintIfDirty() {
    if (!FDirty) return;
    FDirty = false;
    const TBitmap picture = RenderToBitmap(FForm);
    Display* display = FSystem.Connection();
    XImage* image = XCreateImage(display, FVisual, static_cast<unsigned>(FDepth), ZPixmap, 0,
                                 nullptr, static_cast<unsigned>(picture.Width()),
                                 static_cast<unsigned>(picture.Height()), 32, 0);
    if (!image) return;
    image->data = static_cast<char*>(std::malloc(static_cast<std::size_t>(image->bytes_per_line) *
                                                 static_cast<std::size_t>(picture.Height())));
    if (!image->data) {
        XDestroyImage(image);
        return;
    }
    const PixelChannel red(FVisual->red_mask), green(FVisual->green_mask), blue(FVisual->blue_mask);
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x) {
            const std::uint32_t rgb = picture.Pixel(x, y);
            XPutPixel(image, x, y, red.Place(rgb >> 16) | green.Place(rgb >> 8) | blue.Place(rgb));
        }
    XPutImage(display, FWindow, FGC, image, 0, 0, 0, 0, static_cast<unsigned>(picture.Width()),
              static_cast<unsigned>(picture.Height()));
    XDestroyImage(image);
}

} // namespace

std::unique_ptr<WindowSystem> OpenX11WindowSystem() {
    Display* display = XOpenDisplay(nullptr);
    if (!display) throw Exception("cannot open the X display");
    return std::make_unique<X11WindowSystem>(display);
}
