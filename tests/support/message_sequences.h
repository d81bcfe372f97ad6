// Expected message sequences, named after the action that produces them, in the style of Wine's
// conformance tables. Each table was recorded under Wine 8 on the windows that
// message_sequence_test.cpp builds, and that test proves it there. Where Windows is known or
// likely to differ (messages its default procedure does without sending, activation handed to
// another window, themes, input methods) the entries are optional and a comment says why.
//
// Recorder roles: entries without kParent/kGrandparent belong to the window under test; MDI
// tables attach the MDI client as kParent and the frame as kGrandparent.
#pragma once

#include <windows.h>

#include <algorithm>
#include <array>

#include "skin/core/skin_messages.h"
#include "tests/support/message_recorder.h"

namespace testutil {

// Set in WINDOWPOS flags when the window's minimized or maximized state changes.
inline constexpr UINT kSwpStateChanged = 0x8000;

// The table of an action that the default window procedure carries out while handling `outer`
// (WM_SYSCOMMAND SC_MINIMIZE runs ShowWindow(SW_MINIMIZE)): `outer`, then the inner table with
// every sent message nested in it.
template <size_t N>
constexpr std::array<ExpectedMessage, N + 1> HandledWithin(ExpectedMessage outer,
                                                           const std::array<ExpectedMessage, N>& inner) {
  std::array<ExpectedMessage, N + 1> table{};
  table[0] = outer;
  for (size_t i = 0; i < N; ++i) {
    table[i + 1] = inner[i];
    if (!(inner[i].flags & kPosted)) table[i + 1].flags |= kDefWinProc;
  }
  return table;
}

// Tables built from parts (std::to_array<ExpectedMessage>({...})): the parts one after the other.
template <size_t... N>
constexpr std::array<ExpectedMessage, (N + ...)> Concatenated(const std::array<ExpectedMessage, N>&... parts) {
  std::array<ExpectedMessage, (N + ...)> table{};
  auto next = table.begin();
  ((next = std::copy(parts.begin(), parts.end(), next)), ...);
  return table;
}

// A part of a table that may be missing as a whole: every entry optional.
template <size_t N>
constexpr std::array<ExpectedMessage, N> Optional(std::array<ExpectedMessage, N> part) {
  for (ExpectedMessage& entry : part) entry.flags |= kOptional;
  return part;
}

// A top-level WS_OVERLAPPEDWINDOW whose procedure is DefWindowProc, with another window of the same
// thread around. The posted WM_PAINT entries are there when the test pumped after the action.
//
// Throughout: Wine's default frame painting asks for the caption with WM_GETTEXT, Windows reads it
// without a message (optional WM_GETTEXT after WM_NCACTIVATE and WM_NCPAINT); input-method messages
// depend on the input method (optional WM_IME_*); Windows may leave WM_NCPAINT and WM_ERASEBKGND to
// the next paint cycle (optional). WM_WINDOWPOSCHANGING is checked with the flags of the request;
// the flags reported in WM_WINDOWPOSCHANGED differ between systems and are not compared.
namespace plain_window {

// ShowWindow(SW_SHOW) of a window never shown before: shown, activated, sized and moved.
inline constexpr ExpectedMessage kShowActivate[] = {
    {WM_SHOWWINDOW, kSent | kWParam, TRUE},
    {WM_WINDOWPOSCHANGING, kSent | kWParam, SWP_SHOWWINDOW | SWP_NOSIZE | SWP_NOMOVE},
    // Windows sends these first when the process was not the foreground one.
    {WM_ACTIVATEAPP, kSent | kWParam | kOptional, TRUE},
    {WM_QUERYNEWPALETTE, kSent | kOptional},
    {WM_NCACTIVATE, kSent | kWParam, TRUE},
    {WM_GETTEXT, kSent | kDefWinProc | kOptional},
    {WM_ACTIVATE, kSent | kWParam, WA_ACTIVE},
    {WM_IME_SETCONTEXT, kSent | kDefWinProc | kWParam | kOptional, TRUE},
    {WM_IME_NOTIFY, kSent | kDefWinProc | kOptional},
    {WM_SETFOCUS, kSent | kDefWinProc},
    {WM_NCPAINT, kSent | kOptional},
    {WM_GETTEXT, kSent | kDefWinProc | kOptional},
    {WM_ERASEBKGND, kSent | kOptional},
    {WM_WINDOWPOSCHANGED, kSent},
    // A window that was never sized hears of its size and place from ShowWindow itself.
    {WM_SIZE, kSent | kWParam, SIZE_RESTORED},
    {WM_MOVE, kSent},
    {WM_PAINT, kPosted},
};

// SetActiveWindow of the window while another window of the thread is active.
inline constexpr ExpectedMessage kActivate[] = {
    // Windows brings the window to the top first.
    {WM_WINDOWPOSCHANGING, kSent | kWParam | kOptional, SWP_NOSIZE | SWP_NOMOVE},
    {WM_WINDOWPOSCHANGED, kSent | kOptional},
    {WM_QUERYNEWPALETTE, kSent | kOptional},
    {WM_NCACTIVATE, kSent | kWParam, TRUE},
    {WM_GETTEXT, kSent | kDefWinProc | kOptional},
    {WM_ACTIVATE, kSent | kWParam, WA_ACTIVE},
    {WM_IME_SETCONTEXT, kSent | kDefWinProc | kWParam | kOptional, TRUE},
    {WM_IME_NOTIFY, kSent | kDefWinProc | kOptional},
    {WM_SETFOCUS, kSent | kDefWinProc},
};

// Another window of the thread is activated: the caption goes inactive, the focus leaves.
inline constexpr ExpectedMessage kDeactivate[] = {
    {WM_NCACTIVATE, kSent | kWParam, FALSE},
    {WM_GETTEXT, kSent | kDefWinProc | kOptional},
    {WM_ACTIVATE, kSent | kWParam, WA_INACTIVE},
    {WM_KILLFOCUS, kSent},
    {WM_IME_SETCONTEXT, kSent | kWParam | kOptional, FALSE},
    {WM_IME_NOTIFY, kSent | kDefWinProc | kOptional},
};

// SetWindowText: the default procedure stores the text and redraws the caption in place, without
// a WM_NCPAINT (themed Windows draws it through WM_NCUAHDRAWCAPTION).
inline constexpr ExpectedMessage kSetWindowText[] = {
    {WM_SETTEXT, kSent},
    {0x00AE /* WM_NCUAHDRAWCAPTION */, kSent | kDefWinProc | kOptional},
    {WM_GETTEXT, kSent | kDefWinProc | kOptional},
};

// ShowWindow into a new minimized, maximized or restored state: the position change that carries
// it, with the flags ShowWindow asks for and the WM_SIZE type that follows.
constexpr std::array<ExpectedMessage, 9> StateChanged(UINT requestFlags, WPARAM sizeType) {
  return {{
      {WM_WINDOWPOSCHANGING, kSent | kWParam, requestFlags},
      {WM_GETMINMAXINFO, kSent | kDefWinProc},
      {WM_NCCALCSIZE, kSent | kWParam, TRUE},
      {WM_NCPAINT, kSent | kOptional},
      {WM_GETTEXT, kSent | kDefWinProc | kOptional},
      {WM_ERASEBKGND, kSent | kOptional},
      {WM_WINDOWPOSCHANGED, kSent},
      {WM_MOVE, kSent | kDefWinProc},
      {WM_SIZE, kSent | kDefWinProc | kWParam, sizeType},
  }};
}

// ShowWindow(SW_MINIMIZE) of the active window.
inline constexpr auto kShowWindowMinimize = Concatenated(
    std::to_array<ExpectedMessage>({
        {WM_KILLFOCUS, kSent | kWParam, 0},
        {WM_IME_SETCONTEXT, kSent | kWParam | kOptional, FALSE},
        {WM_IME_NOTIFY, kSent | kDefWinProc | kOptional},
    }),
    StateChanged(kSwpStateChanged | SWP_NOCOPYBITS | SWP_SHOWWINDOW | SWP_FRAMECHANGED | SWP_NOACTIVATE | SWP_NOZORDER,
                 SIZE_MINIMIZED),
    // Windows hands the activation on to the next window; Wine 8 keeps the minimized one active.
    std::to_array<ExpectedMessage>({
        {WM_NCACTIVATE, kSent | kWParam | kOptional, FALSE},
        {WM_GETTEXT, kSent | kDefWinProc | kOptional},
        {WM_ACTIVATE, kSent | kOptional},
        {WM_ACTIVATEAPP, kSent | kWParam | kOptional, FALSE},
    }));

// ShowWindow(SW_RESTORE) of the minimized window: restored, then active and focused again.
inline constexpr auto kShowWindowRestoreFromMinimized =
    Concatenated(std::to_array<ExpectedMessage>({{WM_QUERYOPEN, kSent | kOptional}}),
                 StateChanged(kSwpStateChanged | SWP_NOCOPYBITS | SWP_FRAMECHANGED, SIZE_RESTORED),
                 std::to_array<ExpectedMessage>({
                     // Windows activates a window restored from the taskbar with the full activation sequence.
                     {WM_QUERYNEWPALETTE, kSent | kOptional},
                     {WM_NCACTIVATE, kSent | kWParam | kOptional, TRUE},
                     {WM_GETTEXT, kSent | kDefWinProc | kOptional},
                     {WM_IME_SETCONTEXT, kSent | kWParam | kOptional, TRUE},
                     {WM_IME_NOTIFY, kSent | kDefWinProc | kOptional},
                     {WM_SETFOCUS, kSent},
                     {WM_ACTIVATE, kSent | kWParam, WA_ACTIVE},
                     {WM_PAINT, kPosted},
                 }));

// ShowWindow(SW_MAXIMIZE) of the restored window.
inline constexpr auto kShowWindowMaximize =
    Concatenated(std::to_array<ExpectedMessage>({{WM_GETMINMAXINFO, kSent}}),
                 StateChanged(kSwpStateChanged | SWP_FRAMECHANGED, SIZE_MAXIMIZED),
                 std::to_array<ExpectedMessage>({{WM_PAINT, kPosted}}));

// ShowWindow(SW_RESTORE) of the maximized window.
inline constexpr auto kShowWindowRestoreFromMaximized =
    Concatenated(StateChanged(kSwpStateChanged | SWP_FRAMECHANGED, SIZE_RESTORED),
                 // Wine 8 leaves nothing to repaint: the restored window lies inside the painted maximized one.
                 std::to_array<ExpectedMessage>({{WM_PAINT, kPosted | kOptional}}));

// The same actions through the window menu's commands: the default procedure handles
// WM_SYSCOMMAND by calling ShowWindow.
inline constexpr auto kSysCommandMinimize =
    HandledWithin({WM_SYSCOMMAND, kSent | kWParam, SC_MINIMIZE}, kShowWindowMinimize);
inline constexpr auto kSysCommandRestoreFromMinimized =
    HandledWithin({WM_SYSCOMMAND, kSent | kWParam, SC_RESTORE}, kShowWindowRestoreFromMinimized);
inline constexpr auto kSysCommandMaximize =
    HandledWithin({WM_SYSCOMMAND, kSent | kWParam, SC_MAXIMIZE}, kShowWindowMaximize);
inline constexpr auto kSysCommandRestoreFromMaximized =
    HandledWithin({WM_SYSCOMMAND, kSent | kWParam, SC_RESTORE}, kShowWindowRestoreFromMaximized);

}  // namespace plain_window

// An MDI child (DefMDIChildProc) in an MDI client, in a frame (DefFrameProc) with a menu bar.
// Maximizing the child puts its window menu and caption buttons into the frame's menu bar and its
// caption into the frame's: the frame's non-client area is recalculated twice. Wine 8 paints the
// three caption buttons in the menu bar over the frame's background, which it asks for with
// WM_ERASEBKGND and WM_PRINTCLIENT; Windows paints them its own way (any number of these).
namespace mdi {

// DrawMenuBar on the frame after the menu bar changed: its non-client area is recalculated.
inline constexpr auto kFrameMenuBarRecalculated = std::to_array<ExpectedMessage>({
    {WM_WINDOWPOSCHANGING, kSent | kDefWinProc | kGrandparent | kWParam,
     SWP_FRAMECHANGED | SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE},
    {WM_NCCALCSIZE, kSent | kDefWinProc | kGrandparent | kWParam, TRUE},
    {WM_NCPAINT, kSent | kDefWinProc | kGrandparent | kOptional},
    {WM_GETTEXT, kSent | kDefWinProc | kGrandparent | kOptional},
    {WM_ERASEBKGND, kSent | kDefWinProc | kGrandparent | kAnyNumber},
    {WM_PRINTCLIENT, kSent | kDefWinProc | kGrandparent | kLParam | kAnyNumber, 0, PRF_CLIENT},
    {WM_WINDOWPOSCHANGED, kSent | kDefWinProc | kGrandparent},
});

// WM_MDIMAXIMIZE sent to the client for the active child.
inline constexpr auto kChildMaximize =
    Concatenated(std::to_array<ExpectedMessage>({
                     {WM_MDIMAXIMIZE, kSent | kParent},
                     {WM_GETMINMAXINFO, kSent | kDefWinProc},
                     {WM_WINDOWPOSCHANGING, kSent | kDefWinProc | kWParam, kSwpStateChanged | SWP_FRAMECHANGED},
                     {WM_GETMINMAXINFO, kSent | kDefWinProc},
                     {WM_NCCALCSIZE, kSent | kDefWinProc | kWParam, TRUE},
                     {WM_CHILDACTIVATE, kSent | kDefWinProc},
                     {WM_NCPAINT, kSent | kDefWinProc | kOptional},
                     {WM_ERASEBKGND, kSent | kDefWinProc | kOptional},
                     {WM_WINDOWPOSCHANGED, kSent | kDefWinProc},
                     {WM_MOVE, kSent | kDefWinProc},
                     {WM_SIZE, kSent | kDefWinProc | kWParam, SIZE_MAXIMIZED},
                 }),
                 // The frame's menu bar gains the child's window menu and caption buttons.
                 kFrameMenuBarRecalculated,
                 std::to_array<ExpectedMessage>({
                     // The frame's caption becomes "frame - [child]": both texts are read.
                     {WM_GETTEXT, kSent | kDefWinProc | kGrandparent | kOptional},
                     {WM_GETTEXT, kSent | kDefWinProc | kOptional},
                     {WM_GETTEXT, kSent | kDefWinProc | kGrandparent | kOptional},
                     {WM_ERASEBKGND, kSent | kDefWinProc | kGrandparent | kAnyNumber},
                     {WM_PRINTCLIENT, kSent | kDefWinProc | kGrandparent | kLParam | kAnyNumber, 0, PRF_CLIENT},
                 }),
                 // Wine 8 recalculates the menu bar once more for the new caption.
                 Optional(kFrameMenuBarRecalculated),
                 std::to_array<ExpectedMessage>({
                     // Posted by the client to itself: recalculate its scroll bars (Wine's own number).
                     {0x003F /* WM_MDICALCCHILDSCROLL */, kPosted | kParent | kOptional},
                     {WM_PAINT, kPosted},
                 }));

// WM_MDIRESTORE sent to the client for the maximized child.
inline constexpr auto kChildRestore =
    Concatenated(std::to_array<ExpectedMessage>({
                     {WM_MDIRESTORE, kSent | kParent},
                     {WM_WINDOWPOSCHANGING, kSent | kDefWinProc | kWParam, kSwpStateChanged | SWP_FRAMECHANGED},
                     {WM_GETMINMAXINFO, kSent | kDefWinProc},
                     {WM_NCCALCSIZE, kSent | kDefWinProc | kWParam, TRUE},
                     {WM_CHILDACTIVATE, kSent | kDefWinProc},
                     // The client's area that the child uncovers.
                     {WM_ERASEBKGND, kSent | kDefWinProc | kParent | kOptional},
                     {WM_NCPAINT, kSent | kDefWinProc | kOptional},
                     {WM_GETTEXT, kSent | kDefWinProc | kOptional},
                     {WM_WINDOWPOSCHANGED, kSent | kDefWinProc},
                     {WM_MOVE, kSent | kDefWinProc},
                     {WM_SIZE, kSent | kDefWinProc | kWParam, SIZE_RESTORED},
                 }),
                 // The child's window menu and caption buttons leave the frame's menu bar; its caption returns.
                 kFrameMenuBarRecalculated,
                 std::to_array<ExpectedMessage>({{WM_GETTEXT, kSent | kDefWinProc | kGrandparent | kOptional}}),
                 Optional(kFrameMenuBarRecalculated),
                 std::to_array<ExpectedMessage>({
                     {0x003F /* WM_MDICALCCHILDSCROLL */, kPosted | kParent | kOptional},
                     {WM_PAINT, kPosted | kParent},
                 }));

}  // namespace mdi

// Skinned windows: the tables of a window with a form skinner go here, in a namespace of their
// own (skinned_window::kShowActivate, ...), one per action like those above. Record them with the
// recorder attached after the skinner subclassed the window, so that the recording shows what the
// window receives, prove each one in the skinner's tests the way message_sequence_test.cpp proves
// these, and write down beside an entry why it is optional. A table of what passes through the
// skinner to the window's own procedure says so in its name (...BelowSkinner): its recorder was
// attached before the skinner.
namespace skinned_window {

// ShowWindow(SW_SHOW) of a WS_OVERLAPPEDWINDOW that the skin manager skins as it is activated, as
// the window's own procedure (DefWindowProc) receives it from the skinner until the skin is
// applied (SKM_SKINREADY). No WM_NCACTIVATE and no WM_NCPAINT reach it: the native frame is never
// painted. The recorder ignores the framework's registered control query, whose number varies.
inline constexpr ExpectedMessage kFirstShowBelowSkinner[] = {
    {WM_SHOWWINDOW, kSent | kWParam, TRUE},
    {WM_WINDOWPOSCHANGING, kSent | kWParam, SWP_SHOWWINDOW | SWP_NOSIZE | SWP_NOMOVE},
    // The manager asks whether the window is skinned already (from its activation hook).
    {skin::SKM_ISSKINNED, kSent},
    {WM_QUERYNEWPALETTE, kSent | kOptional},
    {WM_ACTIVATEAPP, kSent | kWParam | kOptional, TRUE},
    {WM_ACTIVATE, kSent | kWParam, WA_ACTIVE},
    {WM_IME_SETCONTEXT, kSent | kDefWinProc | kWParam | kOptional, TRUE},
    {WM_IME_NOTIFY, kSent | kDefWinProc | kOptional},
    {WM_SETFOCUS, kSent | kDefWinProc},
    {WM_ERASEBKGND, kSent | kOptional},
    {WM_WINDOWPOSCHANGED, kSent},
    {WM_SIZE, kSent | kWParam, SIZE_RESTORED},
    {WM_MOVE, kSent},
    // The skin is applied (SKM_ACTIVATE stays with the skinner): the window takes the size that
    // keeps its client inside the skin's borders. The client keeps its size: no WM_SIZE.
    {WM_WINDOWPOSCHANGING, kSent | kWParam, SWP_FRAMECHANGED | SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOMOVE},
    {WM_GETMINMAXINFO, kSent | kDefWinProc},
    {WM_NCCALCSIZE, kSent | kWParam, TRUE},
    // The system-menu style comes off before every skinned paint, so that the platform's caption
    // buttons never show (Windows 2000 keeps it).
    {WM_STYLECHANGING, kSent | kWParam | kOptional, static_cast<WPARAM>(GWL_STYLE)},
    {WM_STYLECHANGED, kSent | kWParam | kOptional, static_cast<WPARAM>(GWL_STYLE)},
    {WM_ERASEBKGND, kSent | kOptional},
    {WM_WINDOWPOSCHANGED, kSent},
    {WM_MOVE, kSent | kDefWinProc},
    // The window region: Wine recalculates and repaints the frame for it, Windows may only
    // repaint (the position change is optional). The skinner paints the frame and reads the
    // caption text for it.
    {WM_WINDOWPOSCHANGING, kSent | kOptional},
    {WM_NCCALCSIZE, kSent | kWParam | kOptional, TRUE},
    {WM_GETTEXT, kSent},
    {WM_ERASEBKGND, kSent | kOptional},
    {WM_WINDOWPOSCHANGED, kSent | kOptional},
    {skin::SKM_SKINREADY, kSent | kLParam, 0, skin::kSkinMagic},
    {WM_PAINT, kPosted},
};

// Another window of the thread is activated. The skinner answers WM_NCACTIVATE itself and paints
// the inactive frame, reading the caption for it.
inline constexpr ExpectedMessage kDeactivateBelowSkinner[] = {
    {WM_GETTEXT, kSent},
    {WM_ACTIVATE, kSent | kWParam, WA_INACTIVE},
    {WM_KILLFOCUS, kSent},
    {WM_IME_SETCONTEXT, kSent | kWParam | kOptional, FALSE},
    {WM_IME_NOTIFY, kSent | kDefWinProc | kOptional},
};

// SetActiveWindow of the skinned window while another window of the thread is active: the same
// without WM_NCACTIVATE, and the skinner's answer to the manager's query from its activation hook.
inline constexpr ExpectedMessage kActivateBelowSkinner[] = {
    // Windows brings the window to the top first.
    {WM_WINDOWPOSCHANGING, kSent | kWParam | kOptional, SWP_NOSIZE | SWP_NOMOVE},
    {WM_WINDOWPOSCHANGED, kSent | kOptional},
    {WM_QUERYNEWPALETTE, kSent | kOptional},
    {WM_GETTEXT, kSent},
    {WM_ACTIVATE, kSent | kWParam, WA_ACTIVE},
    {WM_IME_SETCONTEXT, kSent | kDefWinProc | kWParam | kOptional, TRUE},
    {WM_IME_NOTIFY, kSent | kDefWinProc | kOptional},
    {WM_SETFOCUS, kSent | kDefWinProc},
    {skin::SKM_SKINREADY, kPosted | kLParam, 0, skin::kSkinMagic},
};

// SetWindowPos(SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE): the
// client is recalculated, the frame painted by the skinner.
inline constexpr ExpectedMessage kFrameChangedBelowSkinner[] = {
    {WM_WINDOWPOSCHANGING, kSent | kWParam, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE},
    {WM_NCCALCSIZE, kSent | kWParam, TRUE},
    {WM_GETTEXT, kSent},
    {WM_ERASEBKGND, kSent | kOptional},
    {WM_WINDOWPOSCHANGED, kSent},
};

// SetWindowText: the default procedure stores the text while the window is kept invisible, so
// that it draws no caption of its own; then the frame is recalculated and the skinner paints it.
inline constexpr ExpectedMessage kSetWindowTextBelowSkinner[] = {
    {WM_STYLECHANGING, kSent | kWParam, static_cast<WPARAM>(GWL_STYLE)},
    {WM_STYLECHANGED, kSent | kWParam, static_cast<WPARAM>(GWL_STYLE)},
    {WM_SETTEXT, kSent},
    {WM_STYLECHANGING, kSent | kWParam, static_cast<WPARAM>(GWL_STYLE)},
    {WM_STYLECHANGED, kSent | kWParam, static_cast<WPARAM>(GWL_STYLE)},
    {WM_WINDOWPOSCHANGING, kSent | kWParam, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE},
    {WM_NCCALCSIZE, kSent | kWParam, TRUE},
    {WM_GETTEXT, kSent},
    {WM_ERASEBKGND, kSent | kOptional},
    {WM_WINDOWPOSCHANGED, kSent},
};

// The first show of a window whose frame stays native (xcMainMenu is not skinned): what a plain
// window receives (plain_window::kShowActivate), activation and frame paint included, with the
// manager's query and the skinner's announcement.
inline constexpr ExpectedMessage kFirstShowNativeFrameBelowSkinner[] = {
    {WM_SHOWWINDOW, kSent | kWParam, TRUE},
    {WM_WINDOWPOSCHANGING, kSent | kWParam, SWP_SHOWWINDOW | SWP_NOSIZE | SWP_NOMOVE},
    {skin::SKM_ISSKINNED, kSent},
    {WM_ACTIVATEAPP, kSent | kWParam | kOptional, TRUE},
    {WM_QUERYNEWPALETTE, kSent | kOptional},
    {WM_NCACTIVATE, kSent | kWParam, TRUE},
    {WM_GETTEXT, kSent | kDefWinProc | kOptional},
    {WM_ACTIVATE, kSent | kWParam, WA_ACTIVE},
    {WM_IME_SETCONTEXT, kSent | kDefWinProc | kWParam | kOptional, TRUE},
    {WM_IME_NOTIFY, kSent | kDefWinProc | kOptional},
    {WM_SETFOCUS, kSent | kDefWinProc},
    {WM_NCPAINT, kSent},
    {WM_GETTEXT, kSent | kDefWinProc | kOptional},
    {WM_ERASEBKGND, kSent | kOptional},
    {WM_WINDOWPOSCHANGED, kSent},
    {WM_SIZE, kSent | kWParam, SIZE_RESTORED},
    {WM_MOVE, kSent},
    {skin::SKM_SKINREADY, kSent | kLParam, 0, skin::kSkinMagic},
    {WM_PAINT, kPosted},
};

}  // namespace skinned_window

}  // namespace testutil
