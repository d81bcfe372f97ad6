// The framework's reflected notifications (CN_*) and the skin engine's fixed message numbers never
// meet: a skinner sees every message of a window, and a framework control must not read a skin
// message as a notification from its parent.
#include <windows.h>

#include <gtest/gtest.h>

#include "app/tests/main_window_fixture.h"
#include "framework/messages.h"
#include "skin/core/skin_messages.h"

namespace {

constexpr UINT kSkinMessages[] = {
    skin::SKM_RECOLOR,      skin::SKM_REPAINTFRAME,  skin::SKM_ACTIVATE,     skin::SKM_SETSKINACTIVE,
    skin::SKM_CUSTOMBUTTON, skin::SKM_BUTTONVISIBLE, skin::SKM_REDRAWCLIENT, skin::SKM_RESKINSCROLLBAR,
    skin::SKM_OPENMENUITEM, skin::SKM_ISSKINNED,     skin::SKM_PAINTFRAMETO, skin::SKM_QUERYSKINFORM,
    skin::SKM_SKINREADY,
};

constexpr bool AnySkinMessageIsReflected() {
  for (UINT msg : kSkinMessages) {
    if (fw::IsReflectedMessage(msg)) return true;
  }
  return false;
}
static_assert(!AnySkinMessageIsReflected(), "a reflected notification would take a skin message's number");

TEST(MessageNumbers, NoReflectedNotificationTakesASkinMessageNumber) {
  const UINT reflected[] = {fw::CN_COMMAND,        fw::CN_NOTIFY,      fw::CN_DRAWITEM,       fw::CN_CTLCOLOREDIT,
                            fw::CN_CTLCOLORSTATIC, fw::CN_CTLCOLORBTN, fw::CN_CTLCOLORLISTBOX};
  for (UINT cn : reflected) EXPECT_TRUE(fw::IsReflectedMessage(cn)) << std::hex << cn;
  for (UINT skin_message : kSkinMessages) {
    EXPECT_FALSE(fw::IsReflectedMessage(skin_message)) << std::hex << skin_message;
    for (UINT cn : reflected) EXPECT_NE(cn, skin_message) << std::hex << cn;
  }
}

// The skin engine's ready signal carries kSkinMagic in lParam; a list view that took it for a
// reflected WM_NOTIFY would read a notification header at that address.
TEST_F(MainWindowTest, SkinReadySignalAtTheListViewIsNotANotification) {
  AddRows(2, "row ");
  SendMessageA(form->ListView1->Handle(), skin::SKM_SKINREADY, 0, skin::kSkinMagic);
  ASSERT_EQ(RowCount(), 2);
  EXPECT_EQ(Row(0), "row 0");
  EXPECT_EQ(Row(1), "row 1");
}

}  // namespace
