// Control discovery: which control skinner each control of a skinned window gets.
//
// A framework form's controls go through one decision chain (SkinControl); windows of no framework
// form (the system's dialogs) are recognised by window class and style (SkinChildWindow). The
// built-in rules name framework classes by role; a control has a role when its class or one of its
// bases carries the role's class name, so a control of a class the engine never saw still gets
// the skinner of the framework class it derives from.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cctype>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "framework/collection.h"
#include "framework/toolbar.h"
#include "skin/controls/prop_by_name.h"
#include "skin/controls/skinner_kinds.h"
#include "skin/core/skin_messages.h"
#include "skin/form/form_skinner.h"
#include "skin/form/toolbar_paint.h"

namespace skin {
namespace {

// The framework classes the built-in rules name by their role.
namespace role {
constexpr std::string_view kTabControl = "TCustomTabControl";
constexpr std::string_view kPageControl = "TPageControl";
constexpr std::string_view kBandContainer = "TCoolBar";
constexpr std::string_view kTabSheet = "TTabSheet";
constexpr std::string_view kHeader = "THeaderControl";
constexpr std::string_view kCheckBox = "TCustomCheckBox";
constexpr std::string_view kTrackBar = "TTrackBar";
constexpr std::string_view kRadioGroup = "TCustomRadioGroup";
constexpr std::string_view kGroupBox = "TCustomGroupBox";
constexpr std::string_view kRadioButton = "TRadioButton";
constexpr std::string_view kToolBar = "TToolBar";
constexpr std::string_view kStatusBar = "TStatusBar";
constexpr std::string_view kProgressBar = "TProgressBar";
constexpr std::string_view kScrollBar = "TScrollBar";
constexpr std::string_view kComboBox = "TCustomComboBox";
constexpr std::string_view kDateTimePicker = "TDateTimePicker";
constexpr std::string_view kBitBtn = "TBitBtn";
constexpr std::string_view kSpeedButton = "TSpeedButton";
constexpr std::string_view kPanel = "TCustomPanel";
constexpr std::string_view kListView = "TCustomListView";
constexpr std::string_view kMemo = "TCustomMemo";
constexpr std::string_view kScrollingControl = "TScrollingWinControl";
constexpr std::string_view kButton = "TButton";
constexpr std::string_view kEdit = "TCustomEdit";
constexpr std::string_view kFrame = "TCustomFrame";
constexpr std::string_view kForm = "TCustomForm";
constexpr std::string_view kListBox = "TCustomListBox";
}  // namespace role

bool IsA(const fw::TObject* object, std::string_view className) {
  if (!object) return false;
  for (const fw::ClassInfo* c = &object->Class(); c; c = c->parent)
    if (c->name == className) return true;
  return false;
}

std::string UpperCase(std::string_view text) {
  std::string result(text);
  for (char& c : result) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return result;
}

std::string LowerCase(std::string_view text) {
  std::string result(text);
  for (char& c : result) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return result;
}

bool OneOf(const std::string& name, std::initializer_list<std::string_view> names) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

// The ordinal of an enumeration property, -1 when the control has none.
int EnumOrdinal(const fw::TObject* object, std::string_view name) {
  const fw::PropInfo* prop = object ? object->Class().FindProperty(name) : nullptr;
  if (!prop || prop->kind != fw::PropKind::Enumeration || !prop->getOrdinal) return -1;
  return prop->getOrdinal(*object);
}

std::vector<fw::TControl*> ChildrenOf(const fw::TWinControl* control) {
  std::vector<fw::TControl*> children;
  if (!control) return children;
  for (int i = 0; i < control->ControlCount(); ++i) children.push_back(control->Controls(i));
  return children;
}

LONG StyleOf(HWND window) { return GetWindowLongA(window, GWL_STYLE); }

// The class name of a window, lower case, at most 100 characters.
std::string WindowClassLower(HWND window) {
  char name[101] = {};
  GetClassNameA(window, name, static_cast<int>(sizeof name));
  return LowerCase(name);
}

constexpr size_t kMaxSkin3rdKind = 50;

}  // namespace

template <typename T>
T* TWinSkinForm::NewSkinner(fw::TComponent* owner) {
  return new T(owner);
}

template <typename T>
T* TWinSkinForm::AttachSkinner(fw::TControl* control, bool setColor) {
  T* skinner = NewSkinner<T>(control);
  skinner->InitControl(this, FSkinData, &FControlCanvas, setColor);
  return skinner;
}

template <typename T>
T* TWinSkinForm::AttachWindowSkinner(HWND window) {
  T* skinner = NewSkinner<T>(this);
  skinner->InitHandle(window, FSkinData, &FControlCanvas, this);
  return skinner;
}

namespace {
// Scroll bar skinners start with their own attach.
template <typename T>
void AttachScrollSkinner(TWinSkinForm& form, fw::TControl* control) {
  auto* skinner = new T(control);
  skinner->InitScrollControl(control, form.FSkinData, &form.FControlCanvas, &form);
}
}  // namespace

void TWinSkinForm::ReskinScrollbar(HWND window) {
  TSkinControl* old = FindSkinnerByHandle(window);
  if (!old) return;
  RemoveSkinner(old);
  fw::TControl* control = old->Control();
  const bool listView = dynamic_cast<TSkinListView*>(old) != nullptr;
  FreeSkinner(old, true);
  if (!control || control->HasState(fw::ComponentState::Destroying)) return;
  if (listView) {
    AttachScrollSkinner<TSkinListView>(*this, control);
  } else {
    AttachScrollSkinner<TSkinScrollbar>(*this, control);
  }
}

// ---- Framework forms ------------------------------------------------------------------------

void TWinSkinForm::SkinFormControls(fw::TForm* form) {
  if (!form || !FSkinData) return;
  // Skinners whose window went are purged first.
  for (TSkinControl* skinner : std::vector<TSkinControl*>(FSkinners)) {
    if (skinner->FLifeState != kSkinnerDestroyed) continue;
    RemoveSkinner(skinner);
    FreeSkinner(skinner, false);
  }
  SkinComponents(form);
  std::vector<fw::TWinControl*> tabOrder;
  form->GetTabOrderList(tabOrder);
  for (fw::TWinControl* control : tabOrder)
    if (!IsSkipped(control)) SkinControl(control, form);
}

void TWinSkinForm::SkinComponents(fw::TComponent* owner) {
  if (!owner) return;
  std::vector<fw::TControl*> controls;
  for (int i = 0; i < owner->ComponentCount(); ++i)
    if (auto* control = dynamic_cast<fw::TControl*>(owner->Component(i))) controls.push_back(control);
  auto* parent = dynamic_cast<fw::TControl*>(owner);
  for (fw::TControl* control : controls) SkinControl(control, parent);
  // Popup menus become owner-drawn with the menu skinners.
}

void TWinSkinForm::SkinChildren(fw::TWinControl* control) {
  for (fw::TControl* child : ChildrenOf(control)) SkinControl(child, control);
}

bool TWinSkinForm::HasSkinner(fw::TControl* control) {
  if (control->Perform(SKM_ISSKINNED) == 1) return true;
  return std::any_of(FSkinners.begin(), FSkinners.end(),
                     [control](TSkinControl* s) { return s->Control() == control; });
}

bool TWinSkinForm::IsSkipped(fw::TWinControl* control) {
  if (!control->HandleAllocated() || control->Tag() == FSkinData->DisableTag()) return true;
  if (control->Perform(SKM_ISSKINNED) == 1) return true;
  return FindSkinnerByHandle(control->Handle()) != nullptr;
}

void TWinSkinForm::DisableGroupChildren(fw::TControl* control) {
  auto* group = dynamic_cast<fw::TWinControl*>(control);
  if (!group || group->ControlCount() == 0) return;
  const std::string name = LowerCase(control->ClassName());
  if (name.find("radiogroup") == std::string::npos && name.find("checkgroup") == std::string::npos) return;
  for (fw::TControl* child : ChildrenOf(group)) child->SetTag(FSkinData->DisableTag());
}

void TWinSkinForm::SkinEditIfBordered(fw::TControl* control) {
  auto* edit = dynamic_cast<fw::TWinControl*>(control);
  if (!edit) return;
  RECT window{}, client{};
  GetWindowRect(edit->Handle(), &window);
  GetClientRect(edit->Handle(), &client);
  if (window.right - window.left != client.right || window.bottom - window.top != client.bottom)
    AttachSkinner<TSkinEdit>(control);
}

bool TWinSkinForm::HasScrollBars(fw::TControl* control) {
  auto* windowed = dynamic_cast<fw::TWinControl*>(control);
  if (!windowed) return false;
  if (IsA(control, role::kMemo) || IsA(control, role::kListBox) || IsA(control, role::kListView) ||
      IsA(control, role::kScrollingControl))
    return true;
  return windowed->HandleAllocated() && (StyleOf(windowed->Handle()) & (WS_HSCROLL | WS_VSCROLL)) != 0;
}

void TWinSkinForm::SkinGroupButtons(fw::TWinControl* group, bool checks) {
  for (fw::TControl* child : ChildrenOf(group)) {
    if (HasSkinner(child)) continue;
    if (UpperCase(child->ClassName()).find("TRZ") != std::string::npos) {
      AttachSkinner<TSkinObjImage>(child, true)->FObjKind = checks ? 1 : 2;
    } else if (checks) {
      AttachSkinner<TSkinCheckBox>(child);
    } else {
      AttachSkinner<TSkinRadioButton>(child);
    }
  }
}

void TWinSkinForm::SkinToolBar(fw::TWinControl* toolBar) {
  SetPropByName(toolBar, "Flat", "True");
  if (auto* bar = dynamic_cast<fw::TToolBar*>(toolBar)) {
    // The handlers outlive nothing: once this form skinner is gone they leave the bar to itself.
    std::weak_ptr<TWinSkinForm*> self = FAlive;
    if (!bar->OnCustomDraw.Assigned()) {
      bar->OnCustomDraw.handler = fw::TTBCustomDrawEvent([self](fw::TToolBar* sender, const RECT& rect, bool&) {
        if (const auto form = self.lock(); form && (*form)->FSkinData)
          PaintToolBarBackground(*(*form)->FSkinData, sender->Canvas()->Handle(), rect);
      });
    }
    if (!bar->OnCustomDrawButton.Assigned()) {
      bar->OnCustomDrawButton.handler = fw::TTBCustomDrawBtnEvent(
          [self](fw::TToolBar* sender, fw::TToolButton* button, fw::TCustomDrawState state, bool&) {
            const auto form = self.lock();
            if (!form || !(*form)->FSkinData) return;
            RECT bounds{};
            if (!SendMessageA(sender->Handle(), TB_GETRECT, button->Command(), reinterpret_cast<LPARAM>(&bounds)))
              return;
            const HDC dc = sender->Canvas()->Handle();
            std::optional<COLORREF> text;
            const bool active = (*form)->FLifeState == lsActive;
            if (PaintToolBarButton(*(*form)->FSkinData, active, dc, bounds, state, text) && text)
              SetTextColor(dc, *text);
          });
    }
  }
  AttachSkinner<TSkinBox>(toolBar, false);
  // The items of its menu become owner-drawn with the menu skinners.
}

void TWinSkinForm::SkinControl(fw::TControl* control, fw::TControl* parent) {
  if (!control || !FSkinData) return;
  const TSkinData& skin = *FSkinData;
  auto has = [&skin](TSkinControlType kind) { return skin.HasControl(kind); };
  // 1. Opted out by its Tag, with the buttons of a radio or check group.
  if (control->Tag() == skin.DisableTag()) {
    DisableGroupChildren(control);
    return;
  }
  // 2. Nowhere to show, or skinned already.
  if (!control->Parent() || HasSkinner(control)) return;
  // 3. A windowed control gets its window now; one that cannot be made stays as it is.
  auto* windowed = dynamic_cast<fw::TWinControl*>(control);
  if (windowed && !windowed->HandleAllocated()) {
    try {
      windowed->HandleNeeded();
    } catch (...) {
      return;
    }
    if (!windowed->HandleAllocated()) return;
  }
  const std::string name = UpperCase(control->ClassName());
  // 4. The program decides.
  if (skin.OnSkinControl.Assigned()) {
    fw::TComponent* chosen = nullptr;
    FSkinData->DoSkinControl(this, parent, control, name, chosen);
    if (chosen) {
      if (auto* skinner = dynamic_cast<TSkinControl*>(chosen); skinner && !AddSkinner(skinner)) {
        skinner->InitControl(this, FSkinData, &FControlCanvas, skinner->FSetColor);
        if (IsA(control, role::kPanel)) SkinChildren(windowed);
      }
      return;
    }
  }
  // 5. The Skin3rd list names the class.
  if (SkinBySkin3rd(name, control)) return;
  // 6. Never skinned.
  if (OneOf(name, {"TDBCOMBOBOXEH", "TFRDESIGNERPAGE", "TFRPBOX"})) return;
  // 7. The built-in rules, in order.
  const bool tabs = has(xcTab) && skin.Tabs != nullptr;
  if (tabs && IsA(control, role::kTabControl)) {  // 7.1
    if (IsA(control, role::kPageControl)) {
      if (EnumOrdinal(control, "Style") <= 0) {
        AttachSkinner<TSkinTab>(control);
      } else {
        AttachSkinner<TSkinTabBtn>(control);
      }
    } else {
      auto* skinner = NewSkinner<TSkinTab>(control);
      skinner->FKind = 2;
      skinner->InitControl(this, FSkinData, &FControlCanvas, false);
    }
    return;
  }
  // 7.2, a control carrying a menu bar of its own, has no framework control in this program.
  if (has(xcToolbar) && IsA(control, role::kBandContainer)) {  // 7.3
    auto* bands = dynamic_cast<fw::TCollection*>(GetObjectPropByName(control, "Bands", fw::TCollection::StaticClass()));
    for (int i = 0; bands && i < bands->Count(); ++i) {
      SetPropByName(bands->Item(i), "Color", std::to_string(skin.Colours[ciButtonFace]));
      SetPropByName(bands->Item(i), "ParentColor", "False");
    }
    return;
  }
  if (tabs && name == "TTABSET") {  // 7.4
    AttachSkinner<TSkinTab31>(control);
    return;
  }
  if (tabs && IsA(control, role::kTabSheet)) {  // 7.5
    AttachSkinner<TSkinTabSheet>(control);
    return;
  }
  if (tabs && name == "TTABBEDNOTEBOOK") {  // 7.6
    AttachSkinner<TSkinTab>(control);
    return;
  }
  if (name == "TMVCPANEL") {  // 7.7
    SkinChildren(windowed);
    return;
  }
  // 7.8: another library's tab control (not a framework one) with a Style property.
  if (tabs && name.ends_with("TABCONTROL") && control->Class().FindProperty("Style")) {
    if (GetEnumPropByName(control, "Style") == "tsTabs") {
      AttachSkinner<TSkinTab>(control);
    } else {
      AttachSkinner<TSkinTabBtn>(control);
    }
    return;
  }
  if (has(xcPanel) && IsA(control, role::kHeader)) {  // 7.9
    AttachSkinner<TSkinHeader>(control);
    return;
  }
  if (has(xcCheckBox) && IsA(control, role::kCheckBox)) {  // 7.10
    AttachSkinner<TSkinCheckBox>(control);
    return;
  }
  if (has(xcTrackBar) && IsA(control, role::kTrackBar)) {  // 7.11
    AttachSkinner<TSkinTrackBar>(control);
    return;
  }
  if (has(xcSpin) && OneOf(name, {"TUPDOWN", "TSPINBUTTON"})) {  // 7.12
    AttachSkinner<TSkinUpDown>(control);
    return;
  }
  if (has(xcButton) && name == "TMEDIAPLAYER") {  // 7.13
    AttachSkinner<TSkinMP>(control);
    return;
  }
  if (has(xcRadioButton) && IsA(control, role::kRadioGroup)) {  // 7.14
    for (fw::TControl* child : ChildrenOf(windowed))
      if (!HasSkinner(child)) AttachSkinner<TSkinRadioButton>(child);
    AttachSkinner<TSkinGroupBox>(control, true);
    return;
  }
  if (has(xcPanel) && name == "TDBNAVIGATOR") {  // 7.15
    AttachSkinner<TSkinBox>(control, true);
    for (fw::TControl* child : ChildrenOf(windowed)) SkinControl(child, nullptr);
    return;
  }
  if (has(xcCheckBox) && OneOf(name, {"TRZDBCHECKBOX", "TRZCHECKBOX"})) {  // 7.16
    AttachSkinner<TSkinObjImage>(control, true)->FObjKind = 1;
    return;
  }
  if (has(xcRadioButton) && OneOf(name, {"TRZRADIOBUTTON", "TRZDBRADIOBUTTON"})) {  // 7.17
    AttachSkinner<TSkinObjImage>(control, true)->FObjKind = 2;
    return;
  }
  if (has(xcCheckBox) && OneOf(name, {"TCXDBCHECKBOX", "TCXCHECKBOX"})) {  // 7.18
    AttachSkinner<TSkinObjImage>(control, true)->FObjKind = 3;
    return;
  }
  if (has(xcPanel) && IsA(control, role::kGroupBox)) {  // 7.19
    SkinChildren(windowed);
    AttachSkinner<TSkinGroupBox>(control, false);
    return;
  }
  if (has(xcRadioButton) && IsA(control, role::kRadioButton)) {  // 7.20
    AttachSkinner<TSkinRadioButton>(control);
    return;
  }
  if (has(xcToolbar) && IsA(control, role::kToolBar)) {  // 7.21
    SkinToolBar(windowed);
    return;
  }
  if (has(xcStatusBar) && IsA(control, role::kStatusBar)) {  // 7.22
    AttachSkinner<TSkinStatusBar>(control);
    return;
  }
  if (has(xcProgress) && IsA(control, role::kProgressBar)) {  // 7.23
    AttachSkinner<TSkinProgress>(control);
    return;
  }
  if (has(xcScrollbar) && IsA(control, role::kScrollBar)) {  // 7.24
    AttachSkinner<TSkinScControl>(control);
    return;
  }
  if (has(xcCombo) && (name == "TTNTCOMBOBOX" || IsA(control, role::kComboBox))) {  // 7.25, 7.26
    AttachSkinner<TSkinComBox>(control);
    return;
  }
  if (has(xcEdit) && IsA(control, role::kDateTimePicker)) {  // 7.27
    // Up-down mode or a time picker shows an edit; a date picker with its calendar button a combo.
    if (EnumOrdinal(control, "DateMode") == 1 || EnumOrdinal(control, "Kind") == 1) {
      AttachSkinner<TSkinEdit>(control);
    } else {
      AttachSkinner<TSkinDateTime>(control);
    }
    return;
  }
  if (has(xcScrollbar) && OneOf(name, {"TRICHEDIT", "TWWDBRICHEDIT", "TDXDBMEMO"})) {  // 7.28, 7.29
    AttachScrollSkinner<TSkinScrollbar>(*this, control);
    return;
  }
  if (IsA(control, role::kBitBtn)) {  // 7.30: bit buttons are never plain buttons
    if (has(xcBitBtn)) AttachSkinner<TSkinBitButton>(control);
    return;
  }
  if (has(xcSpeedButton) && IsA(control, role::kSpeedButton)) {  // 7.31
    NewSkinner<TSkinSpeedButton>(control)->InitSpeedButton(this, FSkinData, &FControlCanvas);
    return;
  }
  if (has(xcPanel) && IsA(control, role::kPanel)) {  // 7.32
    SkinChildren(windowed);
    AttachSkinner<TSkinBox>(control, true);
    return;
  }
  if (has(xcScrollbar) && OneOf(name, {"TDXTREELIST", "TDXDBTREELIST", "TDXDBGRID"})) {  // 7.33
    AttachScrollSkinner<TSkinScrollbar>(*this, control);
    return;
  }
  if (has(xcScrollbar) && IsA(control, role::kListView)) {  // 7.34
    AttachScrollSkinner<TSkinListView>(*this, control);     // and its header
    return;
  }
  if (has(xcScrollbar) && (IsA(control, role::kMemo) || IsA(control, role::kScrollingControl) ||
                           HasScrollBars(control))) {  // 7.35, 7.36, 7.37
    AttachScrollSkinner<TSkinScrollbar>(*this, control);
    return;
  }
  if (has(xcButton) && IsA(control, role::kButton)) {  // 7.38
    AttachSkinner<TSkinButton>(control);
    return;
  }
  if (has(xcEdit) && IsA(control, role::kEdit)) {  // 7.39
    AttachSkinner<TSkinEdit>(control);
    return;
  }
  if (!OneOf(name, {"TDCEDIT", "TDCDBEDIT"})) {  // 7.40: embedded frames and forms
    if (IsA(control, role::kFrame)) {
      SkinComponents(control);
    } else if (IsA(control, role::kForm)) {
      AttachSkinner<TSkinBox>(control, true);
      SkinComponents(control);
    }
    return;
  }
  // 7.41: an edit of another library that may carry a drop-down button.
  const int32_t buttons = GetOrdPropByName(control, "NumButtons");
  if (buttons == 1 && has(xcCombo)) {
    AttachSkinner<TSkinComBox>(control);
  } else if (buttons == 0 && has(xcEdit) && windowed) {
    AttachWindowSkinner<TSkinEdit>(windowed->Handle());
  }
}

bool TWinSkinForm::SkinBySkin3rd(const std::string& className, fw::TControl* control) {
  const std::string key = LowerCase(className) + "=";
  const auto line = std::find_if(FSkinData->Skin3rd().begin(), FSkinData->Skin3rd().end(),
                                 [&key](const std::string& l) { return LowerCase(l).starts_with(key); });
  if (line == FSkinData->Skin3rd().end()) return false;
  const std::string kind = LowerCase(line->substr(key.size(), kMaxSkin3rdKind));
  const TSkinData& skin = *FSkinData;
  auto has = [&skin](TSkinControlType type) { return skin.HasControl(type); };
  auto* windowed = dynamic_cast<fw::TWinControl*>(control);

  if (kind == "combobox" || kind == "comboboxex") {
    if (has(xcCombo)) {
      auto* skinner = NewSkinner<TSkinComBox>(control);
      skinner->FComboEx = kind == "comboboxex";
      skinner->InitControl(this, FSkinData, &FControlCanvas, false);
    }
  } else if (kind == "edit") {
    if (has(xcEdit)) SkinEditIfBordered(control);
  } else if (kind == "radiobutton") {
    if (has(xcRadioButton)) AttachSkinner<TSkinRadioButton>(control);
  } else if (kind == "panel") {
    if (has(xcPanel)) {
      SetPropByName(control, "Transparent", "True");
      AttachSkinner<TSkinBox>(control, true);
    }
  } else if (kind == "trackbar") {
    if (has(xcButton)) {
      SetPropByName(control, "Transparent", "True");
      AttachSkinner<TSkinTrackBar>(control);
    }
  } else if (kind == "button") {
    if (has(xcButton)) AttachSkinner<TSkinButton>(control);
  } else if (kind == "datetimepicker") {
    if (has(xcCombo)) AttachSkinner<TSkinDateTime>(control);
  } else if (kind == "mediaplayer") {
    if (has(xcButton)) AttachSkinner<TSkinMP>(control);
  } else if (kind == "bitbtn") {
    if (has(xcButton)) {
      if (key == "tcxbutton=" && GetEnumPropByName(control, "Kind") == "cxbkDropDownButton") {
        AttachSkinner<TSkinMenuButton>(control);
      } else {
        AttachSkinner<TSkinBitButton>(control);
      }
    }
  } else if (kind == "pngbitbtn") {
    if (has(xcButton)) {
      auto* skinner = NewSkinner<TSkinBitButton>(control);
      skinner->FImageProperty = "PngImage";
      skinner->InitControl(this, FSkinData, &FControlCanvas, false);
    }
  } else if (kind == "pngspeedbutton" || kind == "speedbutton") {
    if (has(kind == "speedbutton" ? xcSpeedButton : xcButton)) {
      auto* skinner = NewSkinner<TSkinSpeedButton>(control);
      if (kind == "pngspeedbutton") skinner->FImageProperty = "PngImage";
      skinner->InitSpeedButton(this, FSkinData, &FControlCanvas);
    }
  } else if (kind == "menubtn") {
    if (has(xcButton)) AttachSkinner<TSkinMenuButton>(control);
  } else if (kind == "tab") {
    if (has(xcTab) && skin.Tabs) AttachSkinner<TSkinTab>(control);
  } else if (kind == "progress") {
    if (has(xcProgress)) AttachSkinner<TSkinProgress>(control);
  } else if (kind == "scrollbar") {
    if (has(xcScrollbar)) {
      AttachScrollSkinner<TSkinScrollbar>(*this, control);
      SkinChildren(windowed);
    }
  } else if (kind == "singlescrollbar") {
    if (has(xcScrollbar)) {
      auto* skinner = NewSkinner<TSkinScrollbar>(control);
      skinner->FKind = 1;
      skinner->InitScrollControl(control, FSkinData, &FControlCanvas, this);
    }
  } else if (kind == "embedscrollbar") {
    if (has(xcScrollbar)) {
      for (fw::TControl* child : ChildrenOf(windowed)) {
        if (IsA(child, role::kScrollBar)) {
          AttachSkinner<TSkinScControl>(child);
        } else if (HasScrollBars(child)) {
          AttachScrollSkinner<TSkinScrollbar>(*this, child);
        }
      }
    }
  } else if (kind == "container") {
    SkinChildren(windowed);
  } else if (kind == "groupbox") {
    if (has(xcGroupBox)) AttachSkinner<TSkinGroupBox>(control, true);
  } else if (kind == "advpagecontrol") {
    if (has(xcTab)) {
      auto* skinner = NewSkinner<TSkinAdvPage>(control);
      skinner->FPageStyle = 4;
      skinner->InitControl(this, FSkinData, &FControlCanvas, true);
    }
  } else if (kind == "radiogroup") {
    if (has(xcGroupBox)) {
      if (has(xcRadioButton)) SkinGroupButtons(windowed, false);
      AttachSkinner<TSkinGroupBox>(control, true);
    }
  } else if (kind == "checkgroup") {
    if (has(xcPanel)) {
      if (has(xcRadioButton)) SkinGroupButtons(windowed, true);
      if (has(xcGroupBox)) AttachSkinner<TSkinGroupBox>(control, true);
    }
  } else if (kind == "checkbox") {
    if (has(xcCheckBox)) AttachSkinner<TSkinCheckBox>(control);
  }
  // "nil" and every other kind: the control stays as it is.
  return true;
}

// ---- Windows of no framework form -------------------------------------------------------------

void TWinSkinForm::SkinChildWindows(HWND window) {
  std::vector<HWND> children;
  for (HWND child = GetTopWindow(window); child; child = GetWindow(child, GW_HWNDNEXT)) children.push_back(child);
  for (HWND child : children)
    if (IsWindow(child) && (StyleOf(child) & WS_CHILD)) SkinChildWindow(child);
}

void TWinSkinForm::SkinChildWindow(HWND window) {
  if (!window || !FSkinData || FindSkinnerByHandle(window)) return;
  const TSkinData& skin = *FSkinData;
  auto has = [&skin](TSkinControlType kind) { return skin.HasControl(kind); };
  const std::string name = WindowClassLower(window);
  const auto style = static_cast<DWORD>(StyleOf(window));
  auto faceBehind = [&] {
    // A framework panel inside a foreign window takes the skin's face colour; no skinner.
    if (fw::TWinControl* control = fw::FindControl(window)) control->SetColor(skin.Colours[ciButtonFace]);
  };

  if (name == "button" && (style & 0xB) != 0xB) {
    if ((style & 7) == 7 || (style & 0x80) == 0x80) return;  // group boxes and bitmap buttons
    if ((style & 3) == 3 || (style & 2) == 2 || (style & 5) == 5) {
      if (has(xcCheckBox)) AttachWindowSkinner<TSkinCheckBox>(window);
    } else if ((style & 9) == 9 || (style & 4) == 4) {
      if (has(xcRadioButton)) AttachWindowSkinner<TSkinRadioButton>(window);
    } else if (has(xcButton)) {
      AttachWindowSkinner<TSkinButton>(window);
    }
  } else if (name == "combobox" && has(xcCombo)) {
    if ((style & 3) != CBS_SIMPLE) AttachWindowSkinner<TSkinComBox>(window);
  } else if (name == "comboboxex32" && has(xcCombo)) {
    if (HWND inner = GetWindow(window, GW_CHILD)) AttachWindowSkinner<TSkinComBox>(inner);
  } else if (name == "scrollbar" && !(style & 0x10000) && (style & (SBS_SIZEBOX | SBS_SIZEGRIP))) {
    // Size boxes only: a scroll bar control would be painted over with the face colour.
    AttachWindowSkinner<TSkinSizer>(window);
  } else if (name == "systreeview32") {
    return;
  } else if (name == "#32770" && !(style & 0x10000)) {
    SkinChildWindows(window);
    AttachWindowSkinner<TSkinBoxH>(window);
  } else if (name == "tpanel" || name == "ttntpanel.unicodeclass" || name == "ttntsilentpaintpanel.unicodeclass") {
    SkinChildWindows(window);
    faceBehind();
  } else if (name == "tcheckbox" && has(xcCheckBox)) {
    AttachWindowSkinner<TSkinCheckBox>(window);
  } else if (name == "tcombobox" && has(xcCombo)) {
    AttachWindowSkinner<TSkinComBox>(window);
  } else if (name == "tbutton" && has(xcButton)) {
    AttachWindowSkinner<TSkinButton>(window);
  } else if (name == "tprogressbar") {
    AttachWindowSkinner<TSkinProgress>(window);
  } else if (name == "tsilentpaintpanel") {
    faceBehind();
  } else if (name == "systabcontrol32" && has(xcTab) && !(style & TCS_OWNERDRAWFIXED)) {
    AttachWindowSkinner<TSkinTab>(window);
  } else if (name == "toolbarwindow32") {
    AttachWindowSkinner<TSkinBoxH>(window);
  } else if (name == "edit" && has(xcEdit)) {
    AttachWindowSkinner<TSkinEdit>(window);
  }
}

}  // namespace skin
