// Writes the seed inputs of the fuzz targets into corpus/ (run by hand from this folder after a
// change of the archive layout: ./make_fuzz_seeds corpus).
#include <cstdio>
#include <string>
#include <vector>

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
  WriteFile(ini + "line-breaks.ini",
            BytesOf("top=1\n[A]\rk=v\n\r[a]\r\nk=w\r\n;c=1\r\n[]\r\n=x\r\n"));
  WriteFile(ini + "numbers.ini",
            BytesOf("[N]\r\na=0X1f\r\nb=-5\r\nc=2147483648\r\nd=-$80000000\r\ne=12ab\r\nf=x7\r\n"));
  std::string gbk = "[\xCC\xEC\xC0\xB6]\r\nImage=\xCC\xEC\xC0\xB6__header.bmp\r\n";
  gbk += std::string("after=nul\0[Hidden]\r\nk=v", 23);
  WriteFile(ini + "gbk-nul.ini", BytesOf(gbk));
  return 0;
}
