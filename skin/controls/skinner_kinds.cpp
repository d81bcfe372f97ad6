#include "skin/controls/skinner_kinds.h"

namespace skin {

#define SKIN_DEFINE_KIND(Kind, Base)                                                               \
  const fw::ClassInfo& Kind::StaticClass() {                                                       \
    static const fw::ClassInfo info = fw::ClassBuilder<Kind>(#Kind, &Base::StaticClass()).Build(); \
    return info;                                                                                   \
  }

SKIN_DEFINE_KIND(TSkinMP, TSkinControl)
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

}  // namespace skin
