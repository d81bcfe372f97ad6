#include "skin/controls/box_skinner.h"

namespace skin {

const fw::ClassInfo& TSkinBox::StaticClass() {
  static const fw::ClassInfo info = fw::ClassBuilder<TSkinBox>("TSkinBox", &TSkinControl::StaticClass()).Build();
  return info;
}

const fw::ClassInfo& TSkinBoxH::StaticClass() {
  static const fw::ClassInfo info = fw::ClassBuilder<TSkinBoxH>("TSkinBoxH", &TSkinControl::StaticClass()).Build();
  return info;
}

const fw::ClassInfo& TSkinSizer::StaticClass() {
  static const fw::ClassInfo info = fw::ClassBuilder<TSkinSizer>("TSkinSizer", &TSkinControl::StaticClass()).Build();
  return info;
}

void TSkinBox::InitControl(ISkinnerHost* form, TSkinData* skinData, fw::TCanvas* canvas, bool setColor) {
  if (FInitialized) return;
  FSetColor = setColor;
  FSkinData = skinData;
  FCanvas = canvas;
  FControl = dynamic_cast<fw::TControl*>(Owner());
  if (!FControl) return;
  if (auto* windowed = dynamic_cast<fw::TWinControl*>(FControl); windowed && windowed->HandleAllocated())
    FHandle = windowed->Handle();
  Register(form);
  if (FSetColor) {
    FOldColor = FControl->Color();
    FControl->SetColor(FaceColor());
  }
  FInitialized = true;
  FLifeState = kSkinnerAttached;
}

void TSkinBox::Unskin() {
  if (!FActive) return;
  FActive = false;
  if (FSetColor && FControl && !FControl->HasState(fw::ComponentState::Destroying)) FControl->SetColor(FOldColor);
}

void TSkinBox::AfterMessage(fw::TMessage&) {}

bool TSkinBoxH::BeforeMessage(fw::TMessage& message) {
  switch (message.Msg) {
    case WM_ERASEBKGND: {
      RECT window{};
      GetWindowRect(FHandle, &window);
      FillFace(reinterpret_cast<HDC>(message.WParam),
               RECT{0, 0, window.right - window.left, window.bottom - window.top});
      message.Result = 0;
      return false;
    }
    case WM_CTLCOLORSCROLLBAR:
      CallDefault(message);
      if (FSkinData && FSkinData->FaceBrush) message.Result = reinterpret_cast<LRESULT>(FSkinData->FaceBrush.get());
      return false;
    default:
      return TSkinControl::BeforeMessage(message);
  }
}

void TSkinSizer::DrawControl(HDC dc, const RECT& rect) { FillFace(dc, rect); }

}  // namespace skin
