#include "skin/resources/quick_ini.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skin/resources/assertion.h"
#include "skin/resources/platform_hooks.h"

namespace {

using skin::TMemoryStream;
using skin::TQuickIni;

TMemoryStream StreamOf(std::string_view text) {
  return TMemoryStream({reinterpret_cast<const uint8_t*>(text.data()), text.size()});
}

TQuickIni Parse(std::string_view text) {
  TQuickIni ini;
  TMemoryStream stream = StreamOf(text);
  ini.LoadFromStream(&stream);
  return ini;
}

// A definition with the traps of the format, one per section.
constexpr std::string_view kDefinition =
    "Orphan=before any section\r\n"
    "[Form]\r\n"
    "Rightwidth=2\r\n"
    "  Image   =  skyblue__Caption.bmp  \r\n"
    "Expr=a=b\r\n"
    "Comment=value ; not a comment\r\n"
    "; Hidden=commented out\r\n"
    "NoEquals\r\n"
    "Empty=\r\n"
    "Empty=later\r\n"
    "Tab=\tx\t\r\n"
    "\xCC\xEC\xC0\xB6=\xC7\xE1\xD3\xAF.bmp\r\n"
    "\r\n"
    "[Numbers]\r\n"
    "HexLower=0x1F\r\n"
    "HexUpper=0X1f\r\n"
    "Dollar=$1F\r\n"
    "Negative=-5\r\n"
    "Plus=+7\r\n"
    "Blank=\r\n"
    "Letters=12ab\r\n"
    "Max=2147483647\r\n"
    "Beyond=2147483648\r\n"
    "Min=-2147483648\r\n"
    "BelowMin=-2147483649\r\n"
    "AllOnes=$FFFFFFFF\r\n"
    "NineDigits=$123456789\r\n"
    "BareZeroX=0x\r\n"
    "NegativeHex=-0x10\r\n"
    "Spaced=1 2\r\n"
    "[form]\r\n"
    "Shadowed=second section of the same name\r\n"
    "[ Spaced ]\r\n"
    "Key=inside spaced header\r\n"
    "[Last]\r\n"
    "Final=no line break";

class QuickIniTest : public testing::Test {
 protected:
  TQuickIni ini_ = Parse(kDefinition);
};

TEST_F(QuickIniTest, ReadStringMatchesKeysAndSections) {
  struct Case {
    const char* section;
    const char* ident;
    const char* expected;
  };
  const Case cases[] = {
      {"Form", "RightWidth", "2"},                   // key case ignored
      {"FORM", "rightwidth", "2"},                   // section case ignored
      {"Form", "image", "skyblue__Caption.bmp"},     // blanks around "=" dropped, value keeps case
      {"Form", "Expr", "a=b"},                       // split at the first "="
      {"Form", "Comment", "value ; not a comment"},  // ";" inside a line is text
      {"Form", "; Hidden", "default"},               // comment lines are not stored
      {"Form", "Hidden", "default"},
      {"Form", "NoEquals", "default"},                       // a line without "=" has no key
      {"Form", "Empty", "default"},                          // first occurrence empty: default
      {"Form", "Tab", "x"},                                  // control characters trimmed
      {"Form", "\xCC\xEC\xC0\xB6", "\xC7\xE1\xD3\xAF.bmp"},  // GBK bytes pass through
      {"Form", "", "default"},                               // empty ident
      {"Form", "Shadowed", "default"},                       // only the first [form] is searched
      {"Form", "HexLower", "default"},                       // the scan stops at the next header
      {"Numbers", "Dollar", "$1F"},
      {"Orphan", "Orphan", "default"},  // lines before any section: unreachable
      {"", "Orphan", "default"},
      {"Spaced", "Key", "default"},  // "[ Spaced ]" is not "[Spaced]"
      {" Spaced ", "Key", "inside spaced header"},
      {"Missing", "Key", "default"},
      {"Last", "Final", "no line break"},  // final line without a line break
      {"Last", "final ", "default"},       // ident is not trimmed
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.section) + " / " + c.ident);
    EXPECT_EQ(ini_.ReadString(c.section, c.ident, "default"), c.expected);
  }
}

TEST_F(QuickIniTest, ReadIntegerConversions) {
  struct Case {
    const char* ident;
    int32_t expected;
  };
  const Case cases[] = {
      {"HexLower", 31},  {"HexUpper", 31}, {"Dollar", 31},      {"Negative", -5},   {"Plus", 7},
      {"Blank", -99},    {"Letters", -99}, {"Max", 2147483647}, {"Beyond", -99},    {"Min", INT32_MIN},
      {"BelowMin", -99}, {"AllOnes", -1},  {"NineDigits", -99}, {"BareZeroX", -99}, {"NegativeHex", -16},
      {"Spaced", -99},   {"Missing", -99},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.ident);
    EXPECT_EQ(ini_.ReadInteger("Numbers", c.ident, -99), c.expected);
  }
}

TEST_F(QuickIniTest, ReadSectionsListsEveryHeaderTrimmed) {
  std::vector<std::string> names = {"left over"};
  ini_.ReadSections(&names);
  EXPECT_EQ(names, (std::vector<std::string>{"Form", "Numbers", "form", "Spaced", "Last"}));
}

TEST_F(QuickIniTest, ReadSectionsWithoutAListIsAnAssertionFailure) {
  try {
    ini_.ReadSections(nullptr);
    FAIL() << "no assertion failure";
  } catch (const skin::EAssertionFailed& failure) {
    EXPECT_EQ(failure.Message(), "The parameter Strings is unassigned!");
    EXPECT_EQ(failure.Unit(), "Winskinini");
    EXPECT_EQ(failure.Line(), 318);
  }
}

TEST(QuickIni, LineBreaksAndDroppedLines) {
  struct Case {
    const char* name;
    std::string text;
    std::vector<std::string> lines;
  };
  const Case cases[] = {
      {"CR LF, lone CR, lone LF", "a\r\nb\rc\nd", {"a", "b", "c", "d"}},
      {"LF CR is two line ends", "a\n\rb", {"a", "b"}},
      {"blank and comment lines dropped", "  \r\n;x=1\r\n\t\r\n y \r\n", {"y"}},
      {"NUL ends the text", std::string("a\r\nb\0c\r\nd", 9), {"a", "b"}},
      {"NUL first", std::string("\0a", 2), {}},
      {"empty text", "", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Parse(c.text).Lines(), c.lines);
  }
}

TEST(QuickIni, SectionPositionsCountKeptLinesOnly) {
  const TQuickIni ini = Parse("; comment\r\nx=1\r\n\r\n[A]\r\n[]\r\n[B\r\n[C]");
  ASSERT_EQ(ini.Sections().size(), 3u);  // "[B" is not a header
  EXPECT_EQ(ini.Sections()[0].Text, "[A]");
  EXPECT_EQ(ini.Sections()[0].Position, 1);
  EXPECT_EQ(ini.Sections()[1].Text, "[]");
  EXPECT_EQ(ini.Sections()[1].Position, 2);
  EXPECT_EQ(ini.Sections()[2].Position, 4);
  EXPECT_EQ(ini.ReadString("", "x", "d"), "d");
}

TEST(QuickIni, LoadReadsFromThePositionAndReplacesEarlierContent) {
  TQuickIni ini = Parse("[Old]\r\nk=1");
  TMemoryStream stream = StreamOf("[Skip]\r\n[New]\r\nk=2");
  stream.SetPosition(8);
  ini.LoadFromStream(&stream);
  EXPECT_EQ(ini.ReadString("New", "k", "-"), "2");
  EXPECT_EQ(ini.ReadString("Old", "k", "-"), "-");
  EXPECT_EQ(ini.ReadString("Skip", "k", "-"), "-");

  ini.LoadFromStream(nullptr);  // no stream: nothing changes
  EXPECT_EQ(ini.ReadString("New", "k", "-"), "2");
}

TEST(QuickIni, SectionNamesCompareThroughTheLocaleHook) {
  // The program compares section names under the user's locale; the parser asks the hook.
  auto previous =
      skin::SetTextEqualIgnoreCaseHook([](std::string_view a, std::string_view b) { return a.size() == b.size(); });
  const TQuickIni ini = Parse("[abc]\r\nk=v");
  EXPECT_EQ(ini.ReadString("xyz", "k", "-"), "v");
  skin::SetTextEqualIgnoreCaseHook(std::move(previous));
  EXPECT_EQ(ini.ReadString("xyz", "k", "-"), "-");
}

}  // namespace
