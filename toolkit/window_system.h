// What a form needs of the platform's windows. The X11 implementation draws into real windows;
// the headless one keeps forms in memory for tests and renders.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "classes.h"

class TForm;

// A native handle: an X11 window id, zero for none.
using TNativeWindow = std::uintptr_t;

class NativeWindow {
public:
    virtual ~NativeWindow() = default;
    // Asks for the form to be drawn again soon.
    virtual void Invalidate() = 0;
    // The screen position of the client area's top-left corner.
    virtual TPoint ClientOrigin() const = 0;
    virtual void SetClientSize(int width, int height) = 0;
    virtual TNativeWindow Handle() const = 0;
};

class WindowSystem {
public:
    virtual ~WindowSystem() = default;
    // Opens and shows the window of a form: inside the foreign window `parent`, or, when that
    // is zero, as a top-level window at `position` (screen coordinates).
    virtual std::unique_ptr<NativeWindow> OpenWindow(TForm& form, TNativeWindow parent,
                                                     TPoint position) = 0;
    // Handles events until the form's ModalResult is set.
    virtual void RunModal(TForm& form) = 0;
    // Handles the events that are waiting, without blocking, and draws what needs it.
    virtual void ProcessEvents() = 0;
    virtual TSize ScreenSize() const = 0;
};
