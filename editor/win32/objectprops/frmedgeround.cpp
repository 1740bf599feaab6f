#include "editor/win32/objectprops/frmedgeround.h"

#include <string>

#include "editor/win32/common/ColorRequest.h"
#include "editor/win32/objectprops/objprops.h"
#include "forms/win32/Button.h"
#include "forms/win32/Font.h"
#include "forms/win32/Label.h"
#include "forms/win32/Panel.h"
#include "forms/win32/ScrollBar.h"
#include "forms/win32/Timer.h"

int32_t RoundSaved = 0;

TForm5::TForm5(TForm2& dialog) : forms::Form(&dialog), Dialog_(dialog) {
    SetName("Form5");
    SetBorderStyle(forms::BorderStyle::None);
    SetClientSize(313, 81);
    SetFont(forms::Font("Tahoma", 8));
    auto* panel = new forms::Panel(this, this);
    panel->SetName("Panel1");
    panel->SetBevelOuter(forms::PanelBevel::Raised);
    panel->SetBounds(0, 0, 313, 81);
    Label1 = new forms::Label(this, panel);
    Label1->SetName("Label1");
    Label1->SetCaption("Edge Rounding");
    Label1->SetBounds(8, 8, 120, 16);
    Label2 = new forms::Label(this, panel);
    Label2->SetName("Label2");
    Label2->SetAutoSize(false);
    Label2->SetAlignment(forms::Alignment::Right);
    Label2->SetCaption("1");
    Label2->SetBounds(256, 8, 48, 16);
    ScrollBar1 = new forms::ScrollBar(this, panel, forms::ScrollBarKind::Horizontal);
    ScrollBar1->SetName("ScrollBar1");
    ScrollBar1->SetBounds(8, 28, 296, 17);
    ScrollBar1->SetRange(1, 100);
    ScrollBar1->OnChange = [this](forms::Component&) { ScrollBar1Change(); };
    Command3000 = new forms::Button(this, panel);
    Command3000->SetName("Command3000");
    Command3000->SetCaption("&OK");
    Command3000->SetDefault(true);
    Command3000->SetBounds(148, 52, 75, 23);
    Command3000->OnClick = [this](forms::Component&) { Command3000Click(); };
    Command3001 = new forms::Button(this, panel);
    Command3001->SetName("Command3001");
    Command3001->SetCaption("&Cancel");
    Command3001->SetCancel(true);
    Command3001->SetBounds(229, 52, 75, 23);
    Command3001->OnClick = [this](forms::Component&) { Command3001Click(); };
    Timer1 = new forms::Timer(this);
    Timer1->SetName("Timer1");
    Timer1->OnTimer = [this](forms::Component&) { Timer1Timer(); };
    OnCreate = [this](forms::Component&) { FormCreate(); };
    OnDeactivate = [this](forms::Component&) { FormDeactivate(); };
}

void TForm5::FormCreate() {
    // The request that opened the pop-up is served: later redraws of the
    // dialog take no colour.
    BeginColorRequest(ClrTargetNone, nullptr);
    RoundPending = -1;
    ScrollBar1->SetPosition(Dialog_.WorkObj.ShapeRec.CornerRounding);
    Label2->SetCaption(std::to_string(ScrollBar1->Position()));
    RoundPending = -1;
    Timer1->SetInterval(10);
}

void TForm5::ScrollBar1Change() {
    Label2->SetCaption(std::to_string(ScrollBar1->Position()));
    RoundPending = 20;
}

void TForm5::Timer1Timer() {
    if (RoundPending == 0) {
        Dialog_.WorkObj.ShapeRec.CornerRounding = ScrollBar1->Position();
        Dialog_.UpdateShapeColor();
    }
    if (RoundPending >= 0) --RoundPending;
}

void TForm5::ApplyPending() {
    if (RoundPending < 0) return;
    RoundPending = -1;
    Dialog_.WorkObj.ShapeRec.CornerRounding = ScrollBar1->Position();
    Dialog_.UpdateShapeColor();
}

void TForm5::Close_() {
    if (closing_) return;
    closing_ = true;
    Timer1->SetEnabled(false);
    Release();
}

void TForm5::Command3000Click() {
    ApplyPending();
    Close_();
}

void TForm5::Command3001Click() {
    RoundPending = -1;
    Dialog_.WorkObj.ShapeRec.CornerRounding = RoundSaved;
    Dialog_.UpdateShapeColor();
    Close_();
}

void TForm5::FormDeactivate() {
    if (closing_) return;
    ApplyPending();
    Close_();
}
