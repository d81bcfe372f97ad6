#include "framework/form_writer.h"

#include <cstdio>

#include "framework/collection.h"
#include "framework/component.h"
#include "framework/control.h"
#include "framework/text.h"

namespace fw {

namespace {

std::string WideToUtf8(const std::wstring& wide) {
  std::string utf8;
  for (size_t i = 0; i < wide.size(); ++i) {
    uint32_t c = static_cast<uint16_t>(wide[i]);
    if (c >= 0xD800 && c < 0xDC00 && i + 1 < wide.size()) {
      c = 0x10000 + ((c - 0xD800) << 10) + (static_cast<uint16_t>(wide[++i]) - 0xDC00);
    }
    if (c < 0x80) {
      utf8 += static_cast<char>(c);
    } else if (c < 0x800) {
      utf8 += static_cast<char>(0xC0 | (c >> 6));
      utf8 += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      utf8 += static_cast<char>(0xE0 | (c >> 12));
      utf8 += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      utf8 += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      utf8 += static_cast<char>(0xF0 | (c >> 18));
      utf8 += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
      utf8 += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      utf8 += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return utf8;
}

// A string value: printable text quoted, control characters as #codes.
std::string Quote(const std::string& ansi) {
  std::wstring wide = AnsiToWideText(ansi);
  if (wide.empty()) return "''";
  std::string out;
  bool open = false;
  for (wchar_t ch : wide) {
    if (ch < 0x20 || ch == 0x7F) {
      if (open) out += '\'';
      open = false;
      out += "#" + std::to_string(static_cast<unsigned>(ch));
      continue;
    }
    if (!open) out += '\'';
    open = true;
    if (ch == L'\'') out += "''";
    else out += WideToUtf8(std::wstring(1, ch));
  }
  if (open) out += '\'';
  return out;
}

class Writer {
 public:
  std::string Write(const TComponent& root) {
    WriteObject(root, root, 0);
    return out_;
  }

 private:
  void Line(int depth, const std::string& text) { out_ += std::string(static_cast<size_t>(depth) * 2, ' ') + text + "\r\n"; }

  void WriteObject(const TComponent& root, const TComponent& component, int depth) {
    Line(depth, "object " + component.Name() + ": " + component.ClassName());
    WriteProperties(component, "", depth + 1);
    // Owned components nest inside the control they are placed on.
    for (int i = 0; i < root.ComponentCount(); ++i) {
      const TComponent* child = root.Component(i);
      if (NestedIn(root, *child) == &component) WriteObject(root, *child, depth + 1);
    }
    Line(depth, "end");
  }

  static const TComponent* NestedIn(const TComponent& root, const TComponent& child) {
    if (auto* control = dynamic_cast<const TControl*>(&child); control && control->Parent()) return control->Parent();
    return &root;
  }

  void WriteProperties(const TObject& object, const std::string& prefix, int depth) {
    for (const PropInfo* p : object.Class().AllProperties()) {
      if (prefix.empty() && p->name == "Name") continue;
      std::string name = prefix + p->name;
      switch (p->kind) {
        case PropKind::Integer: {
          int32_t v = p->getOrdinal(object);
          const char* ident = p->idents ? p->idents->ToName(v) : nullptr;
          Line(depth, name + " = " + (ident ? std::string(ident) : std::to_string(v)));
          break;
        }
        case PropKind::Enumeration:
          Line(depth, name + " = " + p->enumType->Name(p->getOrdinal(object)));
          break;
        case PropKind::Set: {
          auto bits = static_cast<uint32_t>(p->getOrdinal(object));
          std::string text;
          for (size_t i = 0; i < p->enumType->identifiers.size() && i < 32; ++i) {
            if (!(bits & (1u << i))) continue;
            if (!text.empty()) text += ", ";
            text += p->enumType->identifiers[i];
          }
          Line(depth, name + " = [" + text + "]");
          break;
        }
        case PropKind::String:
          Line(depth, name + " = " + Quote(p->getString(object)));
          break;
        case PropKind::Binary: {
          std::vector<uint8_t> bytes = p->getBinary(object);
          Line(depth, name + " = {");
          static const char* kHex = "0123456789ABCDEF";
          for (size_t at = 0; at < bytes.size(); at += 32) {
            std::string row;
            for (size_t i = at; i < bytes.size() && i < at + 32; ++i) {
              row += kHex[bytes[i] >> 4];
              row += kHex[bytes[i] & 15];
            }
            Line(depth + 1, row);
          }
          out_.insert(out_.size() - 2, "}");
          break;
        }
        case PropKind::StringList: {
          std::vector<std::string> lines = p->getList(object);
          Line(depth, name + " = (");
          for (const auto& line : lines) Line(depth + 1, Quote(line));
          out_.insert(out_.size() - 2, ")");
          break;
        }
        case PropKind::Method: {
          TMethod m = p->getMethod(object);
          if (m.Assigned() && !m.name.empty()) Line(depth, name + " = " + m.name);
          break;
        }
        case PropKind::Class: {
          TObject* sub = p->getObject ? p->getObject(object) : nullptr;
          if (auto* collection = dynamic_cast<TCollection*>(sub)) {
            Line(depth, name + " = <");
            for (int i = 0; i < collection->Count(); ++i) {
              Line(depth + 1, "item");
              WriteProperties(*collection->Item(i), "", depth + 2);
              Line(depth + 1, "end");
            }
            out_.insert(out_.size() - 2, ">");
          } else if (sub && !p->setObject) {
            WriteProperties(*sub, name + ".", depth);
          }
          break;
        }
      }
    }
  }

  std::string out_;
};

}  // namespace

std::string WriteComponent(const TComponent& root) { return Writer().Write(root); }

}  // namespace fw
