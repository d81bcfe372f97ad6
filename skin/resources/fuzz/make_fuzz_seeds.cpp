// Writes the seed inputs of the fuzz targets into corpus/ (run by hand from this folder after a
// change of the archive layout: ./make_fuzz_seeds corpus).
#include <cstdio>
#include <string>
#include <vector>

#include "skin/resources/tests/bitmap_file_builder.h"
#include "skin/resources/tests/skin_archive_builder.h"

namespace {

using namespace skin::testing;

void WriteFile(const std::string& path, const Bytes& bytes) {
  if (FILE* file = std::fopen(path.c_str(), "wb")) {
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
  } else {
    std::perror(path.c_str());
  }
}

}  // namespace

int main(int argc, char** argv) {
  const std::string dir = argc > 1 ? argv[1] : "corpus";
  const std::string definition =
      "; skin definition\r\n[Form]\r\nImage=skins\\Caption.bmp\r\nTopHeight=0x1F\r\n"
      "Rightwidth=$10\r\nEmpty=\r\n\r\n[ Button ]\r\nImage=button.bmp\r\nFrame=-3\r\n"
      "[Colours]\r\nButtonFace=227 238 253\r\n";
  const std::vector<ArchiveEntry> small = {
      {"skin.ini", BytesOf(definition)},
      {"Caption.bmp", BitmapLike(12, 4, 1)},
      {"button.bmp", BitmapLike(8, 3, 2)},
      {"dup.bmp", BytesOf("x")},
      {"dup.bmp", {}},
  };
  const std::string reader = dir + "/skin_reader_fuzz/";
  WriteFile(reader + "v20000.skn", SkinFile(Archive(small, {20000, 0})));
  WriteFile(reader + "v30000-lf.skn", SkinFile(Archive(small, {30000, 256, "\n", false})));
  WriteFile(reader + "v40000-cr.skn", SkinFile(Archive(small, {40000, 80, "\r", true})));
  WriteFile(reader + "v50000.skn", SkinFile(Archive(small, {50000, 48})));
  WriteFile(reader + "v60000.skn", SkinFile(Archive(small, {60000, 117})));
  WriteFile(reader + "v70000.skn", SkinFile(Archive(small, {70000, 69})));
  WriteFile(reader + "v10000.skn", SkinFile(Archive(small, {10000, 0})));
  std::vector<ArchiveEntry> bitmaps;
  for (int i = 0; i < 6; ++i) {
    bitmaps.push_back({"skyblue__part" + std::to_string(i) + ".bmp", BitmapLike(30 + i * 7, 9, i)});
  }
  bitmaps.push_back({"skyblue.ini", BytesOf(definition)});
  WriteFile(reader + "skin-like.skn", SkinFile(Archive(bitmaps)));

  const std::string archive = dir + "/skin_archive_fuzz/";
  WriteFile(archive + "v20000.arc", Archive(small, {20000, 0}));
  WriteFile(archive + "v30000-lf.arc", Archive(small, {30000, 256, "\n", false}));
  WriteFile(archive + "v70000.arc", Archive(small, {70000, 69}));
  WriteFile(archive + "v10000.arc", Archive(small, {10000, 0}));
  WriteFile(archive + "skin-like.arc", Archive(bitmaps));

  const std::string ini = dir + "/quick_ini_fuzz/";
  WriteFile(ini + "definition.ini", BytesOf(definition));
  WriteFile(ini + "line-breaks.ini", BytesOf("top=1\n[A]\rk=v\n\r[a]\r\nk=w\r\n;c=1\r\n[]\r\n=x\r\n"));
  WriteFile(ini + "numbers.ini",
            BytesOf("[N]\r\na=0X1f\r\nb=-5\r\nc=2147483648\r\nd=-$80000000\r\ne=12ab\r\nf=x7\r\n"));
  std::string gbk = "[\xCC\xEC\xC0\xB6]\r\nImage=\xCC\xEC\xC0\xB6__header.bmp\r\n";
  gbk += std::string("after=nul\0[Hidden]\r\nk=v", 23);
  WriteFile(ini + "gbk-nul.ini", BytesOf(gbk));

  // Every depth and header form the decoder reads, small, with a few pixel values each.
  const std::string bmp = dir + "/bitmap_file_fuzz/";
  const std::vector<uint32_t> indices = {0, 1, 2, 3, 1, 0, 3, 2, 0, 1, 1, 0};
  const std::vector<uint32_t> grey = {0x000000, 0x555555, 0xAAAAAA, 0xFFFFFF};
  const std::vector<uint32_t> wide = {0x80102030, 0x00FFFFFF, 0x3FF00000, 0x000FFC00,
                                      0x000003FF, 0xC0000000, 0x12345678, 0};
  struct Seed {
    const char* name;
    BitmapFileSpec recipe;
  };
  const Seed seeds[] = {
      {"1bit.bmp", {.width = 9, .height = 2, .bits = 1, .palette = {0, 0xFFFFFF}, .values = indices}},
      {"1bit-core.bmp",
       {.header_size = 12, .width = 5, .height = 2, .bits = 1, .palette = {0xFF00FF, 0xFFFFFF}, .values = indices}},
      {"4bit-3-colours.bmp",
       {.width = 3,
        .height = 3,
        .bits = 4,
        .palette = {0xFF0000, 0x00FF00, 0x0000FF},
        .colours_used = 3,
        .values = indices}},
      {"8bit.bmp", {.width = 4, .height = 3, .bits = 8, .palette = grey, .colours_used = 4, .values = indices}},
      {"16bit-555.bmp", {.width = 3, .height = 2, .bits = 16, .values = {0x7FFF, 0x7C00, 0x03E0, 0x001F, 0x5294, 0}}},
      {"16bit-565-top-down.bmp",
       {.width = 3,
        .height = 2,
        .top_down = true,
        .bits = 16,
        .compression = 3,
        .masks = {0xF800, 0x07E0, 0x001F},
        .values = {0xF800, 0x07E0, 0x001F, 0xFFFF, 0x0841, 0}}},
      {"24bit.bmp",
       {.width = 3, .height = 2, .bits = 24, .values = {0xFF00FF, 0x102030, 0xFFFFFF, 0, 0x808080, 0x00FF00}}},
      {"32bit.bmp", {.width = 4, .height = 2, .bits = 32, .values = wide}},
      {"32bit-10-10-10.bmp",
       {.width = 4,
        .height = 2,
        .bits = 32,
        .compression = 3,
        .masks = {0x3FF00000, 0x000FFC00, 0x000003FF},
        .values = wide}},
      {"16bit-v4-header.bmp",
       {.header_size = 108,
        .width = 2,
        .height = 2,
        .bits = 16,
        .compression = 3,
        .masks = {0x0F00, 0x00F0, 0x000F},
        .values = {0x0F00, 0x00F0, 0x000F, 0x0FFF}}},
      {"4bit-v5-header.bmp",
       {.header_size = 124,
        .width = 4,
        .height = 1,
        .bits = 4,
        .palette = grey,
        .colours_used = 4,
        .values = {3, 2, 1, 0}}},
  };
  for (const Seed& seed : seeds) WriteFile(bmp + seed.name, BitmapFile(seed.recipe));
  // A skin's own kind of file, and one whose pixel offset is wrong (only the program loads it).
  WriteFile(bmp + "skin-like.bmp", BitmapLike(12, 4, 1));
  Bytes offset_zero = BitmapLike(5, 3, 2);
  offset_zero[10] = 0;
  offset_zero[11] = 0;
  WriteFile(bmp + "offset-zero.bmp", offset_zero);
  return 0;
}
