// The small commands that belong to the main window itself: screen
// position, grid size, toolbar visibility, options, Snap to Grid, Find
// Controls, help pages, About and Exit.
#include "editor/logic/EditorTexts.h"
#include "editor/logic/FindControlsRules.h"
#include "editor/win32/common/ControlNames.h"
#include "editor/win32/common/EditorGlobals.h"
#include "editor/win32/common/EditorHelp.h"
#include "editor/win32/smallwindows/frmsplash.h"
#include "editor/win32/mainwindow/mdiform1.h"
#include "forms/win32/Application.h"
#include "forms/win32/Command.h"
#include "forms/win32/Image.h"
#include "forms/win32/Label.h"
#include "forms/win32/Menus.h"
#include "forms/win32/ToolBar.h"
#include "forms/win32/ToolButton.h"

void TMDIForm1Cls::mnuScreenPos_Click(forms::Component& sender) {
    TMenuDocument* doc = CurrentDoc();
    if (!doc) return;
    const int position = NameNumber(sender.Name());
    if (position < 0 || position > 10) return;
    for (int i = 0; i < 11; ++i) ListItems_[static_cast<size_t>(20 + i)]->SetChecked(i == position);
    doc->Menu.ScreenPos = position;
}

void TMDIForm1Cls::N21Click(forms::Component& sender) {
    auto& item = static_cast<forms::MenuItem&>(sender);
    GridSize = editor::GridSizeFromCaption(item.Caption());
    for (forms::MenuItem* each : GridSizeItems_) each->SetChecked(each == &item);
}

void TMDIForm1Cls::SetToolbarShown(forms::ToolBar* bar, forms::MenuItem* item, bool shown) {
    item->SetChecked(shown);
    bar->SetVisible(shown);
    LayoutBars();
}

void TMDIForm1Cls::StandardToolbar1Click() { SetToolbarShown(ToolBar1, StandardToolbar1, !StandardToolbar1->Checked()); }
void TMDIForm1Cls::FormattingToolbar1Click() {
    SetToolbarShown(ToolBar2, FormattingToolbar1, !FormattingToolbar1->Checked());
}
void TMDIForm1Cls::ButtonToolbar1Click() { SetToolbarShown(ToolBar3, ButtonToolbar1, !ButtonToolbar1->Checked()); }

void TMDIForm1Cls::mnuToolTipsClick() {
    mnuToolTips->SetChecked(!mnuToolTips->Checked());
    EditorOptions.ShowToolTips = mnuToolTips->Checked();
    ApplyShowHint();
}

void TMDIForm1Cls::ApplyShowHint() {
    SetShowHint(EditorOptions.ShowToolTips);
    for (forms::ToolBar* bar : {ToolBar1, ToolBar2, ToolBar3, ToolBar6}) bar->SetShowHint(EditorOptions.ShowToolTips);
}

void TMDIForm1Cls::mnuAutoAutoClick() {
    mnuAutoAuto->SetChecked(!mnuAutoAuto->Checked());
    EditorOptions.AutoPlaceButtons = mnuAutoAuto->Checked();
}

void TMDIForm1Cls::mnuResetTipsClick() {
    for (int32_t& flag : EditorOptions.TipShown) flag = 0;
}

void TMDIForm1Cls::ToolButton19Click() { SnapToGrid = Cmd("cmdSnapToGrid")->Checked() ? 1 : 0; }

void TMDIForm1Cls::mnuFindControls_Click() {
    if (!CurrentDoc()) return;
    const int answer = EditorMsg(
        "This function allows you to retrieve controls which have become lost. This can include buttons, accessory "
        "text and image as well as the date and time. The controls will automatically be placed on the form if it "
        "is deemed that they are lost.\r\n\r\nDo you wish to continue?",
        TMsgDlgType::mtConfirmation, TMsgDlgButtons::mbYesNo);
    if (answer != mrYes) return;
    PushUndo(1);
    FindControls();
    EditorMsg("Find controls complete.", TMsgDlgType::mtInformation, TMsgDlgButtons::mbOK);
}

void TMDIForm1Cls::FindControls() {
    if (CurMenu_ < 1) return;
    const int slot = CurMenu_;
    // Nothing stays selected, the read-out and frame included: they would
    // show an object where it was before being brought back.
    DeselectObj(0, 1);
    for (int i = 0; i < 3; ++i) forms::Application().ProcessMessages();
    // Messages handled meanwhile may have closed or switched the document.
    TMenuDocument* doc = MenuDoc(slot);
    if (!doc || doc->Closed || !doc->BackImage) return;
    const int w = doc->BackImage->Width();
    const int h = doc->BackImage->Height();
    // The record takes the new places; the controls are then shown from it.
    TAQMenu& menu = doc->Menu;
    bool moved = false;
    const auto apply = [&moved](const editor::PartRect& before, const editor::PartRect& after, int32_t& left,
                                int32_t& top) {
        moved = moved || !(before == after);
        left = after.Left;
        top = after.Top;
    };
    const editor::PartRect text{menu.AccTextLeft, menu.AccTextTop, menu.AccTextWidth, menu.AccTextHeight};
    const editor::PartRect textNow = editor::PlaceAccessoryTextBox(text, w, h);
    apply(text, textNow, menu.AccTextLeft, menu.AccTextTop);
    menu.AccTextWidth = textNow.Width;
    menu.AccTextHeight = textNow.Height;
    const editor::PartRect image{menu.AccImageLeft, menu.AccImageTop, doc->AccessoryImage->Width(),
                                 doc->AccessoryImage->Height()};
    apply(image, editor::PlaceBoxOrObject(image, w, h), menu.AccImageLeft, menu.AccImageTop);
    const editor::PartRect time{menu.TimeLeft, menu.TimeTop, doc->TimeLabel->Width(), doc->TimeLabel->Height()};
    apply(time, editor::PlaceLabel(time, w, h), menu.TimeLeft, menu.TimeTop);
    const editor::PartRect date{menu.DateLeft, menu.DateTop, doc->DateLabel->Width(), doc->DateLabel->Height()};
    apply(date, editor::PlaceLabel(date, w, h), menu.DateLeft, menu.DateTop);
    for (int n = 1; n <= menu.BtnCount && n <= kMaxObjects; ++n) {
        TAQButton& object = menu.Buttons[static_cast<size_t>(n)];
        const editor::PartRect place{object.Left, object.Top, object.ObjWidth, object.ObjHeight};
        apply(place, editor::PlaceBoxOrObject(place, w, h), object.Left, object.Top);
    }
    if (moved) doc->Modified = 1;
    doc->AccessoryText->SetBounds(menu.AccTextLeft, menu.AccTextTop, menu.AccTextWidth, menu.AccTextHeight);
    doc->AccessoryImage->SetBounds(menu.AccImageLeft, menu.AccImageTop, doc->AccessoryImage->Width(),
                                   doc->AccessoryImage->Height());
    ShowClockLabels(*doc);
    RefreshObjects(*doc);
}

void TMDIForm1Cls::mnuHelpContents_Click() { ShowHelpPage("quor2bjj"); }

void TMDIForm1Cls::mnuMainHelp_Click(forms::Component& sender) {
    const int topic = NameNumber(sender.Name());
    if (topic >= 0 && topic < kHelpTopicCount) ShowHelpPage(kHelpTopics[topic].Page);
}

void TMDIForm1Cls::mnuAbout_Click() {
    auto* about = forms::Application().CreateForm<TfrmSplashCls>(TfrmSplashCls::Use::About);
    if (!about) return;
    about->ShowModal();
    about->Release();
}

void TMDIForm1Cls::mnuExit_Click() {
    forms::Application().ProcessMessages();
    Close();
}

void TMDIForm1Cls::Menu1Click() {
    Cmd("cmdShowTime")->SetCaption(ToolButton37->Down() ? "Hide Time" : "Show Time");
    Cmd("cmdShowDate")->SetCaption(ToolButton38->Down() ? "Hide Date" : "Show Date");
    for (auto [item, command] : {std::pair{N8, Cmd("cmdShowTime")}, std::pair{ShowDate1, Cmd("cmdShowDate")}}) {
        item->SetCaption(command->Caption());
        item->SetEnabled(command->Enabled());
    }
}
