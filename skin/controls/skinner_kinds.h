// The kinds of control skinner that control discovery chooses between. Each kind is its own class
// (its class name is the kind's name) with the fields discovery sets before attaching it. Until a
// kind draws its own look it behaves as the base: it attaches, answers the skinner queries, and
// repaints on focus, enable and text changes.
#pragma once

#include <string>

#include "skin/controls/box_skinner.h"
#include "skin/controls/button_skinner.h"
#include "skin/controls/check_skinner.h"
#include "skin/controls/combo_list_scroll_skinner.h"
#include "skin/controls/group_box_skinner.h"
#include "skin/controls/header_skinner.h"
#include "skin/controls/scroll_skinner.h"
#include "skin/controls/skin_control.h"
#include "skin/controls/status_bar_skinner.h"

namespace skin {

// A kind that adds nothing to its base yet.
#define SKIN_DECLARE_KIND(Kind, Base) \
  class Kind : public Base {          \
    FW_DECLARE_CLASS()                \
    using Base::Base;                 \
  };

// Buttons (the rest: button_skinner.h) and the media player's button bar.
SKIN_DECLARE_KIND(TSkinMP, TSkinControl)

// The glyph-only kind for other libraries' check controls (check boxes and radio buttons:
// check_skinner.h).
class TSkinObjImage : public TSkinControl {
  FW_DECLARE_CLASS()
  using TSkinControl::TSkinControl;
  int FObjKind = 0;  // 1 and 3 check boxes, 2 radio buttons
};

// Size grips: box_skinner.h; scroll bars of scrolling controls, list views, bare windows and scroll
// bar controls: scroll_skinner.h; a combo box's drop-down list: combo_list_scroll_skinner.h.

// Panels, boxes and bars.
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
