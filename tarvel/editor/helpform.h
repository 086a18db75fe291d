// Unit Helpform: the modal help and about window, four pages of fixed text and pictures and an
// OK button. It opens on its first page; only the OK button closes it. The panel copies its
// title picture into ImageTitle before showing it.
#pragma once

#include "buttons.h"
#include "comctrls.h"
#include "extctrls.h"
#include "forms.h"

class THelpForm : public TForm {
public:
    explicit THelpForm(TComponent* AOwner);

    TPageControl* PageControl;
    TTabSheet* About;
    TTabSheet* TheSlider;
    TTabSheet* Tips;
    TTabSheet* Disclaimer;
    TImage* ImageTitle;
    TImage* Image2;
    TPanel* Panel1;
    TBitBtn* BitBtn1;
};
