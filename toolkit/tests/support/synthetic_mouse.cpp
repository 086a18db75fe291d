#include "synthetic_mouse.h"

#include <stdexcept>
#include <string>

namespace testing_ui {
namespace {

TForm& formOf(TControl& control) {
    TForm* form = control.ParentForm();
    if (!form) throw std::logic_error("the control is on no form");
    return *form;
}

TShiftStateFlag flagOf(TMouseButton button) {
    return button == mbLeft ? ssLeft : button == mbRight ? ssRight : ssMiddle;
}

} // namespace

TPoint FormPoint(TControl& control, TPoint local) {
    TForm& form = formOf(control);
    for (TControl* c = &control; c && c != &form; c = c->Parent())
        local = local + TPoint{c->Left(), c->Top()};
    return local;
}

void MouseDownAt(TControl& control, TPoint local, TMouseButton button, TShiftState alsoHeld) {
    formOf(control).HandleMouseDown(button, alsoHeld << flagOf(button), FormPoint(control, local));
}

void MouseMoveTo(TControl& control, TPoint local, TShiftState held) {
    formOf(control).HandleMouseMove(held, FormPoint(control, local));
}

void MouseUpAt(TControl& control, TPoint local, TMouseButton button, TShiftState stillHeld) {
    formOf(control).HandleMouseUp(button, stillHeld, FormPoint(control, local));
}

void ClickAt(TControl& control, TPoint local, TMouseButton button) {
    MouseDownAt(control, local, button);
    MouseUpAt(control, local, button);
}

void ClickControl(TControl& control) {
    ClickAt(control, {control.Width() / 2, control.Height() / 2});
}

void ClickNamed(TForm& form, std::string_view name) {
    auto* control = dynamic_cast<TControl*>(form.FindComponent(name));
    if (!control) throw std::logic_error("no control named " + std::string(name));
    ClickControl(*control);
}

} // namespace testing_ui
