#include "skin/controls/skinner_kinds.h"

namespace skin {

#define SKIN_DEFINE_KIND(Kind, Base)                                                               \
  const fw::ClassInfo& Kind::StaticClass() {                                                       \
    static const fw::ClassInfo info = fw::ClassBuilder<Kind>(#Kind, &Base::StaticClass()).Build(); \
    return info;                                                                                   \
  }

SKIN_DEFINE_KIND(TSkinButton, TSkinControl)
SKIN_DEFINE_KIND(TSkinBitButton, TSkinButton)
SKIN_DEFINE_KIND(TSkinMenuButton, TSkinButton)
SKIN_DEFINE_KIND(TSkinSpeedButton, TSkinControl)
SKIN_DEFINE_KIND(TSkinMP, TSkinControl)
SKIN_DEFINE_KIND(TSkinCheckBox, TSkinControl)
SKIN_DEFINE_KIND(TSkinRadioButton, TSkinControl)
SKIN_DEFINE_KIND(TSkinObjImage, TSkinControl)
SKIN_DEFINE_KIND(TSkinProgress, TSkinControl)
SKIN_DEFINE_KIND(TSkinTrackBar, TSkinControl)
SKIN_DEFINE_KIND(TSkinEdit, TSkinControl)
SKIN_DEFINE_KIND(TSkinComBox, TSkinControl)
SKIN_DEFINE_KIND(TSkinDateTime, TSkinControl)
SKIN_DEFINE_KIND(TSkinUpDown, TSkinControl)
SKIN_DEFINE_KIND(TSkinTab, TSkinControl)
SKIN_DEFINE_KIND(TSkinTabBtn, TSkinTab)
SKIN_DEFINE_KIND(TSkinTab31, TSkinTab)
SKIN_DEFINE_KIND(TSkinTabSheet, TSkinTab)
SKIN_DEFINE_KIND(TSkinAdvPage, TSkinTab)

#undef SKIN_DEFINE_KIND

void TSkinSpeedButton::InitSpeedButton(ISkinnerHost* form, TSkinData* skinData, fw::TCanvas* canvas) {
  if (FInitialized) return;
  FSkinData = skinData;
  FCanvas = canvas;
  FControl = dynamic_cast<fw::TControl*>(Owner());
  FGraphicControl = FControl;
  if (!FControl) return;
  HookControl(FControl);
  Register(form);
  FControl->Invalidate();
  FInitialized = true;
  FLifeState = kSkinnerAttached;
}

}  // namespace skin
