// Rich text drawn into a transparent RGBA picture with a drop shadow: the
// look of every text of a menu (text buttons, placed texts, accessory texts).
//
// The text of the source rich edit is laid out in the render rich edit (a
// hidden scratch box) and drawn twice: in its own colours from (1, 1) and, in
// a fixed grey that becomes opacity 0x60, shadow offset pixels further right
// and down. Text pixels are opaque in their own colours (anti-aliased edges
// partly so), the shadow shows the shadow colour, and everything else is
// transparent while still holding the shadow colour. Both are laid out in the
// same width, so the shadow wraps like the text.
//
// The layout goes through the rich edit's own page rendering; where the
// system draws nothing through it (Wine), the box paints itself through
// WM_PRINT instead, sized to the layout rectangle. The render rich edit is
// left holding the text, all selected, white on black (and resized when it
// painted itself).
#pragma once
#include "forms/portable/PngImage.h"
#include "forms/win32/RichEdit.h"

namespace editor {

// Sizes below 1 are taken as 1 and sizes above the picture limit as that
// limit; a negative shadow offset counts as 0. Empty only when GDI cannot
// make the work bitmaps.
forms::PngImage RenderRTFToPNG(forms::RichEdit& render, const forms::RichEdit& source, int width,
                               int height, int shadowOffset, forms::Color shadowColor);

}  // namespace editor
