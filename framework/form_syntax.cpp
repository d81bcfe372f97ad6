#include "framework/form_syntax.h"

#include <cctype>

namespace fw {

namespace {

// ---- UTF-8 and UTF-16 ----------------------------------------------------------------------------

constexpr char16_t kReplacement = 0xFFFD;

bool IsHighSurrogate(uint32_t unit) { return unit >= 0xD800 && unit < 0xDC00; }
bool IsLowSurrogate(uint32_t unit) { return unit >= 0xDC00 && unit < 0xE000; }

// The length of the UTF-8 sequence that `lead` starts, 0 for a byte that starts none.
int SequenceLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if ((lead & 0xE0) == 0xC0) return 2;
  if ((lead & 0xF0) == 0xE0) return 3;
  if ((lead & 0xF8) == 0xF0) return 4;
  return 0;
}

// Malformed sequences become U+FFFD, one per byte that starts no valid sequence.
void AppendUtf8AsUtf16(std::string_view utf8, std::u16string& out) {
  size_t i = 0;
  while (i < utf8.size()) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    const int length = SequenceLength(lead);
    uint32_t code = length == 1 ? lead : lead & (0x7Fu >> length);  // the lead byte's payload bits
    bool valid = length > 0 && i + length <= utf8.size();
    for (int k = 1; valid && k < length; ++k) {
      const auto next = static_cast<unsigned char>(utf8[i + k]);
      valid = (next & 0xC0) == 0x80;
      code = (code << 6) | (next & 0x3F);
    }
    static constexpr uint32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    valid = valid && code >= kSmallest[length] && code <= 0x10FFFF && !(code >= 0xD800 && code < 0xE000);
    if (!valid) {
      out.push_back(kReplacement);
      ++i;
      continue;
    }
    if (code >= 0x10000) {
      code -= 0x10000;
      out.push_back(static_cast<char16_t>(0xD800 + (code >> 10)));
      out.push_back(static_cast<char16_t>(0xDC00 + (code & 0x3FF)));
    } else {
      out.push_back(static_cast<char16_t>(code));
    }
    i += static_cast<size_t>(length);
  }
}

void AppendCodePointAsUtf8(uint32_t c, std::string& out) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// ---- Parsing ------------------------------------------------------------------------------------

class Parser {
 public:
  explicit Parser(std::string_view text) : text_(text) {}

  FormObject ParseRoot() {
    FormObject root = ParseObject();
    SkipBlanks();
    if (pos_ < text_.size()) Fail("text after the final 'end'");
    return root;
  }

 private:
  [[noreturn]] void Fail(const std::string& what) const {
    throw EReadError("Form description line " + std::to_string(line_) + ": " + what);
  }

  void SkipBlanks() {
    while (pos_ < text_.size()) {
      char c = text_[pos_];
      if (c == '\n') {
        ++line_;
        ++pos_;
      } else if (c == ' ' || c == '\t' || c == '\r') {
        ++pos_;
      } else if (c == '/' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '/') {
        while (pos_ < text_.size() && text_[pos_] != '\n') ++pos_;
      } else {
        break;
      }
    }
  }

  char Peek() {
    SkipBlanks();
    return pos_ < text_.size() ? text_[pos_] : '\0';
  }

  void Expect(char c) {
    if (Peek() != c) Fail(std::string("'") + c + "' expected");
    ++pos_;
  }

  static bool IsIdentChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '.'; }

  std::string Identifier() {
    SkipBlanks();
    size_t start = pos_;
    while (pos_ < text_.size() && IsIdentChar(text_[pos_])) ++pos_;
    if (start == pos_) Fail("identifier expected");
    return std::string(text_.substr(start, pos_ - start));
  }

  bool AtKeyword(std::string_view word) {
    SkipBlanks();
    if (text_.substr(pos_, word.size()) != word) return false;
    size_t end = pos_ + word.size();
    return end >= text_.size() || !IsIdentChar(text_[end]);
  }

  FormObject ParseObject() {
    if (!AtKeyword("object")) Fail("'object' expected");
    pos_ += 6;
    FormObject object;
    object.line = line_;
    object.name = Identifier();
    Expect(':');
    object.className = Identifier();
    while (!AtKeyword("end")) {
      if (pos_ >= text_.size()) Fail("'end' expected for " + object.name);
      if (AtKeyword("object")) {
        object.children.push_back(ParseObject());
      } else {
        object.properties.push_back(ParseProperty());
      }
    }
    pos_ += 3;
    return object;
  }

  FormProperty ParseProperty() {
    FormProperty p;
    p.line = line_;
    p.path = Identifier();
    Expect('=');
    p.value = std::make_shared<FormValue>(ParseValue());
    return p;
  }

  FormValue ParseValue() {
    char c = Peek();
    FormValue v;
    if (c == '\'' || c == '#') {
      v.kind = FormValue::Kind::String;
      v.string = ParseString();
    } else if (c == '-' || c == '$' || std::isdigit(static_cast<unsigned char>(c))) {
      v.kind = FormValue::Kind::Integer;
      v.integer = ParseInteger();
    } else if (c == '[') {
      v.kind = FormValue::Kind::Set;
      ++pos_;
      while (Peek() != ']') {
        v.names.push_back(Identifier());
        if (Peek() == ',')
          ++pos_;
        else if (Peek() != ']')
          Fail("',' or ']' expected");
      }
      ++pos_;
    } else if (c == '{') {
      v.kind = FormValue::Kind::Binary;
      ++pos_;
      v.bytes = ParseHex();
    } else if (c == '(') {
      v.kind = FormValue::Kind::List;
      ++pos_;
      while (Peek() != ')') {
        if (pos_ >= text_.size()) Fail("')' expected");
        v.strings.push_back(ParseString());
      }
      ++pos_;
    } else if (c == '<') {
      v.kind = FormValue::Kind::Collection;
      ++pos_;
      while (Peek() != '>') {
        if (!AtKeyword("item")) Fail("'item' expected");
        pos_ += 4;
        FormPropertyList item;
        while (!AtKeyword("end")) {
          if (pos_ >= text_.size()) Fail("'end' expected");
          item.push_back(ParseProperty());
        }
        pos_ += 3;
        v.items.push_back(std::move(item));
      }
      ++pos_;
    } else if (IsIdentChar(c)) {
      v.kind = FormValue::Kind::Ident;
      v.ident = Identifier();
    } else {
      Fail("value expected");
    }
    return v;
  }

  int64_t ParseInteger() {
    bool negative = false;
    if (text_[pos_] == '-') {
      negative = true;
      ++pos_;
    }
    int base = 10;
    if (pos_ < text_.size() && text_[pos_] == '$') {
      base = 16;
      ++pos_;
    }
    size_t start = pos_;
    int64_t value = 0;
    while (pos_ < text_.size() && std::isxdigit(static_cast<unsigned char>(text_[pos_]))) {
      char d = text_[pos_];
      int digit = std::isdigit(static_cast<unsigned char>(d)) ? d - '0' : std::tolower(d) - 'a' + 10;
      if (digit >= base) break;
      value = value * base + digit;
      if (value > 0xFFFFFFFFLL) Fail("integer out of range");
      ++pos_;
    }
    if (start == pos_) Fail("digits expected");
    // $FF00000F and the like are 32-bit patterns: keep their two's-complement meaning.
    if (base == 16 && value > 0x7FFFFFFF) value -= 0x100000000LL;
    return negative ? -value : value;
  }

  // One string value: quoted parts and #code points, joined, optionally over lines with '+'.
  std::u16string ParseString() {
    std::u16string units;
    for (;;) {
      char c = Peek();
      if (c == '\'') {
        ++pos_;
        size_t start = pos_;
        std::string utf8;
        for (;;) {
          if (pos_ >= text_.size() || text_[pos_] == '\n') Fail("unterminated string");
          if (text_[pos_] == '\'') {
            utf8.append(text_.substr(start, pos_ - start));
            ++pos_;
            if (pos_ < text_.size() && text_[pos_] == '\'') {
              utf8.push_back('\'');
              start = ++pos_;
              continue;
            }
            break;
          }
          ++pos_;
        }
        AppendUtf8AsUtf16(utf8, units);
      } else if (c == '#') {
        ++pos_;
        int64_t code = ParseInteger();
        if (code < 0 || code > 0xFFFF) Fail("character code out of range");
        units.push_back(static_cast<char16_t>(code));
      } else {
        break;
      }
      // A quote or # right after a part continues the string; so does '+', also over lines.
      if (pos_ < text_.size() && (text_[pos_] == '\'' || text_[pos_] == '#')) continue;
      size_t save = pos_;
      while (save < text_.size() && (text_[save] == ' ' || text_[save] == '\t')) ++save;
      if (save < text_.size() && text_[save] == '+') {
        pos_ = save + 1;
        continue;
      }
      break;
    }
    return units;
  }

  std::vector<uint8_t> ParseHex() {
    std::vector<uint8_t> bytes;
    int high = -1;
    for (;;) {
      char c = Peek();
      if (c == '}') {
        ++pos_;
        break;
      }
      if (!std::isxdigit(static_cast<unsigned char>(c))) Fail("hexadecimal digit expected");
      ++pos_;
      int digit = std::isdigit(static_cast<unsigned char>(c)) ? c - '0' : std::tolower(c) - 'a' + 10;
      if (high < 0) {
        high = digit;
      } else {
        bytes.push_back(static_cast<uint8_t>(high * 16 + digit));
        high = -1;
      }
    }
    if (high >= 0) Fail("odd number of hexadecimal digits");
    return bytes;
  }

  std::string_view text_;
  size_t pos_ = 0;
  int line_ = 1;
};

// ---- Writing ------------------------------------------------------------------------------------

// A string value: printable text quoted, control characters and unpaired surrogates as #codes.
std::string Quote(const std::u16string& units) {
  if (units.empty()) return "''";
  std::string out;
  bool open = false;
  for (size_t i = 0; i < units.size(); ++i) {
    uint32_t c = units[i];
    const bool pair = IsHighSurrogate(c) && i + 1 < units.size() && IsLowSurrogate(units[i + 1]);
    if (c < 0x20 || c == 0x7F || (!pair && (IsHighSurrogate(c) || IsLowSurrogate(c)))) {
      if (open) out += '\'';
      open = false;
      out += "#" + std::to_string(c);
      continue;
    }
    if (!open) out += '\'';
    open = true;
    if (pair) c = 0x10000 + ((c - 0xD800) << 10) + (units[++i] - 0xDC00u);
    if (c == '\'')
      out += "''";
    else
      AppendCodePointAsUtf8(c, out);
  }
  if (open) out += '\'';
  return out;
}

class Writer {
 public:
  std::string Write(const FormObject& root) {
    WriteObject(root, 0);
    return std::move(out_);
  }

 private:
  void Line(int depth, const std::string& text) {
    out_ += std::string(static_cast<size_t>(depth) * 2, ' ') + text + "\r\n";
  }
  // Closes a bracketed value at the end of its last line: "end>", "'two')", "7F}".
  void CloseLastLine(char bracket) { out_.insert(out_.size() - 2, 1, bracket); }

  void WriteObject(const FormObject& object, int depth) {
    Line(depth, "object " + object.name + ": " + object.className);
    WriteProperties(object.properties, depth + 1);
    for (const FormObject& child : object.children) WriteObject(child, depth + 1);
    Line(depth, "end");
  }

  void WriteProperties(const FormPropertyList& properties, int depth) {
    for (const FormProperty& p : properties) WriteProperty(p.path, *p.value, depth);
  }

  void WriteProperty(const std::string& path, const FormValue& value, int depth) {
    using K = FormValue::Kind;
    const std::string head = path + " = ";
    switch (value.kind) {
      case K::Integer:
        Line(depth, head + std::to_string(value.integer));
        break;
      case K::Ident:
        Line(depth, head + value.ident);
        break;
      case K::String:
        Line(depth, head + Quote(value.string));
        break;
      case K::Set: {
        std::string text;
        for (const std::string& name : value.names) text += (text.empty() ? "" : ", ") + name;
        Line(depth, head + "[" + text + "]");
        break;
      }
      case K::Binary: {
        Line(depth, head + "{");
        static constexpr char kHex[] = "0123456789ABCDEF";
        for (size_t at = 0; at < value.bytes.size(); at += 32) {
          std::string row;
          for (size_t i = at; i < value.bytes.size() && i < at + 32; ++i) {
            row += kHex[value.bytes[i] >> 4];
            row += kHex[value.bytes[i] & 15];
          }
          Line(depth + 1, row);
        }
        CloseLastLine('}');
        break;
      }
      case K::List:
        Line(depth, head + "(");
        for (const std::u16string& line : value.strings) Line(depth + 1, Quote(line));
        CloseLastLine(')');
        break;
      case K::Collection:
        Line(depth, head + "<");
        for (const FormPropertyList& item : value.items) {
          Line(depth + 1, "item");
          WriteProperties(item, depth + 2);
          Line(depth + 1, "end");
        }
        CloseLastLine('>');
        break;
    }
  }

  std::string out_;
};

}  // namespace

FormObject ParseFormText(std::string_view text) { return Parser(text).ParseRoot(); }

std::string FormText(const FormObject& root) { return Writer().Write(root); }

}  // namespace fw
