#include "player/win32/frmsearch.h"

bool SearchCancelFlag = false;

TfrmSearchCls::TfrmSearchCls() {
    SetName("frmSearch");
    SetBorderStyle(forms::BorderStyle::ToolWindow);
    SetBorderIcons(0);
    SetCaption(" Target not found... searching:");
    SetClientSize(466, 58);
    CenterOnScreen();

    lblDir = new forms::Label(this, this);
    lblDir->SetName("lblDir");
    lblDir->SetAutoSize(false);
    lblDir->SetBounds(8, 8, 450, 13);

    Command1 = new forms::Button(this, this);
    Command1->SetName("Command1");
    Command1->SetCaption("&Cancel");
    Command1->SetBounds(357, 27, 101, 26);
    Command1->SetTabStop(true);
    Command1->OnClick = [this](forms::Component& s) { Command1_Click(s); };
}

void TfrmSearchCls::Command1_Click(forms::Component&) {
    Command1->SetEnabled(false);
    Command1->SetCaption("Wait...");
    SearchCancelFlag = true;
}
