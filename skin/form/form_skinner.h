// TWinSkinForm, the form skinner: the skin manager gives one to every top-level window, dialog,
// MDI frame and MDI child that it skins, whether or not the window belongs to a framework form.
// It sees every message of the window first (its procedure chain) and, while the frame is skinned,
// every message of the framework form (its window method). It draws the whole non-client area
// from the skin, gives the window a shaped region when the skin's borders are transparent, and
// recomputes the client area from the skin's border sizes. Control and menu skinners reach the
// window's skin component and state through it.
//
// The object's life cycle, metrics, region and message tables are in form_skinner.cpp; the frame
// painting (borders, caption, caption text, icon) in form_frame_paint.cpp; the caption buttons,
// their mouse protocol and hints in caption_buttons.cpp. Every rectangle comes from the frame
// geometry (frame_geometry.h), which painting, hit-testing and WM_NCCALCSIZE share.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "framework/component.h"
#include "framework/font.h"
#include "framework/form.h"
#include "framework/graphics/bitmap.h"
#include "framework/graphics/canvas.h"
#include "framework/handles.h"
#include "skin/controls/skin_control.h"
#include "skin/controls/skinner_base.h"
#include "skin/controls/window_method_hook.h"
#include "skin/core/skinner_links.h"
#include "skin/core/thread_timer.h"
#include "skin/form/frame_geometry.h"
#include "skin/paint/skin_paint.h"

namespace skin {

class TSkinData;
class TNCObject;
class TWinSysButton;
class MdiClientHook;

class TWinSkinForm : public fw::TComponent, public SkinnerBase, public IFormSkinner, public ISkinnerHost {
  FW_DECLARE_CLASS()

 public:
  // Owner: the framework form, or nullptr for a window of no framework form.
  explicit TWinSkinForm(fw::TComponent* owner);
  ~TWinSkinForm() override;

  // Called by the skin manager after it has set FHandle, FManagerTag and FEventName: for the
  // window of a framework form, or for any other window.
  void AttachForm(TSkinData* skinData, fw::TForm* form);
  void AttachWindow(TSkinData* skinData);

  // --- What the skin manager asks (IFormSkinner). ---
  [[nodiscard]] HWND Window() const override { return FHandle; }
  [[nodiscard]] TSkinData* SkinData() const override { return FSkinData; }
  [[nodiscard]] TFormLifeState LifeState() const override { return FLifeState; }
  [[nodiscard]] TMdiKind MdiKind() const override { return FMdiKind; }
  [[nodiscard]] const std::string& EventName() const override { return FEventName; }
  void Detach() override;
  void UpdateMetrics() override;
  void Recolor() override;
  void PaintFrame(HDC dc) override;
  void UpdateRegion() override;
  void RemoveRegion() override;
  void AddSizeGrip(HWND grip) override;

  // --- Control skinners attached to this window (ISkinnerHost). ---
  bool AddSkinner(TSkinControl* skinner) override;
  void RemoveSkinner(TSkinControl* skinner) override;
  // The last listed skinner of the window, or nullptr.
  [[nodiscard]] TSkinControl* FindSkinnerByHandle(HWND window) const;

  // --- Control discovery (control_discovery.cpp). ---
  void SkinFormControls(fw::TForm* form);
  void SkinComponents(fw::TComponent* owner);
  void SkinChildren(fw::TWinControl* control);
  void SkinControl(fw::TControl* control, fw::TControl* parent);
  // True when a Skin3rd line names the class (upper case), whatever it then did.
  bool SkinBySkin3rd(const std::string& className, fw::TControl* control);
  void SkinChildWindows(HWND window);
  void SkinChildWindow(HWND window);
  [[nodiscard]] bool HasSkinner(fw::TControl* control);
  [[nodiscard]] bool IsSkipped(fw::TWinControl* control);
  void DisableGroupChildren(fw::TControl* control);
  void SkinEditIfBordered(fw::TControl* control);
  [[nodiscard]] static bool HasScrollBars(fw::TControl* control);

  // Screen point → point relative to the window's top-left corner.
  [[nodiscard]] POINT ScreenToFrame(int x, int y) const;
  // The window text with the caption's prefix and suffix.
  [[nodiscard]] std::wstring CaptionText() const { return FCaptionPrefix + WindowTextWide() + FCaptionSuffix; }

  // The window procedure and the call into what the window had before.
  void FormWndProc(fw::TMessage& message);
  using SkinnerBase::CallDefault;

  // --- The geometry of this window now. ---
  [[nodiscard]] FrameWindow GeometryWindow() const;
  [[nodiscard]] FrameMetrics Metrics() const;

  // --- State read by the skin manager, the caption buttons and the control and menu skinners. ---
  fw::UniqueFont FTitleFont;            // caption font of the system's non-client metrics
  uint8_t FActivated = 0;               // SKM_ACTIVATE has been received
  TThreadTimer FHoverTimer;             // 250 ms caption-button hover and hints, while active
  std::wstring FCaptionSuffix = L"  ";  // appended to the caption text
  std::wstring FCaptionPrefix = L" ";   // put before the caption text
  std::string FClassName;               // window class name (at most 100 characters)
  uint8_t FMenuUpdateSaved = 0;         // the component's MenuUpdate, kept for an MDI frame
  uint8_t FSkinFrame = 0;               // borders, caption and menu bar are skinned
  RECT FClientRect{};                   // last client rectangle
  uint32_t FLastRightClick = 0;         // tick of the last system menu by right click or icon
  int FDoubleClickTime = 0;             // GetDoubleClickTime at creation
  int FCaptionTextWidth = 0;            // measured caption width of a dialog-class window
  HWND FOwnerWnd = nullptr;             // GW_OWNER at attach
  HICON FIcon = nullptr;                // icon last read (not owned)
  int FIconSize = 0;                    // small-icon width used to draw it
  std::wstring FDialogCaption;          // caption text of a dialog-class window, as measured
  int FBorderLeft = 0, FBorderTop = 0;  // skin frame thicknesses; FBorderTop is the caption's
  int FBorderRight = 0, FBorderBottom = 0;
  RECT FWindowRect{};                                    // window rectangle (screen) at the last frame paint
  RECT FCaptionTextRect{};                               // where the caption text was last placed
  RECT FNativeFrame{};                                   // native frame sizes at activation (Right, Bottom)
  int FMenuBarHeight = 0;                                // height of the skinned menu band, 0 when none
  int FButtonCount = 0;                                  // caption-button objects
  uint8_t FInMenuLoop = 0;                               // a menu-bar popup is being tracked
  uint8_t FRightToLeft = 0;                              // WS_EX_LEFTSCROLLBAR
  uint8_t FSizable = 0;                                  // WS_THICKFRAME
  uint8_t FUnicode = 0;                                  // IsWindowUnicode
  uint8_t FDialogClass = 0;                              // class "#32770" or "TMessageForm"
  uint8_t FIsChild = 0;                                  // WS_CHILD
  HWND FMdiClient = nullptr;                             // the MDI client child of an MDI frame
  HMENU FNativeMenu = nullptr;                           // GetMenu at attach
  HMENU FSystemMenu = nullptr;                           // GetSystemMenu (FALSE) at activation
  HMENU FTrackedMenu = nullptr;                          // menu of the menu-bar item being tracked
  fw::TColor FSavedColor = fw::clBtnFace;                // the form's Color before skinning
  DWORD FStyle = 0;                                      // last read window style
  int FRightButtonsWidth = 0;                            // widest right-aligned caption-button zone
  TNCObject* FHotObject = nullptr;                       // caption or menu-bar button under the mouse or pressed
  uint8_t FOwnRegion = 0;                                // FRegion was set by this object
  fw::TForm* FForm = nullptr;                            // the framework form, nullptr for another window
  HWND FHandle = nullptr;                                // the skinned window
  fw::TCanvas FCanvas, FControlCanvas;                   // scratch canvases; the second is lent to control skinners
  TSkinData* FSkinData = nullptr;                        // the skin component
  std::vector<std::unique_ptr<TWinSysButton>> FButtons;  // one per SysButtons record
  fw::TBitmap FIconBitmap;                               // the small icon on magenta
  fw::TBitmap FCaptionBitmap;                            // off-screen image of the caption bar
  std::vector<TSkinControl*> FSkinners;                  // control skinners attached to this window (owned)
  int FWindowWidth = 0, FWindowHeight = 0;               // window size at the last frame paint
  int FRegionWidth = 0, FRegionHeight = 0;               // size the current transparent region was built for
  uint8_t FActive = 1;                                   // the window is active
  TMdiKind FMdiKind = TMdiKind::mkNone;
  TBorderKind FBorderKind = TBorderKind::bkSingle;
  TBorderIcons FBorderIcons = 0;
  TWindowState FWindowState = TWindowState::wsNormal;
  TFormLifeState FLifeState = lsWaiting;
  void* FManagerTag = nullptr;  // the skin manager's free Tag at creation
  std::string FEventName;       // class name passed to OnBeforeSkinForm and OnAfterSkinForm

  // The skin's frame as the geometry reads it, refreshed by UpdateMetrics.
  FrameSkin FFrameSkin;
  CaptionLayout FCaptionLayout;  // the caption as last laid out

  // --- Frame painting (form_frame_paint.cpp). ---
  void DrawBorderPiece(TBorderPiece index, const RECT& rect, HDC dc);
  // The caption bar, composed again when anything it shows changed, put on the DC.
  void PaintCaption(HDC dc);
  void DrawCaptionText(fw::TCanvas& canvas, const RECT& area);
  // The same with the caption text (prefix and suffix included) already read.
  void DrawCaptionText(fw::TCanvas& canvas, const RECT& area, const std::wstring& text);
  void LoadIconBitmap();
  void DrawIcon(HDC dc, const RECT& rect);
  void LayoutCaptionButtons();
  void DrawCaptionButtons(fw::TCanvas& canvas);
  [[nodiscard]] bool IsCaptionButtonVisible(size_t index);

  // --- Caption buttons (caption_buttons.cpp). ---
  void CreateCaptionButtons();
  [[nodiscard]] TWinSysButton* CaptionButtonAt(POINT framePoint);
  void DoCaptionButton();
  void ToggleMaximize();
  void ToggleMinimize();
  void SendToActiveMdiChild(WPARAM command);
  [[nodiscard]] bool CloseAllowed() const;
  void HoverTick();
  // No object is hot any more (after a full frame paint, or the window's end); its hint is hidden.
  void ForgetHotObject() noexcept;
  // WM_NCMOUSEMOVE … WM_NCRBUTTONDOWN; true when consumed (the default procedure not called).
  bool HandleNcMouse(fw::TMessage& message);
  void ShowSystemMenu(POINT screenPoint);

 protected:
  void HandleMessage(fw::TMessage& message) override { FormWndProc(message); }
  void WindowDestroyed() noexcept override;

 private:
  void Attach(TSkinData* skinData);
  void Activate();
  // The window text, wide (read as the window is Unicode or not; at most 1000 characters).
  [[nodiscard]] std::wstring WindowTextWide() const;
  // WM_SETTEXT through `setText` without the platform painting its caption over the skinned one.
  void SetTextWithoutNativeCaption(fw::TMessage& message, const std::function<void(fw::TMessage&)>& setText);
  // AdjustWindowSize at activation, Adjusting meanwhile; false when the window was destroyed.
  bool AdjustToSkinnedFrame();
  void AnnounceSkinned();
  void CaptureFrameSizes();
  void AdjustWindowSize(bool keepClient);
  void DetachPlain();
  void DetachOnDestroy();
  void FreeSkinners();
  // Frees one skinner that has left FSkinners: unskinned first unless `unskin` is false.
  void FreeSkinner(TSkinControl* skinner, bool unskin);
  void ReskinScrollbar(HWND window);
  // Makes a skinner of kind T owned by `owner`, to be attached by the caller.
  template <typename T>
  T* NewSkinner(fw::TComponent* owner);
  // Attaches a new skinner of kind T to a framework control (InitControl) and returns it.
  template <typename T>
  T* AttachSkinner(fw::TControl* control, bool setColor = false);
  // The same for a window of no framework control (InitHandle), owned by this form skinner.
  template <typename T>
  T* AttachWindowSkinner(HWND window);
  // Rule helpers of the discovery chain (control_discovery.cpp).
  void SkinGroupButtons(fw::TWinControl* group, bool checks);
  void SkinToolBar(fw::TWinControl* toolBar);
  void ReadWindowState();
  void DetectMdiClient();
  void SetSysMenuStyle(bool strip);
  void OnSize(fw::TMessage& message);
  void OnNcCalcSize(fw::TMessage& message);
  void OnNcHitTest(fw::TMessage& message);
  // The three stages of FormWndProc; each answers true when it dealt with the message.
  bool StageOne(fw::TMessage& message, bool& passOn);
  bool StageTwo(fw::TMessage& message, bool& passOn);
  void StageThree(fw::TMessage& message, bool& passOn);
  [[nodiscard]] bool MaximizedMdiChild() const;
  [[nodiscard]] bool UsesStageTwo() const;

  // SKM_PAINTFRAMETO and SKM_QUERYSKINFORM.
  void AnswerFrameQuery(fw::TMessage& message);
  // The framework form's window method while the frame is skinned.
  void FormWindowMethod(fw::TMessage& message);
  // The MDI client's procedure (ClientWndProc).
  friend class MdiClientHook;
  void ClientWndProc(fw::TMessage& message);

  // What the composed frame shows: painting with the same key only puts the images on again.
  struct FrameImageKey {
    struct Button {
      CaptionButtonState State;
      int32_t HotState = 0;  // the State of the hot object, 0 for every other button
      friend bool operator==(const Button&, const Button&) = default;
    };
    FrameWindow Window;
    FrameMetrics Metrics;
    bool WideText = true;
    std::wstring Text;
    HICON Icon = nullptr;
    uint32_t Generation = 0;  // FFrameGeneration
    std::vector<Button> Buttons;
    friend bool operator==(const FrameImageKey&, const FrameImageKey&) = default;
  };
  // What the border images of one activation state depend on.
  struct BorderImagesKey {
    int Width = 0, Height = 0;
    bool Minimized = false;
    FrameMetrics Metrics;
    uint32_t Generation = 0;
    friend bool operator==(const BorderImagesKey&, const BorderImagesKey&) = default;
  };
  // The border pieces of one activation state and the caption bar's background (the top piece
  // between the side pieces' top rows, or on the face colour when minimized): what the caption
  // text and buttons are drawn over. Kept for both states, so that activation composes neither.
  struct BorderImages {
    std::optional<BorderImagesKey> Key;
    fw::TBitmap Left, Right, Bottom, CaptionBack;
  };
  [[nodiscard]] FrameImageKey CurrentFrameKey();
  // Brings the border pieces and FCaptionBitmap up to date with what the frame shows now.
  void ComposeFrame();
  // The border images of the current activation state for the window's size and state, made
  // again when anything they show changed.
  const BorderImages& CurrentBorderImages(const FrameWindow& window, const FrameMetrics& metrics);
  // FCaptionBitmap: the background, then the caption text in `area` and the caption buttons.
  void ComposeCaption(const fw::TBitmap& background, const RECT& area, const std::wstring& text);
  void PutCaption(HDC dc);
  [[nodiscard]] fw::TBitmap BorderPieceImage(TBorderPiece index, int width, int height) const;
  // The icon scaled to width × height (CopyImage), kept while the same icon is drawn at that size.
  HICON ScaledIcon(HICON icon, int width, int height);

  // The plate under the caption text (the Title's image) for one activation state and width.
  struct TextPlate {
    KeyedImage Image;
    int Width = -1, Height = -1;
    uint32_t Generation = 0;
  };

  // A composed caption bar: what it shows, its image and the layout it was drawn with.
  struct ComposedCaption {
    std::optional<FrameImageKey> Key;
    fw::TBitmap Image;
    CaptionLayout Layout;
  };
  // FCaptionLayout's text rectangles and button places made current (as DrawCaptionText and
  // LayoutCaptionButtons leave them).
  void UseCaptionLayout();

  // The caption text last measured, and its size in the caption font.
  struct MeasuredCaption {
    std::wstring Text;
    bool Wide = true;  // drawn as wide text
    Size Extent;
  };
  // The icon's last drawing off-screen: the pixels under it before and after.
  struct IconDrawing {
    HICON Icon = nullptr;                     // the scaled icon drawn; nullptr when nothing is kept
    COLORREF TextColour = 0, BackColour = 0;  // the DC's, which a monochrome icon takes
    fw::TBitmap Under, Before, After;
  };

  // Expires with this object: handlers it lends to controls (tool-bar painting) test it first.
  std::shared_ptr<TWinSkinForm*> FAlive = std::make_shared<TWinSkinForm*>(this);
  std::optional<FrameImageKey> FFrameKey;       // what the composed images show
  ComposedCaption FOtherCaption;                // the last caption of the other activation state
  TextPlate FTextPlates[2];                     // of the inactive [0] and the active [1] caption
  BorderImages FBorderImages[2];                // of the inactive [0] and the active [1] frame
  const BorderImages* FShownBorders = nullptr;  // those FFrameKey was composed with
  uint32_t FFrameGeneration = 0;                // counts skin and icon changes
  KeyedImage FIconImage;                        // FIconBitmap keyed with magenta, drawn without an icon
  fw::UniqueIcon FScaledIcon;                   // ScaledIcon's copy
  HICON FScaledIconSource = nullptr;            // the icon it was copied from
  SIZE FScaledIconSize{};
  IconDrawing FLastIconDrawing;
  std::optional<MeasuredCaption> FMeasuredCaption;
  WindowMethodHook FFormMethod;                // FOldWindowMethod: the form's window method
  std::unique_ptr<MdiClientHook> FClientHook;  // FOldClientProc: the MDI client's chain layer
  HRGN FRegion = nullptr;                      // the region set on the window (the system owns it)
  bool FFrameAdjusted = false;                 // the window was resized for the skinned frame
};

}  // namespace skin
