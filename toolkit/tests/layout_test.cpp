#include <gtest/gtest.h>

#include "buttons.h"
#include "comctrls.h"
#include "extctrls.h"
#include "forms.h"
#include "layout.h"

namespace {

const unsigned char kTinyBmp[] = {
    // file header, information header (1 x 1, 24 bits), one pixel padded to four bytes
    'B', 'M', 58, 0, 0, 0, 0, 0, 0,  0, 54, 0, 0, 0, 40,   0,    0,    0, 1, 0,
    0,   0,   1,  0, 0, 0, 1, 0, 24, 0, 0,  0, 0, 0, 4,    0,    0,    0, 0, 0,
    0,   0,   0,  0, 0, 0, 0, 0, 0,  0, 0,  0, 0, 0, 0x30, 0x20, 0x10, 0};

LayoutResources tinyPictures() {
    return [](std::string_view name) {
        return name == "tiny" ? std::span<const unsigned char>(kTinyBmp)
                              : std::span<const unsigned char>();
    };
}

// The error a layout raises, or "" when it loads.
std::string LoadError(const std::string& text, const LayoutHandlers& handlers = {}) {
    TForm form(nullptr);
    try {
        LoadLayout(form, text, tinyPictures(), handlers);
    } catch (const ELayoutError& e) {
        return e.Message();
    }
    return "";
}

TEST(Layout, BuildsComponentsWithOwnersParentsAndProperties) {
    TForm form(nullptr);
    int clicks = 0;
    LoadLayout(form, R"(// a comment
object Sample: TForm
  Caption = 'Zu Tarvel'#178' '' test' +
    ' joined'
  ClientWidth = 200
  ClientHeight = 100
  BorderIcons = [biSystemMenu]
  Font.Style = [fsBold, fsItalic]
  object Box: TPanel
    Left = 10
    Top = -5
    Color = clNavy
    BevelOuter = bvLowered
    object Text: TLabel
      Caption = 'Hi'
      Font.Color = 255
      OnClick = TextClick
    end
  end
  object List: TListBox
    Items = ( 'Sine' 'Saw'#32'Up' '' )
    ItemHeight = 14
  end
  object Picture: TImage
    Picture = 'tiny'
    AutoSize = True
  end
end
)",
               tinyPictures(), {{"TextClick", TNotifyEvent([&](TObject*) { ++clicks; })}});
    EXPECT_EQ(form.Name(), "Sample");
    EXPECT_EQ(form.Caption(), "Zu Tarvel\xB2 ' test joined");
    EXPECT_EQ(form.ClientWidth(), 200);
    EXPECT_TRUE(form.BorderIcons().Contains(biSystemMenu));
    EXPECT_FALSE(form.BorderIcons().Contains(biMinimize));
    EXPECT_TRUE(form.Font()->Style().Contains(fsItalic));
    auto* box = dynamic_cast<TPanel*>(form.FindComponent("Box"));
    auto* text = dynamic_cast<TLabel*>(form.FindComponent("Text"));
    auto* list = dynamic_cast<TListBox*>(form.FindComponent("List"));
    auto* picture = dynamic_cast<TImage*>(form.FindComponent("Picture"));
    ASSERT_TRUE(box && text && list && picture);
    EXPECT_EQ(text->Owner(), &form) << "the root owns everything";
    EXPECT_EQ(text->Parent(), box) << "the enclosing object is the parent";
    EXPECT_EQ(box->Parent(), &form);
    EXPECT_EQ(box->Top(), -5);
    EXPECT_EQ(box->Color(), clNavy);
    EXPECT_EQ(box->BevelOuter(), bvLowered);
    EXPECT_EQ(text->Font()->Color(), 255);
    EXPECT_TRUE(text->Font()->Style().Contains(fsBold)) << "inherited from the form";
    EXPECT_EQ(list->Items(), (std::vector<std::string>{"Sine", "Saw Up", ""}));
    EXPECT_EQ(picture->Width(), 1);
    EXPECT_EQ(picture->Picture()->Bitmap()->Pixel(0, 0), 0x102030u);
    text->Click();
    EXPECT_EQ(clicks, 1);
}

TEST(Layout, ReportsMistakesWithTheirLine) {
    const struct {
        const char* text;
        const char* error;
    } cases[] = {
        {"object F: TForm\n  object X: TNothing\n  end\nend", "line 2: unknown class TNothing"},
        {"object F: TForm\n  Colour = clRed\nend", "line 2: TForm has no property Colour"},
        {"object F: TForm\n  Color = clRedish\nend", "line 2: unknown colour clRedish"},
        {"object F: TForm\n  ClientWidth = 'wide'\nend", "line 2: a number is expected"},
        {"object F: TForm\n\n  BorderStyle = bsRound\nend", "line 3: unknown value bsRound"},
        {"object F: TForm\n  object B: TButton\n    OnClick = Missing\n  end\nend",
         "line 3: no handler named Missing"},
        {"object F: TForm\n  object B: TButton\n    OnMouseDown = Notify\n  end\nend",
         "line 3: handler Notify does not fit the event"},
        {"object F: TForm\n  Caption = 'open\nend", "line 2: unterminated text"},
        {"object F: TForm\n  object A: TLabel\n  end\n  object A: TLabel\n  end\nend",
         "line 4: a second component named A"},
        {"object F: TForm\n  object L: TLabel\n    object M: TLabel\n    end\n  end\nend",
         "line 3: L cannot hold controls"},
        {"object F: TForm\n  object I: TImage\n    Picture = 'none'\n  end\nend",
         "line 3: no picture named none"},
        {"object F: TForm\n  Caption = #300\nend", "line 2: bad character code"},
        {"object F: TForm\n  Visible = Yes\nend", "line 2: True or False is expected"},
        {"object F: TForm\n", "line 2: end of F missing"},
        {"object F: TForm\nend\nend", "line 3: text after the last end"},
        {"object F: TForm\n  object P: TPageControl\n    ActivePage = Nowhere\n  end\nend",
         "line 3: no component named Nowhere"},
    };
    const LayoutHandlers handlers{{"Notify", TNotifyEvent([](TObject*) {})}};
    for (const auto& c : cases)
        EXPECT_EQ(LoadError(c.text, handlers), c.error) << c.text;
}

TEST(Layout, ReferencesResolveOnceEveryObjectExists) {
    TForm form(nullptr);
    LoadLayout(form, R"(object F: TForm
  object Pages: TPageControl
    ActivePage = Second
    object First: TTabSheet
    end
    object Second: TTabSheet
    end
  end
end
)",
               {}, {});
    auto* pages = dynamic_cast<TPageControl*>(form.FindComponent("Pages"));
    EXPECT_EQ(pages->ActivePageIndex(), 1);
}

TEST(Layout, AutoSizedLabelsTakeTheirSizeAfterLoading) {
    TForm form(nullptr);
    LoadLayout(form, R"(object F: TForm
  object L: TLabel
    Width = 500
    Caption = 'Some words'
    Font.Height = 20
  end
end
)",
               {}, {});
    auto* label = dynamic_cast<TLabel*>(form.FindComponent("L"));
    EXPECT_LT(label->Width(), 200);
    EXPECT_GT(label->Width(), 40);
    EXPECT_EQ(label->Height(), 20);
}

TEST(ClassRegistry, KnowsTheToolkitsControlsAndRegisteredClasses) {
    for (const char* name : {"TLabel", "TButton", "TListBox", "TImage", "TPanel", "TBevel",
                             "TSpeedButton", "TBitBtn", "TPageControl", "TTabSheet", "TRichEdit"}) {
        const TComponentClass* c = FindClass(name);
        ASSERT_NE(c, nullptr) << name;
        TForm owner(nullptr);
        TComponent* made = c->Create(&owner);
        EXPECT_EQ(made->Owner(), &owner);
        EXPECT_EQ(PalettePage(name), "");
    }
    EXPECT_EQ(FindClass("TForm"), nullptr);
    RegisterComponents("Samples", {ClassOf<TBevel>("TSampleBevel")});
    EXPECT_EQ(PalettePage("TSampleBevel"), "Samples");
    ASSERT_NE(FindClass("TSampleBevel"), nullptr);
}

} // namespace
