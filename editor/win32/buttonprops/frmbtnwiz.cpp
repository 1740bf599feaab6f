#include "editor/win32/buttonprops/frmbtnwiz.h"

#include "editor/logic/CommandWizardRules.h"
#include "editor/win32/common/ControlNames.h"
#include "editor/win32/common/DialogControls.h"
#include "editor/win32/common/EditorGlobals.h"
#include "forms/win32/Application.h"
#include "forms/win32/Button.h"
#include "forms/win32/CheckBox.h"
#include "forms/win32/Edit.h"
#include "forms/win32/FileDialogs.h"
#include "forms/win32/GroupBox.h"
#include "forms/win32/Label.h"
#include "forms/win32/Memo.h"
#include "forms/win32/RadioButton.h"
#include "shared/win32/TarvikUtils_win32.h"

std::function<bool(forms::OpenDialog& dialog)> RunBtnWizOpenDialog = [](forms::OpenDialog& dialog) {
    return dialog.Execute();
};

std::function<bool(const std::string& title, std::string& folder)> AskBtnWizFolder = [](const std::string& title,
                                                                                        std::string& folder) {
    return SelectFolder(folder, title);
};

namespace {

using editor::WizardAction;

constexpr int kForward = 1;  // Command2001; Back is Command2000
constexpr int kPageWidth = 321;
constexpr int kTextWidth = 297;

const char* const kActionCaptions[editor::kWizardActionCount] = {
    "Open a document (or file).",
    "Start an application.",
    "Open a folder in Windows Explorer.",
    "Go to an Internet site.",
    "Go to another Autorun Quorvel menu (a sub-menu).",
    "Show a message to the user.",
    "No action, but play the 'noaction.wav' sound.",
    "No action (except for any specified menu action)",
    "Send an email.",
    "Exit button (no action, except for exiting menu).",
};

const char* const kFilledOut =
    "The Command Wizard has now filled out the command parameters for you.\r\rIf you plan to move the files when "
    "you write the CD, you should adjust any\rpaths in the command now.";

const char* const kNext = "&Next >>";
const char* const kFinish = "&Finish";

forms::Label* NewLabel(forms::Component* owner, forms::WinControl* parent, const std::string& caption, int top,
                       int height) {
    auto* label = new forms::Label(owner, parent);
    label->SetAutoSize(false);
    label->SetWordWrap(true);
    label->SetBounds(12, top, kTextWidth, height);
    label->SetCaption(caption);
    return label;
}

template <class T>
T* NewControl(forms::Component* owner, forms::WinControl* parent, const std::string& name, int left, int top,
              int width, int height) {
    auto* control = new T(owner, parent);
    control->SetName(name);
    control->SetBounds(left, top, width, height);
    return control;
}

forms::Button* NewButton(forms::Component* owner, forms::WinControl* parent, const char* name, const char* caption,
                         int left, int top) {
    auto* button = NewControl<forms::Button>(owner, parent, name, left, top, 75, 25);
    button->SetCaption(caption);
    return button;
}

}  // namespace

TfrmBtnWizCls::TfrmBtnWizCls(forms::Edit& command, forms::Edit& arguments, forms::CheckBox& minimise,
                             forms::CheckBox& exit, forms::CheckBox& restore, forms::CheckBox& maximise)
    : SheetCommand_(command),
      SheetArguments_(arguments),
      SheetMinimise_(minimise),
      SheetExit_(exit),
      SheetRestore_(restore),
      SheetMaximise_(maximise) {
    SetName("frmBtnWiz");
    SetCaption("Button Command Wizard");
    SetBorderStyle(forms::BorderStyle::ToolWindow);
    SetClientSize(337, 326);
    SetBounds(173, 123, Width(), Height());

    Frame1 = NewPage("Frame1", "Step 1 - Button Action");
    NewLabel(this, Frame1, "What would you like your button to do?", 20, 16);
    for (int i = 0; i < editor::kWizardActionCount; ++i) {
        Option1000[i] =
            NewControl<forms::RadioButton>(this, Frame1, NumberedName("Option1", i), 24, 42 + i * 22, 290, 17);
        Option1000[i]->SetCaption(kActionCaptions[i]);
        Option1000[i]->OnClick = [this](forms::Component& s) { Option1_Click(s); };
    }

    Frame3 = NewPage("Frame3", "Step 2 - Menu Action");
    NewLabel(this, Frame3, "When the user clicks this button, I would like Autorun Quorvel to:", 20, 30);
    Option2000 = NewControl<forms::RadioButton>(this, Frame3, "Option2000", 24, 54, 290, 17);
    Option2000->SetCaption("Remain on screen.");
    Option2001 = NewControl<forms::RadioButton>(this, Frame3, "Option2001", 24, 76, 290, 17);
    Option2001->SetCaption("Minimize into the TaskBar");
    Option2002 = NewControl<forms::RadioButton>(this, Frame3, "Option2002", 24, 98, 290, 17);
    Option2002->SetCaption("Close (exit).");
    NewLabel(this, Frame3,
             "When Autorun Quorvel launches your target, would you like the new window to be maximized?", 132, 30);
    Check1 = NewControl<forms::CheckBox>(this, Frame3, "Check1", 24, 166, 290, 17);
    Check1->SetCaption("Maximize target.");
    NewLabel(this, Frame3, "Note: Some applications will refuse to have their window state set by another application.",
             200, 30);

    Frame2 = NewPage("Frame2", "Step 3 - Button Target");
    Label3 = NewLabel(this, Frame2, "Locate the file you would like Autorun Quorvel to open below:", 20, 30);
    Label3->SetName("Label3");
    Text1 = NewControl<forms::Edit>(this, Frame2, "Text1", 12, 56, kTextWidth, 21);
    Button1 = NewButton(this, Frame2, "Button1", "Browse...", 234, 84);
    Button1->OnClick = [this](forms::Component& s) { Button1Click(s); };
    OpenDialog1 = new forms::OpenDialog(this);
    OpenDialog1->SetName("OpenDialog1");

    Frame4 = NewPage("Frame4", "Step 3 - Internet Address");
    Label4000 = NewLabel(this, Frame4,
                         "Enter the Internet address you would like the user to be taken to when they click this "
                         "button:",
                         20, 30);
    Label4000->SetName("Label4000");
    Label4001 = NewLabel(this, Frame4, "", 54, 30);
    Label4001->SetName("Label4001");
    Label4003 = NewLabel(this, Frame4, "Enter the email address you want the email sent to:", 20, 30);
    Label4003->SetName("Label4003");
    Text2 = NewControl<forms::Edit>(this, Frame4, "Text2", 12, 92, kTextWidth, 21);
    Label4004 = NewLabel(this, Frame4,
                         "If you would like the subject line already filled out for the user, enter the subject "
                         "below:",
                         124, 30);
    Label4004->SetName("Label4004");
    Text4 = NewControl<forms::Edit>(this, Frame4, "Text4", 12, 158, kTextWidth, 21);

    Frame5 = NewPage("Frame5", "Step 3 - Message Content");
    Label5 = NewLabel(this, Frame5, "Enter the message that you wish to pass to the user:", 20, 16);
    Label5->SetName("Label5");
    Text3 = NewControl<forms::Memo>(this, Frame5, "Text3", 12, 42, kTextWidth, 216);

    Command2000 = NewButton(this, this, "Command2000", "<< &Back", 88, 292);
    Command2000->OnClick = [this](forms::Component& s) { Command2_Click(s); };
    Command2001 = NewButton(this, this, "Command2001", kNext, 168, 292);
    Command2001->SetDefault(true);
    Command2001->OnClick = [this](forms::Component& s) { Command2_Click(s); };
    Command1 = NewButton(this, this, "Command1", "&Cancel", 254, 292);
    Command1->SetCancel(true);
    Command1->SetModalResult(forms::mrCancel);
    Command1->OnClick = [this](forms::Component& s) { Command1_Click(s); };

    // Loaded here rather than on OnCreate, so that a window made without
    // Application().CreateForm is complete too.
    Form_Load(*this);
}

forms::GroupBox* TfrmBtnWizCls::NewPage(const char* name, const char* caption) {
    auto* page = NewControl<forms::GroupBox>(this, this, name, 8, 8, kPageWidth, 274);
    page->SetCaption(caption);
    return page;
}

void TfrmBtnWizCls::Form_Load(forms::Component&) {
    Action_ = 0;
    Step_ = 0;
    Option1000[0]->SetChecked(true);
    Option2000->SetChecked(true);
    Check1->SetChecked(false);
    ShowStep();
}

void TfrmBtnWizCls::Option1_Click(forms::Component& sender) {
    Action_ = NameNumber(sender.Name());
    const auto action = static_cast<WizardAction>(Action_);
    Command2001->SetCaption(action == WizardAction::ExitButton ? kFinish : kNext);
    Label4000->SetVisible(true);
    Label4001->SetVisible(true);
    Label5->SetVisible(true);
    Label4003->SetVisible(false);
    Label4004->SetVisible(false);
    Text4->SetVisible(false);
    switch (action) {
        case WizardAction::OpenDocument:
            Label3->SetCaption("Locate the file you would like Autorun Quorvel to open below:");
            break;
        case WizardAction::StartApplication:
            Label3->SetCaption("Locate the application you would like Autorun Quorvel to start below:");
            break;
        case WizardAction::OpenFolder:
            Label3->SetCaption("Locate the directory you would like Autorun Quorvel to open below:");
            break;
        case WizardAction::GoToSite:
            Label4001->SetCaption("Include the full path to the page you wish to be opened,\re.g. "
                                  "http://www.example.com/products/index.html");
            Frame4->SetCaption("Step 3 - Internet Address");
            break;
        case WizardAction::OpenSubMenu:
            Label3->SetCaption("Locate the menu you would like Autorun Quorvel to open below:");
            break;
        case WizardAction::SendEmail:
            Label4000->SetVisible(false);
            Label4001->SetVisible(false);
            Label4003->SetVisible(true);
            Label4004->SetVisible(true);
            Text4->SetVisible(true);
            Frame4->SetCaption("Step 3 - Email Details");
            break;
        default:
            break;
    }
}

void TfrmBtnWizCls::Command2_Click(forms::Component& sender) {
    const auto action = static_cast<WizardAction>(Action_);
    if (action == WizardAction::ExitButton) {
        FinishExitButton();
        return;
    }
    Step_ = editor::NextWizardStep(action, Step_, NameNumber(sender.Name()) == kForward);
    ShowStep();
    if (Step_ == editor::kStepFinished) Finish();
}

void TfrmBtnWizCls::ShowStep() {
    Command2000->SetEnabled(Step_ != editor::kStepAction);
    if (Step_ != editor::kStepAction || static_cast<WizardAction>(Action_) != WizardAction::ExitButton)
        Command2001->SetCaption(Step_ == editor::kStepTarget ? kFinish : kNext);
    const bool onTarget = Step_ == editor::kStepTarget;
    const editor::TargetPage page = editor::TargetPageOf(static_cast<WizardAction>(Action_));
    Frame1->SetVisible(Step_ == editor::kStepAction);
    Frame3->SetVisible(Step_ == editor::kStepMenuAction);
    Frame2->SetVisible(onTarget && page == editor::TargetPage::File);
    Frame4->SetVisible(onTarget && page == editor::TargetPage::Address);
    Frame5->SetVisible(onTarget && page == editor::TargetPage::Message);
    // The keyboard goes to the page shown: its box to fill, or its chosen
    // option; never stays on a page just hidden.
    if (onTarget && page != editor::TargetPage::None) {
        FocusEntry(*this, page == editor::TargetPage::File      ? *Text1
                          : page == editor::TargetPage::Address ? *Text2
                                                                : *Text3);
    } else if (Step_ == editor::kStepAction) {
        SetActiveControl(Option1000[Action_]);
    } else if (Step_ == editor::kStepMenuAction) {
        SetActiveControl(Option2001->Checked() ? Option2001 : Option2002->Checked() ? Option2002 : Option2000);
    }
}

void TfrmBtnWizCls::Finish() {
    const auto action = static_cast<WizardAction>(Action_);
    SheetCommand_.SetText(
        editor::WizardCommand(action, {Text1->Text(), Text2->Text(), Text3->Text(), Text4->Text()}));
    const editor::MenuAction menuAction = Option2001->Checked()   ? editor::MenuAction::Minimise
                                          : Option2002->Checked() ? editor::MenuAction::Exit
                                                                  : editor::MenuAction::Remain;
    forms::CheckBox* const boxes[] = {&SheetMinimise_, &SheetExit_, &SheetRestore_, &SheetMaximise_};
    for (const editor::TickWrite& write : editor::FinishTicks(menuAction, Check1->Checked()))
        boxes[static_cast<int>(write.box)]->SetChecked(write.checked);
    forms::Application().ProcessMessages();
    forms::Application().ProcessMessages();
    if (editor::NamesDiscPath(action)) EditorMsg(kFilledOut, TMsgDlgType::mtInformation, TMsgDlgButtons::mbOK);
    SetModalResult(forms::mrOk);
}

void TfrmBtnWizCls::FinishExitButton() {
    SheetCommand_.SetText("");
    SheetArguments_.SetText("");
    forms::CheckBox* const boxes[] = {&SheetMinimise_, &SheetExit_, &SheetRestore_, &SheetMaximise_};
    for (const editor::TickWrite& write : editor::ExitButtonTicks())
        boxes[static_cast<int>(write.box)]->SetChecked(write.checked);
    SetModalResult(forms::mrCancel);
}

void TfrmBtnWizCls::Button1Click(forms::Component&) {
    const auto action = static_cast<WizardAction>(Action_);
    if (action == WizardAction::OpenFolder) {
        std::string folder;
        if (AskBtnWizFolder("Open Target Folder", folder)) Text1->SetText(editor::BrowsedTarget(action, folder));
        return;
    }
    if (action == WizardAction::OpenSubMenu) {
        OpenDialog1->SetFilter("Autorun Quorvel Menu (*.mnu)|*.MNU");
        OpenDialog1->SetTitle("Open Target Menu");
    } else if (action == WizardAction::StartApplication) {
        OpenDialog1->SetFilter("Applications (*.exe)|*.EXE");
        OpenDialog1->SetTitle("Open Target Application");
    } else {
        OpenDialog1->SetFilter("All Files (*.*)|*.*");
        OpenDialog1->SetTitle("Open Target File");
    }
    OpenDialog1->SetOptions(forms::ofPathMustExist | forms::ofFileMustExist);
    if (RunBtnWizOpenDialog(*OpenDialog1)) Text1->SetText(editor::BrowsedTarget(action, OpenDialog1->FileName()));
}

void TfrmBtnWizCls::Command1_Click(forms::Component&) { Close(); }
