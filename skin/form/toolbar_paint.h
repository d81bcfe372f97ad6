// How tool bars of a skinned form are painted: the form skinner puts these in place of a tool
// bar's unassigned custom-draw handlers. The background is the skin's tool-bar image stretched;
// a button is a frame of the skin's push-button image.
#pragma once

#include <windows.h>

#include <optional>

#include "skin/core/skin_data.h"

namespace skin {

// Stretches the skin's tool-bar image over `rect`. False (nothing drawn) when the skin has no such
// image or its options leave the background to the tool bar.
bool PaintToolBarBackground(const TSkinData& skin, HDC dc, const RECT& rect);

// The frame of the skin's push-button image for a tool-bar button in `state` (CDIS_* flags), or 0
// when the button is left to the tool bar: 2 selected, 4 focused or hot, 1 in the default state
// unless grayed or disabled.
[[nodiscard]] int ToolBarButtonFrame(UINT state);

// Draws that frame into `bounds` shrunk by one pixel and gives the text colour the skin has for
// it. False (nothing drawn) without the push-button image, when the skin's options leave buttons
// to the tool bar, when the form is not active, or in a state that has no frame.
bool PaintToolBarButton(const TSkinData& skin, bool formActive, HDC dc, const RECT& bounds, UINT state,
                        std::optional<COLORREF>& textColour);

}  // namespace skin
