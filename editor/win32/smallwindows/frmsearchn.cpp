#include "editor/win32/smallwindows/frmsearchn.h"

#include "forms/win32/Application.h"

TfrmSearchnCls::TfrmSearchnCls() {
    SetName("frmSearchn");
    SetBorderStyle(forms::BorderStyle::None);
    SetClientSize(240, 57);

    Panel1 = new forms::Panel(this, this);
    Panel1->SetName("Panel1");
    Panel1->SetHeight(33);
    Panel1->SetAlign(forms::Align::Top);

    Panel2 = new forms::Panel(this, this);
    Panel2->SetName("Panel2");
    Panel2->SetAlign(forms::Align::Client);

    ProgressBar1 = new forms::ProgressBar(this, Panel2);
    ProgressBar1->SetName("ProgressBar1");
    ProgressBar1->SetBounds(8, 4, 224, 16);
    ProgressBar1->SetRange(0, 100);

    CenterOnOwner();
    OnClose = [](forms::Component&, forms::CloseAction& action) { action = forms::CloseAction::Free; };
}
