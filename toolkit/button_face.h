// What buttons share: the pressed state while the left button is held on them, and the look
// of a raised face that sinks while pressed.
#pragma once

#include <string>

#include "graphics.h"

class TControl;

class ButtonPress {
public:
    // Call from the control's mouse handlers with the control's coordinates; the control is
    // drawn again when its look changes.
    void Down(TControl& control, int button, TPoint p);
    void Move(TControl& control, TPoint p);
    void Up(TControl& control, int button);
    bool Pressed() const { return FHeld && FInside; }

private:
    bool FHeld = false;
    bool FInside = false;
};

// Draws the face of a button over rect.
void PaintButtonFace(TCanvas& canvas, const TRect& rect, bool pressed);

// Draws an optional glyph and a caption centred on the face, shifted while pressed. The glyph
// holds numGlyphs images side by side (the second is the disabled look); its bottom-left
// colour is drawn transparent. Disabled captions are drawn embossed in grey.
void PaintButtonContent(TCanvas& canvas, const TRect& rect, const TBitmap* glyph, int numGlyphs,
                        const std::string& caption, bool pressed, bool enabled);
