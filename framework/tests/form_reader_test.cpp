// Reading stored form descriptions: values of every kind, nesting, events, and clear errors.
#include "framework/form_reader.h"

#include <gtest/gtest.h>

#include "framework/application.h"
#include "framework/form_writer.h"
#include "framework/tests/test_classes.h"
#include "framework/text.h"

namespace {

class FormReaderTest : public testing::Test {
 protected:
  void SetUp() override {
    app.Initialize();
    fwtest::RegisterTestClasses();
    form = new fwtest::TTestForm(&app);
  }
  fw::TApplication app;
  fwtest::TTestForm* form = nullptr;
};

constexpr const char* kDescription = R"(object TestForm: TTestForm
  Caption = 'It''s a '#$4E2D#25991' form'   // quotes, a hex and a decimal code point
  ClientWidth = 300
  ClientHeight = 200
  Font.Name = 'Tahoma'
  Font.Style = [fsBold, fsItalic]
  Font.Color = $00804000
  OnCreate = FormCreate
  object Panel1: TPanel
    Left = 0
    Top = 0
    Width = 300
    Height = 40
    Align = alTop
    Color = clWhite
    object Label1: TLabel
      Left = 8
      Top = 12
      Caption = '中文'
      Font.Style = [fsUnderline]
    end
    object Button1: TBitBtn
      Left = 200
      Top = 8
      Anchors = [akTop, akRight]
      Caption = 'Go'
      OnClick = Button1Click
    end
  end
  object Sample1: TSample
    Count = -42
    Shade = shDark
    Shades = [shLight, shDark]
    Title = 'joined ' +
      'over lines'
    Data = {
      00FF10
      7f}
    Lines = (
      'one'
      'two')
    Flag = True
    OnChange = Button1Click
    Tag = 7
  end
end
)";

TEST_F(FormReaderTest, BuildsTheTreeWithEveryKindOfValue) {
  form->Load(kDescription);
  EXPECT_EQ(form->created, 1);
  EXPECT_EQ(form->Name(), "TestForm");
  EXPECT_EQ(form->Caption(), fw::Ansi("It's a 中文 form"));
  EXPECT_EQ(form->ClientWidth(), 300);
  EXPECT_EQ(form->Font()->Style(), fw::FontStyles({fw::fsBold, fw::fsItalic}));
  EXPECT_EQ(form->Font()->Color(), 0x00804000);

  ASSERT_NE(form->Panel1, nullptr);
  ASSERT_NE(form->Label1, nullptr);
  ASSERT_NE(form->Button1, nullptr);
  ASSERT_NE(form->Sample1, nullptr);
  EXPECT_EQ(form->Panel1->Parent(), form);
  EXPECT_EQ(form->Label1->Parent(), form->Panel1);
  EXPECT_EQ(form->Button1->Parent(), form->Panel1);
  EXPECT_EQ(form->Label1->Owner(), form);
  EXPECT_EQ(form->FindComponent("label1"), form->Label1);
  EXPECT_EQ(form->Panel1->Color(), fw::clWhite);
  EXPECT_EQ(form->Label1->Caption(), fw::Ansi("中文"));
  // Inherited font, then one value of its own.
  EXPECT_EQ(form->Label1->Font()->Name(), "Tahoma");
  EXPECT_EQ(form->Label1->Font()->Style(), fw::FontStyles({fw::fsUnderline}));
  EXPECT_EQ(form->Button1->Anchors(), (1u << fw::akTop) | (1u << fw::akRight));

  fwtest::TSample& s = *form->Sample1;
  EXPECT_EQ(s.Count(), -42);
  EXPECT_EQ(s.Shade(), fwtest::TShade::shDark);
  EXPECT_EQ(s.Shades(), 0b101u);
  EXPECT_EQ(s.Title(), "joined over lines");
  EXPECT_EQ(s.Data(), (std::vector<uint8_t>{0x00, 0xFF, 0x10, 0x7F}));
  EXPECT_EQ(s.Lines(), (std::vector<std::string>{"one", "two"}));
  EXPECT_TRUE(s.Flag());
  EXPECT_EQ(s.Tag(), 7);
  EXPECT_EQ(s.loadedCalls, 1);
  EXPECT_FALSE(s.HasState(fw::ComponentState::Loading));

  // Events are bound to the root's published methods.
  form->Button1->Click();
  fw::FireNotify(s.OnChange, &s);
  EXPECT_EQ(form->clicked, 2);
  EXPECT_EQ(s.OnChange.name, "Button1Click");
}

TEST_F(FormReaderTest, ErrorsNameWhatIsWrong) {
  struct Case {
    const char* body;
    const char* mentions;
  };
  const Case cases[] = {
      {"object X: TNoSuchClass\nend", "TNoSuchClass"},
      {"object Panel1: TPanel\n  Colour = 5\nend", "Colour"},
      {"object Panel1: TPanel\n  Align = alMiddle\nend", "Align"},
      {"object Panel1: TPanel\n  Anchors = [akLeft, akNowhere]\nend", "akNowhere"},
      {"object Panel1: TPanel\n  Left = 'ten'\nend", "Left"},
      {"object Panel1: TPanel\n  Font.Weight = 5\nend", "Weight"},
      {"object Panel1: TPanel\n  OnClick = NoSuchHandler\nend", "NoSuchHandler"},
      {"object Panel1: TLabel\nend", "Panel1"},  // the field is of another class
      {"object Panel1: TPanel\n  Caption = 'open\nend", "unterminated"},
      {"object Sample1: TSample\n  Data = {ABC}\nend", "hexadecimal"},
      {"object Sample1: TSample\n  Count = 99999999999\nend", "range"},
  };
  for (const Case& c : cases) {
    fwtest::TTestForm probe(nullptr);
    std::string text = std::string("object TestForm: TTestForm\n") + c.body + "\nend\n";
    try {
      probe.Load(text);
      ADD_FAILURE() << "no error for: " << c.body;
    } catch (const fw::EReadError& e) {
      EXPECT_NE(std::string(e.what()).find(c.mentions), std::string::npos) << e.what();
    }
  }
}

TEST_F(FormReaderTest, ADescriptionOfAnotherRootClassIsRefused) {
  EXPECT_THROW(form->Load("object F: TForm1\nend\n"), fw::EReadError);
  EXPECT_THROW(form->Load("object F: TTestForm\nend\nobject G: TTestForm\nend\n"), fw::EReadError);
}

}  // namespace

namespace {

TEST_F(FormReaderTest, WrittenDescriptionsReadBackToTheSameValues) {
  form->Load(kDescription);
  std::string written = fw::WriteComponent(*form);

  fwtest::TTestForm copy(&app);
  copy.Load(written);
  EXPECT_EQ(fw::WriteComponent(copy), written);
  EXPECT_EQ(copy.Caption(), form->Caption());
  EXPECT_EQ(copy.Font()->Style(), form->Font()->Style());
  EXPECT_EQ(copy.Label1->Parent(), copy.Panel1);
  EXPECT_EQ(copy.Button1->Anchors(), form->Button1->Anchors());
  EXPECT_EQ(copy.Sample1->Data(), form->Sample1->Data());
  EXPECT_EQ(copy.Sample1->Lines(), form->Sample1->Lines());
  EXPECT_EQ(copy.Sample1->Shades(), form->Sample1->Shades());
  EXPECT_EQ(copy.Sample1->OnChange.name, "Button1Click");

  // Texts with quotes, line breaks and Chinese survive.
  copy.Sample1->SetTitle(fw::Ansi("它's\r\n"));
  copy.Sample1->SetData({});
  copy.Sample1->SetLines({});
  fwtest::TTestForm third(&app);
  third.Load(fw::WriteComponent(copy));
  EXPECT_EQ(third.Sample1->Title(), fw::Ansi("它's\r\n"));
  EXPECT_TRUE(third.Sample1->Data().empty());
  EXPECT_TRUE(third.Sample1->Lines().empty());
}

}  // namespace
