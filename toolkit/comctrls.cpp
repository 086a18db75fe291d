#include "comctrls.h"

#include <algorithm>

#include "layout.h"
#include "text_layout.h"

namespace {
// The tab row's height and the frame around the pages.
constexpr int kTabRow = 22;
constexpr int kTabTop = 2;
constexpr int kTabPadding = 6;
constexpr int kPageInset = 4;
} // namespace

// TTabSheet

TTabSheet::TTabSheet(TComponent* AOwner) : TWinControl(AOwner) {
    SetAlign(alClient);
}

TPageControl* TTabSheet::PageControl() const {
    return dynamic_cast<TPageControl*>(Parent());
}

// TPageControl

TPageControl::TPageControl(TComponent* AOwner) : TWinControl(AOwner) {
    SetBounds(0, 0, 289, 193);
}

TTabSheet* TPageControl::ActivePage() const {
    return FActive < 0 ? nullptr : FPages[static_cast<std::size_t>(FActive)];
}

void TPageControl::SetActivePage(TTabSheet* page) {
    auto found = std::find(FPages.begin(), FPages.end(), page);
    if (found != FPages.end()) SetActivePageIndex(static_cast<int>(found - FPages.begin()));
}

void TPageControl::SetActivePageIndex(int index) {
    if (index < 0 || index >= PageCount()) return;
    FActive = index;
    for (int i = 0; i < PageCount(); ++i)
        FPages[static_cast<std::size_t>(i)]->SetVisible(i == index);
    Invalidate();
}

TRect TPageControl::AlignRect() const {
    return {kPageInset, kTabRow + 2, Width() - kPageInset, Height() - kPageInset};
}

TRect TPageControl::TabRect(int index) {
    TCanvas& canvas = MeasureCanvas();
    canvas.Font = *Font();
    int x = kTabTop;
    for (int i = 0; i < PageCount(); ++i) {
        const int width =
            canvas.TextWidth(FPages[static_cast<std::size_t>(i)]->Caption()) + 2 * kTabPadding;
        if (i == index) return {x, kTabTop, x + width, kTabRow};
        x += width;
    }
    return {};
}

int TPageControl::IndexOfTabAt(TPoint p) {
    for (int i = 0; i < PageCount(); ++i)
        if (TabRect(i).Contains(p)) return i;
    return -1;
}

void TPageControl::Paint(TCanvas& canvas) {
    canvas.Brush.Color = Color();
    canvas.FillRect(ClientRect());
    const TRect page{0, kTabRow, Width(), Height()};
    canvas.Frame3D(page, clBtnHighlight, cl3DDkShadow);
    canvas.Frame3D(page.Inflated(-1), cl3DLight, clBtnShadow);
    canvas.Font = *Font();
    for (int i = 0; i < PageCount(); ++i) {
        TRect tab = TabRect(i);
        const bool active = i == FActive;
        if (active) tab = {tab.Left - 2, 0, tab.Right + 2, kTabRow + 1};
        canvas.Brush.Color = Color();
        canvas.FillRect(tab);
        canvas.Brush.Color = clBtnHighlight;
        canvas.FillRect({tab.Left, tab.Top, tab.Left + 1, tab.Bottom});
        canvas.FillRect({tab.Left + 1, tab.Top, tab.Right - 1, tab.Top + 1});
        canvas.Brush.Color = cl3DDkShadow;
        canvas.FillRect({tab.Right - 1, tab.Top + 1, tab.Right, tab.Bottom});
        canvas.Brush.Color = clBtnShadow;
        canvas.FillRect({tab.Right - 2, tab.Top + 1, tab.Right - 1, tab.Bottom});
        const std::string& caption = FPages[static_cast<std::size_t>(i)]->Caption();
        canvas.TextOut(tab.Left + (tab.Width() - canvas.TextWidth(caption)) / 2,
                       tab.Top + (tab.Height() - LineHeight(canvas)) / 2, caption);
    }
}

void TPageControl::MouseDown(TMouseButton button, TShiftState shift, int X, int Y) {
    if (button == mbLeft) {
        const int index = IndexOfTabAt({X, Y});
        if (index >= 0) SetActivePageIndex(index);
    }
    TWinControl::MouseDown(button, shift, X, Y);
}

bool TPageControl::SetProperty(std::string_view name, const LayoutValue& value,
                               LayoutReader& reader) {
    if (name != "ActivePage") return TWinControl::SetProperty(name, value, reader);
    reader.AfterLoad([this, &reader, value] {
        auto* page = dynamic_cast<TTabSheet*>(reader.Component(value));
        if (!page || page->PageControl() != this) reader.Fail(value, "not a page of this control");
        SetActivePage(page);
    });
    return true;
}

void TPageControl::ControlInserted(TControl* control) {
    auto* page = dynamic_cast<TTabSheet*>(control);
    if (!page) return;
    FPages.push_back(page);
    if (FActive < 0)
        SetActivePageIndex(0);
    else
        page->SetVisible(false);
}

void TPageControl::ControlRemoved(TControl* control) {
    auto found = std::find(FPages.begin(), FPages.end(), control);
    if (found == FPages.end()) return;
    const int index = static_cast<int>(found - FPages.begin());
    FPages.erase(found);
    if (index < FActive || FActive >= PageCount()) --FActive;
    if (FActive < 0 && PageCount() > 0) FActive = 0;
    SetActivePageIndex(FActive);
}

// TRichEdit

TRichEdit::TRichEdit(TComponent* AOwner) : TWinControl(AOwner) {
    SetBounds(0, 0, 185, 89);
    SetColor(clWindow);
}

void TRichEdit::SetLines(std::vector<std::string> lines) {
    FLines = std::move(lines);
    Invalidate();
}

void TRichEdit::Paint(TCanvas& canvas) {
    const TRect all = ClientRect();
    canvas.Frame3D(all, clBtnShadow, clBtnHighlight);
    canvas.Frame3D(all.Inflated(-1), cl3DDkShadow, cl3DLight);
    const TRect inner = all.Inflated(-2);
    canvas.Brush.Color = Color();
    canvas.FillRect(inner);
    canvas.Font = *Font();
    const TRect text = inner.Inflated(-2);
    canvas.PushClip({0, 0}, inner);
    int y = text.Top;
    for (const std::string& paragraph : FLines) {
        const auto lines = TextLines(canvas, paragraph, text.Width());
        DrawTextLines(canvas, {text.Left, y, text.Right, text.Bottom}, lines, taLeftJustify);
        y += static_cast<int>(lines.size()) * LineHeight(canvas);
    }
    canvas.PopClip();
}

bool TRichEdit::SetProperty(std::string_view name, const LayoutValue& value, LayoutReader& reader) {
    if (name == "Lines")
        SetLines(reader.Strings(value));
    else
        return TWinControl::SetProperty(name, value, reader);
    return true;
}
