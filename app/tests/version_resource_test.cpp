// The program's version resource, read back from the built pastelle.exe as Explorer reads it.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "tests/support/win_test_util.h"

namespace {

class VersionResource : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string exe = testutil::WindowsPathOf(PASTELLE_EXE);
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(exe.c_str(), &ignored);
    ASSERT_GT(size, 0u) << "pastelle.exe carries no version resource";
    block_.resize(size);
    ASSERT_TRUE(GetFileVersionInfoA(exe.c_str(), 0, size, block_.data()));
  }

  // A string of the US English, Unicode table; empty when missing.
  std::string Text(const char* name) {
    void* value = nullptr;
    UINT length = 0;
    const std::string path = std::string("\\StringFileInfo\\040904B0\\") + name;
    if (!VerQueryValueA(block_.data(), path.c_str(), &value, &length) || length == 0) return "";
    return static_cast<const char*>(value);
  }

  std::vector<char> block_;
};

TEST_F(VersionResource, NamesTheProductAndItsVersion) {
  EXPECT_EQ(Text("ProductName"), "Pastelle");
  EXPECT_EQ(Text("ProductVersion"), PASTELLE_VERSION);
  EXPECT_EQ(Text("FileVersion"), PASTELLE_VERSION);
  EXPECT_EQ(Text("OriginalFilename"), "pastelle.exe");
  EXPECT_FALSE(Text("FileDescription").empty());
  EXPECT_NE(Text("LegalCopyright").find("The Pastelle developers"), std::string::npos);
}

TEST_F(VersionResource, FixedPartMatchesTheVersionText) {
  void* value = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueA(block_.data(), "\\", &value, &length));
  ASSERT_EQ(length, sizeof(VS_FIXEDFILEINFO));
  const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(value);
  EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
  char text[64];
  std::snprintf(text, sizeof text, "%u.%u.%u", HIWORD(fixed->dwProductVersionMS), LOWORD(fixed->dwProductVersionMS),
                HIWORD(fixed->dwProductVersionLS));
  EXPECT_EQ(std::string(text), PASTELLE_VERSION);
  EXPECT_EQ(fixed->dwFileVersionMS, fixed->dwProductVersionMS);
  EXPECT_EQ(fixed->dwFileVersionLS, fixed->dwProductVersionLS);
  EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));
}

}  // namespace
