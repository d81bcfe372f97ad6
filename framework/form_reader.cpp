#include "framework/form_reader.h"

#include <cctype>
#include <cstdint>
#include <memory>
#include <variant>
#include <vector>

#include "framework/collection.h"
#include "framework/component.h"
#include "framework/text.h"

namespace fw {

namespace {

// ---- The description as a tree --------------------------------------------------------------

struct Value;
struct Property {
  std::string path;
  std::shared_ptr<Value> value;
  int line = 0;
};
using PropertyList = std::vector<Property>;

struct Value {
  enum class Kind { Integer, String, Ident, Set, Binary, List, Collection } kind = Kind::Integer;
  int64_t integer = 0;
  std::string text;                         // String (system code page) or Ident
  std::vector<std::string> names;           // Set
  std::vector<uint8_t> bytes;               // Binary
  std::vector<std::string> strings;         // List
  std::vector<PropertyList> items;          // Collection
};

struct Node {
  std::string name;
  std::string className;
  int line = 0;
  PropertyList properties;
  std::vector<Node> children;
};

// ---- Parsing --------------------------------------------------------------------------------

class Parser {
 public:
  explicit Parser(std::string_view text) : text_(text) {}

  Node ParseRoot() {
    Node root = ParseObject();
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

  Node ParseObject() {
    if (!AtKeyword("object")) Fail("'object' expected");
    pos_ += 6;
    Node node;
    node.line = line_;
    node.name = Identifier();
    Expect(':');
    node.className = Identifier();
    while (!AtKeyword("end")) {
      if (pos_ >= text_.size()) Fail("'end' expected for " + node.name);
      if (AtKeyword("object")) {
        node.children.push_back(ParseObject());
      } else {
        node.properties.push_back(ParseProperty());
      }
    }
    pos_ += 3;
    return node;
  }

  Property ParseProperty() {
    Property p;
    p.line = line_;
    p.path = Identifier();
    Expect('=');
    p.value = std::make_shared<Value>(ParseValue());
    return p;
  }

  Value ParseValue() {
    char c = Peek();
    Value v;
    if (c == '\'' || c == '#') {
      v.kind = Value::Kind::String;
      v.text = ParseString();
    } else if (c == '-' || c == '$' || std::isdigit(static_cast<unsigned char>(c))) {
      v.kind = Value::Kind::Integer;
      v.integer = ParseInteger();
    } else if (c == '[') {
      v.kind = Value::Kind::Set;
      ++pos_;
      while (Peek() != ']') {
        v.names.push_back(Identifier());
        if (Peek() == ',') ++pos_;
        else if (Peek() != ']') Fail("',' or ']' expected");
      }
      ++pos_;
    } else if (c == '{') {
      v.kind = Value::Kind::Binary;
      ++pos_;
      v.bytes = ParseHex();
    } else if (c == '(') {
      v.kind = Value::Kind::List;
      ++pos_;
      while (Peek() != ')') {
        if (pos_ >= text_.size()) Fail("')' expected");
        v.strings.push_back(ParseString());
      }
      ++pos_;
    } else if (c == '<') {
      v.kind = Value::Kind::Collection;
      ++pos_;
      while (Peek() != '>') {
        if (!AtKeyword("item")) Fail("'item' expected");
        pos_ += 4;
        PropertyList item;
        while (!AtKeyword("end")) {
          if (pos_ >= text_.size()) Fail("'end' expected");
          item.push_back(ParseProperty());
        }
        pos_ += 3;
        v.items.push_back(std::move(item));
      }
      ++pos_;
    } else if (IsIdentChar(c)) {
      v.kind = Value::Kind::Ident;
      v.text = Identifier();
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
  std::string ParseString() {
    std::wstring wide;
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
        wide += Utf8ToWide(utf8);
      } else if (c == '#') {
        ++pos_;
        int64_t code = ParseInteger();
        if (code < 0 || code > 0xFFFF) Fail("character code out of range");
        wide.push_back(static_cast<wchar_t>(code));
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
    return WideToAnsi(wide);
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

// ---- Building -------------------------------------------------------------------------------

class Builder {
 public:
  explicit Builder(TComponent& root) : root_(root) {}

  void Build(const Node& node) {
    bool matches = false;
    for (const ClassInfo* c = &root_.Class(); c && !matches; c = c->parent) matches = SameText(c->name, node.className);
    if (!matches)
      throw EReadError("Form description is for class " + node.className + ", not " + root_.ClassName());
    root_.SetLoading(true);
    if (root_.Name().empty()) root_.SetName(node.name);
    Apply(root_, node);
    for (const Node& child : node.children) Create(child, &root_);
    for (TComponent* c : created_) c->Loaded();
    root_.Loaded();
  }

 private:
  void Create(const Node& node, TComponent* parent) {
    const ClassInfo* type = FindClass(node.className);
    if (!type || !type->create) throw EReadError("Class " + node.className + " not found");
    TComponent* component = type->create(&root_);
    component->SetLoading(true);
    created_.push_back(component);
    component->SetName(node.name);
    if (const FieldInfo* field = root_.Class().FindField(node.name)) {
      if (!component->InheritsFrom(*field->classType))
        throw EReadError("Field " + node.name + " of " + root_.ClassName() + " is not a " + node.className);
      field->assign(root_, component);
    }
    component->SetParentComponent(parent);
    Apply(*component, node);
    for (const Node& child : node.children) Create(child, component);
  }

  void Apply(TComponent& component, const Node& node) {
    for (const Property& p : node.properties) {
      try {
        SetPath(component, p.path, *p.value);
      } catch (const EReadError& e) {
        throw EReadError("Error reading " + node.name + "." + p.path + " (line " + std::to_string(p.line) +
                         "): " + e.what());
      }
    }
  }

  void SetPath(TObject& start, const std::string& path, const Value& value) {
    TObject* target = &start;
    size_t begin = 0;
    for (;;) {
      size_t dot = path.find('.', begin);
      std::string name = path.substr(begin, dot == std::string::npos ? std::string::npos : dot - begin);
      const PropInfo* prop = target->Class().FindProperty(name);
      if (!prop) throw EReadError("Property " + name + " does not exist");
      if (dot == std::string::npos) {
        SetProperty(*target, *prop, value);
        return;
      }
      if (prop->kind != PropKind::Class || !prop->getObject) throw EReadError("Property " + name + " has no parts");
      target = prop->getObject(*target);
      if (!target) throw EReadError("Property " + name + " is empty");
      begin = dot + 1;
    }
  }

  [[noreturn]] static void Invalid(const PropInfo& prop) {
    throw EReadError("Invalid value for property " + prop.name);
  }

  void SetProperty(TObject& target, const PropInfo& prop, const Value& value) {
    using K = Value::Kind;
    switch (prop.kind) {
      case PropKind::Integer: {
        int32_t number = 0;
        if (value.kind == K::Integer) {
          if (value.integer < INT32_MIN || value.integer > INT32_MAX) Invalid(prop);
          number = static_cast<int32_t>(value.integer);
        } else if (value.kind != K::Ident || !prop.idents || !prop.idents->ToValue(value.text, number)) {
          Invalid(prop);
        }
        prop.setOrdinal(target, number);
        return;
      }
      case PropKind::Enumeration: {
        int ordinal = value.kind == K::Ident ? prop.enumType->Ordinal(value.text) : -1;
        if (ordinal < 0) Invalid(prop);
        prop.setOrdinal(target, ordinal);
        return;
      }
      case PropKind::Set: {
        if (value.kind != K::Set) Invalid(prop);
        uint32_t bits = 0;
        for (const auto& name : value.names) {
          int ordinal = prop.enumType->Ordinal(name);
          if (ordinal < 0 || ordinal >= 32) throw EReadError("Invalid set member " + name + " for " + prop.name);
          bits |= 1u << ordinal;
        }
        prop.setOrdinal(target, static_cast<int32_t>(bits));
        return;
      }
      case PropKind::String:
        if (value.kind != K::String) Invalid(prop);
        prop.setString(target, value.text);
        return;
      case PropKind::Binary:
        if (value.kind != K::Binary) Invalid(prop);
        prop.setBinary(target, value.bytes);
        return;
      case PropKind::StringList:
        if (value.kind != K::List) Invalid(prop);
        prop.setList(target, value.strings);
        return;
      case PropKind::Class: {
        auto* collection = dynamic_cast<TCollection*>(prop.getObject ? prop.getObject(target) : nullptr);
        if (value.kind != K::Collection || !collection) Invalid(prop);
        collection->Clear();
        for (const PropertyList& item : value.items) {
          TCollectionItem* added = collection->Add();
          for (const Property& p : item) SetPath(*added, p.path, *p.value);
        }
        return;
      }
      case PropKind::Method: {
        if (value.kind != K::Ident) Invalid(prop);
        const MethodInfo* method = root_.Class().FindMethod(value.text);
        if (!method) throw EReadError("Method " + value.text + " not found in " + root_.ClassName());
        if (method->signature != prop.signature)
          throw EReadError("Method " + value.text + " does not match event " + prop.name);
        prop.setMethod(target, TMethod{method->name, method->bind(root_)});
        return;
      }
    }
  }

  TComponent& root_;
  std::vector<TComponent*> created_;
};

}  // namespace

void ReadComponent(TComponent& root, std::string_view text) {
  Parser parser(text);
  Node tree = parser.ParseRoot();
  Builder(root).Build(tree);
}

}  // namespace fw
