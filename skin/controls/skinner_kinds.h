// The kinds of control skinner that control discovery chooses between. Each kind is its own class
// (its class name is the kind's name) with the fields discovery sets before attaching it. Until a
// kind draws its own look it behaves as the base: it attaches, answers the skinner queries, and
// repaints on focus, enable and text changes.
#pragma once

#include <string>

#include "skin/controls/button_skinner.h"
#include "skin/controls/check_skinner.h"
#include "skin/controls/skin_control.h"

namespace skin {

// A kind that adds nothing to its base yet.
#define SKIN_DECLARE_KIND(Kind, Base) \
  class Kind : public Base {          \
    FW_DECLARE_CLASS()                \
    using Base::Base;                 \
  };

// Buttons.
SKIN_DECLARE_KIND(TSkinMP, TSkinControl)

// Check boxes, radio buttons and the glyph-only kind for other libraries' check controls.
class TSkinObjImage : public TSkinControl {
  FW_DECLARE_CLASS()
  using TSkinControl::TSkinControl;
  int FObjKind = 0;  // 1 and 3 check boxes, 2 radio buttons
};

// Scroll bars: of scrolling controls, of list views, of scroll bar controls, and size grips.
class TSkinScrollbar : public TSkinControl {
  FW_DECLARE_CLASS()
  using TSkinControl::TSkinControl;
  // Attaches to a control with scroll bars (the owner).
  virtual void InitScrollControl(fw::TControl* control, TSkinData* skinData, fw::TCanvas* canvas, ISkinnerHost* form);
};
SKIN_DECLARE_KIND(TSkinListView, TSkinScrollbar)
SKIN_DECLARE_KIND(TSkinScControl, TSkinControl)
SKIN_DECLARE_KIND(TSkinSizer, TSkinControl)

// Panels, boxes and bars.
SKIN_DECLARE_KIND(TSkinBox, TSkinControl)
SKIN_DECLARE_KIND(TSkinBoxH, TSkinControl)
SKIN_DECLARE_KIND(TSkinGroupBox, TSkinControl)
SKIN_DECLARE_KIND(TSkinHeader, TSkinControl)
SKIN_DECLARE_KIND(TSkinStatusBar, TSkinControl)
SKIN_DECLARE_KIND(TSkinProgress, TSkinControl)
SKIN_DECLARE_KIND(TSkinTrackBar, TSkinControl)

// Text entry.
SKIN_DECLARE_KIND(TSkinEdit, TSkinControl)
SKIN_DECLARE_KIND(TSkinDateTime, TSkinControl)
SKIN_DECLARE_KIND(TSkinUpDown, TSkinControl)

class TSkinComBox : public TSkinControl {
  FW_DECLARE_CLASS()
  using TSkinControl::TSkinControl;
  bool FComboEx = false;  // an extended combo box: the skinner works on its inner combo box
};

// Tabs.
SKIN_DECLARE_KIND(TSkinTab, TSkinControl)
SKIN_DECLARE_KIND(TSkinTabBtn, TSkinTab)
SKIN_DECLARE_KIND(TSkinTab31, TSkinTab)
SKIN_DECLARE_KIND(TSkinTabSheet, TSkinTab)

class TSkinAdvPage : public TSkinTab {
  FW_DECLARE_CLASS()
  using TSkinTab::TSkinTab;
  int FPageStyle = 0;  // 4: the page control's tab background bitmaps come from the skin
};

#undef SKIN_DECLARE_KIND

}  // namespace skin
