// The stored form description as a tree of objects and property values, read from its text and
// written back as text. No Windows header: the form reader and writer build on it, and so do tools
// that run on the build machine.
//
//   object Form1: TForm1
//     Caption = 'Pastelle'            strings: '...' ('' for a quote), #nnnn code points, joined
//     Font.Height = -12               integers: decimal or $hex; sub-object properties by path
//     Font.Style = [fsUnderline]      sets; identifiers for enumerations and named constants
//     OnCreate = FormCreate           events: a published method of the root component
//     Data = {0A1B...}                binary data (hex)
//     Items.Strings = ('a' 'b')       string lists
//     Columns = <item Width = 80 end> collections
//     object Panel1: TPanel ... end   owned components, parented to the enclosing control
//   end
//
// The text is UTF-8; string values are held as UTF-16 code units, as #nnnn names them.
#pragma once

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace fw {

class EReadError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct FormValue;

struct FormProperty {
  std::string path;  // "Font.Style": a property of a sub-object, by path
  std::shared_ptr<FormValue> value;
  int line = 0;
};
using FormPropertyList = std::vector<FormProperty>;

struct FormValue {
  enum class Kind { Integer, String, Ident, Set, Binary, List, Collection } kind = Kind::Integer;
  int64_t integer = 0;
  std::u16string string;                // String
  std::string ident;                    // Ident
  std::vector<std::string> names;       // Set
  std::vector<uint8_t> bytes;           // Binary
  std::vector<std::u16string> strings;  // List
  std::vector<FormPropertyList> items;  // Collection
};

struct FormObject {
  std::string name;
  std::string className;
  int line = 0;
  FormPropertyList properties;
  std::vector<FormObject> children;
};

// Parses a whole description: one root object and nothing after its final 'end'. Throws
// EReadError naming the line and what is wrong.
[[nodiscard]] FormObject ParseFormText(std::string_view text);

// The description's text: two spaces of indentation per level, CR LF line ends, strings quoted
// with control characters as #codes, binary data in rows of 32 bytes. ParseFormText reads it back
// to an equal tree (apart from line numbers).
[[nodiscard]] std::string FormText(const FormObject& root);

}  // namespace fw
