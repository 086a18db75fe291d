// Page controls with tab sheets, and a read-only rich text box.
#pragma once

#include <string>
#include <vector>

#include "controls.h"

class TPageControl;

// One page of a page control; its caption is the tab's text.
class TTabSheet : public TWinControl {
public:
    explicit TTabSheet(TComponent* AOwner);
    TPageControl* PageControl() const;
};

// Tabs along the top and one visible page below them. A press of the left button on a tab
// shows its page.
class TPageControl : public TWinControl {
public:
    explicit TPageControl(TComponent* AOwner);

    int PageCount() const { return static_cast<int>(FPages.size()); }
    TTabSheet* Pages(int index) const { return FPages.at(index); }
    TTabSheet* ActivePage() const;
    void SetActivePage(TTabSheet* page);
    int ActivePageIndex() const { return FActive; }
    void SetActivePageIndex(int index);
    // The rectangle of a page's tab, in the control's coordinates.
    TRect TabRect(int index);
    // The tab at a point, or -1.
    int IndexOfTabAt(TPoint p);

    TRect AlignRect() const override;
    void Paint(TCanvas& canvas) override;
    void MouseDown(TMouseButton button, TShiftState shift, int X, int Y) override;
    bool SetProperty(std::string_view name, const LayoutValue& value,
                     LayoutReader& reader) override;

protected:
    void ControlInserted(TControl* control) override;
    void ControlRemoved(TControl* control) override;

private:
    std::vector<TTabSheet*> FPages;
    int FActive = -1;
};

// Paragraphs of text in a sunken box, broken into lines at its width. It takes no input.
class TRichEdit : public TWinControl {
public:
    explicit TRichEdit(TComponent* AOwner);

    const std::vector<std::string>& Lines() const { return FLines; }
    void SetLines(std::vector<std::string> lines);

    void Paint(TCanvas& canvas) override;
    bool SetProperty(std::string_view name, const LayoutValue& value,
                     LayoutReader& reader) override;

private:
    std::vector<std::string> FLines;
};
