// Reads a stored form description: a text tree of components and their published properties.
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
// Texts in the description are UTF-8; string values are stored in the system code page.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace fw {

class TComponent;

class EReadError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Reads `text` into `root`, which must be of the description's root class or a descendant:
// creates the owned components, assigns the root's published fields, applies every property,
// binds events, then calls Loaded() on each component (the root last).
void ReadComponent(TComponent& root, std::string_view text);

}  // namespace fw
