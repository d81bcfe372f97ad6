// A gallery in the test process, a scratch folder, and the skin files the tests feed it.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "framework/application.h"
#include "tools/gallery/gallery.h"

namespace gallerytest {

using Bytes = std::vector<uint8_t>;

// Every window the gallery opens with all its pages, by name.
const std::vector<std::string>& EveryWindowName();

// A fresh folder under the temporary folder, removed with its files at the end.
class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  [[nodiscard]] const std::string& Path() const { return path_; }
  // Writes a file into the folder (or a sub-folder, created on the way) and answers its path.
  std::string Write(const std::string& name, const Bytes& bytes) const;

 private:
  std::string path_;
};

// Skin files: the program's default skin as a file (its stored data without the length field), a
// small skin of a definition text only, and an archive whose format version no reader knows.
Bytes DefaultSkinFile(const Bytes& storedDefault);
Bytes PlainSkinFile();
Bytes UnknownVersionSkinFile();
// The stored-skin property data of a skin file.
Bytes Stored(const Bytes& file);
// The program's default skin as its form description stores it.
Bytes StoredDefaultSkin();
// The project's second skin, a skin file of the skins folder.
Bytes MidnightSkinFile();
Bytes ReadFileBytes(const std::string& path);

// The width and height in the header of a PNG file; {0, 0} when it is not one.
SIZE PngSize(const std::string& path);
[[nodiscard]] bool FileExists(const std::string& path);

class GalleryTest : public testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  // Creates the gallery and shows its main window.
  gallery::Gallery& Start(gallery::GalleryOptions options = {});
  [[nodiscard]] std::vector<std::string> WindowNames() const;
  [[nodiscard]] HWND WindowNamed(const std::string& name) const;

  std::unique_ptr<fw::TApplication> app;
  std::unique_ptr<gallery::Gallery> gallery;
  ScratchFolder scratch;
};

}  // namespace gallerytest
