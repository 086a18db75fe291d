// Unit Inputform: the calculator-like modal dialog in which the user types an exact value.
// The caller sets the caption and the background picture, calls SetUp, shows it modally and,
// after the OK result, reads the number, already limited to the bounds.
#pragma once

#include <string>

#include "buttons.h"
#include "extctrls.h"
#include "forms.h"

class TFormInput : public TForm {
public:
    explicit TFormInput(TComponent* AOwner);

    TSpeedButton* SpeedButtonClear;
    TSpeedButton* SpeedButton0;
    TSpeedButton* SpeedButtonBs;
    TSpeedButton* SpeedButton1;
    TSpeedButton* SpeedButton2;
    TSpeedButton* SpeedButton3;
    TSpeedButton* SpeedButton4;
    TSpeedButton* SpeedButton5;
    TSpeedButton* SpeedButton6;
    TSpeedButton* SpeedButton7;
    TSpeedButton* SpeedButton8;
    TSpeedButton* SpeedButton9;
    TSpeedButton* SpeedButtonComma;
    TSpeedButton* SpeedButtonMinus;
    TPanel* Panel;
    TSpeedButton* SpeedButtonEnter;
    TSpeedButton* SpeedButtonCancel;
    TSpeedButton* SpeedButtonP10;
    TSpeedButton* SpeedButtonM10;
    TSpeedButton* SpeedButtonM1;
    TSpeedButton* SpeedButtonP1;
    TSpeedButton* SpeedButtonM01;
    TSpeedButton* SpeedButtonP01;
    TSpeedButton* SpeedButtonM001;
    TSpeedButton* SpeedButtonP001;
    TImage* Image;

    // The bounds Enter limits the number to, and the text shown first (trimmed).
    void SetUp(double Min, double Max, const std::string& Text);
    // The number accepted by Enter; meaningful only after the OK result.
    double GetValue() const { return FValue; }

    void SpeedButton0Click(TObject* Sender);
    void SpeedButtonBsClick(TObject* Sender);
    void SpeedButtonClearClick(TObject* Sender);
    void SpeedButtonMinusClick(TObject* Sender);
    void PlusMinusClick(TObject* Sender);
    void SpeedButtonEnterClick(TObject* Sender);
    void SpeedButtonCancelClick(TObject* Sender);

private:
    double FValue = 0.0;
    double FMin = 0.0;
    double FMax = 0.0;
};
