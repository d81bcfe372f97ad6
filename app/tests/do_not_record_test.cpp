// "Do not record" markers on the real clipboard: a marked change is passed along the viewer chain
// but never becomes a record.
#include "app/do_not_record.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <thread>
#include <vector>

#include "app/tests/main_window_fixture.h"
#include "tests/support/win_test_util.h"

namespace {

using pastelle::kCanIncludeInHistoryFormat;
using pastelle::kExcludeFromMonitorFormat;
using pastelle::kViewerIgnoreFormat;
using testutil::ClipboardFormatData;

std::string TextBlock(const std::string& text) { return std::string(text.c_str(), text.size() + 1); }
std::string DwordBlock(DWORD value) { return std::string(reinterpret_cast<const char*>(&value), sizeof value); }

UINT Format(const char* name) { return RegisterClipboardFormatA(name); }

class DoNotRecordTest : public MainWindowTest {
 protected:
  // Sets the formats and waits until the main window has handled the change.
  void Put(const std::vector<ClipboardFormatData>& formats) {
    int before = followerDrawCount;
    ASSERT_TRUE(testutil::SetClipboardFormats(formats)) << "the clipboard refused a format";
    ASSERT_TRUE(testutil::PumpUntil([&] { return followerDrawCount > before; })) << "no clipboard notification";
  }
  bool Listed(const std::string& text) const {
    for (int i = 0; i < RowCount(); ++i)
      if (Row(i) == text) return true;
    return false;
  }
};

TEST_F(DoNotRecordTest, MarkedTextsArePassedOnButNotRecorded) {
  struct Case {
    const char* what;
    const char* marker;
    std::optional<std::string> block;
    bool recorded;
  };
  // "No data" is a format set for rendering on request whose owner never renders it: the
  // clipboard offers it, but reading it gives nothing. (A block of no bytes never reaches the
  // clipboard: the system refuses it.)
  const Case cases[] = {
      {"monitor exclusion, one byte", kExcludeFromMonitorFormat, std::string(1, '\0'), false},
      {"monitor exclusion, a DWORD 1", kExcludeFromMonitorFormat, DwordBlock(1), false},
      {"monitor exclusion, no data", kExcludeFromMonitorFormat, std::nullopt, false},
      {"viewer ignore, no data", kViewerIgnoreFormat, std::nullopt, false},
      {"viewer ignore, some bytes", kViewerIgnoreFormat, std::string("x"), false},
      {"history inclusion 0", kCanIncludeInHistoryFormat, DwordBlock(0), false},
      {"history inclusion 0, block larger than a DWORD", kCanIncludeInHistoryFormat, DwordBlock(0) + "more", false},
      {"history inclusion 1", kCanIncludeInHistoryFormat, DwordBlock(1), true},
      {"history inclusion, block smaller than a DWORD", kCanIncludeInHistoryFormat, std::string(3, '\0'), true},
      {"history inclusion, no data", kCanIncludeInHistoryFormat, std::nullopt, true},
  };
  int serial = 0;
  for (const Case& c : cases) {
    const std::string text = "text " + std::to_string(++serial) + " with " + c.what;
    const int notices = followerDrawCount;
    Put({{CF_TEXT, TextBlock(text)}, {Format(c.marker), c.block}});
    EXPECT_EQ(followerDrawCount, notices + 1) << c.what;
    EXPECT_EQ(Listed(text), c.recorded) << c.what;
  }
}

TEST_F(DoNotRecordTest, AMarkerWithoutTextAddsNothingAndIsPassedOn) {
  Copy("plain");
  const int notices = followerDrawCount;
  Put({{Format(kExcludeFromMonitorFormat), std::nullopt}});
  Put({{Format(kCanIncludeInHistoryFormat), DwordBlock(0)}});
  EXPECT_EQ(followerDrawCount, notices + 2);
  ASSERT_EQ(RowCount(), 1);
  EXPECT_EQ(Row(0), "plain");
}

TEST_F(DoNotRecordTest, InterleavedMarkedAndUnmarkedTextsKeepOnlyTheUnmarked) {
  const int notices = followerDrawCount;
  std::vector<std::string> unmarked;
  for (int i = 0; i < 20; ++i) {
    const std::string text = "interleaved " + std::to_string(i);
    if (i % 2) {
      Put({{CF_TEXT, TextBlock(text)}, {Format(kViewerIgnoreFormat), std::nullopt}});
    } else {
      Put({{CF_TEXT, TextBlock(text)}});
      unmarked.push_back(text);
    }
  }
  // The viewer after the main window saw every change.
  EXPECT_EQ(followerDrawCount, notices + 20);
  ASSERT_EQ(RowCount(), static_cast<int>(unmarked.size()));
  for (int i = 0; i < RowCount(); ++i) EXPECT_EQ(Row(i), unmarked[static_cast<size_t>(i)]);
}

TEST_F(DoNotRecordTest, ABurstWithMarkersInterleavedNeverListsAMarkedText) {
  constexpr int kChanges = 500;
  const UINT marker = Format(kCanIncludeInHistoryFormat);
  std::thread burst([&] {
    for (int i = 0; i < kChanges; ++i) {
      const std::string text = "burst " + std::to_string(i);
      if (i % 3 == 2) {
        testutil::SetClipboardFormats({{CF_TEXT, TextBlock(text)}, {marker, DwordBlock(0)}});
      } else {
        testutil::SetClipboardFormats({{CF_TEXT, TextBlock(text)}, {marker, DwordBlock(1)}});
      }
    }
  });
  // The last change (499) is unmarked: it is always recorded in the end.
  const std::string last = "burst " + std::to_string(kChanges - 1);
  const bool recorded = testutil::PumpUntil([&] { return RowCount() > 0 && Row(RowCount() - 1) == last; }, 20000);
  burst.join();
  ASSERT_TRUE(recorded);
  std::set<std::string> seen;
  for (int i = 0; i < RowCount(); ++i) {
    const std::string text = Row(i);
    const int serial = std::stoi(text.substr(text.find(' ') + 1));
    EXPECT_NE(serial % 3, 2) << text << " was marked";
    EXPECT_TRUE(seen.insert(text).second) << text << " is listed twice";
  }
  EXPECT_GT(followerDrawCount, 0);
}

}  // namespace
