// Files of the host for the skin tools: reading and writing whole files, and the translation
// between the host's file names and skin entry names. Entry names are in code page 936 (the skin's
// header image has Chinese characters in its name); file names are UTF-8 on Linux and UTF-16 on
// Windows.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace skinpack {

// A path from a command-line argument (the ANSI code page on Windows, bytes elsewhere).
std::filesystem::path PathFromArgument(const std::string& argument);

// A path for messages, in the same encoding as the command line.
std::string DisplayPath(const std::filesystem::path& path);

// The code-page-936 entry name of a file name; nothing when the name has a character that the
// code page cannot hold.
std::optional<std::string> EntryNameOf(const std::filesystem::path& file_name);

// The host file name of an entry name; nothing when the name is not valid code page 936.
std::optional<std::filesystem::path> FileNameOf(const std::string& entry_name);

// Whole-file reading and writing; on failure false with a one-line reason in `error`.
bool ReadWholeFile(const std::filesystem::path& path, std::vector<uint8_t>& bytes, std::string& error);
bool WriteWholeFile(const std::filesystem::path& path, std::span<const uint8_t> bytes, std::string& error);

}  // namespace skinpack
