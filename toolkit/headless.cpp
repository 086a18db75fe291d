#include "headless.h"

#include <stdexcept>

#include "forms.h"

namespace {

class HeadlessWindow : public NativeWindow {
public:
    HeadlessWindow(TPoint origin, TNativeWindow handle) : FOrigin(origin), FHandle(handle) {}
    void Invalidate() override {}
    TPoint ClientOrigin() const override { return FOrigin; }
    void SetClientSize(int, int) override {}
    TNativeWindow Handle() const override { return FHandle; }

private:
    TPoint FOrigin;
    TNativeWindow FHandle;
};

} // namespace

std::unique_ptr<NativeWindow> HeadlessWindowSystem::OpenWindow(TForm&, TNativeWindow parent,
                                                               TPoint position) {
    // A form inside a foreign window sits at that window's origin, taken as the screen's.
    return std::make_unique<HeadlessWindow>(parent ? TPoint{} : position, FNextHandle++);
}

void HeadlessWindowSystem::RunModal(TForm& form) {
    if (!OnModal) throw std::logic_error("a form was shown modally with nobody to answer it");
    OnModal(form);
    if (form.ModalResult() == mrNone) throw std::logic_error("the modal form was left open");
}
