#include "helpform.h"

#include "editor_resources.h"

THelpForm::THelpForm(TComponent* AOwner) : TForm(AOwner) {
    LoadLayout(*this, EditorLayout("helpform.layout"), EditorPictures(), {});
    BindComponent(*this, PageControl, "PageControl");
    BindComponent(*this, About, "About");
    BindComponent(*this, TheSlider, "TheSlider");
    BindComponent(*this, Tips, "Tips");
    BindComponent(*this, Disclaimer, "Disclaimer");
    BindComponent(*this, ImageTitle, "ImageTitle");
    BindComponent(*this, Image2, "Image2");
    BindComponent(*this, Panel1, "Panel1");
    BindComponent(*this, BitBtn1, "BitBtn1");
}
