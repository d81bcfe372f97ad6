// Published properties read and written by name: the mechanism the skin engine uses on controls.
#include <gtest/gtest.h>

#include "framework/application.h"
#include "framework/stdctrls.h"
#include "framework/tests/test_classes.h"

namespace {

TEST(PublishedProperties, AreFoundByNameAlongTheClassChain) {
  fw::TLabel label(nullptr);
  const fw::ClassInfo& type = label.Class();
  EXPECT_EQ(type.name, "TLabel");
  EXPECT_TRUE(label.InheritsFrom(fw::TControl::StaticClass()));
  EXPECT_FALSE(label.InheritsFrom(fw::TWinControl::StaticClass()));

  struct Case {
    const char* name;
    fw::PropKind kind;
  };
  const Case cases[] = {
      {"Left", fw::PropKind::Integer},      {"color", fw::PropKind::Integer},
      {"Align", fw::PropKind::Enumeration}, {"Transparent", fw::PropKind::Enumeration},
      {"Anchors", fw::PropKind::Set},       {"Caption", fw::PropKind::String},
      {"Font", fw::PropKind::Class},        {"OnClick", fw::PropKind::Method},
      {"Name", fw::PropKind::String},       {"Tag", fw::PropKind::Integer},
  };
  for (const Case& c : cases) {
    const fw::PropInfo* p = type.FindProperty(c.name);
    ASSERT_NE(p, nullptr) << c.name;
    EXPECT_EQ(p->kind, c.kind) << c.name;
  }
  EXPECT_EQ(type.FindProperty("NoSuchProperty"), nullptr);
  EXPECT_EQ(type.FindProperty("TabOrder"), nullptr);  // windowed controls only
}

TEST(PublishedProperties, ReadAndWriteTheObject) {
  fw::TLabel label(nullptr);
  const fw::ClassInfo& type = label.Class();
  type.FindProperty("Left")->setOrdinal(label, 17);
  EXPECT_EQ(label.Left(), 17);
  type.FindProperty("Align")->setOrdinal(label, static_cast<int>(fw::TAlign::alBottom));
  const fw::PropInfo* align = type.FindProperty("Align");
  EXPECT_EQ(align->enumType->Name(align->getOrdinal(label)), "alBottom");
  const fw::PropInfo* transparent = type.FindProperty("Transparent");
  transparent->setOrdinal(label, transparent->enumType->Ordinal("True"));
  EXPECT_TRUE(label.Transparent());
  type.FindProperty("Caption")->setString(label, "text");
  EXPECT_EQ(label.Caption(), "text");

  fw::TObject* font = type.FindProperty("Font")->getObject(label);
  ASSERT_NE(font, nullptr);
  EXPECT_TRUE(font->InheritsFrom(fw::TFont::StaticClass()));
  font->Class().FindProperty("Height")->setOrdinal(*font, -20);
  EXPECT_EQ(label.Font()->Height(), -20);
}

TEST(PublishedProperties, ClassesAreRegisteredByName) {
  fwtest::RegisterTestClasses();
  for (const char* name : {"TForm", "TPanel", "TLabel", "TBitBtn", "TMemo", "TSplitter", "TListView"}) {
    const fw::ClassInfo* type = fw::FindClass(name);
    ASSERT_NE(type, nullptr) << name;
    EXPECT_TRUE(type->create) << name;
  }
  EXPECT_EQ(fw::FindClass("tpanel"), &fw::TPanel::StaticClass());
  EXPECT_EQ(fw::FindClass("TNothing"), nullptr);
}

TEST(Components, OwnersFreeWhatTheyOwn) {
  struct Probe : fw::TComponent {
    Probe(fw::TComponent* owner, int* freed) : fw::TComponent(owner), freed_(freed) {}
    ~Probe() override { ++*freed_; }
    int* freed_;
  };
  int freed = 0;
  auto* root = new fw::TComponent(nullptr);
  auto* child = new Probe(root, &freed);
  new Probe(child, &freed);
  auto* early = new Probe(root, &freed);
  EXPECT_EQ(root->ComponentCount(), 2);
  fw::Free(early);  // freeing an owned component removes it from its owner
  EXPECT_EQ(freed, 1);
  EXPECT_EQ(root->ComponentCount(), 1);
  fw::Free(root);
  EXPECT_EQ(freed, 3);
}

}  // namespace
