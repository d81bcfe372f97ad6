#include "skin/form/caption_buttons.h"

#include <windowsx.h>

#include <algorithm>

#include "framework/application.h"
#include "skin/core/skin_data.h"
#include "skin/core/skin_messages.h"
#include "skin/form/form_skinner.h"
#include "skin/paint/platform_family.h"
#include "skin/paint/skin_paint.h"

namespace skin {
namespace {

constexpr int kHintBelowCursor = 24;

// The message was dealt with here: the default procedure does not see it.
void Consume(fw::TMessage& message) {
  message.Msg = 0;
  message.Result = 0;
}

int FramesOf(int32_t frames) { return frames < 1 ? 1 : frames; }

}  // namespace

const char* CaptionButtonHint(int32_t action) {
  switch (CommandOf(action)) {
    case CaptionCommand::Close:
    case CaptionCommand::MdiChildClose:
      return "Close";
    case CaptionCommand::ToggleMaximize:
      return "Maximize";
    case CaptionCommand::ToggleMinimize:
    case CaptionCommand::MdiChildMinimize:
      return "Minimize";
    case CaptionCommand::MdiChildRestore:
      return "Restore";
    default:
      return nullptr;
  }
}

// ---- TNCObject ------------------------------------------------------------------------------------

void TNCObject::MouseDown() {
  if (Form->FHotObject && Form->FHotObject != this) Form->FHotObject->MouseLeave();
  if (!Visible) return;
  Form->FHotObject = this;
  State = osPressed;
  Paint();
}

void TNCObject::MouseUp() {
  if (!Visible) return;
  State = osHot;
  Paint();
}

void TNCObject::MouseEnter() {
  if (Form->FHotObject == this) return;
  if (Form->FHotObject) Form->FHotObject->MouseLeave();
  if (!Visible) return;
  Form->FHotObject = this;
  State = osHot;
  Paint();
}

void TNCObject::MouseLeave() {
  if (!Visible) return;
  if (Form->FHotObject == this) Form->FHotObject = nullptr;
  State = osNormal;
  Paint();
  if (Form->FSkinData) {
    Form->FSkinData->HideCaptionHint();
    Form->FSkinData->HoverTime = 0;
  }
}

// ---- TWinSysButton --------------------------------------------------------------------------------

void TWinSysButton::Paint() {
  // The caption is composed again with this button in its state and put on in one blit.
  HDC dc = GetWindowDC(Form->FHandle);
  if (!dc) return;
  Form->PaintCaption(dc);
  ReleaseDC(Form->FHandle, dc);
}

void TWinSysButton::PaintTo(HDC dc, int32_t state) {
  const RECT& bounds = BoundsRect;
  if (DrawnAsWindowIcon(SkinButton->Action)) {
    Form->DrawIcon(dc, bounds);
    return;
  }
  if (!SkinButton->Bitmap || SkinButton->Bitmap->Empty()) return;
  const int frames = FramesOf(SkinButton->Frame);
  int32_t frame = state;
  if (!Enabled) frame = frames > 3 ? 4 : 1;
  if (SkinButton->Visibility == bvMdiChildMaximized && state == osHot) frame = 4;
  if (frame > frames) frame = 1;
  FrameImage(frames, frame, bounds.right - bounds.left, bounds.bottom - bounds.top).Draw(dc, bounds);
}

const KeyedImage& TWinSysButton::FrameImage(int frames, int frame, int width, int height) {
  static const KeyedImage none;
  if (frame < 1 || width <= 0 || height <= 0) return none;
  if (width != frameImagesSize_.cx || height != frameImagesSize_.cy) {
    frameImages_.clear();
    frameImagesSize_ = SIZE{width, height};
  }
  const auto at = static_cast<size_t>(frame);
  if (frameImages_.size() <= at) frameImages_.resize(at + 1);
  if (frameImages_[at].Empty()) frameImages_[at] = KeyedFrame(*SkinButton->Bitmap, frames, frame, width, height);
  return frameImages_[at];
}

// ---- The caption buttons of a form skinner ------------------------------------------------------

void TWinSkinForm::CreateCaptionButtons() {
  FHotObject = nullptr;
  FButtons.clear();
  if (!FSkinData) return;
  for (size_t i = 0; i < FSkinData->SysButtons.size(); ++i)
    FButtons.push_back(std::make_unique<TWinSysButton>(*this, *FSkinData->SysButtons[i], i));
  FButtonCount = static_cast<int>(FButtons.size());
}

TWinSysButton* TWinSkinForm::CaptionButtonAt(POINT framePoint) {
  const int index = skin::CaptionButtonAt(FFrameSkin, FCaptionLayout, Point{framePoint.x, framePoint.y});
  if (index < 0) return nullptr;
  for (const auto& button : FButtons)
    if (button->Index == static_cast<size_t>(index)) return button.get();
  return nullptr;
}

bool TWinSkinForm::CloseAllowed() const {
  const PlatformVersion platform = RunningPlatform();
  if (platform.Family == PlatformFamily::Windows9x) return true;
  if (platform.Major < 5) return true;
  MENUITEMINFOA item{};
  item.cbSize = sizeof item;
  item.fMask = MIIM_ID;
  return FSystemMenu && GetMenuItemInfoA(FSystemMenu, SC_CLOSE, FALSE, &item);
}

void TWinSkinForm::ToggleMaximize() {
  PostMessageA(FHandle, WM_SYSCOMMAND, FWindowState == TWindowState::wsMaximized ? SC_RESTORE : SC_MAXIMIZE, 0);
}

void TWinSkinForm::ToggleMinimize() {
  PostMessageA(FHandle, WM_SYSCOMMAND, FWindowState == TWindowState::wsMinimized ? SC_RESTORE : SC_MINIMIZE, 0);
}

void TWinSkinForm::SendToActiveMdiChild(WPARAM command) {
  if (!FMdiClient) return;
  const auto active = reinterpret_cast<HWND>(SendMessageA(FMdiClient, WM_MDIGETACTIVE, 0, 0));
  if (active) PostMessageA(active, WM_SYSCOMMAND, command, 0);
}

void TWinSkinForm::ShowSystemMenu(POINT screenPoint) {
  if (!FSystemMenu) return;
  FLastRightClick = GetTickCount();
  const UINT command = static_cast<UINT>(TrackPopupMenu(FSystemMenu, TPM_RETURNCMD | TPM_LEFTALIGN | TPM_TOPALIGN,
                                                        screenPoint.x, screenPoint.y, 0, FHandle, nullptr));
  if (command) PostMessageA(FHandle, WM_SYSCOMMAND, command, 0);
}

void TWinSkinForm::DoCaptionButton() {
  auto* button = dynamic_cast<TWinSysButton*>(FHotObject);
  if (!button) return;
  const int32_t action = button->SkinButton->Action;
  switch (CommandOf(action)) {
    case CaptionCommand::Close:
      if (!CloseAllowed()) return;
      FHoverTimer.SetEnabled(false);
      PostMessageA(FHandle, WM_SYSCOMMAND, SC_CLOSE, 0);
      return;
    case CaptionCommand::ToggleMaximize:
      if (button->Enabled) ToggleMaximize();
      return;
    case CaptionCommand::ToggleMinimize:
      if (button->Enabled) ToggleMinimize();
      return;
    case CaptionCommand::SystemMenu: {
      POINT cursor{};
      GetCursorPos(&cursor);
      ShowSystemMenu(POINT{cursor.x + 1, cursor.y + 1});
      return;
    }
    case CaptionCommand::ContextHelp:
      PostMessageA(FHandle, WM_SYSCOMMAND, SC_CONTEXTHELP, 0);
      return;
    case CaptionCommand::MdiChildMinimize:
      SendToActiveMdiChild(SC_MINIMIZE);
      return;
    case CaptionCommand::MdiChildRestore:
      SendToActiveMdiChild(SC_RESTORE);
      return;
    case CaptionCommand::MdiChildClose:
      SendToActiveMdiChild(SC_CLOSE);
      return;
    case CaptionCommand::Custom:
      PostMessageA(FHandle, SKM_CUSTOMBUTTON, static_cast<WPARAM>(action), 0);
      return;
  }
}

bool TWinSkinForm::HandleNcMouse(fw::TMessage& message) {
  const POINT point = ScreenToFrame(GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam));
  TWinSysButton* button = CaptionButtonAt(point);
  switch (message.Msg) {
    case WM_NCMOUSEMOVE:
      if (!FActive) return false;
      if (button) {
        button->MouseEnter();
        Consume(message);
        return true;
      }
      if (FHotObject) FHotObject->MouseLeave();
      FHotObject = nullptr;
      return false;
    case WM_NCLBUTTONDOWN:
      if (FSkinData) FSkinData->HideCaptionHint();
      if (button) {
        if (!FActive) SetForegroundWindow(FHandle);
        button->MouseDown();
        Consume(message);
        return true;
      }
      // A maximized window cannot be dragged by its caption.
      if (FWindowState == TWindowState::wsMaximized && message.WParam == HTCAPTION && FActive) message.WParam = HTMENU;
      return false;
    case WM_NCLBUTTONUP:
      if (FSkinData) FSkinData->HideCaptionHint();
      if (button) {
        // Only a release over the button that was pressed clicks it.
        if (button == FHotObject && button->State == osPressed) {
          button->MouseUp();
          DoCaptionButton();
        }
        Consume(message);
        return true;
      }
      if (FHotObject && FHotObject->State == osPressed) FHotObject->MouseLeave();
      return false;
    case WM_NCLBUTTONDBLCLK:
      if (button) {
        if (DrawnAsWindowIcon(button->SkinButton->Action)) {
          FHoverTimer.SetEnabled(false);
          PostMessageA(FHandle, WM_SYSCOMMAND, SC_CLOSE, 0);
        }
        Consume(message);
        return true;
      }
      if (message.WParam != HTCAPTION) return false;
      if (FWindowState != TWindowState::wsNormal) {
        PostMessageA(FHandle, WM_SYSCOMMAND, SC_RESTORE, 0);
      } else if (FBorderIcons & biMaximize) {
        ToggleMaximize();
      } else {
        return false;
      }
      Consume(message);
      return true;
    case WM_NCRBUTTONDOWN:
      if (FSkinData) FSkinData->HideCaptionHint();
      if (message.WParam == HTCAPTION && FMdiKind != TMdiKind::mkChild) {
        ShowSystemMenu(POINT{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)});
        Consume(message);
        return true;
      }
      return false;
    default:
      return false;
  }
}

void TWinSkinForm::ForgetHotObject() noexcept {
  if (!FHotObject) return;
  FHotObject->State = osNormal;
  FHotObject = nullptr;
  // Its hint goes with it: no hover tick looks at a form without a hot object.
  if (FSkinData) {
    FSkinData->HideCaptionHint();
    FSkinData->HoverTime = 0;
  }
}

void TWinSkinForm::HoverTick() {
  if (FInMenuLoop || !FHotObject || !FSkinData) return;
  POINT cursor{};
  GetCursorPos(&cursor);
  const POINT point = ScreenToFrame(cursor.x, cursor.y);
  const bool listed =
      std::any_of(FButtons.begin(), FButtons.end(), [this](const auto& button) { return button.get() == FHotObject; });
  if (!PtInRect(&FHotObject->BoundsRect, point)) {
    if (listed) FHotObject->MouseLeave();
    FHotObject = nullptr;
    FSkinData->HideCaptionHint();
    FSkinData->HoverTime = 0;
    return;
  }
  auto* button = dynamic_cast<TWinSysButton*>(FHotObject);
  if (!listed || !button) return;
  FSkinData->HoverTime += static_cast<int32_t>(FHoverTimer.Interval());
  const int pause = fw::Application ? fw::Application->HintPause : 500;
  const int hidePause = fw::Application ? fw::Application->HintHidePause : 2500;
  const char* hint = CaptionButtonHint(button->SkinButton->Action);
  if (FSkinData->HoverTime >= 2 * pause && FSkinData->HoverTime < 2 * pause + hidePause) {
    if (hint) {
      RECT window{};
      GetWindowRect(FHandle, &window);
      const int left = button->BoundsRect.left + window.left;
      const int top = cursor.y + kHintBelowCursor;
      FSkinData->ShowCaptionHint(RECT{left, top, left, top}, hint);
    }
  } else if (FSkinData->HoverTime >= 2 * pause + hidePause) {
    FSkinData->HideCaptionHint();
  }
}

}  // namespace skin
