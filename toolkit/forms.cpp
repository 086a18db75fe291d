#include "forms.h"

#include <algorithm>
#include <utility>

#include "layout.h"
#include "x11_window_system.h"

namespace {

constexpr std::array<EnumName<TFormBorderStyle>, 4> kBorderStyleNames{{
    {"bsNone", bsNone},
    {"bsSingle", bsSingle},
    {"bsSizeable", bsSizeable},
    {"bsDialog", bsDialog},
}};

constexpr std::array<EnumName<TBorderIcon>, 3> kBorderIconNames{{
    {"biSystemMenu", biSystemMenu},
    {"biMinimize", biMinimize},
    {"biMaximize", biMaximize},
}};

constexpr std::array<EnumName<TPosition>, 2> kPositionNames{{
    {"poDesigned", poDesigned},
    {"poScreenCenter", poScreenCenter},
}};

bool anyButton(TShiftState shift) {
    return shift.Contains(ssLeft) || shift.Contains(ssRight) || shift.Contains(ssMiddle);
}

} // namespace

TForm::TForm(TComponent* AOwner) : TWinControl(AOwner) {
    SetParentFont(false);
    SetBounds(0, 0, 320, 240);
}

TForm::~TForm() {
    BeginDestroy();
    CloseWindow();
    std::erase(Application().FModal, this);
}

void TForm::SetParentWindow(TNativeWindow window) {
    FParentWindow = window;
    if (FWindow) {
        CloseWindow();
        OpenWindow(window);
    }
}

TNativeWindow TForm::Handle() const {
    return FWindow ? FWindow->Handle() : 0;
}

void TForm::OpenWindow(TNativeWindow parent) {
    TPoint position{Left(), Top()};
    if (parent != 0) {
        position = {0, 0};
    } else if (FPosition == poScreenCenter) {
        const TSize screen = Application().Windows().ScreenSize();
        position = {(screen.cx - Width()) / 2, (screen.cy - Height()) / 2};
    }
    FWindow = Application().Windows().OpenWindow(*this, parent, position);
}

void TForm::CloseWindow() {
    FWindow.reset();
    FCapture = nullptr;
    FClickTarget = nullptr;
    FLeftPressed = false;
}

void TForm::Show() {
    SetVisible(true);
    if (!FWindow) OpenWindow(FParentWindow);
}

void TForm::Hide() {
    CloseWindow();
    SetVisible(false);
}

TModalResult TForm::ShowModal() {
    if (FModal || FWindow) throw Exception("a shown form cannot be shown modally");
    TApplication& app = Application();
    FModalResult = mrNone;
    FModal = true;
    app.FModal.push_back(this);
    struct Ending {
        TForm& form;
        ~Ending() {
            form.Hide();
            form.FModal = false;
            std::erase(Application().FModal, &form);
        }
    } ending{*this};
    SetVisible(true);
    OpenWindow(0);
    app.Windows().RunModal(*this);
    return FModalResult;
}

void TForm::SetBounds(int left, int top, int width, int height) {
    TWinControl::SetBounds(left, top, width, height);
    if (FWindow) FWindow->SetClientSize(width, height);
}

TPoint TForm::ClientOrigin() {
    return FWindow ? FWindow->ClientOrigin() : TPoint{Left(), Top()};
}

bool TForm::SetProperty(std::string_view name, const LayoutValue& value, LayoutReader& reader) {
    if (name == "BorderStyle")
        SetBorderStyle(reader.Enum(value, kBorderStyleNames));
    else if (name == "BorderIcons")
        SetBorderIcons(reader.Set(value, kBorderIconNames));
    else if (name == "Position")
        SetPosition(reader.Enum(value, kPositionNames));
    else if (name == "ClientWidth")
        SetClientWidth(reader.Integer(value));
    else if (name == "ClientHeight")
        SetClientHeight(reader.Integer(value));
    else
        return TWinControl::SetProperty(name, value, reader);
    return true;
}

bool TForm::AcceptsInput() const {
    const TForm* top = Application().ModalForm();
    return top == nullptr || top == this;
}

TPoint TForm::ToControl(TControl* control, TPoint p) {
    for (TControl* c = control; c && c != this; c = c->Parent())
        p = p - TPoint{c->Left(), c->Top()};
    return p;
}

template <class F> void TForm::Guarded(F&& f) {
    try {
        f();
    } catch (const Exception& e) {
        Application().ShowException(e);
    }
}

void TForm::HandleMouseDown(TMouseButton button, TShiftState shift, TPoint p) {
    if (!AcceptsInput()) {
        FCapture = nullptr;
        FLeftPressed = false;
        return;
    }
    if (!FCapture) {
        TControl* under = ControlAtPos(p);
        FCapture = under ? under : this;
        FLeftPressed = false;
    }
    if (button == mbLeft) FLeftPressed = true;
    TControl* target = FCapture;
    const TPoint local = ToControl(target, p);
    Guarded([&] { target->MouseDown(button, shift, local.X, local.Y); });
}

void TForm::HandleMouseMove(TShiftState shift, TPoint p) {
    if (!AcceptsInput()) return;
    TControl* target = FCapture;
    if (!target) {
        TControl* under = ControlAtPos(p);
        target = under ? under : this;
    }
    const TPoint local = ToControl(target, p);
    Guarded([&] { target->MouseMove(shift, local.X, local.Y); });
}

void TForm::HandleMouseUp(TMouseButton button, TShiftState shift, TPoint p) {
    if (!AcceptsInput() || !FCapture) {
        FCapture = nullptr;
        FLeftPressed = false;
        return;
    }
    TControl* target = FCapture;
    const TPoint local = ToControl(target, p);
    if (button == mbLeft && FLeftPressed) {
        FLeftPressed = false;
        if (target->ClickEvents() && target->ClientRect().Contains(local)) FClickTarget = target;
    }
    if (!anyButton(shift)) FCapture = nullptr;
    Guarded([&] {
        target->MouseUp(button, shift, local.X, local.Y);
        if (TControl* clicked = std::exchange(FClickTarget, nullptr)) clicked->Click();
    });
    FClickTarget = nullptr;
}

void TForm::HandleCloseRequest() {
    if (!AcceptsInput() || !FBorderIcons.Contains(biSystemMenu)) return;
    if (FModal)
        FModalResult = mrCancel;
    else
        Hide();
}

void TForm::PaintTo(TCanvas& canvas) {
    canvas.PushClip({0, 0}, ClientRect());
    PaintControl(*this, canvas);
    canvas.PopClip();
}

void TForm::Paint(TCanvas& canvas) {
    canvas.Brush.Color = Color();
    canvas.FillRect(ClientRect());
}

void TForm::InvalidateWindow() {
    if (FWindow) FWindow->Invalidate();
}

void TForm::ControlDestroyed(TControl* control) {
    if (FCapture == control) FCapture = nullptr;
    if (FClickTarget == control) FClickTarget = nullptr;
}

// TApplication

TApplication::TApplication() = default;
TApplication::~TApplication() = default;

TApplication& Application() {
    static TApplication application;
    return application;
}

WindowSystem& TApplication::Windows() {
    if (!FWindows) FWindows = OpenX11WindowSystem();
    return *FWindows;
}

void TApplication::SetWindowSystem(std::unique_ptr<WindowSystem> windows) {
    FWindows = std::move(windows);
}

void TApplication::ProcessMessages() {
    if (FWindows) FWindows->ProcessEvents();
}

void TApplication::MessageBox(const std::string& text, const std::string& caption) {
    constexpr int kMargin = 16;
    TForm box(nullptr);
    box.SetName("MessageBox");
    box.SetCaption(caption);
    box.SetBorderStyle(bsDialog);
    box.SetBorderIcons({biSystemMenu});
    box.SetPosition(poScreenCenter);
    auto* message = new TLabel(&box);
    message->SetName("Message");
    message->SetParent(&box);
    message->SetCaption(text);
    message->SetLeft(kMargin);
    message->SetTop(kMargin);
    auto* ok = new TButton(&box);
    ok->SetName("OK");
    ok->SetParent(&box);
    ok->SetCaption("OK");
    ok->SetModalResult(mrOk);
    const int width = std::max(message->Width() + 2 * kMargin, 2 * kMargin + ok->Width());
    const int buttonTop = message->Top() + message->Height() + kMargin;
    ok->SetBounds((width - ok->Width()) / 2, buttonTop, ok->Width(), ok->Height());
    box.SetClientWidth(width);
    box.SetClientHeight(buttonTop + ok->Height() + kMargin / 2 + 4);
    box.ShowModal();
}

void TApplication::ShowException(const Exception& e) {
    std::string message = e.Message();
    if (!message.empty() && message.back() != '.') message += '.';
    MessageBox(message, "Error");
}
