// The first-use tips: a small modal window with one tip's text and a box to
// tick so that this tip is never shown again.
//
// ShowTip(n) shows tip n (0..8, texts in editor/logic/EditorTexts.h) unless
// its flag EditorOptions.TipShown[n] is non-zero; "OK" closes it, and with
// "Do not show this message again." ticked sets the flag to 1. The flags are
// kept in the settings file (lines 11-25); Reset Tip Messages clears them. A
// tip window is created for each showing and freed afterwards.
//
// The window: caption " Tip", tool-window border, 322 x 157, centred on the
// screen; an info-coloured panel with the word-wrapped text; the check box;
// "OK" (Enter and Escape both press it).
#pragma once
#include <cstdint>

#include "editor/logic/EditorTexts.h"
#include "forms/win32/Button.h"
#include "forms/win32/CheckBox.h"
#include "forms/win32/Form.h"
#include "forms/win32/Label.h"
#include "forms/win32/Panel.h"

// The tip the open tip window shows.
extern int32_t CurrentTip;

class TfrmFUTipCls : public forms::Form {
public:
    TfrmFUTipCls();

    forms::Panel* Panel1;
    forms::Label* Label1;
    forms::CheckBox* Check1;
    forms::Button* Command1;

    void Command1Click(forms::Component& sender);
};

// Shows tip n modally unless its flag is set; nothing for a number that
// names no tip.
void ShowTip(int n);
