// Timing of the skin component (run by hand, not a test):
//   1. decoding the program's default skin (archive expansion and index) and the whole load
//      (decode, definition, element build) of a skin component;
//   2. reading the SkinData1 object of the main form's description (the stored skin as hexadecimal
//      text, decoding, building, Loaded) and freeing it again;
//   3. loading the default skin's 36 bitmap files into bitmaps (LoadBitmapFile, the portable
//      decoder writing the rows) beside GDI converting the same files (StretchDIBits of each
//      file's own header and rows into a bitmap of the same format), and their ratio;
//   4. start-up of pastelle.exe to a shown window against the same program without its skin
//      component, runs alternating, medians and their ratio.
// Usage: skin_core_bench [path\to\pastelle.exe path\to\pastelle_plain.exe]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "framework/application.h"
#include "framework/form_reader.h"
#include "framework/form_syntax.h"
#include "skin/core/bitmap_file.h"
#include "skin/core/skin_data.h"
#include "skin/core/tests/test_skins.h"
#include "skin/resources/skin_reader.h"
#include "tests/support/timing.h"
#include "tests/support/win_test_util.h"

namespace {

using testutil::Median;
using testutil::Now;

void BenchDefaultSkin() {
  const skintest::Bytes stored = skintest::DefaultStoredSkin();
  if (stored.size() <= 4) {
    std::printf("the default skin resource is missing\n");
    return;
  }
  const int rounds = 40;
  std::vector<double> decode, load;
  for (int i = 0; i < rounds; ++i) {
    skin::TMemoryStream file(std::span<const uint8_t>(stored.data() + 4, stored.size() - 4));
    skin::TSkinReader reader;
    double t0 = Now();
    reader.ReadArchive(file);
    decode.push_back(Now() - t0);

    skin::TSkinData data(nullptr);
    t0 = Now();
    data.SetSkinStream(stored);
    load.push_back(Now() - t0);
    if (data.SkinEmpty()) std::printf("the default skin did not load\n");
  }
  std::printf(
      "default skin (%zu bytes stored): decode %.2f ms, decode + definition + element build %.2f "
      "ms "
      "(medians of %d)\n",
      stored.size(), Median(decode) * 1e3, Median(load) * 1e3, rounds);
}

// A root for the skin component's part of the main form's description.
class THost : public fw::TComponent {
  FW_DECLARE_CLASS()

 public:
  explicit THost(fw::TComponent* owner) : fw::TComponent(owner) {}
};

const fw::ClassInfo& THost::StaticClass() {
  static const fw::ClassInfo info = fw::ClassBuilder<THost>("THost", &fw::TComponent::StaticClass()).Build();
  return info;
}

void BenchDescription() {
  HMODULE module = GetModuleHandleA(nullptr);
  HRSRC found = FindResourceA(module, "TFORM1", MAKEINTRESOURCEA(10));  // RT_RCDATA
  if (!found) return;
  const std::string form(static_cast<const char*>(LockResource(LoadResource(module, found))),
                         SizeofResource(module, found));
  // The skin component alone, under a root of its own.
  fw::FormObject main_form = fw::ParseFormText(form);
  fw::FormObject skin_only{"Host", "THost"};
  for (fw::FormObject& child : main_form.children) {
    if (child.name == "SkinData1") skin_only.children.push_back(std::move(child));
  }
  if (skin_only.children.empty()) return;
  const std::string part = fw::FormText(skin_only);
  fw::TApplication app;
  app.Initialize();
  fw::RegisterComponentClass(skin::TSkinData::StaticClass());
  std::vector<double> read, freed;
  for (int i = 0; i < 20; ++i) {
    double t0 = Now();
    {
      THost host(nullptr);
      fw::ReadComponent(host, part);
      read.push_back(Now() - t0);
      t0 = Now();
    }
    freed.push_back(Now() - t0);
  }
  std::printf("SkinData1 from the main form's description: read %.2f ms, freed %.2f ms (medians of 20)\n",
              Median(read) * 1e3, Median(freed) * 1e3);
}

// Seconds from CreateProcess to the main window shown; the process is ended afterwards.
double StartUp(const std::string& exe) {
  PROCESS_INFORMATION info{};
  std::string command = "\"" + exe + "\"";
  STARTUPINFOA startup{sizeof startup};
  const double t0 = Now();
  if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
    return -1;
  HWND found = nullptr;
  while (!(found = testutil::FindProcessWindow(info.dwProcessId, "TForm1", true)) && Now() - t0 < 20) Sleep(1);
  const double elapsed = found ? Now() - t0 : -1;
  TerminateProcess(info.hProcess, 0);
  WaitForSingleObject(info.hProcess, 5000);
  CloseHandle(info.hProcess);
  CloseHandle(info.hThread);
  return elapsed;
}

void BenchStartUp(const std::string& skinned, const std::string& plain) {
  const int runs = 21;
  std::vector<double> with, without;
  StartUp(skinned);  // the first start of a process pays for loading the system's libraries
  for (int run = 0; run < runs; ++run) {
    const double a = StartUp(skinned);
    const double b = StartUp(plain);
    if (a < 0 || b < 0) {
      std::printf("cannot start %s or %s\n", skinned.c_str(), plain.c_str());
      return;
    }
    with.push_back(a);
    without.push_back(b);
  }
  const double w = Median(with), wo = Median(without);
  std::printf(
      "start-up to a shown window: %.1f ms with SkinData1, %.1f ms without (ratio %.2f), medians "
      "of %d "
      "alternating runs\n",
      w * 1e3, wo * 1e3, w / wo, runs);
}

void BenchBitmapFiles() {
  const skintest::Bytes stored = skintest::DefaultStoredSkin();
  if (stored.size() <= 4) return;
  skin::TMemoryStream file(std::span<const uint8_t>(stored.data() + 4, stored.size() - 4));
  skin::TSkinReader reader;
  if (!reader.ReadArchive(file)) return;
  std::vector<skintest::Bytes> bitmaps;
  size_t pixels = 0;
  for (const std::string& name : reader.EntryNames) {
    if (!name.ends_with(".bmp")) continue;
    skin::TMemoryStream entry;
    reader.GetEntry(name, entry);
    bitmaps.emplace_back(entry.Bytes().begin(), entry.Bytes().end());
  }
  const int rounds = 200;
  std::vector<double> decoder, gdi;
  for (int i = 0; i < rounds; ++i) {
    double t0 = Now();
    for (const skintest::Bytes& bytes : bitmaps) {
      fw::TBitmap bitmap;
      skin::LoadBitmapFile(bitmap, bytes);
      if (i == 0) pixels += static_cast<size_t>(bitmap.Width()) * static_cast<size_t>(bitmap.Height());
    }
    decoder.push_back(Now() - t0);

    t0 = Now();
    for (const skintest::Bytes& bytes : bitmaps) {
      const auto* info = reinterpret_cast<const BITMAPINFOHEADER*>(bytes.data() + 14);
      const uint32_t offset = bytes[10] | (bytes[11] << 8) | (bytes[12] << 16);
      fw::TBitmap bitmap(info->biWidth, info->biHeight, info->biBitCount == 32 ? fw::pf32bit : fw::pf24bit);
      StretchDIBits(bitmap.DC(), 0, 0, info->biWidth, info->biHeight, 0, 0, info->biWidth, info->biHeight,
                    bytes.data() + offset, reinterpret_cast<const BITMAPINFO*>(info), DIB_RGB_COLORS, SRCCOPY);
      GdiFlush();
    }
    gdi.push_back(Now() - t0);
  }
  const double d = Median(decoder), g = Median(gdi);
  std::printf(
      "%zu bitmap files of the default skin (%zu pixels): LoadBitmapFile %.3f ms, StretchDIBits "
      "%.3f ms, ratio %.2f (medians of %d)\n",
      bitmaps.size(), pixels, d * 1e3, g * 1e3, d / g, rounds);
}

}  // namespace

int main(int argc, char** argv) {
  BenchDefaultSkin();
  BenchDescription();
  BenchBitmapFiles();
  if (argc > 2) BenchStartUp(argv[1], argv[2]);
  return 0;
}
