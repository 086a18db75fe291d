#include <gtest/gtest.h>

#include "comctrls.h"
#include "extctrls.h"
#include "fonts.h"
#include "forms.h"
#include "synthetic_mouse.h"

using namespace testing_ui;

namespace {

// Counts its own destruction.
class Tracked : public TLabel {
public:
    Tracked(TComponent* owner, int& destroyed) : TLabel(owner), FDestroyed(destroyed) {}
    ~Tracked() override { ++FDestroyed; }

private:
    int& FDestroyed;
};

TEST(Components, OwnersDestroyWhatTheyOwnAndParentsTheirChildren) {
    int destroyed = 0;
    {
        TForm form(nullptr);
        auto* panel = new TPanel(&form);
        panel->SetParent(&form);
        auto* inPanel = new Tracked(&form, destroyed);
        inPanel->SetParent(panel);
        auto* unparented = new Tracked(&form, destroyed);
        (void)unparented;
        auto* deleted = new Tracked(&form, destroyed);
        deleted->SetParent(panel);
        delete deleted;
        EXPECT_EQ(destroyed, 1);
        EXPECT_EQ(panel->ControlCount(), 1) << "a deleted control leaves its parent";
        EXPECT_EQ(form.ComponentCount(), 3) << "and its owner";
        EXPECT_EQ(form.FindComponent("missing"), nullptr);
    }
    EXPECT_EQ(destroyed, 3);
}

TEST(Components, AParentDestroysChildrenItDoesNotOwn) {
    int destroyed = 0;
    TForm owner(nullptr);
    {
        TForm parentForm(nullptr);
        auto* child = new Tracked(&owner, destroyed);
        child->SetParent(&parentForm);
    }
    EXPECT_EQ(destroyed, 1);
    EXPECT_EQ(owner.ComponentCount(), 0);
}

TEST(Alignment, TopBottomAndClientShareTheArea) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 300, 200);
    auto* client = new TPanel(&form);
    client->SetParent(&form);
    client->SetAlign(alClient);
    auto* bottom = new TPanel(&form);
    bottom->SetParent(&form);
    bottom->SetHeight(36);
    bottom->SetAlign(alBottom);
    auto* top = new TPanel(&form);
    top->SetParent(&form);
    top->SetHeight(20);
    top->SetAlign(alTop);
    EXPECT_EQ(top->BoundsRect(), Bounds(0, 0, 300, 20));
    EXPECT_EQ(bottom->BoundsRect(), Bounds(0, 164, 300, 36));
    EXPECT_EQ(client->BoundsRect(), Bounds(0, 20, 300, 144));
    form.SetHeight(100);
    EXPECT_EQ(bottom->BoundsRect(), Bounds(0, 64, 300, 36));
    // Inside a panel, aligned children keep off its bevels.
    top->SetBevelInner(bvRaised);
    top->SetBevelWidth(2);
    auto* inner = new TLabel(&form);
    inner->SetParent(top);
    inner->SetAutoSize(false);
    inner->SetHeight(13);
    inner->SetAlign(alTop);
    EXPECT_EQ(inner->BoundsRect(), Bounds(4, 4, 292, 13));
}

TEST(Fonts, ArialAndMsSansSerifResolveToLiberationSans) {
    EXPECT_EQ(ResolvedFamily("Arial"), "Liberation Sans");
    EXPECT_EQ(ResolvedFamily("MS Sans Serif"), "Liberation Sans");
    EXPECT_EQ(ResolvedFamily("Arial", {fsBold}), "Liberation Sans");
}

TEST(Fonts, PositiveHeightsAreCellsNegativeOnesCharacters) {
    TFont cell;
    cell.SetName("Arial");
    cell.SetHeight(14);
    TFont character = cell;
    character.SetHeight(-14);
    const ResolvedFont byCell = ResolveFont(cell);
    const ResolvedFont byCharacter = ResolveFont(character);
    EXPECT_EQ(byCell.cellHeight, 14);
    EXPECT_NEAR(byCharacter.emSize, 14.0, 1e-9);
    EXPECT_GT(byCharacter.cellHeight, 14) << "the cell adds room above and below";
    EXPECT_LT(byCell.emSize, 14.0);
}

TEST(Labels, AutoSizeFollowsTheTextAndWrapsAtBlanks) {
    TForm form(nullptr);
    auto* label = new TLabel(&form);
    label->SetParent(&form);
    label->Font()->SetName("Arial");
    label->Font()->SetHeight(14);
    label->SetCaption("Thres hold");
    EXPECT_EQ(label->Height(), 14);
    const int oneLine = label->Width();
    label->SetCaption("");
    label->SetWordWrap(true);
    label->SetWidth(38);
    label->SetCaption("Thres hold");
    EXPECT_EQ(label->Width(), 38);
    EXPECT_EQ(label->Height(), 28) << "two lines";
    EXPECT_GT(oneLine, 38);
    label->SetAlignment(taRightJustify);
    label->SetWordWrap(false);
    label->SetLeft(100);
    label->SetCaption("x");
    EXPECT_EQ(label->Left() + label->Width(), 100 + oneLine) << "right-justified keeps its right";
}

TEST(ListBox, SelectionFromCodeRaisesNoClickButAPressDoes) {
    TForm form(nullptr);
    auto* list = new TListBox(&form);
    list->SetParent(&form);
    list->SetBounds(0, 0, 85, 120);
    list->SetItemHeight(14);
    list->SetItems({"Sine", "Triangle", "Square", "Saw Up", "Saw Down", "Exp. Up", "Exp. Down"});
    std::vector<int> clicked;
    list->OnClick = [&](TObject* sender) {
        EXPECT_EQ(sender, list);
        clicked.push_back(list->ItemIndex());
    };
    list->SetItemIndex(3);
    EXPECT_EQ(list->ItemIndex(), 3);
    list->SetItemIndex(8);
    EXPECT_EQ(list->ItemIndex(), -1) << "past the items: no selection";
    EXPECT_TRUE(clicked.empty());
    ClickAt(*list, {20, 2 + 6 * 14 + 5});
    ClickAt(*list, {20, 2 + 0 * 14 + 1});
    ClickAt(*list, {20, 2 + 0 * 14 + 13});
    ClickAt(*list, {20, 2 + 7 * 14 + 3});
    EXPECT_EQ(clicked, (std::vector<int>{6, 0, 0})) << "below the last item: nothing";
    // Dragging over the items selects as it goes.
    MouseDownAt(*list, {20, 2 + 1 * 14});
    MouseMoveTo(*list, {20, 2 + 3 * 14}, {ssLeft});
    MouseUpAt(*list, {20, 2 + 3 * 14});
    EXPECT_EQ(list->ItemIndex(), 3);
    EXPECT_EQ(clicked.back(), 3);
}

TEST(PageControl, ShowsOnePageAndSwitchesOnATabPress) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 444, 315);
    auto* pages = new TPageControl(&form);
    pages->SetParent(&form);
    pages->SetBounds(0, 0, 444, 279);
    TTabSheet* sheets[3];
    for (auto*& sheet : sheets) {
        sheet = new TTabSheet(&form);
        sheet->SetParent(pages);
        sheet->SetCaption("Page");
    }
    EXPECT_EQ(pages->ActivePage(), sheets[0]);
    EXPECT_EQ(sheets[1]->BoundsRect(), Bounds(4, 24, 436, 251));
    EXPECT_TRUE(sheets[0]->Visible());
    EXPECT_FALSE(sheets[1]->Visible());
    const TRect third = pages->TabRect(2);
    ClickAt(*pages, {third.Left + 3, third.Top + 3});
    EXPECT_EQ(pages->ActivePageIndex(), 2);
    EXPECT_FALSE(sheets[0]->Visible());
    EXPECT_EQ(sheets[2]->BoundsRect(), Bounds(4, 24, 436, 251));
    delete sheets[2];
    EXPECT_EQ(pages->PageCount(), 2);
    EXPECT_EQ(pages->ActivePageIndex(), 1);
    EXPECT_TRUE(sheets[1]->Visible());
}

} // namespace
