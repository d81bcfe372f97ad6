// The form description's syntax on its own: text to tree, tree to text, and errors that name the
// line. Portable: runs natively under the sanitizers and under Wine.
#include "framework/form_syntax.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

namespace {

using fw::FormObject;
using fw::FormValue;
using K = fw::FormValue::Kind;

const FormValue& ValueOf(const FormObject& object, const std::string& path) {
  for (const auto& p : object.properties) {
    if (p.path == path) return *p.value;
  }
  ADD_FAILURE() << "no property " << path << " in " << object.name;
  static const FormValue kNone;
  return kNone;
}

constexpr const char* kDescription = R"(object Form1: TForm1
  Caption = 'It''s a '#$4E2D#25991' form'   // a quote, a hex and a decimal code point
  Font.Style = [fsBold, fsItalic]
  Font.Color = $00804000
  Color = $FF00000F
  Left = -12
  OnCreate = FormCreate
  object Panel1: TPanel
    Caption = '中文' +
      ' over lines'
    object Label1: TLabel
      Columns = <
        item
          Caption = 'one'
          Width = 80
        end
        item
          Width = 20
        end>
    end
  end
  object Sample1: TSample
    Data = {
      00FF10
      7f}
    Lines = (
      'one'
      #9'tab')
    Empty = ''
  end
end
)";

TEST(FormSyntax, ParsesObjectsAndEveryKindOfValue) {
  const FormObject root = fw::ParseFormText(kDescription);
  EXPECT_EQ(root.name, "Form1");
  EXPECT_EQ(root.className, "TForm1");
  ASSERT_EQ(root.children.size(), 2u);
  const FormObject& panel = root.children[0];
  EXPECT_EQ(panel.name, "Panel1");
  EXPECT_EQ(panel.line, 8);
  ASSERT_EQ(panel.children.size(), 1u);
  EXPECT_EQ(panel.children[0].className, "TLabel");

  EXPECT_EQ(ValueOf(root, "Caption").kind, K::String);
  EXPECT_EQ(ValueOf(root, "Caption").string, u"It's a \u4E2D\u6587 form");
  EXPECT_EQ(ValueOf(root, "Font.Style").names, (std::vector<std::string>{"fsBold", "fsItalic"}));
  EXPECT_EQ(ValueOf(root, "Font.Color").integer, 0x00804000);
  EXPECT_EQ(ValueOf(root, "Color").integer, -0x00FFFFF1) << "a 32-bit pattern keeps its sign";
  EXPECT_EQ(ValueOf(root, "Left").integer, -12);
  EXPECT_EQ(ValueOf(root, "OnCreate").kind, K::Ident);
  EXPECT_EQ(ValueOf(root, "OnCreate").ident, "FormCreate");
  EXPECT_EQ(ValueOf(panel, "Caption").string, u"\u4E2D\u6587 over lines");

  const FormValue& columns = ValueOf(panel.children[0], "Columns");
  ASSERT_EQ(columns.kind, K::Collection);
  ASSERT_EQ(columns.items.size(), 2u);
  EXPECT_EQ(columns.items[0].size(), 2u);
  EXPECT_EQ(columns.items[1][0].path, "Width");
  EXPECT_EQ(columns.items[1][0].value->integer, 20);

  const FormObject& sample = root.children[1];
  EXPECT_EQ(ValueOf(sample, "Data").bytes, (std::vector<uint8_t>{0x00, 0xFF, 0x10, 0x7F}));
  EXPECT_EQ(ValueOf(sample, "Lines").strings, (std::vector<std::u16string>{u"one", u"\ttab"}));
  EXPECT_EQ(ValueOf(sample, "Empty").kind, K::String);
  EXPECT_TRUE(ValueOf(sample, "Empty").string.empty());
}

TEST(FormSyntax, WritesTheTextTheReaderReads) {
  const std::string expected =
      "object Form1: TForm1\r\n"
      "  Caption = 'It''s a \xE4\xB8\xAD\xE6\x96\x87 form'\r\n"
      "  Font.Style = [fsBold, fsItalic]\r\n"
      "  Font.Color = 8404992\r\n"
      "  Color = -16777201\r\n"
      "  Left = -12\r\n"
      "  OnCreate = FormCreate\r\n"
      "  object Panel1: TPanel\r\n"
      "    Caption = '\xE4\xB8\xAD\xE6\x96\x87 over lines'\r\n"
      "    object Label1: TLabel\r\n"
      "      Columns = <\r\n"
      "        item\r\n"
      "          Caption = 'one'\r\n"
      "          Width = 80\r\n"
      "        end\r\n"
      "        item\r\n"
      "          Width = 20\r\n"
      "        end>\r\n"
      "    end\r\n"
      "  end\r\n"
      "  object Sample1: TSample\r\n"
      "    Data = {\r\n"
      "      00FF107F}\r\n"
      "    Lines = (\r\n"
      "      'one'\r\n"
      "      #9'tab')\r\n"
      "    Empty = ''\r\n"
      "  end\r\n"
      "end\r\n";
  const std::string written = fw::FormText(fw::ParseFormText(kDescription));
  EXPECT_EQ(written, expected);
  EXPECT_EQ(fw::FormText(fw::ParseFormText(written)), written);
}

TEST(FormSyntax, StringsKeepEveryCodeUnit) {
  struct Case {
    const char* name;
    std::u16string units;
  };
  const Case cases[] = {
      {"control characters", u"a\r\nb\x7F"},
      {"a character beyond the first plane", u"\U0001F600!"},
      {"unpaired surrogates", std::u16string{u'x', char16_t(0xD800), u'y', char16_t(0xDC01)}},
      {"quotes only", u"''"},
  };
  for (const Case& c : cases) {
    FormObject root;
    root.name = "Form1";
    root.className = "TForm1";
    FormValue value;
    value.kind = K::String;
    value.string = c.units;
    root.properties.push_back({"Caption", std::make_shared<FormValue>(value), 0});
    const FormObject read = fw::ParseFormText(fw::FormText(root));
    EXPECT_EQ(ValueOf(read, "Caption").string, c.units) << c.name << ": " << fw::FormText(root);
  }
  // Bytes that are no UTF-8 become U+FFFD, one each.
  const FormObject bad = fw::ParseFormText("object F: T\n  S = 'a\xFF\xC3'\nend");
  EXPECT_EQ(ValueOf(bad, "S").string, u"a\uFFFD\uFFFD");
}

TEST(FormSyntax, ErrorsNameTheLineAndWhatIsWrong) {
  struct Case {
    const char* text;
    const char* mentions;
  };
  const Case cases[] = {
      {"object F: T\n  S = 'open\nend", "line 2: unterminated string"},
      {"object F: T\n  D = {ABC}\nend", "line 2: odd number of hexadecimal digits"},
      {"object F: T\n  D = {AZ}\nend", "hexadecimal digit expected"},
      {"object F: T\n  N = 99999999999\nend", "integer out of range"},
      {"object F: T\n  S = #70000\nend", "character code out of range"},
      {"object F: T\n  X = [a b]\nend", "',' or ']' expected"},
      {"object F: T\n  X = <a>\nend", "'item' expected"},
      {"object F: T\n  X = ?\nend", "value expected"},
      {"object F: T\n  object G: T\nend", "'end' expected for F"},
      {"object F: T\nend\nobject G: T\nend", "line 3: text after the final 'end'"},
      {"thing F: T\nend", "line 1: 'object' expected"},
      {"", "'object' expected"},
  };
  for (const Case& c : cases) {
    try {
      (void)fw::ParseFormText(c.text);
      ADD_FAILURE() << "no error for: " << c.text;
    } catch (const fw::EReadError& e) {
      EXPECT_NE(std::string(e.what()).find(c.mentions), std::string::npos) << e.what();
    }
  }
}

TEST(FormSyntax, TheProgramsMainFormReadsBackFromWhatIsWritten) {
  std::ifstream file(PASTELLE_SOURCE_DIR "/app/main_form.dfm", std::ios::binary);
  ASSERT_TRUE(file) << PASTELLE_SOURCE_DIR;
  const std::string text{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  const std::string written = fw::FormText(fw::ParseFormText(text));
  EXPECT_EQ(fw::FormText(fw::ParseFormText(written)), written);
  EXPECT_NE(written.find("object SkinData1: TSkinData\r\n"), std::string::npos);
}

}  // namespace
