#include "editor/win32/menuprops/frmsampback.h"

#include "forms/portable/Bitmap.h"
#include "forms/win32/Image.h"
#include "forms/win32/Panel.h"
#include "forms/win32/Timer.h"

uint8_t BackWizClosed = 0;

TfrmSampBackCls::TfrmSampBackCls(forms::Component* owner) : forms::Form(owner) {
    SetName("frmSampBack");
    SetBorderStyle(forms::BorderStyle::None);
    SetBorderIcons(0);
    Panel1 = new forms::Panel(this, this);
    Panel1->SetName("Panel1");
    Panel1->SetBevelOuter(forms::PanelBevel::None);
    Image1 = new forms::Image(this, Panel1);
    Image1->SetName("Image1");
    Image1->SetAutoSize(true);
    Timer1 = new forms::Timer(this);
    Timer1->OnTimer = [this](forms::Component& s) { Timer1Timer(s); };
    Timer1->SetInterval(200);
    SetBounds(10, 10, 1, 1);
}

void TfrmSampBackCls::ShowPicture(const forms::Bitmap& picture) {
    Image1->SetPicture(picture);
    Image1->SetBounds(0, 0, picture.Width(), picture.Height());
    Panel1->SetBounds(0, 0, picture.Width(), picture.Height());
    Panel1Resize(*Panel1);
}

void TfrmSampBackCls::Panel1Resize(forms::Component&) { SetBounds(10, 10, Panel1->Width(), Panel1->Height()); }

void TfrmSampBackCls::Timer1Timer(forms::Component&) {
    if (BackWizClosed != 1) return;
    Timer1->SetEnabled(false);
    Release();
}
