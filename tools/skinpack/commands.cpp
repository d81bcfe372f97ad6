#include "tools/skinpack/commands.h"

#include <algorithm>
#include <chrono>
#include <exception>
#include <filesystem>
#include <functional>
#include <map>
#include <system_error>

#include "skin/resources/memory_stream.h"
#include "skin/resources/skin_reader.h"
#include "tools/lzhuf/lzhuf_encoder.h"
#include "tools/skinimage/bmp_file.h"
#include "tools/skinimage/png_file.h"
#include "tools/skinpack/contact_sheet.h"
#include "tools/skinpack/host_files.h"
#include "tools/skinpack/skin_archive.h"
#include "tools/skinpack/skin_contents.h"

namespace skinpack {
namespace {

namespace fs = std::filesystem;

constexpr int kBadFile = 1;
constexpr int kBadArguments = 2;
constexpr uint32_t kLargestDecode = 256u << 20;

constexpr const char* kUsage =
    "usage: skinpack COMMAND ...\n"
    "  pack DIR OUT           folder of one .ini and its .bmp files -> skin file\n"
    "  list [--stream] FILE   entries with sizes, bitmaps with width x height x bits\n"
    "  extract [--stream] FILE DIR\n"
    "                         every entry as a file in DIR\n"
    "  verify [--stream] FILE check the skin the way the program reads it\n"
    "  stream SKIN OUT [HEX]  stored-skin property data (length + skin file), and its\n"
    "                         hexadecimal text for a form description\n"
    "  sheet [--stream] FILE OUT.png|OUT.bmp\n"
    "                         contact sheet of every element and frame\n"
    "  lzh-encode IN OUT      LZHUF-code a file (4-byte length + coded bits)\n"
    "  lzh-decode IN OUT      expand such a file\n"
    "--stream reads stored-skin property data instead of a skin file.\n";

struct Failure {
  int code;
  std::string message;
};

[[noreturn]] void Fail(int code, std::string message) { throw Failure{code, std::move(message)}; }

std::vector<uint8_t> Read(const fs::path& path) {
  std::vector<uint8_t> bytes;
  std::string error;
  if (!ReadWholeFile(path, bytes, error)) Fail(kBadFile, error);
  return bytes;
}

std::vector<uint8_t> Read(const std::string& argument) { return Read(PathFromArgument(argument)); }

void Write(const fs::path& path, std::span<const uint8_t> bytes) {
  std::string error;
  if (!WriteWholeFile(path, bytes, error)) Fail(kBadFile, error);
}

std::string DisplayEntryName(const std::string& name) {
  if (const std::optional<fs::path> file = FileNameOf(name)) return DisplayPath(*file);
  return name;
}

bool EndsWithIgnoringCase(const std::string& text, const std::string& suffix) {
  return text.size() >= suffix.size() && LowerAscii(text.substr(text.size() - suffix.size())) == LowerAscii(suffix);
}

std::string Ratio(size_t part, size_t whole) {
  if (whole == 0) return "-";
  const uint64_t tenths = (uint64_t{part} * 1000 + whole / 2) / whole;
  return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10) + "%";
}

// Arguments after the command, with an optional leading "--stream".
struct Operands {
  bool stream = false;
  std::vector<std::string> values;
};

Operands Parse(const std::vector<std::string>& arguments, size_t count, bool allow_stream) {
  Operands operands;
  for (size_t i = 1; i < arguments.size(); ++i) {
    if (allow_stream && arguments[i] == "--stream" && !operands.stream && operands.values.empty()) {
      operands.stream = true;
    } else if (arguments[i].rfind("--", 0) == 0) {
      Fail(kBadArguments, "unknown option " + arguments[i] + " for " + arguments[0]);
    } else {
      operands.values.push_back(arguments[i]);
    }
  }
  if (operands.values.size() != count)
    Fail(kBadArguments, arguments[0] + " takes " + std::to_string(count) + " file argument" + (count == 1 ? "" : "s") +
                            ", got " + std::to_string(operands.values.size()));
  return operands;
}

DecodedSkin Decode(const std::string& argument, bool stream) {
  std::vector<uint8_t> bytes = Read(argument);
  std::string error;
  if (stream) {
    std::optional<std::vector<uint8_t>> payload = UnwrapSkinStream(bytes, error);
    if (!payload) Fail(kBadFile, argument + ": " + error);
    bytes = std::move(*payload);
  }
  std::optional<DecodedSkin> skin = DecodeSkin(bytes, error);
  if (!skin) Fail(kBadFile, argument + ": " + error);
  return std::move(*skin);
}

int Pack(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
  const Operands operands = Parse(arguments, 2, false);
  const fs::path folder = PathFromArgument(operands.values[0]);
  std::error_code code;
  if (!fs::is_directory(folder, code)) Fail(kBadFile, DisplayPath(folder) + " is not a folder");
  std::vector<fs::path> paths;
  for (fs::directory_iterator it(folder, code), end; !code && it != end; it.increment(code))
    paths.push_back(it->path());
  if (code) Fail(kBadFile, "cannot list " + DisplayPath(folder) + ": " + code.message());
  std::sort(paths.begin(), paths.end());

  std::vector<ArchiveEntry> files;
  std::optional<size_t> definition;
  for (const fs::path& path : paths) {
    const std::string shown = DisplayPath(path.filename());
    if (!fs::is_regular_file(path, code)) Fail(kBadFile, shown + ": only files go into a skin, not folders");
    const std::optional<std::string> name = EntryNameOf(path.filename());
    if (!name) Fail(kBadFile, shown + ": the name has characters code page 936 cannot hold");
    ArchiveEntry entry{*name, Read(path)};
    if (EndsWithIgnoringCase(*name, ".ini")) {
      if (definition) Fail(kBadFile, "more than one definition (.ini) in " + DisplayPath(folder));
      definition = files.size();
    } else if (EndsWithIgnoringCase(*name, ".bmp")) {
      std::string error;
      if (!skinimage::ReadBmpInfo(entry.bytes, error)) Fail(kBadFile, shown + ": not a valid bitmap: " + error);
    } else {
      Fail(kBadFile, shown + ": a skin holds only one .ini and .bmp files");
    }
    files.push_back(std::move(entry));
  }
  if (!definition) Fail(kBadFile, "no definition (.ini) in " + DisplayPath(folder));
  const std::vector<ArchiveEntry> ordered = OrderForArchive(std::move(files), *definition);
  std::string error;
  const std::optional<std::vector<uint8_t>> archive = BuildArchive(ordered, error);
  if (!archive) Fail(kBadFile, error);
  const std::vector<uint8_t> skin_file = EncodeSkinFile(*archive);
  Write(PathFromArgument(operands.values[1]), skin_file);
  out << "packed " << ordered.size() << " entries: " << archive->size() << " bytes coded to " << skin_file.size()
      << " (" << Ratio(skin_file.size(), archive->size()) << ")\n";

  // Tell the designer at once what the program would miss.
  std::optional<DecodedSkin> decoded = DecodeSkin(skin_file, error);
  if (!decoded) Fail(kBadFile, "the packed skin does not read back: " + error);
  for (const std::string& problem : VerifySkin(*decoded).problems) err << "warning: " << problem << "\n";
  return 0;
}

int List(const std::vector<std::string>& arguments, std::ostream& out, std::ostream&) {
  const Operands operands = Parse(arguments, 1, true);
  const DecodedSkin skin = Decode(operands.values[0], operands.stream);
  out << "format " << skin.format_version << ", " << skin.entries.size() << " entries, name list " << skin.name_bytes
      << " bytes, " << skin.decoded_length << " bytes expanded\n";
  for (const ArchiveEntry& entry : skin.entries) {
    std::string size = std::to_string(entry.bytes.size());
    size.insert(0, size.size() < 8 ? 8 - size.size() : 0, ' ');
    out << size << "  " << DisplayEntryName(entry.name);
    std::string error;
    if (EndsWithIgnoringCase(entry.name, ".bmp")) {
      if (const auto info = skinimage::ReadBmpInfo(entry.bytes, error))
        out << "  " << info->width << " x " << info->height << " x " << info->bits_per_pixel;
      else
        out << "  (not a valid bitmap: " << error << ")";
    } else if (entry.name == skin.definition_name) {
      out << "  (definition)";
    }
    out << "\n";
  }
  return 0;
}

// An entry name that is safe as one file name inside the target folder.
bool SafeFileName(const std::string& name) {
  return !name.empty() && name != "." && name != ".." && name.find_first_of("/\\:") == std::string::npos;
}

int Extract(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
  const Operands operands = Parse(arguments, 2, true);
  const DecodedSkin skin = Decode(operands.values[0], operands.stream);
  const fs::path folder = PathFromArgument(operands.values[1]);
  std::error_code code;
  fs::create_directories(folder, code);
  if (!fs::is_directory(folder, code)) Fail(kBadFile, "cannot create the folder " + DisplayPath(folder));
  int written = 0, refused = 0;
  std::map<std::string, int> seen;
  for (const ArchiveEntry& entry : skin.entries) {
    const std::optional<fs::path> file = FileNameOf(entry.name);
    if (!SafeFileName(entry.name) || !file || ++seen[entry.name] > 1) {
      err << "error: entry \"" << entry.name
          << "\" not written: " << (seen[entry.name] > 1 ? "a second entry of that name" : "not a safe file name")
          << "\n";
      ++refused;
      continue;
    }
    Write(folder / *file, entry.bytes);
    ++written;
  }
  out << "extracted " << written << " entries to " << DisplayPath(folder) << "\n";
  return refused == 0 ? 0 : kBadFile;
}

int Verify(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
  const Operands operands = Parse(arguments, 1, true);
  const DecodedSkin skin = Decode(operands.values[0], operands.stream);
  const VerifyReport report = VerifySkin(skin);
  for (const std::string& note : report.notes) out << "note: " << note << "\n";
  for (const std::string& problem : report.problems) err << "error: " << problem << "\n";
  if (!report.problems.empty()) {
    err << operands.values[0] << ": " << report.problems.size() << " problem"
        << (report.problems.size() == 1 ? "" : "s") << "\n";
    return kBadFile;
  }
  out << "ok: " << skin.entries.size() << " entries, definition " << skin.definition_name << ", "
      << report.bitmaps_checked << " bitmaps checked\n";
  return 0;
}

int Stream(const std::vector<std::string>& arguments, std::ostream& out, std::ostream&) {
  if (arguments.size() != 3 && arguments.size() != 4) Fail(kBadArguments, "stream takes SKIN OUT and optionally HEX");
  const std::vector<uint8_t> skin_file = Read(arguments[1]);
  std::string error;
  if (!DecodeSkin(skin_file, error)) Fail(kBadFile, arguments[1] + ": " + error);
  const std::vector<uint8_t> stream = WrapSkinStream(skin_file);
  Write(PathFromArgument(arguments[2]), stream);
  if (arguments.size() == 4) {
    const std::string hex = HexPropertyText(stream);
    Write(PathFromArgument(arguments[3]), std::span(reinterpret_cast<const uint8_t*>(hex.data()), hex.size()));
  }
  out << "stored skin data: " << stream.size() << " bytes (length " << skin_file.size() << ")\n";
  return 0;
}

int Sheet(const std::vector<std::string>& arguments, std::ostream& out, std::ostream&) {
  const Operands operands = Parse(arguments, 2, true);
  const DecodedSkin skin = Decode(operands.values[0], operands.stream);
  const std::string& target = operands.values[1];
  const bool png = EndsWithIgnoringCase(target, ".png");
  if (!png && !EndsWithIgnoringCase(target, ".bmp"))
    Fail(kBadArguments, "the sheet is written as .png or .bmp: " + target);
  const fs::path source = PathFromArgument(operands.values[0]);
  const skinimage::Image sheet = RenderContactSheet(skin, DisplayPath(source.filename()));
  Write(PathFromArgument(target), png ? skinimage::EncodePng(sheet) : skinimage::EncodeBmp(sheet));
  out << "contact sheet " << sheet.Width() << " x " << sheet.Height() << " written to " << target << "\n";
  return 0;
}

int LzhEncode(const std::vector<std::string>& arguments, std::ostream& out, std::ostream&) {
  const Operands operands = Parse(arguments, 2, false);
  const std::vector<uint8_t> input = Read(operands.values[0]);
  const auto start = std::chrono::steady_clock::now();
  const std::vector<uint8_t> coded = lzhuf::LzhufEncode(input);
  const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
  Write(PathFromArgument(operands.values[1]), coded);
  out << input.size() << " bytes coded to " << coded.size() << " (" << Ratio(coded.size(), input.size()) << ") in "
      << elapsed.count() << " ms\n";
  return 0;
}

int LzhDecode(const std::vector<std::string>& arguments, std::ostream& out, std::ostream&) {
  const Operands operands = Parse(arguments, 2, false);
  const std::vector<uint8_t> input = Read(operands.values[0]);
  if (input.size() < 4) Fail(kBadFile, operands.values[0] + ": shorter than its 4-byte length");
  const uint32_t length = input[0] | input[1] << 8 | input[2] << 16 | static_cast<uint32_t>(input[3]) << 24;
  if (length > kLargestDecode)
    Fail(kBadFile, operands.values[0] + ": announces " + std::to_string(length) + " bytes, more than the " +
                       std::to_string(kLargestDecode >> 20) + " MB this tool expands");
  skin::TMemoryStream source(input);
  skin::TMemoryStream target;
  skin::ExpandSkinFile(source, target, kLargestDecode);
  // A last match may run past the announced length; the data is what was announced.
  const std::span<const uint8_t> expanded = target.Bytes().first(std::min<size_t>(length, target.Size()));
  Write(PathFromArgument(operands.values[1]), expanded);
  out << input.size() << " bytes expanded to " << expanded.size() << "\n";
  return 0;
}

}  // namespace

int RunSkinpack(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
  using Command = std::function<int(const std::vector<std::string>&, std::ostream&, std::ostream&)>;
  static const std::map<std::string, Command> kCommands = {
      {"pack", Pack},     {"list", List},   {"extract", Extract},      {"verify", Verify},
      {"stream", Stream}, {"sheet", Sheet}, {"lzh-encode", LzhEncode}, {"lzh-decode", LzhDecode},
  };
  if (arguments.empty() || arguments[0] == "--help" || arguments[0] == "-h" || arguments[0] == "help") {
    (arguments.empty() ? err : out) << kUsage;
    return arguments.empty() ? kBadArguments : 0;
  }
  const auto command = kCommands.find(arguments[0]);
  if (command == kCommands.end()) {
    err << "skinpack: unknown command \"" << arguments[0] << "\" (try skinpack --help)\n";
    return kBadArguments;
  }
  try {
    return command->second(arguments, out, err);
  } catch (const Failure& failure) {
    err << "skinpack " << arguments[0] << ": " << failure.message << "\n";
    return failure.code;
  } catch (const std::exception& exception) {
    err << "skinpack " << arguments[0] << ": " << exception.what() << "\n";
    return kBadFile;
  }
}

}  // namespace skinpack
