// Rendering: one image per window with the window's size, the frame and the client area painted;
// and the gallery program itself with --render, with a skin file that is not there, and with bad
// arguments.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <set>

#include "framework/handles.h"
#include "tests/support/win_test_util.h"
#include "tools/gallery/tests/gallery_fixture.h"
#include "tools/gallery/window_snapshot.h"

namespace gallerytest {
namespace {

SIZE WindowSize(HWND window) {
  RECT bounds{};
  GetWindowRect(window, &bounds);
  return {bounds.right - bounds.left, bounds.bottom - bounds.top};
}

TEST_F(GalleryTest, RenderingWritesOneImageOfTheWindowsSizePerWindow) {
  Start();
  bool ran = false;
  gallery->WithEveryWindowOpen([&] {
    ran = true;
    const std::string folder = scratch.Path() + "\\render";
    const std::vector<gallery::RenderedFile> files = gallery->RenderAll(folder);
    const std::vector<gallery::GalleryWindow> windows = gallery->Windows();
    ASSERT_EQ(files.size(), windows.size());
    ASSERT_EQ(files.size(), EveryWindowName().size());
    for (size_t i = 0; i < files.size(); ++i) {
      SCOPED_TRACE(files[i].name);
      EXPECT_EQ(files[i].name, windows[i].name);
      EXPECT_EQ(files[i].path, folder + "\\" + windows[i].name + ".png");
      EXPECT_TRUE(files[i].written);
      const SIZE expected = WindowSize(windows[i].window);
      const SIZE written = PngSize(files[i].path);
      EXPECT_EQ(written.cx, expected.cx);
      EXPECT_EQ(written.cy, expected.cy);
      EXPECT_EQ(files[i].width, expected.cx);
      EXPECT_EQ(files[i].height, expected.cy);
    }
  });
  EXPECT_TRUE(ran);
}

TEST_F(GalleryTest, ASnapshotHoldsTheFrameTheClientAreaAndTheChildWindows) {
  Start();
  gallery->OpenModelessPages();
  ASSERT_TRUE(gallery->Settle());
  HWND form = WindowNamed("form-sizeable");
  const gallery::WindowSnapshot shot = gallery::SnapshotWindow(form);
  const SIZE size = WindowSize(form);
  ASSERT_EQ(shot.image.Width(), size.cx);
  ASSERT_EQ(shot.image.Height(), size.cy);
  RECT client{};
  GetClientRect(form, &client);
  POINT origin{0, 0};
  ClientToScreen(form, &origin);
  RECT bounds{};
  GetWindowRect(form, &bounds);
  const int left = origin.x - bounds.left;
  const int top = origin.y - bounds.top;
  // The memo fills the client area below the panel in white; the panel has the skin's button face;
  // the caption bar above the client area is painted by someone.
  EXPECT_EQ(shot.image.Pixel(left + client.right / 2, top + client.bottom - 20), RGB(255, 255, 255));
  EXPECT_EQ(shot.image.Pixel(left + client.right - 4, top + 4),
            fw::ColorToRGB(gallery->MainForm().SkinData1->Colours[skin::ciButtonFace]));
  EXPECT_NE(shot.image.Pixel(size.cx / 2, top / 2), gallery::kUnpaintedColour);

  // The skinned frame is shaped: outside the window's region nothing is painted.
  fw::UniqueRegion shape(CreateRectRgn(0, 0, 0, 0));
  ASSERT_NE(GetWindowRgn(form, shape.get()), ERROR) << "the default skin's frame has no region";
  int outside = 0;
  for (int y = 0; y < size.cy; ++y) {
    for (int x = 0; x < size.cx; ++x) {
      if (PtInRegion(shape.get(), x, y)) continue;
      ++outside;
      ASSERT_EQ(shot.image.Pixel(x, y), gallery::kUnpaintedColour) << x << "," << y;
    }
  }
  EXPECT_GT(outside, 0);

  // A form without a frame is all client area.
  HWND frameless = WindowNamed("form-none");
  const gallery::WindowSnapshot bare = gallery::SnapshotWindow(frameless);
  EXPECT_FALSE(bare.frameFromSkin);
  EXPECT_EQ(bare.image.Pixel(bare.image.Width() / 2, bare.image.Height() - 20), RGB(255, 255, 255));
}

// The gallery program, started with its standard streams in files.
struct GalleryProcess {
  explicit GalleryProcess(const ScratchFolder& scratch) : output(scratch.Path() + "\\out.txt") {}
  // Runs the program with the arguments and waits for it; false when it did not end in time.
  bool Run(const std::string& arguments, DWORD timeoutMs) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE file = CreateFileA(output.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    std::string command = "\"" + testutil::WindowsPathOf(GALLERY_EXE) + "\" " + arguments;
    STARTUPINFOA startup{sizeof startup};
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = file;
    startup.hStdError = file;
    PROCESS_INFORMATION info{};
    const bool started =
        CreateProcessA(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &info);
    CloseHandle(file);
    if (!started) return false;
    const bool ended = WaitForSingleObject(info.hProcess, timeoutMs) == WAIT_OBJECT_0;
    if (!ended) TerminateProcess(info.hProcess, 99);
    GetExitCodeProcess(info.hProcess, &exitCode);
    CloseHandle(info.hProcess);
    CloseHandle(info.hThread);
    std::ifstream in(output, std::ios::binary);
    text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return ended;
  }
  std::string output;
  std::string text;
  DWORD exitCode = 1234;
};

TEST(GalleryProgram, RendersEveryWindowWithTheSkinGivenOrTheDefaultWhenItIsMissing) {
  ScratchFolder scratch;
  std::string skins = testutil::WindowsPathOf(GALLERY_EXE);
  skins = skins.substr(0, skins.find_last_of('\\')) + "\\skins";
  const std::string missing = scratch.Path() + "\\no-such.skn";
  // The cycle: the stored default, the file given, the skins folder next to the program.
  const struct {
    std::string skin;
    std::string says;
  } runs[] = {
      {skins + "\\midnight.skin", "gallery: skin 2/2: midnight.skin"},
      {missing, "gallery: skin file '" + missing + "' not found; skin 1/3: stored default skin"},
  };
  for (size_t run = 0; run < std::size(runs); ++run) {
    SCOPED_TRACE(runs[run].skin);
    GalleryProcess program(scratch);
    const std::string folder = scratch.Path() + "\\images" + std::to_string(run);
    ASSERT_TRUE(program.Run("--skin \"" + runs[run].skin + "\" --render \"" + folder + "\"", 60000)) << program.text;
    EXPECT_EQ(program.exitCode, 0u) << program.text;
    EXPECT_NE(program.text.find(runs[run].says), std::string::npos) << program.text;
    std::set<std::string> images;
    for (const std::string& name : gallery::FilesInFolder(folder)) images.insert(name);
    for (const std::string& name : EveryWindowName()) {
      EXPECT_TRUE(images.count(name + ".png")) << name;
      const SIZE size = PngSize(folder + "\\" + name + ".png");
      EXPECT_GT(size.cx, 0) << name;
      EXPECT_GT(size.cy, 0) << name;
    }
    EXPECT_EQ(images.size(), EveryWindowName().size());
  }
}

TEST(GalleryProgram, EndsAfterTheSecondsGivenAndRefusesBadArguments) {
  ScratchFolder scratch;
  GalleryProcess program(scratch);
  ASSERT_TRUE(program.Run("--seconds 1", 30000)) << program.text;
  EXPECT_EQ(program.exitCode, 0u) << program.text;

  ASSERT_TRUE(program.Run("--seconds soon", 30000));
  EXPECT_EQ(program.exitCode, 2u);
  EXPECT_NE(program.text.find("--seconds needs a whole number above 0, not 'soon'"), std::string::npos) << program.text;
  EXPECT_NE(program.text.find(gallery::kUsage), std::string::npos) << program.text;
}

}  // namespace
}  // namespace gallerytest
