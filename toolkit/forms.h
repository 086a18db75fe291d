// Forms: the root of a control tree, with the only native window. A form is shown inside a
// foreign window (ParentWindow), as a top-level window, or modally with a modal result.
#pragma once

#include <memory>
#include <string>

#include "controls.h"
#include "stdctrls.h"
#include "sysutils.h"
#include "window_system.h"

enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog };
enum TBorderIcon { biSystemMenu, biMinimize, biMaximize };
using TBorderIcons = TSet<TBorderIcon>;
enum TPosition { poDesigned, poScreenCenter };

class TForm : public TWinControl {
public:
    explicit TForm(TComponent* AOwner);
    ~TForm() override;

    TFormBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TFormBorderStyle style) { FBorderStyle = style; }
    TBorderIcons BorderIcons() const { return FBorderIcons; }
    void SetBorderIcons(TBorderIcons icons) { FBorderIcons = icons; }
    TPosition Position() const { return FPosition; }
    void SetPosition(TPosition position) { FPosition = position; }
    // The form's width and height are those of its client area; the frame lies outside.
    int ClientWidth() const { return Width(); }
    int ClientHeight() const { return Height(); }
    void SetClientWidth(int width) { SetWidth(width); }
    void SetClientHeight(int height) { SetHeight(height); }

    // A foreign native window that the form is shown inside; zero for none.
    TNativeWindow ParentWindow() const { return FParentWindow; }
    void SetParentWindow(TNativeWindow window);
    // The form's own native window while it is shown; zero otherwise.
    TNativeWindow Handle() const;

    // Setting a result other than mrNone ends ShowModal.
    TModalResult ModalResult() const { return FModalResult; }
    void SetModalResult(TModalResult result) { FModalResult = result; }
    // Shows the form as a top-level window and handles events until a modal result is set;
    // other forms take no input meanwhile. Returns the result.
    TModalResult ShowModal();
    void Show();
    void Hide();
    bool Showing() const { return FWindow != nullptr; }

    void SetBounds(int left, int top, int width, int height) override;
    TPoint ClientOrigin() override;
    bool SetProperty(std::string_view name, const LayoutValue& value,
                     LayoutReader& reader) override;

    // Input from the window system, in client coordinates. Exceptions of the toolkit raised by
    // the handlers are shown in the standard error box.
    void HandleMouseDown(TMouseButton button, TShiftState shift, TPoint p);
    void HandleMouseMove(TShiftState shift, TPoint p);
    void HandleMouseUp(TMouseButton button, TShiftState shift, TPoint p);
    // The frame's close box or the window manager asks to close: honoured only when the form
    // has a system menu (a modal form then ends with mrCancel).
    void HandleCloseRequest();
    // Whether the form takes input now: no modal form is shown above it.
    bool AcceptsInput() const;

    // Draws the whole form (its client area) at the canvas origin.
    void PaintTo(TCanvas& canvas);
    void Paint(TCanvas& canvas) override;
    void InvalidateWindow();
    // A control is going away; the form forgets it as the mouse's target.
    void ControlDestroyed(TControl* control);

private:
    void OpenWindow(TNativeWindow parent);
    void CloseWindow();
    TPoint ToControl(TControl* control, TPoint p);
    template <class F> void Guarded(F&& f);

    TFormBorderStyle FBorderStyle = bsSizeable;
    TBorderIcons FBorderIcons{biSystemMenu, biMinimize, biMaximize};
    TPosition FPosition = poDesigned;
    TNativeWindow FParentWindow = 0;
    TModalResult FModalResult = mrNone;
    bool FModal = false;
    std::unique_ptr<NativeWindow> FWindow;
    // The control that took the last press; it gets the mouse until every button is up.
    TControl* FCapture = nullptr;
    // The control that gets Click after the left button's release, while that is handled.
    TControl* FClickTarget = nullptr;
    bool FLeftPressed = false;
};

// The program-wide state of the toolkit: the window system, the stack of modal forms and the
// standard error report.
class TApplication {
public:
    TApplication();
    ~TApplication();

    // The window system forms open their windows in; X11 unless another was set.
    WindowSystem& Windows();
    void SetWindowSystem(std::unique_ptr<WindowSystem> windows);
    // Handles waiting events of every form (for a host's idle request).
    void ProcessMessages();

    // Shows a modal message box with an OK button.
    void MessageBox(const std::string& text, const std::string& caption);
    // The standard error report: a message box with the exception's message.
    void ShowException(const Exception& e);

    // The modal form on top, or null.
    TForm* ModalForm() const { return FModal.empty() ? nullptr : FModal.back(); }

private:
    friend class TForm;
    std::unique_ptr<WindowSystem> FWindows;
    std::vector<TForm*> FModal;
};

TApplication& Application();
