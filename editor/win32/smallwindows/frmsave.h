// The status pop-up: a small borderless window over the main window that
// says what the editor is busy with ("Saving...", "Loading Menu...").
//
// Use: ShowStatusPopup("Saving...") before the work and
// FinishStatusPopup("Saved!", 200) after it: the final text shows for that
// long, then the window closes and frees itself. Left alone, the pop-up
// closes after 3000 ms (Timer1). Work that outlasts it is safe: the
// functions never reach a pop-up that has already freed itself, and the
// final text then shows in a new one.
//
// The window: no border, 153 x 49, hourglass pointer, centred on the main
// window; a raised panel with the 32 x 32 status picture and Label1.
#pragma once
#include <string>

#include "forms/win32/Form.h"
#include "forms/win32/Image.h"
#include "forms/win32/Label.h"
#include "forms/win32/Panel.h"
#include "forms/win32/Timer.h"

class TfrmSaveCls : public forms::Form {
public:
    TfrmSaveCls();

    forms::Panel* Panel1;
    forms::Image* Image1;
    forms::Label* Label1;
    forms::Timer* Timer1;

    void Timer1_Timer(forms::Component& sender);
};

// The status pop-up showing now, or nullptr.
TfrmSaveCls* OpenStatusPopup();
// Shows a new status pop-up with text over the main window and paints it.
void ShowStatusPopup(const std::string& text);
// Gives the showing pop-up (or, when it has closed already, a new one) the
// final text, and closes it closeAfterMs milliseconds later.
void FinishStatusPopup(const std::string& text, int closeAfterMs);
