// A window system without a display: forms keep their windows in memory, input comes from the
// caller, and a modal form is handed to OnModal, which must end it (for example by clicking
// one of its buttons through the form's input).
#pragma once

#include <functional>

#include "window_system.h"

class HeadlessWindowSystem : public WindowSystem {
public:
    std::unique_ptr<NativeWindow> OpenWindow(TForm& form, TNativeWindow parent,
                                             TPoint position) override;
    // Throws std::logic_error when no OnModal is set or it leaves the form open.
    void RunModal(TForm& form) override;
    void ProcessEvents() override {}
    TSize ScreenSize() const override { return {1024, 768}; }

    std::function<void(TForm&)> OnModal;

private:
    TNativeWindow FNextHandle = 1;
};
