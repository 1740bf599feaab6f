// The progress pop-up of long searches (AutoSeek): a borderless window over
// the main window with a message and a smooth progress bar from 0 to 100.
// The search that creates it shows it, sets Panel1's caption and
// ProgressBar1's position as it goes, and closes it (which frees it).
//
// The window: no border, 240 x 57, centred on the main window; Panel1 along
// the top, 33 high, carries the message; Panel2 below holds the bar.
#pragma once
#include "forms/win32/Form.h"
#include "forms/win32/Panel.h"
#include "forms/win32/ProgressBar.h"

class TfrmSearchnCls : public forms::Form {
public:
    TfrmSearchnCls();

    forms::Panel* Panel1;
    forms::Panel* Panel2;
    forms::ProgressBar* ProgressBar1;
};
