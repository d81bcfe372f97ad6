#include "tools/gallery/tests/gallery_fixture.h"

#include <fstream>
#include <iterator>

#include "skin/form/skinning.h"
#include "skin/resources/tests/skin_archive_builder.h"
#include "tests/support/win_test_util.h"

namespace gallerytest {

const std::vector<std::string>& EveryWindowName() {
  static const std::vector<std::string> names = {
      "gallery-main",
      "dialog-controls",
      "form-sizeable",
      "form-single",
      "form-dialog",
      "form-none",
      "form-tool-window",
      "form-sizeable-tool-window",
      "popup-window",
      "mdi-frame-a",
      "mdi-frame-a-normal-child",
      "mdi-frame-a-minimized-child",
      "mdi-frame-b",
      "mdi-frame-b-maximized-child",
      "no-main-menu-form",
      "buttons-form",
      "checks-form",
      "text-form",
      "bars-form",
      "tabs-form",
      "message-box",
      "colour-dialog",
      "open-file-dialog",
  };
  return names;
}

ScratchFolder::ScratchFolder() {
  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  static int serial = 0;
  path_ = std::string(temp) + "gallery-test-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++serial);
  CreateDirectoryA(path_.c_str(), nullptr);
}

namespace {
void RemoveTree(const std::string& folder) {
  WIN32_FIND_DATAA found{};
  HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::string name = found.cFileName;
      if (name == "." || name == "..") continue;
      const std::string path = folder + "\\" + name;
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(path);
      } else {
        DeleteFileA(path.c_str());
      }
    } while (FindNextFileA(search, &found));
    FindClose(search);
  }
  RemoveDirectoryA(folder.c_str());
}
}  // namespace

ScratchFolder::~ScratchFolder() { RemoveTree(path_); }

std::string ScratchFolder::Write(const std::string& name, const Bytes& bytes) const {
  const std::string path = path_ + "\\" + name;
  const size_t slash = name.find_last_of('\\');
  if (slash != std::string::npos) CreateDirectoryA((path_ + "\\" + name.substr(0, slash)).c_str(), nullptr);
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return path;
}

Bytes DefaultSkinFile(const Bytes& storedDefault) {
  return storedDefault.size() > 4 ? Bytes(storedDefault.begin() + 4, storedDefault.end()) : Bytes{};
}

Bytes PlainSkinFile() {
  using namespace skin::testing;
  return SkinFile(Archive({{"plain.ini", BytesOf("[Colors]\r\nButtonFace=12632256\r\n")}}));
}

Bytes UnknownVersionSkinFile() {
  using namespace skin::testing;
  ArchiveLayout layout;
  layout.format_version = 12345;
  return SkinFile(Archive({{"plain.ini", BytesOf("[Colors]\r\n")}}, layout));
}

Bytes Stored(const Bytes& file) {
  Bytes stored;
  skin::testing::AppendLittleEndian32(stored, static_cast<uint32_t>(file.size()));
  stored.insert(stored.end(), file.begin(), file.end());
  return stored;
}

SIZE PngSize(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  unsigned char header[24] = {};
  if (!in.read(reinterpret_cast<char*>(header), sizeof header)) return {0, 0};
  static const unsigned char kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  if (!std::equal(std::begin(kSignature), std::end(kSignature), header) ||
      std::string(reinterpret_cast<char*>(header + 12), 4) != "IHDR")
    return {0, 0};
  auto big = [&](int at) {
    return static_cast<LONG>((header[at] << 24) | (header[at + 1] << 16) | (header[at + 2] << 8) | header[at + 3]);
  };
  return {big(16), big(20)};
}

bool FileExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void GalleryTest::SetUp() {
  app = std::make_unique<fw::TApplication>();
  app->Initialize();
  skin::InstallSkinning();
}

void GalleryTest::TearDown() {
  gallery.reset();
  app.reset();
}

gallery::Gallery& GalleryTest::Start(gallery::GalleryOptions options) {
  gallery = std::make_unique<gallery::Gallery>(std::move(options));
  gallery->ShowMainForm();
  return *gallery;
}

Bytes ReadFileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

Bytes StoredDefaultSkin() { return ReadFileBytes(testutil::WindowsPathOf(PASTELLE_DEFAULT_SKIN_STREAM)); }

Bytes MidnightSkinFile() { return ReadFileBytes(std::string(PASTELLE_SOURCE_DIR) + "/skins/midnight.skin"); }

std::vector<std::string> GalleryTest::WindowNames() const {
  std::vector<std::string> names;
  for (const gallery::GalleryWindow& window : gallery->Windows()) names.push_back(window.name);
  return names;
}

HWND GalleryTest::WindowNamed(const std::string& name) const {
  for (const gallery::GalleryWindow& window : gallery->Windows())
    if (window.name == name) return window.window;
  return nullptr;
}

}  // namespace gallerytest
