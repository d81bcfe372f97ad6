#include "skin/core/skin_data.h"

#include <algorithm>
#include <cstring>
#include <span>
#include <utility>

#include "framework/application.h"
#include "framework/form.h"
#include "skin/core/file_bytes.h"
#include "skin/core/optional_user32.h"
#include "skin/core/skin_manager_link.h"
#include "skin/resources/quick_ini.h"
#include "skin/resources/skin_reader.h"

namespace skin {

namespace {
// The size of NONCLIENTMETRICS before the padded-border field was added, which every system knows.
constexpr UINT kNonClientMetricsSize = 340;
constexpr int kCaptionHintMaxWidth = 500;
constexpr const char* kMenuGlyphsResource = "SKINKITMENU";
}  // namespace

const fw::EnumType kSkinControlTypeType{
    "TSkinControlType", {"xcMainMenu", "xcPopupMenu",   "xcMenuItem",   "xcToolbar",   "xcControlbar", "xcCombo",
                         "xcCheckBox", "xcRadioButton", "xcProgress",   "xcScrollbar", "xcEdit",       "xcButton",
                         "xcBitBtn",   "xcSpeedButton", "xcSpin",       "xcPanel",     "xcGroupBox",   "xcStatusBar",
                         "xcTab",      "xcTrackBar",    "xcSystemMenu", "xcFastReport"}};

const fw::EnumType kSkinOptionType{
    "TSkinOption",
    {"xoMDIScrollbar", "xoMenuMerge", "xoTransparent", "xoPreview", "xoParentBackGround", "xoNoFocusRect",
     "xoToolbarBK", "xoToolbarButton", "xoMDIChildBorder", "xoMenuBG", "xoCaptionButtonHint", "xoFormScrollbar"}};

const fw::EnumType kSkinFormTypeType{"TSkinFormType", {"sfMainform", "sfOnlyThisForm", "sfDialog", "sfDLL"}};

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
      MenuGlyphs(std::make_unique<fw::TImageList>(16, 16)),
      HintWindow(std::make_unique<fw::THintWindow>()),
      skin3rd_(DefaultSkin3rd()),
      maxWidth_(GetSystemMetrics(SM_CXMAXIMIZED)),
      maxHeight_(GetSystemMetrics(SM_CYMAXIMIZED)) {
  MenuGlyphs->LoadFromResource(kMenuGlyphsResource, RGB(255, 255, 255));
}

TSkinData::~TSkinData() {
  MenuGlyphs.reset();
  skin3rd_.clear();
  if (ISkinManagerLink* manager = SkinManagerLink()) manager->UnregisterSkinData(this);
  // The remaining owned objects, the brush and every element record go with their owners.
}

// ---- Published properties -------------------------------------------------------------------

bool TSkinData::Designing() const { return HasState(fw::ComponentState::Designing); }
bool TSkinData::Reading() const { return HasState(fw::ComponentState::Loading); }

void TSkinData::SetActive(bool value) {
  if (value == active_) return;
  active_ = value;
  if (Designing() || Reading()) return;
  ISkinManagerLink* manager = SkinManagerLink();
  if (!manager) return;
  switch (skinFormtype_) {
    case sfMainform:
      if (value) {
        if (skinEmpty_) return;
        manager->SetPendingSkinData(this);
        manager->PostCommand(kSkinCommandActivate, kSkinCommandDelayMs);
        manager->SetRunState(kRunStateRunning);
      } else {
        manager->SetPendingSkinData(this);
        manager->PostCommand(kSkinCommandDeactivate, kSkinCommandDelayMs);
      }
      break;
    case sfOnlyThisForm:
      manager->SetPendingSkinData(this);
      if (value) {
        if (skinEmpty_) return;
        manager->PostCommand(kSkinCommandActivate, kSkinCommandDelayMs);
      } else {
        manager->PostCommand(kSkinCommandDeactivate, kSkinCommandDelayMs);
      }
      break;
    case sfDialog:
    case sfDLL:
      break;
  }
}

void TSkinData::SetSkinFile(const std::string& value) {
  skinEmpty_ = true;
  skinFile_ = value;
  if (Designing()) {
    // At design time a file replaces the stored skin.
    if (!value.empty() && SkinStreamData.Size() > 0) SkinStreamData.Clear();
    return;
  }
  std::vector<uint8_t> bytes;
  if (!ReadWholeFile(value, bytes)) return;
  SkinStreamData = TMemoryStream(bytes);
  LoadSkin();
  ApplySkin();
}

std::string TSkinData::SkinStore() const {
  if (Designing() && SkinStreamData.Size() > 0) return "(Good)";
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

void TSkinData::SetSkinStream(const std::vector<uint8_t>& value) {
  if (value.size() < 4) return;
  const auto length =
      static_cast<int32_t>(static_cast<uint32_t>(value[0]) | (static_cast<uint32_t>(value[1]) << 8) |
                           (static_cast<uint32_t>(value[2]) << 16) | (static_cast<uint32_t>(value[3]) << 24));
  if (length <= 0) return;
  // A description cut short keeps what it holds; decoding then decides whether that is a skin.
  const size_t count = std::min(static_cast<size_t>(length), value.size() - 4);
  SkinStreamData = TMemoryStream(std::span<const uint8_t>(value.data() + 4, count));
  if (!Designing()) LoadSkin();
}

// ---- Loading and activation -------------------------------------------------------------------

bool TSkinData::LoadSkin() {
  skinEmpty_ = true;
  if (Designing()) return false;
  TSkinReader archive;
  SkinStreamData.SetPosition(0);
  const bool read = archive.ReadArchive(SkinStreamData);
  SkinStreamData.SetPosition(0);
  if (!read) return false;
  TMemoryStream definition;
  std::string found;
  archive.FindEntry(".ini", definition, found);
  // An archive whose definition is missing or unreadable is no skin: the previous one stays.
  if (found.empty() || definition.Size() == 0) return false;
  definition.SetPosition(0);
  TQuickIni ini;
  ini.LoadFromStream(&definition);
  BuildSkin(ini, archive);
  return true;
}

void TSkinData::ApplySkin() {
  if (Designing() || Reading()) return;
  if (!SkinManagerLink()) Loaded();
  ISkinManagerLink* manager = SkinManagerLink();
  if (!manager) return;
  manager->SetPendingSkinData(this);
  manager->ReloadSkinData(this);
  if (manager->RunState() == kRunStateRunning) manager->PostCommand(kSkinCommandRefresh, kSkinCommandDelayMs);
}

void TSkinData::Loaded() {
  fw::TComponent::Loaded();
  if (Designing()) return;
  if (!User32Entries().GetScrollBarInfo) skinControls_ &= ~SkinControlSet({xcScrollbar});

  ISkinManagerLink* manager = CreateSkinManagerIfMissing();
  if (manager && registeredWith_ != SkinManagerGeneration()) {
    manager->RegisterSkinData(this);
    registeredWith_ = SkinManagerGeneration();
  }

  NONCLIENTMETRICSA metrics{};
  metrics.cbSize = kNonClientMetricsSize;
  SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, kNonClientMetricsSize, &metrics, 0);
  CaptionFont.reset(CreateFontIndirectA(&metrics.lfCaptionFont));

  if (skinFormtype_ != sfMainform) {
    if (manager) {
      manager->SetEnabled(true);
      manager->SetRunState(manager->RunState() + 1);
      auto* form = dynamic_cast<fw::TForm*>(Owner());
      if (form && active_) manager->SkinWindow(form->Handle());
    }
    return;
  }

  if (manager) manager->InstallHook();
  if (active_) {
    if (skinEmpty_) {
      active_ = false;
    } else if (manager) {
      manager->PostCommand(kSkinCommandActivate, kSkinCommandDelayMs);
    }
  }

  if (HasControl(xcMainMenu))
    skinControls_ &= ~SkinControlSet({xcMenuItem});
  else
    skinControls_ &= ~SkinControlSet({xcSystemMenu});

  BuildAppIcon();
}

// The program's small icon on magenta, for caption buttons that show the window icon.
void TSkinData::BuildAppIcon() {
  const int cx = GetSystemMetrics(SM_CXSMICON);
  const int cy = GetSystemMetrics(SM_CYSMICON);
  fw::TBitmap image(cx, cy, fw::pf24bit);
  {
    fw::UniqueBrush magenta(CreateSolidBrush(RGB(255, 0, 255)));
    RECT all{0, 0, cx, cy};
    FillRect(image.DC(), &all, magenta.get());
  }
  HWND application = fw::Application ? fw::Application->Handle() : nullptr;
  if (!application) return;
  auto icon = reinterpret_cast<HICON>(SendMessageA(application, WM_GETICON, ICON_SMALL, 0));
  if (!icon) icon = reinterpret_cast<HICON>(SendMessageA(application, WM_GETICON, ICON_BIG, 0));
  if (!icon) return;
  fw::UniqueIcon scaled(static_cast<HICON>(CopyImage(icon, IMAGE_ICON, cx, cy, 0)));
  if (!scaled) return;
  DrawIconEx(image.DC(), 0, 0, scaled.get(), cx, cy, 0, nullptr, DI_NORMAL);
  GdiFlush();
  scaled.reset();
  *AppIcon = std::move(image);
  AppIcon->SetTransparentColor(0xFF00FF);
  AppIcon->SetTransparent(true);
}

// ---- Queries and events -----------------------------------------------------------------------

void TSkinData::QueryFormSkin(HWND window, const std::string& className, bool& doSkin) {
  lastFormHandle_ = window;
  if (const auto* handler = OnFormSkin.As<void(fw::TObject*, const std::string&, bool&)>()) {
    (*handler)(this, className, doSkin);
    return;
  }
  if (className == "SysMonthCal32") doSkin = false;
  if (HasControl(xcFastReport) && className.rfind("Tfr", 0) == 0) doSkin = false;
}

void TSkinData::DoSkinChanged() { fw::FireNotify(OnSkinChanged, this); }

void TSkinData::DoBeforeSkinForm(fw::TObject* sender, HWND window, const std::string& className) {
  if (const auto* handler = OnBeforeSkinForm.As<void(fw::TObject*, HWND, const std::string&)>())
    (*handler)(sender, window, className);
}

void TSkinData::DoAfterSkinForm(fw::TObject* sender, HWND window, const std::string& className) {
  if (const auto* handler = OnAfterSkinForm.As<void(fw::TObject*, HWND, const std::string&)>())
    (*handler)(sender, window, className);
}

void TSkinData::DoSkinControl(fw::TComponent* sender, fw::TControl* form, fw::TControl* control,
                              const std::string& controlClass, fw::TComponent*& skinnedControl) {
  using Signature =
      void(fw::TComponent*, TSkinData*, fw::TControl*, fw::TControl*, const std::string&, fw::TComponent*&);
  if (const auto* handler = OnSkinControl.As<Signature>())
    (*handler)(sender, this, form, control, controlClass, skinnedControl);
}

void TSkinData::ShowCaptionHint(const RECT& rect, const std::string& text) {
  if (!HasOption(xoCaptionButtonHint) || hintShowing_) return;
  RECT hint = HintWindow->CalcHintRect(kCaptionHintMaxWidth, text);
  OffsetRect(&hint, rect.left, rect.top);
  HintWindow->ActivateHint(hint, text);
  hintShowing_ = true;
}

void TSkinData::HideCaptionHint() {
  if (!hintShowing_) return;
  HintWindow->Hide();
  hintShowing_ = false;
}

HWND TSkinData::OwnerWindow() const {
  auto* control = dynamic_cast<fw::TWinControl*>(Owner());
  return control && control->HandleAllocated() ? control->Handle() : nullptr;
}

}  // namespace skin
