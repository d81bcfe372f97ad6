// The skin engine's private window messages, exchanged between the skin manager, the form
// skinners, the menu skinners and the control skinners. The numbers are fixed.
#pragma once

#include <windows.h>

namespace skin {

// Through the framework window method of a skinned form: re-apply colours after a skin change.
inline constexpr UINT SKM_RECOLOR = 0x3401;
// To a form skinner: repaint the non-client area.
inline constexpr UINT SKM_REPAINTFRAME = 0x3502;
// Posted by the skin manager (wParam 0, lParam kActivateLParam) right after it created a form
// skinner: apply the skin.
inline constexpr UINT SKM_ACTIVATE = 0x3503;
inline constexpr LPARAM kActivateLParam = 1000;
// To a control skinner: wParam > 0 switches its skinning on, otherwise off.
inline constexpr UINT SKM_SETSKINACTIVE = 0x3506;
// Posted to a window when a caption button with an application-defined action is clicked.
inline constexpr UINT SKM_CUSTOMBUTTON = 0x3514;
// Sent to a window to ask whether a caption button with a visibility code 1000..2000 is shown.
inline constexpr UINT SKM_BUTTONVISIBLE = 0x3515;
// Posted to an MDI client: redraw it and its children.
inline constexpr UINT SKM_REDRAWCLIENT = 0x3516;
// Posted by a scroll bar skinner to its form skinner's window: replace the skinner of wParam.
inline constexpr UINT SKM_RESKINSCROLLBAR = 0x3517;
// Open the menu-bar item under the screen point in lParam.
inline constexpr UINT SKM_OPENMENUITEM = 0x3518;
// Query: any skinned window or control answers 1.
inline constexpr UINT SKM_ISSKINNED = 0x3523;
// With lParam kSkinMagic: paint the non-client area into the DC in wParam; answers kSkinMagic.
inline constexpr UINT SKM_PAINTFRAMETO = 0xBC4B;
// Answers kSkinMagic when lParam is kSkinMagic, else 1.
inline constexpr UINT SKM_QUERYSKINFORM = 0xBC4D;
// Sent by a form skinner to its window (lParam kSkinMagic) when activation ends, and posted in
// answer to SKM_ISSKINNED. No framework notification (CN_*) has a skin message's number.
inline constexpr UINT SKM_SKINREADY = 0xBC4E;
inline constexpr LPARAM kSkinMagic = 0x41A2;

}  // namespace skin
