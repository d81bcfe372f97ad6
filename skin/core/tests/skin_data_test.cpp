// The skin component: its published interface, its life cycle with the form description, what it
// asks of the skin manager, and its failure handling.
#include "skin/core/skin_data.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "framework/application.h"
#include "framework/form.h"
#include "framework/form_writer.h"
#include "framework/text.h"
#include "skin/core/optional_user32.h"
#include "skin/core/skin_manager_link.h"
#include "skin/core/tests/test_skins.h"
#include "skin/resources/platform_hooks.h"
#include "tests/support/win_test_util.h"

namespace {

using skin::TSkinData;
using skintest::TestSkin;

// Stands in for the skin manager: records every request in order.
class RecordingManager : public skin::ISkinManagerLink {
 public:
  void RegisterSkinData(TSkinData* data) override { calls.push_back("Register " + data->Name()); }
  void UnregisterSkinData(TSkinData* data) override { calls.push_back("Unregister " + data->Name()); }
  void InstallHook() override { calls.push_back("InstallHook"); }
  void SetPendingSkinData(TSkinData* data) override { calls.push_back("Pending " + data->Name()); }
  void PostCommand(int32_t command, uint32_t delayMs) override {
    calls.push_back("Post " + std::to_string(command) + " " + std::to_string(delayMs));
  }
  [[nodiscard]] int32_t RunState() const override { return runState; }
  void SetRunState(int32_t state) override {
    runState = state;
    calls.push_back("RunState " + std::to_string(state));
  }
  void SetEnabled(bool enabled) override { calls.push_back(enabled ? "Enabled" : "Disabled"); }
  bool SkinWindow(HWND window) override {
    skinnedWindow = window;
    calls.push_back("SkinWindow");
    return true;
  }
  void ReloadSkinData(TSkinData* data) override { calls.push_back("Reload " + data->Name()); }

  std::vector<std::string> calls;
  int32_t runState = 0;
  HWND skinnedWindow = nullptr;
};

using Calls = std::vector<std::string>;

// A form holding one skin component, with published methods for every event signature.
class THostForm : public fw::TForm {
  FW_DECLARE_CLASS()

 public:
  explicit THostForm(fw::TComponent* owner) : fw::TForm(owner) {}
  void Load(std::string_view text) { LoadDescription(text); }

  TSkinData* SkinData1 = nullptr;
  std::vector<std::string> events;

  void SkinChanged(fw::TObject* sender) { events.push_back("changed " + Who(sender)); }
  void FormSkin(fw::TObject* sender, const std::string& name, bool& doSkin) {
    events.push_back("form " + Who(sender) + " " + name + (doSkin ? " yes" : " no"));
    doSkin = name != "Refused";
  }
  void BeforeSkin(fw::TObject* sender, HWND, const std::string& name) {
    events.push_back("before " + Who(sender) + " " + name);
  }
  void AfterSkin(fw::TObject* sender, HWND, const std::string& name) {
    events.push_back("after " + Who(sender) + " " + name);
  }
  void SkinControl(fw::TComponent* sender, TSkinData* data, fw::TControl* form, fw::TControl* control,
                   const std::string& controlClass, fw::TComponent*& skinned) {
    events.push_back("control " + Who(sender) + " " + data->Name() + " " + Who(form) + " " + Who(control) + " " +
                     controlClass);
    skinned = this;
  }

 private:
  static std::string Who(fw::TObject* object) {
    auto* component = dynamic_cast<fw::TComponent*>(object);
    return component ? component->Name() : "nil";
  }
};

template <typename Signature, typename Method>
fw::MethodInfo Published(const char* name, const char* signature, Method method) {
  return {name, signature, [method](fw::TObject& instance) {
            auto* self = static_cast<THostForm*>(&instance);
            return std::any(std::function<Signature>(
                [self, method](auto&&... args) { return (self->*method)(std::forward<decltype(args)>(args)...); }));
          }};
}

const fw::ClassInfo& THostForm::StaticClass() {
  static const fw::ClassInfo info = [] {
    fw::ClassInfo c = fw::ClassBuilder<THostForm>("THostForm", &fw::TForm::StaticClass())
                          .Field("SkinData1", &THostForm::SkinData1)
                          .NotifyMethod("SkinChanged", &THostForm::SkinChanged)
                          .Build();
    c.methods.push_back(Published<void(fw::TObject*, const std::string&, bool&)>("FormSkin", skin::kOnFormSkinSignature,
                                                                                 &THostForm::FormSkin));
    c.methods.push_back(Published<void(fw::TObject*, HWND, const std::string&)>(
        "BeforeSkin", skin::kOnSkinFormSignature, &THostForm::BeforeSkin));
    c.methods.push_back(Published<void(fw::TObject*, HWND, const std::string&)>("AfterSkin", skin::kOnSkinFormSignature,
                                                                                &THostForm::AfterSkin));
    c.methods.push_back(
        Published<void(fw::TComponent*, TSkinData*, fw::TControl*, fw::TControl*, const std::string&,
                       fw::TComponent*&)>("SkinControl", skin::kOnSkinControlSignature, &THostForm::SkinControl));
    return c;
  }();
  return info;
}

std::string Hex(const skintest::Bytes& bytes) {
  static const char* kDigits = "0123456789ABCDEF";
  std::string text;
  for (uint8_t b : bytes) {
    text += kDigits[b >> 4];
    text += kDigits[b & 15];
  }
  return text;
}

TestSkin SmallSkin(const std::string& name = "Small") {
  TestSkin skin;
  skin.definition = "[TitlebarSkin]\r\nSkinName=" + name + "\r\n[Scrollbar]\r\nImage=a.bmp\r\n";
  skin.Bitmap("a.bmp", 46, 10);
  return skin;
}

// "object Host ... object SkinData1 ... <properties> end end".
std::string HostDescription(const std::string& properties) {
  return "object Host: THostForm\n  object SkinData1: TSkinData\n" + properties + "\n  end\nend\n";
}

std::string TempPath(const std::string& name) {
  char dir[MAX_PATH];
  GetTempPathA(MAX_PATH, dir);
  return std::string(dir) + name;
}

void WriteFile(const std::string& path, const skintest::Bytes& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

class SkinDataTest : public testing::Test {
 protected:
  void SetUp() override {
    app_.Initialize();
    fw::RegisterComponentClass(TSkinData::StaticClass());
    skin::SetSkinManagerFactory(
        []() -> std::unique_ptr<skin::ISkinManagerLink> { return std::make_unique<RecordingManager>(); });
    previousMessages_ = skin::SetMessageDialogHook([this](const std::string& text) { messages_.push_back(text); });
  }
  void TearDown() override {
    delete host_;
    skin::DestroySkinManager();
    skin::SetSkinManagerFactory(nullptr);
    skin::SetMessageDialogHook(std::move(previousMessages_));
  }

  // A host form read from a description; its skin component has gone through Loaded.
  TSkinData& Host(const std::string& properties) {
    delete host_;
    host_ = new THostForm(&app_);
    host_->Load(HostDescription(properties));
    return *host_->SkinData1;
  }
  static RecordingManager& Manager() {
    auto* manager = static_cast<RecordingManager*>(skin::SkinManagerLink());
    EXPECT_NE(manager, nullptr);
    return *manager;
  }
  static Calls TakeCalls() { return std::exchange(Manager().calls, {}); }

  fw::TApplication app_;
  THostForm* host_ = nullptr;
  std::vector<std::string> messages_;
  skin::MessageDialogHook previousMessages_;
};

TEST_F(SkinDataTest, ANewComponentHasItsDefaults) {
  TSkinData data(nullptr);
  EXPECT_FALSE(data.Active());
  EXPECT_EQ(data.DisableTag(), 99);
  EXPECT_EQ(data.SkinControls(), 0x1FFFFBu);
  for (int i = 0; i <= static_cast<int>(skin::xcFastReport); ++i)
    EXPECT_EQ(data.HasControl(static_cast<skin::TSkinControlType>(i)), i != skin::xcMenuItem && i != skin::xcFastReport)
        << i;
  EXPECT_EQ(data.Options(), skin::SkinOptionSet({skin::xoPreview, skin::xoToolbarBK, skin::xoCaptionButtonHint}));
  EXPECT_EQ(data.Options(), 0x448);
  EXPECT_EQ(data.SkinFile(), "");
  EXPECT_EQ(data.SkinStore(), "(none)");
  EXPECT_EQ(data.SkinFormtype(), skin::sfMainform);
  EXPECT_EQ(data.Version(), "5.40.07.15");
  EXPECT_TRUE(data.MenuUpdate());
  EXPECT_FALSE(data.MenuMerge());
  for (const fw::TMethod* event :
       {&data.OnFormSkin, &data.OnSkinChanged, &data.OnSkinControl, &data.OnBeforeSkinForm, &data.OnAfterSkinForm})
    EXPECT_FALSE(event->Assigned());
  EXPECT_EQ(data.SkinStream(), (skintest::Bytes{0, 0, 0, 0}));
  EXPECT_TRUE(data.SkinEmpty());
  EXPECT_EQ(data.MaxWidth(), GetSystemMetrics(SM_CXMAXIMIZED));
  EXPECT_EQ(data.MaxHeight(), GetSystemMetrics(SM_CYMAXIMIZED));
  EXPECT_EQ(data.LastFormHandle(), nullptr);
  // The records refilled in place exist from the start; every other slot waits for a skin.
  EXPECT_TRUE(data.BorderLeft && data.BorderRight && data.BorderTop && data.BorderBottom && data.Title && data.Buttons);
  EXPECT_FALSE(data.Scrollbar);
  EXPECT_TRUE(data.SysButtons.empty());
  // Menu glyphs: restore, maximize, minimize, close.
  EXPECT_EQ(data.MenuGlyphs->Count(), 4);
  EXPECT_EQ(data.MenuGlyphs->Width(), 16);
}

TEST_F(SkinDataTest, TheForeignControlListStartsWithItsHundredAndEighteenEntries) {
  TSkinData data(nullptr);
  const auto& list = data.Skin3rd();
  ASSERT_EQ(list.size(), 118u);
  EXPECT_EQ(list.front(), "TCategoryButtons=scrollbar");
  EXPECT_EQ(list[49], "TDBCheckboxEh=Checkbox");
  EXPECT_EQ(list.back(), "TOVCDBNUMERICFIELD=Edit");
  std::map<std::string, int> lines, kinds;
  for (const auto& line : list) {
    ++lines[line];
    ++kinds[line.substr(line.find('=') + 1)];
  }
  std::vector<std::string> twice;
  for (const auto& [line, count] : lines)
    if (count > 1) twice.push_back(line + " x" + std::to_string(count));
  EXPECT_EQ(twice, (std::vector<std::string>{"TDBCheckboxEh=Checkbox x2", "TLMDFontSizeCombobox=combobox x2",
                                             "TWWDBCombobox=Combobox x2"}));
  const std::map<std::string, int> expected = {
      {"scrollbar", 10}, {"pngspeedbutton", 1}, {"pngbitbtn", 1},   {"Panel", 12},     {"panel", 3},
      {"combobox", 33},  {"Combobox", 6},       {"speedbutton", 3}, {"button", 1},     {"bitbtn", 3},
      {"menubtn", 1},    {"CheckGroup", 3},     {"Radiogroup", 2},  {"radiogroup", 5}, {"Edit", 25},
      {"edit", 1},       {"Radiobutton", 2},    {"Checkbox", 4},    {"Groupbox", 1},   {"groupbox", 1}};
  EXPECT_EQ(kinds, expected);
}

TEST_F(SkinDataTest, PublishedPropertiesStreamInTheirOrderWithTheirTypes) {
  std::vector<std::string> names, signatures;
  for (const fw::PropInfo* p : TSkinData::StaticClass().AllProperties()) {
    names.push_back(p->name);
    if (p->kind == fw::PropKind::Method) signatures.push_back(p->signature);
  }
  EXPECT_EQ(names, (std::vector<std::string>{"Name", "Tag", "Active", "DisableTag", "SkinControls", "Options",
                                             "Skin3rd", "SkinFile", "SkinStore", "SkinFormtype", "Version",
                                             "MenuUpdate", "MenuMerge", "OnFormSkin", "OnSkinChanged", "OnSkinControl",
                                             "OnBeforeSkinForm", "OnAfterSkinForm", "SkinStream"}));
  EXPECT_EQ(signatures,
            (std::vector<std::string>{"TOnFormSkin", "TNotifyEvent", "TOnSkinControl", "TOnSkinForm", "TOnSkinForm"}));
  // Ordinals of the enumerations as the description names them.
  struct Ordinal {
    const fw::EnumType& type;
    const char* name;
    int value;
  };
  for (const Ordinal& o : {Ordinal{skin::kSkinControlTypeType, "xcMainMenu", skin::xcMainMenu},
                           {skin::kSkinControlTypeType, "xcScrollbar", 9},
                           {skin::kSkinControlTypeType, "xcSystemMenu", 20},
                           {skin::kSkinControlTypeType, "xcFastReport", 21},
                           {skin::kSkinOptionType, "xoPreview", 3},
                           {skin::kSkinOptionType, "xoCaptionButtonHint", 10},
                           {skin::kSkinOptionType, "xoFormScrollbar", 11},
                           {skin::kSkinFormTypeType, "sfMainform", skin::sfMainform},
                           {skin::kSkinFormTypeType, "sfDialog", 2},
                           {skin::kSkinFormTypeType, "sfDLL", skin::sfDLL}})
    EXPECT_EQ(o.type.Ordinal(o.name), o.value) << o.name;
  EXPECT_EQ(skin::kSkinControlTypeType.identifiers.size(), 22u);
  EXPECT_EQ(skin::kSkinOptionType.identifiers.size(), 12u);
  EXPECT_EQ(skin::kSkinFormTypeType.identifiers.size(), 4u);
  EXPECT_EQ(skin::sfDLL, 3);
}

TEST_F(SkinDataTest, EveryPublishedPropertySurvivesTheFormDescription) {
  const TestSkin skin = SmallSkin();
  TSkinData& data = Host("    SkinFormtype = sfDialog");
  data.SetDisableTag(7);
  data.SetSkinControls(skin::SkinControlSet({skin::xcMenuItem, skin::xcTab, skin::xcFastReport}));
  data.SetOptions(skin::SkinOptionSet({skin::xoMDIScrollbar, skin::xoFormScrollbar}));
  data.SetSkin3rd({"TFoo=panel", fw::Ansi("T它's=Edit"), "TFoo=panel"});
  data.SetSkinFile("Z:\\no\\such\\skin.skn");
  data.SetMenuUpdate(false);
  data.SetMenuMerge(true);
  data.SetTag(5);
  data.SetSkinStream(skin.Stored());
  // Events bound as the reader binds them: to published methods of the form.
  for (auto [event, method] : {std::pair{&TSkinData::OnFormSkin, "FormSkin"},
                               {&TSkinData::OnSkinChanged, "SkinChanged"},
                               {&TSkinData::OnSkinControl, "SkinControl"},
                               {&TSkinData::OnBeforeSkinForm, "BeforeSkin"},
                               {&TSkinData::OnAfterSkinForm, "AfterSkin"}})
    data.*event = fw::TMethod{method, host_->Class().FindMethod(method)->bind(*host_)};
  const std::string text = fw::WriteComponent(*host_);
  // The stored skin is written as its length, then the skin file.
  EXPECT_NE(text.find("SkinStream = {\r\n      " + Hex(skin.Stored()).substr(0, 64)), std::string::npos) << text;

  THostForm copy(&app_);
  copy.Load(text);
  THostForm again(&app_);
  again.Load(fw::WriteComponent(copy));
  EXPECT_EQ(fw::WriteComponent(again), fw::WriteComponent(copy));
  for (const THostForm* form : {&copy, &again}) {
    const TSkinData& c = *form->SkinData1;
    EXPECT_EQ(c.Tag(), 5);
    EXPECT_FALSE(c.Active());
    EXPECT_EQ(c.DisableTag(), 7);
    EXPECT_EQ(c.SkinControls(), data.SkinControls());
    EXPECT_EQ(c.Options(), data.Options());
    EXPECT_EQ(c.Skin3rd(), data.Skin3rd());
    EXPECT_EQ(c.SkinFile(), "Z:\\no\\such\\skin.skn");
    EXPECT_EQ(c.SkinStore(), "(none)");
    EXPECT_EQ(c.SkinFormtype(), skin::sfDialog);
    EXPECT_EQ(c.Version(), "5.40.07.15");
    EXPECT_FALSE(c.MenuUpdate());
    EXPECT_TRUE(c.MenuMerge());
    EXPECT_EQ(c.OnFormSkin.name, "FormSkin");
    EXPECT_EQ(c.OnSkinChanged.name, "SkinChanged");
    EXPECT_EQ(c.OnSkinControl.name, "SkinControl");
    EXPECT_EQ(c.OnBeforeSkinForm.name, "BeforeSkin");
    EXPECT_EQ(c.OnAfterSkinForm.name, "AfterSkin");
    EXPECT_EQ(c.SkinStream(), skin.Stored());
    // Reading the stored skin decoded it at once.
    EXPECT_FALSE(c.SkinEmpty());
    EXPECT_EQ(c.SkinName, "Small");
  }
}

TEST_F(SkinDataTest, EventsReachTheirHandlersWithTheirArguments) {
  TSkinData& data = Host(
      "    OnFormSkin = FormSkin\n    OnSkinChanged = SkinChanged\n    OnSkinControl = "
      "SkinControl\n"
      "    OnBeforeSkinForm = BeforeSkin\n    OnAfterSkinForm = AfterSkin");
  data.DoSkinChanged();
  bool doSkin = false;
  data.QueryFormSkin(reinterpret_cast<HWND>(0x1234), "Wanted", doSkin);
  EXPECT_TRUE(doSkin);
  EXPECT_EQ(data.LastFormHandle(), reinterpret_cast<HWND>(0x1234));
  data.DoBeforeSkinForm(host_, nullptr, "TForm1");
  data.DoAfterSkinForm(nullptr, nullptr, "#32770");
  fw::TComponent* skinned = nullptr;
  data.DoSkinControl(&data, host_, host_, "TPanel", skinned);
  EXPECT_EQ(skinned, host_);
  EXPECT_EQ(host_->events,
            (std::vector<std::string>{"changed SkinData1", "form SkinData1 Wanted no", "before Host TForm1",
                                      "after nil #32770", "control SkinData1 SkinData1 Host Host TPanel"}));
}

TEST_F(SkinDataTest, TheFormSkinQueryAppliesItsOwnRulesWithoutAHandler) {
  struct Case {
    const char* className;
    bool fastReport;
    bool arriving;
    bool expected;
  };
  const Case cases[] = {
      {"SysMonthCal32", false, true, false}, {"TfrDesigner", true, true, false}, {"TfrDesigner", false, true, true},
      {"TForm1", true, true, true},          {"TForm1", false, false, false},  // an earlier refusal stands
  };
  for (const Case& c : cases) {
    TSkinData data(nullptr);
    if (c.fastReport) data.SetSkinControls(data.SkinControls() | skin::SkinControlSet({skin::xcFastReport}));
    bool doSkin = c.arriving;
    data.QueryFormSkin(reinterpret_cast<HWND>(0x10), c.className, doSkin);
    EXPECT_EQ(doSkin, c.expected) << c.className << " " << c.fastReport;
  }
  // A handler decides alone, also against the built-in rules.
  TSkinData& data = Host("    OnFormSkin = FormSkin");
  bool doSkin = false;
  data.QueryFormSkin(nullptr, "SysMonthCal32", doSkin);
  EXPECT_TRUE(doSkin);
  data.QueryFormSkin(nullptr, "Refused", doSkin);
  EXPECT_FALSE(doSkin);
}

TEST_F(SkinDataTest, LoadingAnActiveMainComponentRegistersHooksAndActivates) {
  TSkinData& data = Host("    Active = True\n    SkinStream = {" + Hex(SmallSkin().Stored()) + "}");
  EXPECT_TRUE(data.Active());
  EXPECT_FALSE(data.SkinEmpty());
  EXPECT_EQ(TakeCalls(), (Calls{"Register SkinData1", "InstallHook", "Post 1 250"}));
  EXPECT_NE(data.CaptionFont.get(), nullptr);
}

TEST_F(SkinDataTest, AZeroLengthStoredSkinSwitchesTheComponentOff) {
  TSkinData& data = Host("    Active = True\n    SkinStream = {00000000}");
  EXPECT_FALSE(data.Active());
  EXPECT_TRUE(data.SkinEmpty());
  EXPECT_TRUE(data.SkinStream() == (skintest::Bytes{0, 0, 0, 0}));
  EXPECT_EQ(TakeCalls(), (Calls{"Register SkinData1", "InstallHook"}));
  // Switching it on again has no effect while it holds no skin.
  data.SetActive(true);
  EXPECT_TRUE(TakeCalls().empty());
  EXPECT_TRUE(messages_.empty());
}

TEST_F(SkinDataTest, StoreAndVersionIgnoreWhatIsAssigned) {
  TSkinData& data =
      Host("    SkinStore = '(Good)'\n    Version = '1.0'\n    SkinStream = {" + Hex(SmallSkin().Stored()) + "}");
  EXPECT_EQ(data.SkinStore(), "(none)");  // at run time, even with a stored skin
  EXPECT_EQ(data.Version(), "5.40.07.15");
  data.SetSkinStore("(Good)");
  data.SetVersion("9");
  EXPECT_EQ(data.SkinStore(), "(none)");
  EXPECT_EQ(data.Version(), "5.40.07.15");
  // In a designer the store reports whether a skin is kept.
  data.SetDesigning(true);
  EXPECT_EQ(data.SkinStore(), "(Good)");
  TSkinData empty(nullptr);
  empty.SetDesigning(true);
  EXPECT_EQ(empty.SkinStore(), "(none)");
}

TEST_F(SkinDataTest, DesignTimeKeepsTheStoredSkinWithoutDecodingIt) {
  TSkinData data(nullptr);
  data.SetDesigning(true);
  data.SetSkinStream(SmallSkin().Stored());
  EXPECT_TRUE(data.SkinEmpty());
  EXPECT_FALSE(data.Scrollbar);
  EXPECT_FALSE(data.LoadSkin());
  // A file name replaces the stored skin there.
  data.SetSkinFile("Z:\\any.skn");
  EXPECT_EQ(data.SkinStream(), (skintest::Bytes{0, 0, 0, 0}));
  data.Loaded();
  EXPECT_EQ(skin::SkinManagerLink(), nullptr);
}

TEST_F(SkinDataTest, LoadingTrimsTheControlKindsToTheMenuStyle) {
  struct Case {
    const char* controls;
    skin::TSkinControlTypes expected;
  };
  const Case cases[] = {
      {"[xcMainMenu, xcMenuItem, xcSystemMenu, xcEdit]",
       skin::SkinControlSet({skin::xcMainMenu, skin::xcSystemMenu, skin::xcEdit})},
      {"[xcMenuItem, xcSystemMenu, xcEdit]", skin::SkinControlSet({skin::xcMenuItem, skin::xcEdit})},
  };
  for (const Case& c : cases) {
    TSkinData& data = Host(std::string("    SkinControls = ") + c.controls);
    EXPECT_EQ(data.SkinControls(), c.expected) << c.controls;
  }
  // Without the scroll-bar information query, scroll bars are not skinned.
  auto& entries = skin::User32Entries();
  const auto saved = entries.GetScrollBarInfo;
  entries.GetScrollBarInfo = nullptr;
  TSkinData& data = Host("    SkinControls = [xcMainMenu, xcScrollbar, xcEdit]");
  entries.GetScrollBarInfo = saved;
  EXPECT_EQ(data.SkinControls(), skin::SkinControlSet({skin::xcMainMenu, skin::xcEdit}));
  ASSERT_NE(saved, nullptr) << "the platform offers GetScrollBarInfo";
}

TEST_F(SkinDataTest, TheStartUpEntryPointsAreLookedUpOnce) {
  auto& entries = skin::User32Entries();
  EXPECT_EQ(&entries, &skin::User32Entries());
  EXPECT_NE(entries.TrackMouseEvent, nullptr);
  EXPECT_NE(entries.GetComboBoxInfo, nullptr);
  EXPECT_EQ(entries.TrackMouseEvent,
            reinterpret_cast<skin::OptionalUser32::TrackMouseEventProc>(
                reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), "TrackMouseEvent"))));
}

TEST_F(SkinDataTest, SwitchingOnAndOffPostsTheScopesCommands) {
  const std::string stored = "    SkinStream = {" + Hex(SmallSkin().Stored()) + "}";
  {
    TSkinData& data = Host(stored);
    TakeCalls();
    data.SetActive(true);
    data.SetActive(true);  // unchanged: nothing
    data.SetActive(false);
    EXPECT_EQ(TakeCalls(), (Calls{"Pending SkinData1", "Post 1 250", "RunState 1", "Pending SkinData1", "Post 2 250"}));
  }
  {
    TSkinData& data = Host("    SkinFormtype = sfOnlyThisForm\n" + stored);
    TakeCalls();
    data.SetActive(true);
    data.SetActive(false);
    EXPECT_EQ(TakeCalls(), (Calls{"Pending SkinData1", "Post 1 250", "Pending SkinData1", "Post 2 250"}));
  }
  for (const char* scope : {"sfDialog", "sfDLL"}) {
    TSkinData& data = Host(std::string("    SkinFormtype = ") + scope + "\n" + stored);
    TakeCalls();
    data.SetActive(true);
    EXPECT_TRUE(data.Active());
    data.SetActive(false);
    EXPECT_FALSE(data.Active());
    EXPECT_TRUE(TakeCalls().empty()) << scope;
  }
}

TEST_F(SkinDataTest, AComponentOfOneFormSkinsItsOwnerAtOnce) {
  TSkinData& data = Host("    Active = True\n    SkinFormtype = sfOnlyThisForm\n    SkinStream = {" +
                         Hex(SmallSkin().Stored()) + "}");
  EXPECT_EQ(TakeCalls(), (Calls{"Register SkinData1", "Enabled", "RunState 1", "SkinWindow"}));
  EXPECT_EQ(Manager().skinnedWindow, host_->Handle());
  EXPECT_EQ(data.OwnerWindow(), host_->Handle());
  // The menu-style trimming belongs to the main component only.
  EXPECT_TRUE(data.HasControl(skin::xcSystemMenu));
}

TEST_F(SkinDataTest, ASkinFileReplacesTheSkinAndRefreshesTheForms) {
  TSkinData& data = Host("    SkinStream = {" + Hex(SmallSkin("Stored").Stored()) + "}");
  TakeCalls();
  const std::string path = TempPath("pastelle-skin-test.skn");
  TestSkin file;
  file.definition = "[TitlebarSkin]\r\nSkinName=FromFile\r\n[Headerbar]\r\nImage=a.bmp\r\n";
  file.Bitmap("a.bmp", 10, 10);
  WriteFile(path, file.SkinFile());

  data.SetSkinFile(path);
  EXPECT_EQ(data.SkinName, "FromFile");
  EXPECT_FALSE(data.Scrollbar);
  EXPECT_TRUE(data.Headerbar);
  EXPECT_FALSE(data.SkinEmpty());
  EXPECT_EQ(data.SkinStream(), TestSkin::Wrap(file.SkinFile()));
  EXPECT_EQ(TakeCalls(), (Calls{"Pending SkinData1", "Reload SkinData1"}));  // no window activated yet

  Manager().runState = skin::kRunStateRunning;
  data.SetSkinFile(path);
  EXPECT_EQ(TakeCalls(), (Calls{"Pending SkinData1", "Reload SkinData1", "Post 3 250"}));
  DeleteFileA(path.c_str());
}

TEST_F(SkinDataTest, AMissingSkinFileIsIgnored) {
  TSkinData& data = Host("    SkinStream = {" + Hex(SmallSkin().Stored()) + "}");
  TakeCalls();
  const skin::TDataSkinObject* before = data.Scrollbar.get();
  data.SetSkinFile("Z:\\no\\such\\place\\skin.skn");
  data.SetSkinFile("");
  EXPECT_EQ(data.Scrollbar.get(), before);
  EXPECT_EQ(data.SkinName, "Small");
  EXPECT_TRUE(data.SkinEmpty());  // empty until a later load succeeds
  EXPECT_TRUE(TakeCalls().empty());
  EXPECT_TRUE(messages_.empty());
}

TEST_F(SkinDataTest, ADamagedSkinFileKeepsThePreviousRecordsAndShowsNothing) {
  TSkinData& data = Host("    SkinStream = {" + Hex(SmallSkin().Stored()) + "}");
  const skin::TDataSkinObject* before = data.Scrollbar.get();
  const std::string path = TempPath("pastelle-damaged.skn");
  struct Case {
    const char* what;
    skintest::Bytes bytes;
  };
  const Case cases[] = {
      {"empty file", {}},
      {"text", skin::testing::BytesOf("this is not a skin")},
      {"entry sizes past the data",
       skin::testing::SkinFile(skin::testing::RawArchive(70000, 69, 10, "skin.ini\r\n", {999999}, {'[', 'X', ']'}))},
      {"huge length", skintest::Bytes{0xFF, 0xFF, 0xFF, 0x7F, 1, 2, 3}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    WriteFile(path, c.bytes);
    EXPECT_NO_THROW(data.SetSkinFile(path));
    EXPECT_EQ(data.Scrollbar.get(), before);
    EXPECT_EQ(data.SkinName, "Small");
    EXPECT_TRUE(data.SkinEmpty());
  }
  EXPECT_TRUE(messages_.empty());
  DeleteFileA(path.c_str());
}

TEST_F(SkinDataTest, ApplyingASkinBeforeAnyManagerLoadsTheComponentFirst) {
  TSkinData data(nullptr);
  data.SetName("Loose");
  data.SetSkinStream(SmallSkin().Stored());
  ASSERT_EQ(skin::SkinManagerLink(), nullptr);
  data.ApplySkin();
  EXPECT_EQ(TakeCalls(), (Calls{"Register Loose", "InstallHook", "Pending Loose", "Reload Loose"}));
  // While a description is read nothing is applied.
  data.SetLoading(true);
  data.ApplySkin();
  data.SetLoading(false);
  EXPECT_TRUE(TakeCalls().empty());
}

TEST_F(SkinDataTest, AComponentRegistersOnceWithEachManager) {
  TSkinData& data = Host("");
  TakeCalls();
  data.Loaded();
  EXPECT_EQ(TakeCalls(), (Calls{"InstallHook"}));
  skin::DestroySkinManager();
  data.Loaded();
  EXPECT_EQ(TakeCalls(), (Calls{"Register SkinData1", "InstallHook"}));
}

TEST_F(SkinDataTest, DestructionUnregistersFromTheManager) {
  Host("");
  TakeCalls();
  delete host_;
  host_ = nullptr;
  EXPECT_EQ(TakeCalls(), (Calls{"Unregister SkinData1"}));
}

TEST_F(SkinDataTest, CaptionButtonHintsShowInARealHintWindow) {
  TSkinData& data = Host("");
  const RECT button{300, 200, 320, 218};
  data.ShowCaptionHint(button, "Close");
  ASSERT_TRUE(data.CaptionHintShowing());
  HWND hint = data.HintWindow->Handle();
  ASSERT_NE(hint, nullptr);
  EXPECT_TRUE(IsWindowVisible(hint));
  RECT at{};
  GetWindowRect(hint, &at);
  EXPECT_EQ(at.left, 300);
  EXPECT_EQ(at.top, 200);
  const RECT size = data.HintWindow->CalcHintRect(500, "Close");
  EXPECT_EQ(at.right - at.left, size.right);
  // A second hint waits until the first is hidden.
  data.ShowCaptionHint(RECT{0, 0, 10, 10}, "Minimize");
  EXPECT_EQ(data.HintWindow->Text(), "Close");
  data.HideCaptionHint();
  EXPECT_FALSE(IsWindowVisible(hint));
  EXPECT_FALSE(data.CaptionHintShowing());
  data.HideCaptionHint();

  // Without the option no hint is shown.
  data.SetOptions(skin::SkinOptionSet({skin::xoPreview}));
  data.ShowCaptionHint(button, "Close");
  EXPECT_FALSE(data.CaptionHintShowing());
  EXPECT_FALSE(IsWindowVisible(hint));
}

TEST_F(SkinDataTest, TheApplicationIconBecomesASmallKeyedBitmap) {
  TSkinData& data = Host("");
  const fw::TBitmap& icon = *data.AppIcon;
  ASSERT_EQ(icon.Width(), GetSystemMetrics(SM_CXSMICON));
  ASSERT_EQ(icon.Height(), GetSystemMetrics(SM_CYSMICON));
  EXPECT_TRUE(icon.Transparent());
  EXPECT_EQ(icon.TransparentColor(), 0xFF00FF);
  int painted = 0;
  for (int y = 0; y < icon.Height(); ++y)
    for (int x = 0; x < icon.Width(); ++x) painted += icon.Pixel(x, y) != RGB(255, 0, 255);
  EXPECT_GT(painted, icon.Width() * icon.Height() / 4);
}

}  // namespace
