#include "inputform.h"

#include "editor_resources.h"

namespace {

// The display holds at most this many characters typed with the digit and point keys.
constexpr std::size_t kMaxTyped = 6;

} // namespace

TFormInput::TFormInput(TComponent* AOwner) : TForm(AOwner) {
    LoadLayout(*this, EditorLayout("inputform.layout"), EditorPictures(),
               {
                   {"SpeedButton0Click", Method(this, &TFormInput::SpeedButton0Click)},
                   {"SpeedButtonBsClick", Method(this, &TFormInput::SpeedButtonBsClick)},
                   {"SpeedButtonClearClick", Method(this, &TFormInput::SpeedButtonClearClick)},
                   {"SpeedButtonMinusClick", Method(this, &TFormInput::SpeedButtonMinusClick)},
                   {"PlusMinusClick", Method(this, &TFormInput::PlusMinusClick)},
                   {"SpeedButtonEnterClick", Method(this, &TFormInput::SpeedButtonEnterClick)},
                   {"SpeedButtonCancelClick", Method(this, &TFormInput::SpeedButtonCancelClick)},
               });
    BindComponent(*this, SpeedButtonClear, "SpeedButtonClear");
    BindComponent(*this, SpeedButton0, "SpeedButton0");
    BindComponent(*this, SpeedButtonBs, "SpeedButtonBs");
    BindComponent(*this, SpeedButton1, "SpeedButton1");
    BindComponent(*this, SpeedButton2, "SpeedButton2");
    BindComponent(*this, SpeedButton3, "SpeedButton3");
    BindComponent(*this, SpeedButton4, "SpeedButton4");
    BindComponent(*this, SpeedButton5, "SpeedButton5");
    BindComponent(*this, SpeedButton6, "SpeedButton6");
    BindComponent(*this, SpeedButton7, "SpeedButton7");
    BindComponent(*this, SpeedButton8, "SpeedButton8");
    BindComponent(*this, SpeedButton9, "SpeedButton9");
    BindComponent(*this, SpeedButtonComma, "SpeedButtonComma");
    BindComponent(*this, SpeedButtonMinus, "SpeedButtonMinus");
    BindComponent(*this, Panel, "Panel");
    BindComponent(*this, SpeedButtonEnter, "SpeedButtonEnter");
    BindComponent(*this, SpeedButtonCancel, "SpeedButtonCancel");
    BindComponent(*this, SpeedButtonP10, "SpeedButtonP10");
    BindComponent(*this, SpeedButtonM10, "SpeedButtonM10");
    BindComponent(*this, SpeedButtonM1, "SpeedButtonM1");
    BindComponent(*this, SpeedButtonP1, "SpeedButtonP1");
    BindComponent(*this, SpeedButtonM01, "SpeedButtonM01");
    BindComponent(*this, SpeedButtonP01, "SpeedButtonP01");
    BindComponent(*this, SpeedButtonM001, "SpeedButtonM001");
    BindComponent(*this, SpeedButtonP001, "SpeedButtonP001");
    BindComponent(*this, Image, "Image");
}

void TFormInput::SetUp(double Min, double Max, const std::string& Text) {
    FMin = Min;
    FMax = Max;
    Panel->SetCaption(Trim(Text));
}

void TFormInput::SpeedButton0Click(TObject* Sender) {
    std::string text = Panel->Caption();
    std::string key;
    if (Sender == SpeedButtonComma) {
        if (text.find('.') != std::string::npos) return;
        key = ".";
    } else {
        key = static_cast<TSpeedButton*>(Sender)->Caption();
    }
    if (text.size() >= kMaxTyped) return;
    Panel->SetCaption(text + key);
}

void TFormInput::SpeedButtonBsClick(TObject*) {
    std::string text = Panel->Caption();
    if (text.empty()) return;
    text.pop_back();
    Panel->SetCaption(text);
}

void TFormInput::SpeedButtonClearClick(TObject*) {
    Panel->SetCaption("");
}

void TFormInput::SpeedButtonMinusClick(TObject*) {
    const std::string text = Panel->Caption();
    if (text.empty())
        Panel->SetCaption("-");
    else if (text.front() == '-')
        Panel->SetCaption(text.substr(1));
    else
        Panel->SetCaption("-" + text);
}

void TFormInput::PlusMinusClick(TObject* Sender) {
    double step = 0.0;
    if (Sender == SpeedButtonP10) step = 10;
    if (Sender == SpeedButtonM10) step = -10;
    if (Sender == SpeedButtonP1) step = 1;
    if (Sender == SpeedButtonM1) step = -1;
    if (Sender == SpeedButtonP01) step = 0.1;
    if (Sender == SpeedButtonM01) step = -0.1;
    if (Sender == SpeedButtonP001) step = 0.01;
    if (Sender == SpeedButtonM001) step = -0.01;
    const std::string text = Panel->Caption();
    // A text that is no number raises the standard error report; the display stays as it is.
    const double value = StrToFloat(text.empty() ? "0" : text);
    Panel->SetCaption(FloatToStr(value + step));
}

void TFormInput::SpeedButtonEnterClick(TObject*) {
    const std::string text = Panel->Caption();
    double value = StrToFloat(text.empty() ? "0" : text);
    if (value < FMin) value = FMin;
    if (value > FMax) value = FMax;
    FValue = value;
    SetModalResult(mrOk);
}

void TFormInput::SpeedButtonCancelClick(TObject*) {
    SetModalResult(mrCancel);
}
