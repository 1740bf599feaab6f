// The title of a background made in the Background Wizard, laid out and drawn
// with GDI in the design's font, and the drawing of a whole design that the
// wizard's sample pictures use.
//
// The picture is kept twice while a background is designed: the work picture
// (base, border, banner and, when on, the title's shadow) and the picture
// shown, which is the work picture with the title text on it. So the title
// can be redrawn alone while it is typed, as long as it has no shadow.
#pragma once
#include <string>

#include "editor/logic/BackgroundDraw.h"
#include "forms/portable/Bitmap.h"

// Height of "T" and width of the title in the design's font.
int TitleLetterHeight(const editor::BackgroundDesign& design);
int TitleTextWidth(const editor::BackgroundDesign& design);

// shown := work with the title on it. With the shadow on, the shadow is
// first darkened into work (so work then holds it too).
void DrawTitle(forms::Bitmap& work, forms::Bitmap& shown, const editor::BackgroundDesign& design, int borderUsed);

// A whole single-colour or gradient design: base, border, banner and title.
forms::Bitmap DrawDesign(const editor::BackgroundDesign& design);
