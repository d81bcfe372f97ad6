// TSkinData: the non-visual component that carries a skin on a form. It stores the skin (inside
// the form description or as a file name), decodes it into the element records, holds the
// options that decide what is skinned, raises the skin events, and asks the skin manager to skin
// or unskin windows as it becomes active or inactive.
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/component.h"
#include "framework/control.h"
#include "framework/handles.h"
#include "framework/hint_window.h"
#include "framework/image_list.h"
#include "skin/core/skin_records.h"
#include "skin/resources/memory_stream.h"

namespace skin {

class TQuickIni;
class TSkinReader;
class TSkinData;

// Kinds of controls to skin; bit i of TSkinControlTypes is member i.
enum TSkinControlType : uint32_t {
  xcMainMenu,
  xcPopupMenu,
  xcMenuItem,
  xcToolbar,
  xcControlbar,
  xcCombo,
  xcCheckBox,
  xcRadioButton,
  xcProgress,
  xcScrollbar,
  xcEdit,
  xcButton,
  xcBitBtn,
  xcSpeedButton,
  xcSpin,
  xcPanel,
  xcGroupBox,
  xcStatusBar,
  xcTab,
  xcTrackBar,
  xcSystemMenu,
  xcFastReport,
};
using TSkinControlTypes = uint32_t;
extern const fw::EnumType kSkinControlTypeType;

enum TSkinOption : uint32_t {
  xoMDIScrollbar,
  xoMenuMerge,
  xoTransparent,
  xoPreview,
  xoParentBackGround,
  xoNoFocusRect,
  xoToolbarBK,
  xoToolbarButton,
  xoMDIChildBorder,
  xoMenuBG,
  xoCaptionButtonHint,
  xoFormScrollbar,
};
using TSkinOptions = uint16_t;
extern const fw::EnumType kSkinOptionType;

// The skinning scope of a component.
enum TSkinFormType : uint32_t { sfMainform, sfOnlyThisForm, sfDialog, sfDLL };
extern const fw::EnumType kSkinFormTypeType;

constexpr TSkinControlTypes SkinControlSet(std::initializer_list<TSkinControlType> members) {
  TSkinControlTypes bits = 0;
  for (TSkinControlType m : members) bits |= 1u << m;
  return bits;
}
constexpr TSkinOptions SkinOptionSet(std::initializer_list<TSkinOption> members) {
  TSkinOptions bits = 0;
  for (TSkinOption m : members) bits = static_cast<TSkinOptions>(bits | (1u << m));
  return bits;
}

inline constexpr TSkinControlTypes kDefaultSkinControls = 0x1FFFFB;  // all but xcMenuItem, xcFastReport
inline constexpr TSkinOptions kDefaultSkinOptions = 0x448;           // xoPreview, xoToolbarBK, xoCaptionButtonHint
inline constexpr int32_t kDefaultDisableTag = 99;
inline constexpr const char* kSkinDataVersion = "5.40.07.15";

// Events. OnFormSkin: Sender is the component, aName the window's class name; DoSkin arrives
// holding the current decision and leaves holding the final one.
using TOnFormSkin = std::function<void(fw::TObject* Sender, const std::string& aName, bool& DoSkin)>;
inline constexpr const char* kOnFormSkinSignature = "TOnFormSkin";
// OnBeforeSkinForm / OnAfterSkinForm: Sender is the window's framework form (or nil).
using TOnSkinForm = std::function<void(fw::TObject* Sender, HWND ahwnd, const std::string& aName)>;
inline constexpr const char* kOnSkinFormSignature = "TOnSkinForm";
// OnSkinControl: asked for each control before a skinner is chosen for it.
using TOnSkinControl =
    std::function<void(fw::TComponent* Sender, TSkinData* SkinData, fw::TControl* Form, fw::TControl* Control,
                       const std::string& ControlClass, fw::TComponent*& SkinnedControl)>;
inline constexpr const char* kOnSkinControlSignature = "TOnSkinControl";

// Indexes of the skin colour table.
enum TSkinColourIndex : int {
  ciWindowText = 0,
  ciTitleTextActive = 1,
  ciTitleTextNoActive = 2,
  ciButtonFace = 3,
  ciButtonText = 4,
  ciButtonHilight = 5,
  ciButtonlight = 6,
  ciButtonShadow = 7,
  ciButtonDkShadow = 8,
  ciHilightText = 11,
  ciHilight = 12,
  ciMenubar = 13,
  ciMenuBarText = 14,
  ciMenuText = 15,
  ciMenu = 16,
  ciTitleSample = 17,
  ciScrollbar = 18,
};
inline constexpr int kSkinColourCount = 19;
inline constexpr int kCustomColourCount = 10;

// The 118 foreign control classes and the skinner kind for each, as every component starts.
const std::vector<std::string>& DefaultSkin3rd();

class TSkinData : public fw::TComponent {
  FW_DECLARE_CLASS()

 public:
  explicit TSkinData(fw::TComponent* owner);
  ~TSkinData() override;

  // Published properties, in streaming order.
  [[nodiscard]] bool Active() const { return active_; }
  void SetActive(bool value);
  [[nodiscard]] int32_t DisableTag() const { return disableTag_; }
  void SetDisableTag(int32_t value) { disableTag_ = value; }
  [[nodiscard]] TSkinControlTypes SkinControls() const { return skinControls_; }
  void SetSkinControls(TSkinControlTypes value) { skinControls_ = value; }
  [[nodiscard]] TSkinOptions Options() const { return options_; }
  void SetOptions(TSkinOptions value) { options_ = value; }
  [[nodiscard]] const std::vector<std::string>& Skin3rd() const { return skin3rd_; }
  void SetSkin3rd(const std::vector<std::string>& value) { skin3rd_ = value; }
  [[nodiscard]] const std::string& SkinFile() const { return skinFile_; }
  void SetSkinFile(const std::string& value);
  // "(Good)" at design time when a skin is stored, else "(none)"; setting it does nothing.
  [[nodiscard]] std::string SkinStore() const;
  void SetSkinStore(const std::string& value);
  [[nodiscard]] TSkinFormType SkinFormtype() const { return skinFormtype_; }
  void SetSkinFormtype(TSkinFormType value) { skinFormtype_ = value; }
  [[nodiscard]] std::string Version() const { return kSkinDataVersion; }
  void SetVersion(const std::string& value);
  [[nodiscard]] bool MenuUpdate() const { return menuUpdate_; }
  void SetMenuUpdate(bool value) { menuUpdate_ = value; }
  [[nodiscard]] bool MenuMerge() const { return menuMerge_; }
  void SetMenuMerge(bool value) { menuMerge_ = value; }

  [[nodiscard]] bool HasControl(TSkinControlType kind) const { return (skinControls_ >> kind) & 1u; }
  [[nodiscard]] bool HasOption(TSkinOption option) const { return (options_ >> option) & 1u; }

  fw::TMethod OnFormSkin;        // TOnFormSkin
  fw::TMethod OnSkinChanged;     // TNotifyEvent
  fw::TMethod OnSkinControl;     // TOnSkinControl
  fw::TMethod OnBeforeSkinForm;  // TOnSkinForm
  fw::TMethod OnAfterSkinForm;   // TOnSkinForm

  // The stored skin as the form description holds it: a 32-bit little-endian length N, then N
  // bytes of skin file. Reading it keeps the bytes and, outside design time, decodes them.
  [[nodiscard]] std::vector<uint8_t> SkinStream() const;
  void SetSkinStream(const std::vector<uint8_t>& value);

  // Decodes SkinStreamData and builds the element records; false when it cannot be decoded (the
  // previous records then stay).
  bool LoadSkin();
  // After a new skin was loaded at run time: tells the manager and the form skinners.
  void ApplySkin();
  void Loaded() override;
  // The form-skin query of the manager: records the window, then applies OnFormSkin or the
  // component's own rules.
  void QueryFormSkin(HWND window, const std::string& className, bool& doSkin);
  // Fires OnSkinChanged.
  void DoSkinChanged();
  void DoBeforeSkinForm(fw::TObject* sender, HWND window, const std::string& className);
  void DoAfterSkinForm(fw::TObject* sender, HWND window, const std::string& className);
  // Sender is the form skinner that asks.
  void DoSkinControl(fw::TComponent* sender, fw::TControl* form, fw::TControl* control, const std::string& controlClass,
                     fw::TComponent*& skinnedControl);
  // The caption-button hint, shown only with xoCaptionButtonHint; `rect` is in screen
  // coordinates and the hint is placed at its top-left corner.
  void ShowCaptionHint(const RECT& rect, const std::string& text);
  void HideCaptionHint();
  [[nodiscard]] bool CaptionHintShowing() const { return hintShowing_; }
  // How long the mouse has rested on a caption button (milliseconds), for its hint.
  int32_t HoverTime = 0;

  [[nodiscard]] bool SkinEmpty() const { return skinEmpty_; }
  [[nodiscard]] HWND LastFormHandle() const { return lastFormHandle_; }
  [[nodiscard]] int MaxWidth() const { return maxWidth_; }
  [[nodiscard]] int MaxHeight() const { return maxHeight_; }
  // The window of the owning form or control, nullptr when the owner has none.
  [[nodiscard]] HWND OwnerWindow() const;
  // The design-time and form-reading states of the framework, as the setters test them.
  [[nodiscard]] bool Designing() const;
  [[nodiscard]] bool Reading() const;

  // The whole element build from a freshly loaded definition and its archive; ends by clearing
  // SkinEmpty.
  void BuildSkin(const TQuickIni& ini, const TSkinReader& archive);

  // --- The decoded skin: read by the painters; replaced by every build. ---
  std::unique_ptr<TDataSkinBorder> BorderLeft, BorderRight, BorderTop, BorderBottom;
  std::unique_ptr<TDataSkinTitle> Title;
  std::vector<std::unique_ptr<TDataSkinSysButton>> SysButtons;
  std::unique_ptr<TDataSkinButton> Buttons;
  std::unique_ptr<TDataSkinBorder> Progress;
  std::unique_ptr<TDataSkinObject> ProgressChunk;
  std::unique_ptr<TDataSkinObject> MenuBar;
  std::unique_ptr<TDataSkinObject> GroupBoxEdge;
  std::unique_ptr<TDataSkinBoxLabel> GroupBox;
  std::unique_ptr<TDataSkinBorder> Tabs;
  std::unique_ptr<TDataSkinObject> StatusBarEdges;
  std::unique_ptr<TDataSkinObject> TabPane;
  std::unique_ptr<TDataSkinObject> ToolBars;
  std::unique_ptr<TDataSkinBorder> ComboButton;
  std::unique_ptr<TDataSkinObject> SunkEdge;
  std::unique_ptr<TDataSkinObject> ExtraImages;
  std::unique_ptr<TDataSkinObject> Headerbar;
  std::unique_ptr<TDataSkinObject> MenuItem;
  std::unique_ptr<TDataSkinObject> MenuBackground;
  std::unique_ptr<TDataSkinObject> Scrollbar;
  std::unique_ptr<TDataSkinObject> HorzScroll, VertScroll;
  std::unique_ptr<TDataSkinObject> HorzScrollThumb, VertScrollThumb;
  std::unique_ptr<TDataSkinObject> TrackbarThumbHorz, TrackbarThumbVert, TrackbarThumbLeft, TrackbarThumbRight,
      TrackbarThumbUp, TrackbarThumbDown;
  std::unique_ptr<TDataSkinBorder> UpDownHorz, UpDownVert;
  std::unique_ptr<TDataSkinObject> Track, TrackVert;
  std::unique_ptr<TDataSkinObject> ComboxArrow;
  std::unique_ptr<TDataSkinObject> Toolbar;

  std::array<TColor, kSkinColourCount> Colours{};
  std::array<bool, kSkinColourCount> ColourSet{};
  std::vector<TColor> ColourSections;
  std::array<TColor, kCustomColourCount> CustomColors{};
  fw::UniqueBrush FaceBrush;
  std::string SkinName;

  std::unique_ptr<fw::TBitmap> AppIcon;
  fw::UniqueFont CaptionFont;
  std::unique_ptr<fw::TImageList> MenuGlyphs;
  std::unique_ptr<fw::THintWindow> HintWindow;
  TMemoryStream SkinStreamData;

 private:
  bool active_ = false;
  int32_t disableTag_ = kDefaultDisableTag;
  TSkinControlTypes skinControls_ = kDefaultSkinControls;
  TSkinOptions options_ = kDefaultSkinOptions;
  std::vector<std::string> skin3rd_;
  std::string skinFile_;
  TSkinFormType skinFormtype_ = sfMainform;
  bool menuUpdate_ = true;
  bool menuMerge_ = false;

  bool skinEmpty_ = true;
  bool hintShowing_ = false;
  HWND lastFormHandle_ = nullptr;
  int maxWidth_ = 0;
  int maxHeight_ = 0;
  uint32_t registeredWith_ = 0;  // generation of the manager this component registered with

  void BuildAppIcon();
};

}  // namespace skin
