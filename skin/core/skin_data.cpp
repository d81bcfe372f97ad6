#include "skin/core/skin_data.h"

#include <cstring>
#include <utility>

#include "skin/core/skin_manager_link.h"

namespace skin {

const fw::EnumType kSkinControlTypeType{
    "TSkinControlType",
    {"xcMainMenu", "xcPopupMenu", "xcMenuItem", "xcToolbar", "xcControlbar", "xcCombo",
     "xcCheckBox", "xcRadioButton", "xcProgress", "xcScrollbar", "xcEdit", "xcButton", "xcBitBtn",
     "xcSpeedButton", "xcSpin", "xcPanel", "xcGroupBox", "xcStatusBar", "xcTab", "xcTrackBar",
     "xcSystemMenu", "xcFastReport"}};

const fw::EnumType kSkinOptionType{
    "TSkinOption",
    {"xoMDIScrollbar", "xoMenuMerge", "xoTransparent", "xoPreview", "xoParentBackGround",
     "xoNoFocusRect", "xoToolbarBK", "xoToolbarButton", "xoMDIChildBorder", "xoMenuBG",
     "xoCaptionButtonHint", "xoFormScrollbar"}};

const fw::EnumType kSkinFormTypeType{"TSkinFormType",
                                     {"sfMainform", "sfOnlyThisForm", "sfDialog", "sfDLL"}};

const fw::ClassInfo& TSkinData::StaticClass() {
  static const fw::ClassInfo info =
      fw::ClassBuilder<TSkinData>("TSkinData", &fw::TComponent::StaticClass())
          .Creatable()
          .Boolean("Active", &TSkinData::Active, &TSkinData::SetActive)
          .Integer("DisableTag", &TSkinData::DisableTag, &TSkinData::SetDisableTag)
          .Set("SkinControls", kSkinControlTypeType, &TSkinData::SkinControls, &TSkinData::SetSkinControls)
          .Set("Options", kSkinOptionType, &TSkinData::Options, &TSkinData::SetOptions)
          .StringList("Skin3rd", &TSkinData::Skin3rd, &TSkinData::SetSkin3rd)
          .String("SkinFile", &TSkinData::SkinFile, &TSkinData::SetSkinFile)
          .String("SkinStore", &TSkinData::SkinStore, &TSkinData::SetSkinStore)
          .Enumeration("SkinFormtype", kSkinFormTypeType, &TSkinData::SkinFormtype, &TSkinData::SetSkinFormtype)
          .String("Version", &TSkinData::Version, &TSkinData::SetVersion)
          .Boolean("MenuUpdate", &TSkinData::MenuUpdate, &TSkinData::SetMenuUpdate)
          .Boolean("MenuMerge", &TSkinData::MenuMerge, &TSkinData::SetMenuMerge)
          .Event("OnFormSkin", &TSkinData::OnFormSkin, kOnFormSkinSignature)
          .Event("OnSkinChanged", &TSkinData::OnSkinChanged)
          .Event("OnSkinControl", &TSkinData::OnSkinControl, kOnSkinControlSignature)
          .Event("OnBeforeSkinForm", &TSkinData::OnBeforeSkinForm, kOnSkinFormSignature)
          .Event("OnAfterSkinForm", &TSkinData::OnAfterSkinForm, kOnSkinFormSignature)
          // The stored skin follows the published properties and is always written.
          .Binary("SkinStream", &TSkinData::SkinStream, &TSkinData::SetSkinStream)
          .Build();
  return info;
}

TSkinData::TSkinData(fw::TComponent* owner)
    : fw::TComponent(owner),
      BorderLeft(std::make_unique<TDataSkinBorder>("Left")),
      BorderRight(std::make_unique<TDataSkinBorder>("Right")),
      BorderTop(std::make_unique<TDataSkinBorder>("Top")),
      BorderBottom(std::make_unique<TDataSkinBorder>("Bottom")),
      Title(std::make_unique<TDataSkinTitle>("Title")),
      Buttons(std::make_unique<TDataSkinButton>("Buttons")),
      AppIcon(std::make_unique<fw::TBitmap>()),
      skin3rd_(DefaultSkin3rd()),
      maxWidth_(GetSystemMetrics(SM_CXMAXIMIZED)),
      maxHeight_(GetSystemMetrics(SM_CYMAXIMIZED)),
      scratch_(std::make_unique<fw::TBitmap>()) {}

TSkinData::~TSkinData() {
  if (ISkinManagerLink* manager = SkinManagerLink()) manager->UnregisterSkinData(this);
}

void TSkinData::SetActive(bool value) { active_ = value; }

void TSkinData::SetSkinFile(const std::string& value) { skinFile_ = value; }

std::string TSkinData::SkinStore() const {
  if (HasState(fw::ComponentState::Designing) && SkinStreamData.Size() > 0) return "(Good)";
  return "(none)";
}

void TSkinData::SetSkinStore(const std::string&) {}

void TSkinData::SetVersion(const std::string&) {}

std::vector<uint8_t> TSkinData::SkinStream() const {
  const auto size = static_cast<uint32_t>(SkinStreamData.Size());
  std::vector<uint8_t> bytes(4 + size_t{size});
  for (int i = 0; i < 4; ++i) bytes[static_cast<size_t>(i)] = static_cast<uint8_t>(size >> (8 * i));
  if (size != 0) std::memcpy(bytes.data() + 4, SkinStreamData.Memory(), size);
  return bytes;
}

void TSkinData::SetSkinStream(const std::vector<uint8_t>&) {}

bool TSkinData::LoadSkin() { return false; }

void TSkinData::ApplySkin() {}

void TSkinData::Loaded() { fw::TComponent::Loaded(); }

void TSkinData::QueryFormSkin(HWND window, const std::string&, bool&) { lastFormHandle_ = window; }

void TSkinData::DoSkinChanged() { fw::FireNotify(OnSkinChanged, this); }

void TSkinData::DoBeforeSkinForm(fw::TObject*, HWND, const std::string&) {}
void TSkinData::DoAfterSkinForm(fw::TObject*, HWND, const std::string&) {}
void TSkinData::DoSkinControl(fw::TControl*, fw::TControl*, const std::string&, fw::TComponent*&) {}

void TSkinData::ShowCaptionHint(const RECT&, const std::string&) {}
void TSkinData::HideCaptionHint() {}

HWND TSkinData::OwnerWindow() const {
  auto* control = dynamic_cast<fw::TWinControl*>(Owner());
  return control && control->HandleAllocated() ? control->Handle() : nullptr;
}

void TSkinData::BuildSkin(const TQuickIni&, const TSkinReader&) { skinEmpty_ = false; }

}  // namespace skin
