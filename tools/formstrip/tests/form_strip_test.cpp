// Removing components by class from a form description's tree, and the program's main form
// without its skin component.
#include "tools/formstrip/form_strip.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

std::vector<std::string> ChildNames(const fw::FormObject& object) {
  std::vector<std::string> names;
  for (const fw::FormObject& child : object.children) names.push_back(child.name);
  return names;
}

TEST(FormStrip, RemovesEveryObjectOfTheClassAtAnyDepthWithWhatItHolds) {
  fw::FormObject root = fw::ParseFormText(R"(object Form1: TSkinData
  object A: TPanel
    object B: TSkinData
      object C: TLabel
      end
    end
    object D: TLabel
    end
  end
  object E: tskindata
    Active = True
  end
  object F: TLabel
  end
end)");
  EXPECT_EQ(formstrip::RemoveObjectsOfClass(root, "TSkinData"), 2);
  EXPECT_EQ(root.className, "TSkinData") << "the root stays";
  EXPECT_EQ(ChildNames(root), (std::vector<std::string>{"A", "F"}));
  EXPECT_EQ(ChildNames(root.children[0]), (std::vector<std::string>{"D"}));
  EXPECT_EQ(formstrip::RemoveObjectsOfClass(root, "TSkinData"), 0);
}

TEST(FormStrip, TheMainFormWithoutItsSkinComponentKeepsEverythingElse) {
  std::ifstream file(PASTELLE_SOURCE_DIR "/app/main_form.dfm", std::ios::binary);
  ASSERT_TRUE(file) << PASTELLE_SOURCE_DIR;
  const std::string text{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  const fw::FormObject full = fw::ParseFormText(text);
  fw::FormObject plain = full;
  ASSERT_EQ(formstrip::RemoveObjectsOfClass(plain, "TSkinData"), 1);

  std::vector<std::string> expected = ChildNames(full);
  std::erase(expected, "SkinData1");
  EXPECT_EQ(ChildNames(plain), expected);
  ASSERT_EQ(expected.size() + 1, full.children.size());

  // Everything but the skin component is written as before.
  const std::string plain_text = fw::FormText(plain);
  EXPECT_EQ(plain_text.find("SkinData1"), std::string::npos);
  EXPECT_EQ(plain_text.find("TSkinData"), std::string::npos);
  fw::FormObject without_skin_text = full;
  for (auto it = without_skin_text.children.begin(); it != without_skin_text.children.end(); ++it) {
    if (it->name == "SkinData1") {
      without_skin_text.children.erase(it);
      break;
    }
  }
  EXPECT_EQ(plain_text, fw::FormText(without_skin_text));
  EXPECT_EQ(fw::FormText(fw::ParseFormText(plain_text)), plain_text);
}

}  // namespace
