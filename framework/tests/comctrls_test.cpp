// The common controls, bars and menus: made from a form description, their published values read
// back by name, and each wrapper against its real native window.
#include "framework/comctrls.h"

#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <functional>
#include <string>

#include "framework/application.h"
#include "framework/form_reader.h"
#include "framework/form_writer.h"
#include "framework/menus.h"
#include "framework/tests/test_classes.h"
#include "framework/toolbar.h"
#include "tests/support/resource_count.h"
#include "tests/support/win_test_util.h"

namespace {

constexpr const char* kEveryKind = R"(object TestForm: TTestForm
  ClientWidth = 640
  ClientHeight = 480
  Menu = MainMenu1
  PopupMenu = PopupMenu1
  object ProgressBar1: TProgressBar
    Left = 8
    Top = 8
    Width = 200
    Height = 16
    Min = 10
    Max = 20
    Position = 15
    Smooth = True
    Step = 2
  end
  object TrackBar1: TTrackBar
    Left = 8
    Top = 30
    Width = 200
    Height = 40
    Max = 50
    Position = 25
    Frequency = 5
    TickMarks = tmBoth
  end
  object Memo1: TMemo
    Left = 8
    Top = 80
    Width = 60
    Height = 22
  end
  object UpDown1: TUpDown
    Left = 68
    Top = 80
    Associate = Memo1
    Min = 1
    Max = 9
    Position = 3
    Wrap = True
  end
  object DateTimePicker1: TDateTimePicker
    Left = 100
    Top = 80
    DateMode = dmUpDown
    Kind = dtkTime
  end
  object HeaderControl1: THeaderControl
    Left = 0
    Top = 110
    Width = 300
    Height = 20
    Align = alNone
    Sections = <
      item
        Text = 'Name'
        Width = 120
      end
      item
        Text = 'Size'
        Width = 60
        Alignment = taRightJustify
      end>
  end
  object StatusBar1: TStatusBar
    Panels = <
      item
        Text = 'Ready'
        Width = 100
      end
      item
        Text = 'Ln 1'
        Width = 60
        Alignment = taCenter
        Bevel = pbRaised
      end>
    SimpleText = 'simple'
  end
  object TabControl1: TTabControl
    Left = 320
    Top = 8
    Width = 300
    Height = 100
    Tabs = (
      'One'
      'Two'
      'Three')
    TabIndex = 1
    Style = tsButtons
    TabPosition = tpBottom
    MultiLine = True
  end
  object PageControl1: TPageControl
    Left = 320
    Top = 120
    Width = 300
    Height = 150
    ActivePage = TabSheet2
    object TabSheet1: TTabSheet
      Caption = 'First'
      object Label1: TLabel
        Left = 8
        Top = 8
        Caption = 'on the first page'
      end
    end
    object TabSheet2: TTabSheet
      Caption = 'Second'
    end
    object TabSheet3: TTabSheet
      Caption = 'Hidden'
      TabVisible = False
    end
  end
  object TabSet1: TTabSet
    Left = 320
    Top = 280
    Width = 300
    Tabs = (
      'Sheet1'
      'Sheet2')
    TabIndex = 0
    StartMargin = 4
  end
  object ToolBar1: TToolBar
    Left = 0
    Top = 400
    Width = 300
    Align = alNone
    Flat = True
    ShowCaptions = True
    ButtonWidth = 60
    ButtonHeight = 24
    object ToolButton1: TToolButton
      Caption = 'New'
    end
    object ToolButton2: TToolButton
      Style = tbsSeparator
    end
    object ToolButton3: TToolButton
      Caption = 'Bold'
      Style = tbsCheck
      Down = True
    end
  end
  object CoolBar1: TCoolBar
    Left = 0
    Top = 340
    Width = 300
    Height = 40
    Align = alNone
    Bands = <
      item
        Control = Panel1
        Text = 'Band'
        Width = 200
      end
      item
        Color = clRed
        Break = False
        Width = 150
      end>
    object Panel1: TPanel
      Width = 100
      Height = 24
    end
  end
  object MainMenu1: TMainMenu
    object File1: TMenuItem
      Caption = '&File'
      object Open1: TMenuItem
        Caption = '&Open'
        ShortCut = 16463
        Hint = 'Opens a file'
      end
      object N1: TMenuItem
        Caption = '-'
      end
      object Exit1: TMenuItem
        Caption = 'E&xit'
        Enabled = False
      end
    end
    object View1: TMenuItem
      Caption = '&View'
      object Big1: TMenuItem
        Caption = 'Big'
        RadioItem = True
        Checked = True
        Default = True
        ImageIndex = 2
      end
    end
  end
  object PopupMenu1: TPopupMenu
    AutoPopup = True
    object Copy1: TMenuItem
      Caption = 'Copy'
    end
  end
end
)";

// A published value as text: numbers, identifiers, strings, component names and string lists.
// Path parts are properties; a number indexes a collection.
std::string ReadByName(fw::TObject& start, const std::string& path) {
  fw::TObject* target = &start;
  size_t begin = 0;
  for (;;) {
    size_t dot = path.find('.', begin);
    std::string name = path.substr(begin, dot == std::string::npos ? std::string::npos : dot - begin);
    if (!name.empty() && std::isdigit(static_cast<unsigned char>(name[0]))) {
      auto* collection = dynamic_cast<fw::TCollection*>(target);
      if (!collection) return "<not a collection>";
      target = collection->Item(std::atoi(name.c_str()));
    } else {
      const fw::PropInfo* prop = target->Class().FindProperty(name);
      if (!prop) return "<no " + name + ">";
      if (dot == std::string::npos) {
        switch (prop->kind) {
          case fw::PropKind::Integer:
            return std::to_string(prop->getOrdinal(*target));
          case fw::PropKind::Enumeration:
            return prop->enumType->Name(prop->getOrdinal(*target));
          case fw::PropKind::String:
            return prop->getString(*target);
          case fw::PropKind::StringList: {
            std::string joined;
            for (const std::string& line : prop->getList(*target)) joined += (joined.empty() ? "" : "|") + line;
            return joined;
          }
          case fw::PropKind::Class: {
            auto* component = dynamic_cast<fw::TComponent*>(prop->getObject(*target));
            return component ? component->Name() : "nil";
          }
          default:
            return "<kind>";
        }
      }
      target = prop->getObject ? prop->getObject(*target) : nullptr;
      if (!target) return "<empty " + name + ">";
    }
    if (dot == std::string::npos) return "<path ends in a collection>";
    begin = dot + 1;
  }
}

// Writes a published value by name from its text, as the skin engine does.
void WriteByName(fw::TObject& target, const std::string& name, const std::string& text) {
  const fw::PropInfo* prop = target.Class().FindProperty(name);
  ASSERT_NE(prop, nullptr) << name;
  switch (prop->kind) {
    case fw::PropKind::Integer:
      prop->setOrdinal(target, std::atoi(text.c_str()));
      break;
    case fw::PropKind::Enumeration:
      prop->setOrdinal(target, prop->enumType->Ordinal(text));
      break;
    case fw::PropKind::String:
      prop->setString(target, text);
      break;
    default:
      FAIL() << name << " is not written from text here";
  }
}

class ComCtrlsTest : public testing::Test {
 protected:
  void SetUp() override {
    app.Initialize();
    fwtest::RegisterTestClasses();
  }
  void TearDown() override {
    if (form) fw::Free(form);
  }
  fwtest::TTestForm* NewForm(const char* description = kEveryKind) {
    form = new fwtest::TTestForm(&app);
    form->Load(description);
    form->Show();
    testutil::PumpMessages(20);
    return form;
  }
  template <typename T>
  T* Find(const char* name) {
    auto* found = dynamic_cast<T*>(form->FindComponent(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
  }
  fw::TApplication app;
  fwtest::TTestForm* form = nullptr;
};

struct PublishedCase {
  const char* component;
  const char* path;
  const char* expected;
};

TEST_F(ComCtrlsTest, EveryKindReadFromADescriptionShowsItsValuesByName) {
  NewForm();
  const PublishedCase cases[] = {
      {"TestForm", "Menu", "MainMenu1"},
      {"TestForm", "PopupMenu", "PopupMenu1"},
      {"ProgressBar1", "Min", "10"},
      {"ProgressBar1", "Max", "20"},
      {"ProgressBar1", "Position", "15"},
      {"ProgressBar1", "Orientation", "pbHorizontal"},
      {"ProgressBar1", "Smooth", "True"},
      {"ProgressBar1", "Step", "2"},
      {"TrackBar1", "Min", "0"},
      {"TrackBar1", "Max", "50"},
      {"TrackBar1", "Position", "25"},
      {"TrackBar1", "Orientation", "trHorizontal"},
      {"TrackBar1", "Frequency", "5"},
      {"TrackBar1", "TickStyle", "tsAuto"},
      {"TrackBar1", "TickMarks", "tmBoth"},
      {"UpDown1", "Associate", "Memo1"},
      {"UpDown1", "Min", "1"},
      {"UpDown1", "Max", "9"},
      {"UpDown1", "Position", "3"},
      {"UpDown1", "Orientation", "udVertical"},
      {"UpDown1", "Wrap", "True"},
      {"DateTimePicker1", "DateMode", "dmUpDown"},
      {"DateTimePicker1", "Kind", "dtkTime"},
      {"HeaderControl1", "Sections.0.Text", "Name"},
      {"HeaderControl1", "Sections.0.Width", "120"},
      {"HeaderControl1", "Sections.0.Alignment", "taLeftJustify"},
      {"HeaderControl1", "Sections.1.Text", "Size"},
      {"HeaderControl1", "Sections.1.Alignment", "taRightJustify"},
      {"StatusBar1", "Panels.0.Text", "Ready"},
      {"StatusBar1", "Panels.0.Width", "100"},
      {"StatusBar1", "Panels.0.Bevel", "pbLowered"},
      {"StatusBar1", "Panels.1.Alignment", "taCenter"},
      {"StatusBar1", "Panels.1.Bevel", "pbRaised"},
      {"StatusBar1", "SimplePanel", "False"},
      {"StatusBar1", "SimpleText", "simple"},
      {"StatusBar1", "SizeGrip", "True"},
      {"StatusBar1", "Align", "alBottom"},
      {"TabControl1", "Tabs", "One|Two|Three"},
      {"TabControl1", "TabIndex", "1"},
      {"TabControl1", "Style", "tsButtons"},
      {"TabControl1", "TabPosition", "tpBottom"},
      {"TabControl1", "MultiLine", "True"},
      {"TabControl1", "OwnerDraw", "False"},
      {"PageControl1", "ActivePage", "TabSheet2"},
      {"PageControl1", "ActivePageIndex", "1"},
      {"PageControl1", "Style", "tsTabs"},
      {"PageControl1", "TabPosition", "tpTop"},
      {"TabSheet1", "Caption", "First"},
      {"TabSheet1", "PageIndex", "0"},
      {"TabSheet3", "TabVisible", "False"},
      {"TabSheet3", "PageIndex", "2"},
      {"TabSet1", "Tabs", "Sheet1|Sheet2"},
      {"TabSet1", "TabIndex", "0"},
      {"TabSet1", "StartMargin", "4"},
      {"ToolBar1", "Flat", "True"},
      {"ToolBar1", "ShowCaptions", "True"},
      {"ToolBar1", "ButtonWidth", "60"},
      {"ToolBar1", "ButtonHeight", "24"},
      {"ToolBar1", "Images", "nil"},
      {"ToolBar1", "Menu", "nil"},
      {"ToolButton1", "Caption", "New"},
      {"ToolButton1", "Style", "tbsButton"},
      {"ToolButton1", "ImageIndex", "-1"},
      {"ToolButton2", "Style", "tbsSeparator"},
      {"ToolButton3", "Style", "tbsCheck"},
      {"ToolButton3", "Down", "True"},
      {"ToolButton3", "Enabled", "True"},
      {"CoolBar1", "Bands.0.Control", "Panel1"},
      {"CoolBar1", "Bands.0.Text", "Band"},
      {"CoolBar1", "Bands.0.ParentColor", "True"},
      {"CoolBar1", "Bands.0.Break", "True"},
      {"CoolBar1", "Bands.1.Color", "255"},
      {"CoolBar1", "Bands.1.ParentColor", "False"},
      {"CoolBar1", "Bands.1.Break", "False"},
      {"MainMenu1", "OwnerDraw", "False"},
      {"MainMenu1", "Images", "nil"},
      {"PopupMenu1", "AutoPopup", "True"},
      {"Open1", "Caption", "&Open"},
      {"Open1", "ShortCut", "16463"},
      {"Open1", "Hint", "Opens a file"},
      {"Open1", "Enabled", "True"},
      {"Open1", "Visible", "True"},
      {"Exit1", "Enabled", "False"},
      {"Big1", "RadioItem", "True"},
      {"Big1", "Checked", "True"},
      {"Big1", "Default", "True"},
      {"Big1", "ImageIndex", "2"},
  };
  for (const PublishedCase& c : cases) {
    fw::TComponent* component = fw::SameText(c.component, "TestForm") ? form : form->FindComponent(c.component);
    ASSERT_NE(component, nullptr) << c.component;
    EXPECT_EQ(ReadByName(*component, c.path), c.expected) << c.component << "." << c.path;
  }
}

TEST_F(ComCtrlsTest, TheKindsKeepTheirClassNamesAndBases) {
  struct Lineage {
    const char* name;
    const char* base;
  };
  const Lineage lineages[] = {
      {"TProgressBar", "TWinControl"},
      {"TTrackBar", "TWinControl"},
      {"TUpDown", "TCustomUpDown"},
      {"TCustomUpDown", "TWinControl"},
      {"TDateTimePicker", "TWinControl"},
      {"THeaderControl", "TWinControl"},
      {"TStatusBar", "TWinControl"},
      {"TTabControl", "TCustomTabControl"},
      {"TPageControl", "TCustomTabControl"},
      {"TCustomTabControl", "TWinControl"},
      {"TTabSheet", "TWinControl"},
      {"TTabSet", "TWinControl"},
      {"TToolBar", "TWinControl"},
      {"TCoolBar", "TWinControl"},
      {"TMainMenu", "TMenu"},
      {"TPopupMenu", "TMenu"},
      {"TMenu", "TComponent"},
      {"TMenuItem", "TComponent"},
      {"TListView", "TCustomListView"},
      {"TCustomListView", "TWinControl"},
  };
  const fw::ClassInfo* infos[] = {
      &fw::TProgressBar::StaticClass(),      &fw::TTrackBar::StaticClass(),       &fw::TUpDown::StaticClass(),
      &fw::TCustomUpDown::StaticClass(),     &fw::TDateTimePicker::StaticClass(), &fw::THeaderControl::StaticClass(),
      &fw::TStatusBar::StaticClass(),        &fw::TTabControl::StaticClass(),     &fw::TPageControl::StaticClass(),
      &fw::TCustomTabControl::StaticClass(), &fw::TTabSheet::StaticClass(),       &fw::TTabSet::StaticClass(),
      &fw::TToolBar::StaticClass(),          &fw::TCoolBar::StaticClass(),        &fw::TMainMenu::StaticClass(),
      &fw::TPopupMenu::StaticClass(),        &fw::TMenu::StaticClass(),           &fw::TMenuItem::StaticClass(),
      &fw::TListView::StaticClass(),         &fw::TCustomListView::StaticClass(),
  };
  for (size_t i = 0; i < std::size(lineages); ++i) {
    EXPECT_EQ(infos[i]->name, lineages[i].name);
    ASSERT_NE(infos[i]->parent, nullptr) << lineages[i].name;
    EXPECT_EQ(infos[i]->parent->name, lineages[i].base) << lineages[i].name;
  }
}

TEST_F(ComCtrlsTest, ProgressAndTrackBarPositionsAreTheWindowsPositions) {
  NewForm();
  auto* progress = Find<fw::TProgressBar>("ProgressBar1");
  auto* track = Find<fw::TTrackBar>("TrackBar1");
  HWND progressWindow = progress->Handle();
  HWND trackWindow = track->Handle();
  EXPECT_EQ(SendMessageA(progressWindow, PBM_GETPOS, 0, 0), 15);
  EXPECT_EQ(SendMessageA(progressWindow, PBM_GETRANGE, TRUE, 0), 10);
  EXPECT_EQ(SendMessageA(progressWindow, PBM_GETRANGE, FALSE, 0), 20);
  WriteByName(*progress, "Position", "18");
  EXPECT_EQ(SendMessageA(progressWindow, PBM_GETPOS, 0, 0), 18);
  SendMessageA(progressWindow, PBM_SETPOS, 12, 0);
  EXPECT_EQ(ReadByName(*progress, "Position"), "12");
  progress->StepIt();
  EXPECT_EQ(SendMessageA(progressWindow, PBM_GETPOS, 0, 0), 14);
  // A vertical bar is a new window with the same position.
  WriteByName(*progress, "Orientation", "pbVertical");
  EXPECT_TRUE(GetWindowLongA(progress->Handle(), GWL_STYLE) & PBS_VERTICAL);
  EXPECT_EQ(SendMessageA(progress->Handle(), PBM_GETPOS, 0, 0), 14);

  EXPECT_EQ(SendMessageA(trackWindow, TBM_GETPOS, 0, 0), 25);
  EXPECT_EQ(SendMessageA(trackWindow, TBM_GETRANGEMAX, 0, 0), 50);
  WriteByName(*track, "Position", "40");
  EXPECT_EQ(SendMessageA(trackWindow, TBM_GETPOS, 0, 0), 40);
  SendMessageA(trackWindow, TBM_SETPOS, TRUE, 7);
  EXPECT_EQ(track->Position(), 7);
  WriteByName(*track, "Orientation", "trVertical");
  EXPECT_TRUE(GetWindowLongA(track->Handle(), GWL_STYLE) & TBS_VERT);
  EXPECT_EQ(SendMessageA(track->Handle(), TBM_GETPOS, 0, 0), 7);
}

TEST_F(ComCtrlsTest, AnUpDownShowsItsPositionInItsAssociate) {
  NewForm();
  auto* upDown = Find<fw::TUpDown>("UpDown1");
  auto* memo = Find<fw::TMemo>("Memo1");
  HWND window = upDown->Handle();
  EXPECT_EQ(reinterpret_cast<HWND>(SendMessageA(window, UDM_GETBUDDY, 0, 0)), memo->Handle());
  EXPECT_EQ(memo->Text(), "3");
  // A click on the upper arrow steps the position, and the associate shows it.
  RECT r;
  GetClientRect(window, &r);
  SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(r.right / 2, 2));
  SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(r.right / 2, 2));
  testutil::PumpMessages(20);
  EXPECT_EQ(upDown->Position(), 4);
  EXPECT_EQ(memo->Text(), "4");
  upDown->SetPosition(9);
  EXPECT_EQ(memo->Text(), "9");
  EXPECT_EQ(SendMessageA(window, UDM_GETPOS32, 0, 0), 9);
  upDown->SetAssociate(nullptr);
  EXPECT_EQ(SendMessageA(window, UDM_GETBUDDY, 0, 0), 0);
}

TEST_F(ComCtrlsTest, StatusPanelsBecomeTheBarsParts) {
  NewForm();
  auto* bar = Find<fw::TStatusBar>("StatusBar1");
  HWND window = bar->Handle();
  int edges[4] = {};
  ASSERT_EQ(SendMessageA(window, SB_GETPARTS, 4, reinterpret_cast<LPARAM>(edges)), 2);
  EXPECT_EQ(edges[0], 100);
  EXPECT_EQ(edges[1], -1);  // the last panel fills the bar
  char text[64] = {};
  LRESULT info = SendMessageA(window, SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(text));
  EXPECT_STREQ(text, "Ready");
  EXPECT_EQ(HIWORD(info) & (SBT_POPOUT | SBT_NOBORDERS), 0);
  info = SendMessageA(window, SB_GETTEXTA, 1, reinterpret_cast<LPARAM>(text));
  EXPECT_STREQ(text, "\tLn 1");  // centred
  EXPECT_EQ(HIWORD(info) & SBT_POPOUT, SBT_POPOUT);

  bar->Panels()->Panel(0)->SetText("Busy");
  bar->Panels()->Panel(0)->SetWidth(150);
  SendMessageA(window, SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(text));
  EXPECT_STREQ(text, "Busy");
  SendMessageA(window, SB_GETPARTS, 4, reinterpret_cast<LPARAM>(edges));
  EXPECT_EQ(edges[0], 150);

  bar->SetSimplePanel(true);
  EXPECT_TRUE(SendMessageA(window, SB_ISSIMPLE, 0, 0));
  EXPECT_TRUE(GetWindowLongA(window, GWL_STYLE) & SBARS_SIZEGRIP);
  // The bar sits at the bottom of the form, across it.
  EXPECT_EQ(bar->Top() + bar->Height(), form->ClientHeight());
  EXPECT_EQ(bar->Width(), form->ClientWidth());
}

TEST_F(ComCtrlsTest, HeaderSectionsAreTheHeadersItems) {
  NewForm();
  auto* header = Find<fw::THeaderControl>("HeaderControl1");
  HWND window = header->Handle();
  ASSERT_EQ(SendMessageA(window, HDM_GETITEMCOUNT, 0, 0), 2);
  char text[64] = {};
  HDITEMA item{};
  item.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
  item.pszText = text;
  item.cchTextMax = sizeof text;
  ASSERT_TRUE(SendMessageA(window, HDM_GETITEMA, 1, reinterpret_cast<LPARAM>(&item)));
  EXPECT_STREQ(text, "Size");
  EXPECT_EQ(item.cxy, 60);
  EXPECT_EQ(item.fmt & HDF_JUSTIFYMASK, HDF_RIGHT);
  // A width the user dragged is the section's width.
  item.mask = HDI_WIDTH;
  item.cxy = 90;
  SendMessageA(window, HDM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
  EXPECT_EQ(ReadByName(*header, "Sections.0.Width"), "90");
  header->Sections()->Section(0)->SetText("Title");
  item.mask = HDI_TEXT;
  ASSERT_TRUE(SendMessageA(window, HDM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item)));
  EXPECT_STREQ(text, "Title");
}

TEST_F(ComCtrlsTest, TabControlTabsAndTabIndexAreTheWindowsTabs) {
  NewForm();
  auto* tabs = Find<fw::TTabControl>("TabControl1");
  HWND window = tabs->Handle();
  EXPECT_EQ(SendMessageA(window, TCM_GETITEMCOUNT, 0, 0), 3);
  EXPECT_EQ(SendMessageA(window, TCM_GETCURSEL, 0, 0), 1);
  DWORD style = static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE));
  EXPECT_TRUE(style & TCS_BUTTONS);
  EXPECT_TRUE(style & TCS_BOTTOM);
  char text[32] = {};
  TCITEMA item{};
  item.mask = TCIF_TEXT;
  item.pszText = text;
  item.cchTextMax = sizeof text;
  SendMessageA(window, TCM_GETITEMA, 2, reinterpret_cast<LPARAM>(&item));
  EXPECT_STREQ(text, "Three");
  WriteByName(*tabs, "TabIndex", "2");
  EXPECT_EQ(SendMessageA(window, TCM_GETCURSEL, 0, 0), 2);
  SendMessageA(window, TCM_SETCURSEL, 0, 0);
  EXPECT_EQ(tabs->TabIndex(), 0);
  tabs->SetTabs({"A", "B"});
  EXPECT_EQ(SendMessageA(window, TCM_GETITEMCOUNT, 0, 0), 2);
  // A style change makes a new window with the same tabs and selection.
  WriteByName(*tabs, "Style", "tsTabs");
  EXPECT_FALSE(GetWindowLongA(tabs->Handle(), GWL_STYLE) & TCS_BUTTONS);
  EXPECT_EQ(SendMessageA(tabs->Handle(), TCM_GETITEMCOUNT, 0, 0), 2);
  EXPECT_EQ(tabs->TabIndex(), 0);
}

// Clicks a point of a window's client area with real mouse messages through the queue.
void ClickAt(HWND window, POINT p) {
  PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y));
  PostMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(p.x, p.y));
  testutil::PumpMessages(50);
}

TEST_F(ComCtrlsTest, APageControlShowsOnlyTheActiveSheetAndSwitchesOnATabClick) {
  NewForm();
  auto* pages = Find<fw::TPageControl>("PageControl1");
  auto* first = Find<fw::TTabSheet>("TabSheet1");
  auto* second = Find<fw::TTabSheet>("TabSheet2");
  HWND window = pages->Handle();
  // The hidden sheet has no tab.
  EXPECT_EQ(SendMessageA(window, TCM_GETITEMCOUNT, 0, 0), 2);
  EXPECT_EQ(SendMessageA(window, TCM_GETCURSEL, 0, 0), 1);
  EXPECT_FALSE(IsWindowVisible(first->Handle()));
  EXPECT_TRUE(IsWindowVisible(second->Handle()));
  // The sheet fills the display area.
  RECT display = pages->DisplayRect();
  EXPECT_EQ(second->Left(), display.left);
  EXPECT_EQ(second->Width(), display.right - display.left);

  int changes = 0;
  pages->OnChange = {"", fw::TNotifyEvent([&](fw::TObject*) { ++changes; })};
  RECT tab{};
  SendMessageA(window, TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&tab));
  ClickAt(window, {(tab.left + tab.right) / 2, (tab.top + tab.bottom) / 2});
  EXPECT_EQ(pages->ActivePage(), first);
  EXPECT_EQ(ReadByName(*pages, "ActivePageIndex"), "0");
  EXPECT_TRUE(IsWindowVisible(first->Handle()));
  EXPECT_FALSE(IsWindowVisible(second->Handle()));
  EXPECT_EQ(changes, 1);

  pages->SetActivePageIndex(1);
  EXPECT_EQ(SendMessageA(window, TCM_GETCURSEL, 0, 0), 1);
  EXPECT_TRUE(IsWindowVisible(second->Handle()));
  // Showing the hidden sheet's tab puts it third.
  Find<fw::TTabSheet>("TabSheet3")->SetTabVisible(true);
  EXPECT_EQ(SendMessageA(window, TCM_GETITEMCOUNT, 0, 0), 3);
}

TEST_F(ComCtrlsTest, ATabSetSelectsTheClickedTab) {
  NewForm();
  auto* tabSet = Find<fw::TTabSet>("TabSet1");
  int changes = 0;
  tabSet->OnChange = {"", fw::TNotifyEvent([&](fw::TObject*) { ++changes; })};
  RECT second = tabSet->TabRect(1);
  ASSERT_FALSE(IsRectEmpty(&second));
  EXPECT_EQ(tabSet->TabRect(0).left, 4);  // StartMargin
  ClickAt(tabSet->Handle(), {(second.left + second.right) / 2, (second.top + second.bottom) / 2});
  EXPECT_EQ(tabSet->TabIndex(), 1);
  EXPECT_EQ(changes, 1);
}

TEST_F(ComCtrlsTest, ToolButtonsAreTheBarsButtonsAndClickThroughIt) {
  NewForm();
  auto* bar = Find<fw::TToolBar>("ToolBar1");
  auto* button1 = Find<fw::TToolButton>("ToolButton1");
  auto* button3 = Find<fw::TToolButton>("ToolButton3");
  HWND window = bar->Handle();
  EXPECT_EQ(SendMessageA(window, TB_BUTTONCOUNT, 0, 0), 3);
  EXPECT_TRUE(GetWindowLongA(window, GWL_STYLE) & TBSTYLE_FLAT);
  EXPECT_TRUE(SendMessageA(window, TB_ISBUTTONCHECKED, static_cast<WPARAM>(button3->Command()), 0));
  int clicks = 0;
  button1->OnClick = {"", fw::TNotifyEvent([&](fw::TObject*) { ++clicks; })};
  RECT r = button1->ItemRect();
  ClickAt(window, {(r.left + r.right) / 2, (r.top + r.bottom) / 2});
  EXPECT_EQ(clicks, 1);
  // A check button toggles on a click; the object reads the window's state.
  r = button3->ItemRect();
  ClickAt(window, {(r.left + r.right) / 2, (r.top + r.bottom) / 2});
  EXPECT_FALSE(button3->Down());
  button3->SetEnabled(false);
  EXPECT_FALSE(SendMessageA(window, TB_ISBUTTONENABLED, static_cast<WPARAM>(button3->Command()), 0));
  button3->SetVisible(false);
  EXPECT_EQ(SendMessageA(window, TB_BUTTONCOUNT, 0, 0), 2);
  fw::Free(button1);
  EXPECT_EQ(SendMessageA(window, TB_BUTTONCOUNT, 0, 0), 1);
}

TEST_F(ComCtrlsTest, ToolBarCustomDrawEventsRunDuringARealPaint) {
  NewForm();
  auto* bar = Find<fw::TToolBar>("ToolBar1");
  int backgrounds = 0;
  std::vector<std::string> buttons;
  RECT background{};
  bar->OnCustomDraw = {"", fw::TTBCustomDrawEvent([&](fw::TToolBar* sender, const RECT& rect, bool& defaultDraw) {
                         ++backgrounds;
                         background = rect;
                         // The handler paints on the bar's canvas.
                         EXPECT_NE(sender->Canvas()->Handle(), nullptr);
                         sender->Canvas()->SetBrushColor(fw::TColor{0x0000FF});
                         sender->Canvas()->FillRect(rect);
                         defaultDraw = true;
                       })};
  bar->OnCustomDrawButton = {"", fw::TTBCustomDrawBtnEvent([&](fw::TToolBar* sender, fw::TToolButton* button,
                                                               fw::TCustomDrawState state, bool& defaultDraw) {
                               EXPECT_NE(sender->Canvas()->Handle(), nullptr);
                               buttons.push_back(button->Name() + ((state & (1u << fw::cdsChecked)) ? "+checked" : ""));
                               defaultDraw = true;
                             })};
  RedrawWindow(bar->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  EXPECT_GE(backgrounds, 1);
  EXPECT_EQ(background.right, bar->ClientWidth());
  ASSERT_FALSE(buttons.empty());
  EXPECT_NE(std::find(buttons.begin(), buttons.end(), "ToolButton1"), buttons.end());
  EXPECT_NE(std::find(buttons.begin(), buttons.end(), "ToolButton3+checked"), buttons.end());
  // The canvas let go of the paint's DC.
  EXPECT_EQ(bar->Canvas()->Handle(), nullptr);
  // The background handler's red stays where no button is; a button handler that draws its
  // button itself keeps the bar from drawing it.
  bar->OnCustomDrawButton = {"", fw::TTBCustomDrawBtnEvent([&](fw::TToolBar* sender, fw::TToolButton* button,
                                                               fw::TCustomDrawState, bool& defaultDraw) {
                               sender->Canvas()->SetBrushColor(fw::TColor{0x00FF00});
                               sender->Canvas()->FillRect(button->ItemRect());
                               defaultDraw = false;
                             })};
  RedrawWindow(bar->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  RECT button = Find<fw::TToolButton>("ToolButton1")->ItemRect();
  HDC dc = GetDC(bar->Handle());
  COLORREF onButton = GetPixel(dc, (button.left + button.right) / 2, (button.top + button.bottom) / 2);
  COLORREF beyondButtons = GetPixel(dc, bar->ClientWidth() - 3, bar->ClientHeight() / 2);
  ReleaseDC(bar->Handle(), dc);
  EXPECT_EQ(onButton, RGB(0, 255, 0));
  EXPECT_EQ(beyondButtons, RGB(255, 0, 0));
}

TEST_F(ComCtrlsTest, CoolBandsTakeTheirColourAndControl) {
  NewForm();
  auto* bar = Find<fw::TCoolBar>("CoolBar1");
  auto* panel = Find<fw::TPanel>("Panel1");
  HWND window = bar->Handle();
  ASSERT_EQ(SendMessageA(window, RB_GETBANDCOUNT, 0, 0), 2);
  REBARBANDINFOA info{};
  info.cbSize = sizeof info;
  info.fMask = RBBIM_COLORS | RBBIM_CHILD;
  ASSERT_TRUE(SendMessageA(window, RB_GETBANDINFOA, 0, reinterpret_cast<LPARAM>(&info)));
  EXPECT_EQ(info.hwndChild, panel->Handle());
  EXPECT_EQ(info.clrBack, fw::ColorToRGB(fw::clBtnFace));  // the bar's colour
  ASSERT_TRUE(SendMessageA(window, RB_GETBANDINFOA, 1, reinterpret_cast<LPARAM>(&info)));
  EXPECT_EQ(info.clrBack, RGB(255, 0, 0));
  // As the skin does it: every band takes one colour and stops following the bar.
  for (int i = 0; i < bar->Bands()->Count(); ++i) WriteByName(*bar->Bands()->Band(i), "Color", "8421376");
  EXPECT_EQ(ReadByName(*bar, "Bands.0.ParentColor"), "False");
  ASSERT_TRUE(SendMessageA(window, RB_GETBANDINFOA, 0, reinterpret_cast<LPARAM>(&info)));
  EXPECT_EQ(info.clrBack, static_cast<COLORREF>(8421376));
}

// ---- Menus ----------------------------------------------------------------------------------

std::string MenuText(HMENU menu, UINT position) {
  char text[80] = {};
  GetMenuStringA(menu, position, text, sizeof text, MF_BYPOSITION);
  return text;
}

UINT MenuType(HMENU menu, UINT position) {
  MENUITEMINFOA info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_FTYPE | MIIM_STATE;
  GetMenuItemInfoA(menu, position, TRUE, &info);
  return info.fType;
}

UINT MenuState(HMENU menu, UINT position) {
  MENUITEMINFOA info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_STATE;
  GetMenuItemInfoA(menu, position, TRUE, &info);
  return info.fState;
}

TEST_F(ComCtrlsTest, AFormsMenuIsItsMenuBarAndCommandsReachOnClick) {
  NewForm();
  auto* menu = Find<fw::TMainMenu>("MainMenu1");
  auto* open = Find<fw::TMenuItem>("Open1");
  HMENU bar = GetMenu(form->Handle());
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(bar, menu->Handle());
  ASSERT_EQ(GetMenuItemCount(bar), 2);
  EXPECT_EQ(MenuText(bar, 0), "&File");
  HMENU file = GetSubMenu(bar, 0);
  EXPECT_EQ(file, Find<fw::TMenuItem>("File1")->Handle());
  ASSERT_EQ(GetMenuItemCount(file), 3);
  EXPECT_EQ(MenuText(file, 0), "&Open\tCtrl+O");
  EXPECT_TRUE(MenuType(file, 1) & MFT_SEPARATOR);
  EXPECT_TRUE(MenuState(file, 2) & MFS_GRAYED);
  HMENU view = GetSubMenu(bar, 1);
  EXPECT_TRUE(MenuType(view, 0) & MFT_RADIOCHECK);
  EXPECT_EQ(MenuState(view, 0) & (MFS_CHECKED | MFS_DEFAULT), static_cast<UINT>(MFS_CHECKED | MFS_DEFAULT));
  // The client area is the stored size below the bar.
  EXPECT_EQ(form->ClientHeight(), 480);

  int clicks = 0;
  open->OnClick = {"", fw::TNotifyEvent([&](fw::TObject* sender) {
                     EXPECT_EQ(sender, open);
                     ++clicks;
                   })};
  SendMessageA(form->Handle(), WM_COMMAND, MAKEWPARAM(open->Command(), 0), 0);
  EXPECT_EQ(clicks, 1);

  // Changes reach the native items.
  open->SetCaption("&Load");
  open->SetEnabled(false);
  EXPECT_EQ(MenuText(file, 0), "&Load\tCtrl+O");
  EXPECT_TRUE(MenuState(file, 0) & MFS_GRAYED);
  Find<fw::TMenuItem>("N1")->SetVisible(false);
  EXPECT_EQ(GetMenuItemCount(file), 2);
  auto* added = new fw::TMenuItem(form);
  added->SetCaption("Added");
  menu->Items()->Add(added);
  EXPECT_EQ(GetMenuItemCount(bar), 3);
  EXPECT_EQ(MenuText(bar, 2), "Added");

  // A window that took its bar off (as a skinned bar does) gets it back with the next change,
  // and hears of it.
  int menuChanges = 0;
  fw::TWndMethod previous = form->WindowProc;
  form->WindowProc = [&](fw::TMessage& message) {
    if (message.Msg == fw::CM_MENUCHANGED) ++menuChanges;
    previous(message);
  };
  SetMenu(form->Handle(), nullptr);
  added->SetCaption("Changed");
  EXPECT_EQ(GetMenu(form->Handle()), bar);
  EXPECT_EQ(menuChanges, 1);
  form->WindowProc = previous;
}

// Runs `during` once a popup menu window is showing, then closes the menus.
class MenuWatcher {
 public:
  explicit MenuWatcher(std::function<void(HWND)> during) {
    current_ = this;
    during_ = std::move(during);
    timer_ = SetTimer(nullptr, 0, 50, &MenuWatcher::Tick);
  }
  ~MenuWatcher() {
    KillTimer(nullptr, timer_);
    current_ = nullptr;
  }
  MenuWatcher(const MenuWatcher&) = delete;
  MenuWatcher& operator=(const MenuWatcher&) = delete;
  bool sawMenu = false;

 private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    MenuWatcher* self = current_;
    if (!self || self->sawMenu) return;
    HWND popup = FindWindowA("#32768", nullptr);
    if (!popup || !IsWindowVisible(popup)) {
      if (++self->ticks_ > 60) EndMenu();  // never hang on a menu that did not open
      return;
    }
    self->sawMenu = true;
    self->during_(popup);
  }
  static inline MenuWatcher* current_ = nullptr;
  std::function<void(HWND)> during_;
  UINT_PTR timer_ = 0;
  int ticks_ = 0;
};

TEST_F(ComCtrlsTest, ARightClickOpensTheControlsPopupMenu) {
  NewForm();
  auto* popup = Find<fw::TPopupMenu>("PopupMenu1");
  auto* copy = Find<fw::TMenuItem>("Copy1");
  int popups = 0, clicks = 0;
  popup->OnPopup = {"", fw::TNotifyEvent([&](fw::TObject*) { ++popups; })};
  copy->OnClick = {"", fw::TNotifyEvent([&](fw::TObject*) { ++clicks; })};
  {
    // The first item is chosen from the keyboard while the menu is open.
    MenuWatcher watcher([](HWND menuWindow) {
      PostMessageA(menuWindow, WM_KEYDOWN, VK_DOWN, 0);
      PostMessageA(menuWindow, WM_KEYDOWN, VK_RETURN, 0);
    });
    PostMessageA(form->Handle(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(300, 400));
    PostMessageA(form->Handle(), WM_RBUTTONUP, 0, MAKELPARAM(300, 400));
    testutil::PumpUntil([&] { return clicks > 0; }, 3000);
    EXPECT_TRUE(watcher.sawMenu);
  }
  EXPECT_EQ(popups, 1);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(popup->PopupComponent(), form);
}

TEST_F(ComCtrlsTest, OwnerDrawnMenusMeasureAndDrawThroughTheItemsEvents) {
  NewForm();
  auto* popup = Find<fw::TPopupMenu>("PopupMenu1");
  auto* copy = Find<fw::TMenuItem>("Copy1");
  auto* mainMenu = Find<fw::TMainMenu>("MainMenu1");
  mainMenu->SetOwnerDraw(true);
  HMENU file = GetSubMenu(GetMenu(form->Handle()), 0);
  for (UINT i = 0; i < 3; ++i) EXPECT_TRUE(MenuType(file, i) & MFT_OWNERDRAW) << i;
  EXPECT_TRUE(MenuType(GetMenu(form->Handle()), 0) & MFT_OWNERDRAW);
  mainMenu->SetOwnerDraw(false);
  EXPECT_FALSE(MenuType(file, 0) & MFT_OWNERDRAW);
  EXPECT_EQ(MenuText(file, 0), "&Open\tCtrl+O");

  popup->SetOwnerDraw(true);
  int measured = 0;
  std::vector<RECT> drawn;
  copy->OnMeasureItem = {
      "", fw::TMenuMeasureItemEvent([&](fw::TObject* sender, fw::TCanvas* canvas, int& width, int& height) {
        EXPECT_EQ(sender, copy);
        EXPECT_NE(canvas->Handle(), nullptr);
        ++measured;
        width = 123;
        height = 31;
      })};
  copy->OnDrawItem = {"", fw::TMenuDrawItemEvent([&](fw::TObject*, fw::TCanvas* canvas, const RECT& rect, bool) {
                        EXPECT_NE(canvas->Handle(), nullptr);
                        drawn.push_back(rect);
                      })};
  {
    MenuWatcher watcher([](HWND) { EndMenu(); });
    popup->Popup(100, 100);
    EXPECT_TRUE(watcher.sawMenu);
  }
  EXPECT_GE(measured, 1);
  ASSERT_FALSE(drawn.empty());
  EXPECT_EQ(drawn.front().bottom - drawn.front().top, 31);
  EXPECT_GE(drawn.front().right - drawn.front().left, 123);
}

TEST_F(ComCtrlsTest, MenusFreeTheirNativeMenus) {
  NewForm();
  HMENU bar = Find<fw::TMainMenu>("MainMenu1")->Handle();
  HMENU file = Find<fw::TMenuItem>("File1")->Handle();
  HMENU popup = Find<fw::TPopupMenu>("PopupMenu1")->Handle();
  ASSERT_TRUE(IsMenu(bar) && IsMenu(file) && IsMenu(popup));
  // An item freed on its own leaves its menu.
  fw::Free(Find<fw::TMenuItem>("View1"));
  EXPECT_EQ(GetMenuItemCount(bar), 1);
  fw::Free(form);
  form = nullptr;
  EXPECT_FALSE(IsMenu(bar));
  EXPECT_FALSE(IsMenu(file));
  EXPECT_FALSE(IsMenu(popup));

  // A menu freed before its form leaves the window without a bar.
  NewForm();
  auto* menu = Find<fw::TMainMenu>("MainMenu1");
  bar = menu->Handle();
  fw::Free(menu);
  EXPECT_EQ(GetMenu(form->Handle()), nullptr);
  EXPECT_FALSE(IsMenu(bar));
}

TEST_F(ComCtrlsTest, FormsWithEveryKindLeaveNoObjectsBehind) {
  auto cycle = [&] {
    NewForm();
    Find<fw::TMainMenu>("MainMenu1")->SetOwnerDraw(true);
    RedrawWindow(form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
    Find<fw::TPageControl>("PageControl1")->SetActivePageIndex(0);
    Find<fw::TTabControl>("TabControl1")->SetStyle(fw::TTabStyle::tsFlatButtons);
    fw::Free(form);
    form = nullptr;
  };
  // The first form makes the objects that the system keeps for the process.
  cycle();
  testutil::PumpMessages(20);
  auto gdiBefore = test_support::CountGdiObjects();
  auto userBefore = test_support::CountUserObjects();
  ASSERT_TRUE(gdiBefore && userBefore) << "object counts are not available here";
  for (int i = 0; i < 50; ++i) cycle();
  testutil::PumpMessages(20);
  EXPECT_EQ(test_support::CountGdiObjects(), gdiBefore);
  EXPECT_EQ(test_support::CountUserObjects(), userBefore);
}

TEST_F(ComCtrlsTest, WrittenDescriptionsReadBackWithTheirReferencesAndNesting) {
  NewForm();
  std::string written = fw::WriteComponent(*form);
  EXPECT_NE(written.find("Menu = MainMenu1"), std::string::npos);
  EXPECT_NE(written.find("Associate = Memo1"), std::string::npos);
  fwtest::TTestForm copy(&app);
  copy.Load(written);
  copy.Show();
  EXPECT_EQ(fw::WriteComponent(copy), written);
  auto* upDown = dynamic_cast<fw::TUpDown*>(copy.FindComponent("UpDown1"));
  ASSERT_NE(upDown, nullptr);
  EXPECT_EQ(upDown->Associate(), copy.FindComponent("Memo1"));
  auto* file = dynamic_cast<fw::TMenuItem*>(copy.FindComponent("File1"));
  ASSERT_NE(file, nullptr);
  EXPECT_EQ(file->Count(), 3);
  EXPECT_EQ(file->GetParentMenu(), copy.Menu());
  auto* button = dynamic_cast<fw::TToolButton*>(copy.FindComponent("ToolButton3"));
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->ToolBar(), copy.FindComponent("ToolBar1"));
}

TEST_F(ComCtrlsTest, AReferenceToAMissingOrWrongComponentIsAReadError) {
  struct BadReference {
    const char* description;
    const char* mentions;
  };
  const BadReference cases[] = {
      {"object TestForm: TTestForm\n  Menu = Nowhere1\nend\n", "Nowhere1"},
      {"object TestForm: TTestForm\n  Menu = Memo1\n  object Memo1: TMemo\n  end\nend\n", "TMainMenu"},
      {"object TestForm: TTestForm\n  Menu = 'MainMenu1'\nend\n", "Menu"},
  };
  for (const BadReference& c : cases) {
    fwtest::TTestForm bad(&app);
    try {
      bad.Load(c.description);
      ADD_FAILURE() << c.description;
    } catch (const fw::EReadError& e) {
      EXPECT_NE(std::string(e.what()).find(c.mentions), std::string::npos) << e.what();
    }
  }
  // "nil" clears a reference.
  fwtest::TTestForm none(&app);
  none.Load("object TestForm: TTestForm\n  Menu = nil\nend\n");
  EXPECT_EQ(none.Menu(), nullptr);
}

TEST_F(ComCtrlsTest, AToolBarShowsItsMenusItemsAsButtons) {
  NewForm();
  auto* bar = Find<fw::TToolBar>("ToolBar1");
  auto* menu = Find<fw::TMainMenu>("MainMenu1");
  auto* leaf = new fw::TMenuItem(form);
  leaf->SetCaption("Leaf");
  menu->Items()->Add(leaf);
  int clicks = 0;
  leaf->OnClick = {"", fw::TNotifyEvent([&](fw::TObject*) { ++clicks; })};
  WriteByName(*form, "Caption", "menu bar");
  bar->SetMenu(menu);
  EXPECT_EQ(ReadByName(*bar, "Menu"), "MainMenu1");
  HWND window = bar->Handle();
  // Three buttons of its own and one for each top-level item.
  ASSERT_EQ(SendMessageA(window, TB_BUTTONCOUNT, 0, 0), 6);
  TBBUTTON native{};
  SendMessageA(window, TB_GETBUTTON, 3, reinterpret_cast<LPARAM>(&native));
  char text[32] = {};
  SendMessageA(window, TB_GETBUTTONTEXTA, static_cast<WPARAM>(native.idCommand), reinterpret_cast<LPARAM>(text));
  EXPECT_STREQ(text, "&File");
  SendMessageA(window, TB_GETBUTTON, 5, reinterpret_cast<LPARAM>(&native));
  RECT r{};
  SendMessageA(window, TB_GETITEMRECT, 5, reinterpret_cast<LPARAM>(&r));
  ClickAt(window, {(r.left + r.right) / 2, (r.top + r.bottom) / 2});
  EXPECT_EQ(clicks, 1);
  bar->SetMenu(nullptr);
  EXPECT_EQ(SendMessageA(window, TB_BUTTONCOUNT, 0, 0), 3);
}

TEST_F(ComCtrlsTest, ReferencesForgetAComponentThatIsFreed) {
  NewForm();
  auto* bar = Find<fw::TToolBar>("ToolBar1");
  auto* coolBar = Find<fw::TCoolBar>("CoolBar1");
  auto* upDown = Find<fw::TUpDown>("UpDown1");
  bar->SetMenu(Find<fw::TMainMenu>("MainMenu1"));
  ASSERT_EQ(SendMessageA(bar->Handle(), TB_BUTTONCOUNT, 0, 0), 5);
  fw::Free(Find<fw::TMenuItem>("View1"));
  EXPECT_EQ(SendMessageA(bar->Handle(), TB_BUTTONCOUNT, 0, 0), 4);
  fw::Free(Find<fw::TMainMenu>("MainMenu1"));
  EXPECT_EQ(form->Menu(), nullptr);
  EXPECT_EQ(bar->Menu(), nullptr);
  EXPECT_EQ(SendMessageA(bar->Handle(), TB_BUTTONCOUNT, 0, 0), 3);
  fw::Free(Find<fw::TMemo>("Memo1"));
  EXPECT_EQ(upDown->Associate(), nullptr);
  fw::Free(Find<fw::TPanel>("Panel1"));
  EXPECT_EQ(ReadByName(*coolBar, "Bands.0.Control"), "nil");
  fw::Free(Find<fw::TPopupMenu>("PopupMenu1"));
  EXPECT_EQ(form->PopupMenu(), nullptr);
  // A right click without a menu is the window's own business.
  SendMessageA(form->Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(form->Handle()), MAKELPARAM(300, 300));
}

}  // namespace
