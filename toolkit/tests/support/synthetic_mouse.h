// Mouse input for tests, delivered through the control's form the way the window system
// delivers it, so that hit-testing, capture and clicks take their real course.
#pragma once

#include "forms.h"

namespace testing_ui {

// A point of a control in its form's client coordinates.
TPoint FormPoint(TControl& control, TPoint local);

void MouseDownAt(TControl& control, TPoint local, TMouseButton button = mbLeft,
                 TShiftState alsoHeld = {});
void MouseMoveTo(TControl& control, TPoint local, TShiftState held);
void MouseUpAt(TControl& control, TPoint local, TMouseButton button = mbLeft,
               TShiftState stillHeld = {});
// A press and release of one button at the same point.
void ClickAt(TControl& control, TPoint local, TMouseButton button = mbLeft);
// A left click in the middle of a control.
void ClickControl(TControl& control);
// A left click on the component of the form with that name (a control).
void ClickNamed(TForm& form, std::string_view name);

} // namespace testing_ui
