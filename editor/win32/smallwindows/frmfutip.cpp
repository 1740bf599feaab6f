#include "editor/win32/smallwindows/frmfutip.h"

#include "editor/win32/common/EditorGlobals.h"
#include "forms/win32/Application.h"

int32_t CurrentTip = 0;

TfrmFUTipCls::TfrmFUTipCls() {
    SetName("frmFUTip");
    SetCaption(" Tip");
    SetBorderStyle(forms::BorderStyle::ToolWindow);
    SetClientSize(322, 157);

    Panel1 = new forms::Panel(this, this);
    Panel1->SetName("Panel1");
    Panel1->SetBounds(8, 8, 306, 104);
    Panel1->SetColor(forms::clInfoBk);
    Panel1->SetBevelOuter(forms::PanelBevel::Lowered);

    Label1 = new forms::Label(this, Panel1);
    Label1->SetName("Label1");
    Label1->SetAutoSize(false);
    Label1->SetWordWrap(true);
    Label1->SetFont(forms::Font("Tahoma", 8, false, false, false, forms::clInfoText));
    Label1->SetBounds(8, 8, 290, 88);

    Check1 = new forms::CheckBox(this, this);
    Check1->SetName("Check1");
    Check1->SetCaption("Do not show this message again.");
    Check1->SetBounds(8, 126, 220, 17);

    Command1 = new forms::Button(this, this);
    Command1->SetName("Command1");
    Command1->SetCaption("OK");
    Command1->SetBounds(239, 122, 75, 25);
    Command1->SetDefault(true);
    Command1->SetCancel(true);
    Command1->SetModalResult(forms::mrOk);
    Command1->OnClick = [this](forms::Component& s) { Command1Click(s); };

    CenterOnScreen();
}

void TfrmFUTipCls::Command1Click(forms::Component&) {
    if (Check1->Checked() && CurrentTip >= 0 && CurrentTip < editor::kTipFlagCount)
        EditorOptions.TipShown[CurrentTip] = 1;
}

void ShowTip(int n) {
    if (n < 0 || n >= editor::kTipCount || EditorOptions.TipShown[n] != 0) return;
    auto* tip = forms::Application().CreateForm<TfrmFUTipCls>();
    if (!tip) return;
    CurrentTip = n;
    tip->Label1->SetCaption(editor::TipText(n));
    tip->ShowModal();
    tip->Release();
}
