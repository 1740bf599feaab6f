#include "editor/win32/common/DialogControls.h"
#include "editor/win32/exewizard/frmexewiz.h"

#include <windows.h>

#include "editor/logic/AutorunWizardRules.h"
#include "shared/TextParts.h"
#include "editor/win32/common/ControlNames.h"
#include "editor/win32/common/EditorGlobals.h"
#include "forms/portable/FileSystem.h"
#include "forms/win32/Application.h"
#include "forms/win32/Button.h"
#include "forms/win32/CheckBox.h"
#include "forms/win32/Edit.h"
#include "forms/win32/FileDialogs.h"
#include "forms/win32/FileListBox.h"
#include "forms/win32/Label.h"
#include "forms/win32/Panel.h"
#include "forms/win32/RadioButton.h"
#include "forms/win32/ScrollBox.h"
#include "shared/win32/TarvikUtils_win32.h"
#include "shared/win32/mdlfilebin_win32.h"

std::string LastExeFolder;

std::function<bool(forms::SaveDialog& dialog)> RunExeSaveDialog = [](forms::SaveDialog& dialog) {
    return dialog.Execute();
};

std::function<bool(const std::string& title, std::string& folder)> AskExeFolder = [](const std::string& title,
                                                                                      std::string& folder) {
    forms::Form* owner = forms::Application().MainForm();
    return BrowseForFolder(owner ? owner->Handle() : nullptr, title, folder);
};

namespace {

constexpr int kBack = 0;  // Command3000; Next is Command3001
constexpr int kPageWidth = 460;
constexpr int kRowHeight = 20;

const char* const kNoFileName = "You must specify a filename.";
const char* const kNoSavedMenus =
    "No saved menus could be found.\r\rPlease open or save the menu you wish to use to create your autorun EXE";
const char* const kLongNameQuestion =
    "For compatibility with all Microsoft\xAE Windows\xAE operating systems we recommend\rthe application name is no "
    "longer than eight characters.\r\rWould you like to continue?";
const char* const kSpaceQuestion =
    "For compatibility with all Microsoft\xAE Windows\xAE operating systems we recommend\rthe application name does "
    "not contain spaces.\r\rWould you like to continue?";
const char* const kNoMenuChecked = "You must select your saved settings file.";
const char* const kTooManyMenus = "An autorun application can hold at most 99 menus: please select fewer.";
const char* const kCompileFailed = "Error, application compile failed";
const char* const kInfFailed = "The autorun application was created, but Autorun.inf could not be written.";

// The builder's messages go through the editor's message dialog, like every
// other message of the wizard (the wizard asks the builder no question).
class WizardFileHost : public DialogMenuFileHost {
public:
    void ShowError(const std::string& text) override {
        EditorMsg(text, TMsgDlgType::mtError, TMsgDlgButtons::mbOK);
    }
    void ShowInformation(const std::string& text) override {
        EditorMsg(text, TMsgDlgType::mtInformation, TMsgDlgButtons::mbOK);
    }
};

// False for a read-only file and while another program holds path open so
// that it cannot be replaced (the autorun executable running, for one).
bool CanBeReplaced(const std::string& path) {
    if (!forms::FileExists(path)) return true;
    if (forms::IsReadOnly(path)) return false;
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    CloseHandle(file);
    return true;
}

template <class T>
void FreeAll(std::vector<T*>& controls) {
    for (T* control : controls) control->Free();
    controls.clear();
}

}  // namespace

TfrmEXEWizCls::TfrmEXEWizCls(const std::string& menuFolder, const std::string& menuFileName)
    : MenuFolder_(menuFolder), MenuFileName_(menuFileName) {
    SetName("frmEXEWiz");
    SetCaption("Create Autorun Application");
    SetBorderStyle(forms::BorderStyle::Dialog);
    SetBorderIcons(forms::biSystemMenu);
    SetClientSize(kPageWidth, 326);

    pnlEXE01 = NewPage("pnlEXE01", "Where would you like to create your Autorun application?", "");
    NewLabel(this, pnlEXE01, "Autorun Application:", 16, 56, 200, 16);
    Text11 = new forms::Edit(this, pnlEXE01);
    Text11->SetName("Text11");
    Text11->SetBounds(16, 74, 340, 21);
    Text11->SetTabStop(true);
    Button3 = NewButton(this, pnlEXE01, "Button3", "&Browse", 364, 72, 80);
    Button3->OnClick = [this](forms::Component& s) { Command11_Click(s); };
    NewLabel(this, pnlEXE01,
             "If you are gathering the files for your CD in a particular directory, you should save the autorun "
             "application in the base directory, such that when you create your CD it is copied to the root (base) "
             "directory of the CD.",
             16, 112, 428, 64);
    SaveDialog1 = new forms::SaveDialog(this);
    SaveDialog1->SetName("SaveDialog1");

    pnlEXE02 = NewPage("pnlEXE02", "Which menus would you like to include in your menu system?",
                       "This should include your main menu, plus any sub-menus and viewer installation menus.");
    ScrollBox2 = new forms::ScrollBox(this, pnlEXE02);
    ScrollBox2->SetName("ScrollBox2");
    ScrollBox2->SetBounds(16, 80, 330, 190);
    pnlChkCon = new forms::Panel(this, ScrollBox2);
    pnlChkCon->SetName("pnlChkCon");
    pnlChkCon->SetBevelOuter(forms::PanelBevel::None);
    pnlChkCon->SetBounds(0, 0, 306, 16);
    Button1 = NewButton(this, pnlEXE02, "Button1", "Add All", 360, 80, 80);
    Button1->OnClick = [this](forms::Component& s) { Button1Click(s); };

    pnlEXE03 = NewPage("pnlEXE03", "Which menu would you like to be the default menu?",
                       "This will be the menu which displays first when the CD AutoPlays");
    ScrollBox1 = new forms::ScrollBox(this, pnlEXE03);
    ScrollBox1->SetName("ScrollBox1");
    ScrollBox1->SetBounds(16, 80, 330, 190);
    pnlOptnCon = new forms::Panel(this, ScrollBox1);
    pnlOptnCon->SetName("pnlOptnCon");
    pnlOptnCon->SetBevelOuter(forms::PanelBevel::None);
    pnlOptnCon->SetBounds(0, 0, 306, 16);

    pnlEXE04 = NewPage("pnlEXE04", "Congratulations your autorun system has now been created for you!",
                       "The following files were created:");
    Label4 = NewLabel(this, pnlEXE04, "", 40, 80, 400, 16);
    Label4->SetFont(forms::Font("Tahoma", 8, true));
    Label4->SetName("Label4");
    Label5 = NewLabel(this, pnlEXE04, "autorun.inf", 40, 100, 400, 16);
    Label5->SetFont(forms::Font("Tahoma", 8, true));
    Label5->SetName("Label5");
    NewLabel(this, pnlEXE04,
             "Just copy these files to the base (root) directory of your CD. They should not be placed in a "
             "sub-directory or folder.",
             16, 136, 428, 48);

    File3 = new forms::FileListBox(this, this);
    File3->SetName("File3");
    File3->SetVisible(false);
    File3->SetMask("*.mnu");

    Command3000 = NewButton(this, this, "Command3000", "< B&ack", 178, 290, 80);
    Command3000->OnClick = [this](forms::Component& s) { Command3_Click(s); };
    Command3001 = NewButton(this, this, "Command3001", "&Create Autorun >", 262, 290, 108);
    Command3001->SetDefault(true);
    Command3001->OnClick = [this](forms::Component& s) { Command3_Click(s); };
    Command1 = NewButton(this, this, "Command1", "&Close", 374, 290, 75);
    Command1->SetCancel(true);
    Command1->OnClick = [this](forms::Component& s) { Command1_Click(s); };

    CenterOnOwner();
    // Loaded here rather than on OnCreate, so that a window made without
    // Application().CreateForm is complete too.
    Form_Load(*this);
}

forms::Panel* TfrmEXEWizCls::NewPage(const char* name, const char* heading, const char* text) {
    auto* page = new forms::Panel(this, this);
    page->SetName(name);
    page->SetBevelOuter(forms::PanelBevel::None);
    page->SetBounds(0, 0, kPageWidth, 282);
    NewLabel(this, page, heading, 16, 16, 428, 16)->SetFont(forms::Font("Tahoma", 8, true));
    if (*text) NewLabel(this, page, text, 16, 40, 428, 32);
    return page;
}

void TfrmEXEWizCls::Form_Load(forms::Component&) {
    SetShowHint(EditorOptions.ShowToolTips);
    if (!MenuFolder_.empty()) Text11->SetText(editor::DefaultExePath(MenuFolder_));
    // A folder that cannot be listed is no error here: it lists no menus.
    FolderListed_ = !MenuFolder_.empty() && File3->SetDirectory(MenuFolder_);
    RefreshMenuFiles();
    WizStep_ = 1;
    ShowStep();
}

void TfrmEXEWizCls::Command3_Click(forms::Component& sender) {
    if (NameNumber(sender.Name()) == kBack) {
        if (WizStep_ > 1) --WizStep_;
        ShowStep();
        return;
    }
    switch (WizStep_) {
        case 1:
            if (!LeavePathPage()) return;
            WizStep_ = 2;
            EnterMenusPage();
            break;
        case 2:
            if (!LeaveMenusPage()) return;
            WizStep_ = 3;
            EnterDefaultPage();
            break;
        case 3:
            // No to building without the menus left out returns to the list.
            if (!ConfirmMenusLeftOut())
                WizStep_ = 2;
            else
                WizStep_ = Build() ? 4 : 3;
            break;
        default:
            return;
    }
    ShowStep();
}

void TfrmEXEWizCls::Command1_Click(forms::Component&) { Close(); }

void TfrmEXEWizCls::Button1Click(forms::Component&) {
    for (forms::CheckBox* box : ChkOptn_) box->SetChecked(true);
}

void TfrmEXEWizCls::Command11_Click(forms::Component&) {
    SaveDialog1->SetFilter("Autorun Application (*.exe)|*.EXE");
    SaveDialog1->SetTitle("Create Autorun Application");
    SaveDialog1->SetOptions(forms::ofOverwritePrompt | forms::ofPathMustExist | forms::ofNoReadOnlyReturn);
    SaveDialog1->SetInitialDir(LastExeFolder);
    if (RunExeSaveDialog(*SaveDialog1)) Text11->SetText(SaveDialog1->FileName());
    // An empty box stays empty rather than becoming a bare ".exe".
    if (!Text11->Text().empty()) Text11->SetText(editor::CleanBrowsedExePath(Text11->Text()));
    LastExeFolder = FolderPart(SaveDialog1->FileName());
}

void TfrmEXEWizCls::RefreshMenuFiles() {
    if (FolderListed_)
        File3->Update();
    else
        File3->ClearItems();
}

bool TfrmEXEWizCls::LeavePathPage() {
    if (Text11->Text().empty()) {
        EditorMsg(kNoFileName, TMsgDlgType::mtWarning, TMsgDlgButtons::mbOK);
        return false;
    }
    RefreshMenuFiles();
    if (File3->ItemCount() == 0) {
        EditorMsg(kNoSavedMenus, TMsgDlgType::mtWarning, TMsgDlgButtons::mbOK);
        return false;
    }
    Text11->SetText(editor::WithExeExtension(Text11->Text()));
    const std::string name = FileNamePart(Text11->Text());
    if (editor::ExeNameTooLong(name) &&
        EditorMsg(kLongNameQuestion, TMsgDlgType::mtConfirmation, TMsgDlgButtons::mbYesNoCancel) != mrYes)
        return false;
    if (editor::ExeNameHasSpace(name) &&
        EditorMsg(kSpaceQuestion, TMsgDlgType::mtConfirmation, TMsgDlgButtons::mbYesNoCancel) != mrYes)
        return false;
    Label4->SetCaption(name);
    if (FolderPart(Text11->Text()).empty()) {
        // Without a folder the executable would land wherever the process
        // happens to stand: the user names one, or stays on this page.
        std::string folder;
        if (!AskExeFolder("Create Autorun EXE in...", folder) || folder.empty()) return false;
        Text11->SetText(WithTrailingBackslash(folder) + name);
    }
    return true;
}

void TfrmEXEWizCls::EnterMenusPage() {
    RefreshMenuFiles();
    const std::vector<std::string> names = editor::WizardMenuNames(File3->Items(), MenuFileName_);
    FreeAll(ChkOptn_);
    for (size_t i = 0; i < names.size(); ++i) {
        auto* box = new forms::CheckBox(this, pnlChkCon);
        box->SetName("ChkOptn" + std::to_string(i + 1));
        box->SetCaption(names[i]);
        box->SetBounds(8, static_cast<int>(i) * kRowHeight + 10, 290, 17);
        box->SetTabStop(true);
        box->SetChecked(i == 0);
        ChkOptn_.push_back(box);
    }
    pnlChkCon->SetHeight(static_cast<int>(names.size()) * kRowHeight + 16);
}

bool TfrmEXEWizCls::LeaveMenusPage() {
    int checked = 0;
    for (forms::CheckBox* box : ChkOptn_) checked += box->Checked() ? 1 : 0;
    if (checked == 0) {
        EditorMsg(kNoMenuChecked, TMsgDlgType::mtError, TMsgDlgButtons::mbOK);
        return false;
    }
    if (checked > editor::kMaxPackedMenus) {
        EditorMsg(kTooManyMenus, TMsgDlgType::mtError, TMsgDlgButtons::mbOK);
        return false;
    }
    return true;
}

void TfrmEXEWizCls::EnterDefaultPage() {
    FreeAll(RadOptn_);
    for (forms::CheckBox* box : ChkOptn_) {
        if (!box->Checked()) continue;
        const int j = static_cast<int>(RadOptn_.size()) + 1;
        auto* option = new forms::RadioButton(this, pnlOptnCon);
        option->SetName("RadOptn" + std::to_string(j));
        option->SetCaption(box->Caption());
        option->SetBounds(8, j * kRowHeight - 10, 290, 17);
        option->SetTabStop(true);
        RadOptn_.push_back(option);
    }
    if (!RadOptn_.empty()) RadOptn_.front()->SetChecked(true);
    pnlOptnCon->SetHeight(static_cast<int>(RadOptn_.size()) * kRowHeight + 16);
}

std::vector<std::string> TfrmEXEWizCls::ChosenMenuFiles() const {
    std::vector<std::string> names;
    for (forms::CheckBox* box : ChkOptn_)
        if (box->Checked()) names.push_back(box->Caption() + ".mnu");
    return names;
}

bool TfrmEXEWizCls::ConfirmMenusLeftOut() {
    const std::string menuFolder = WithTrailingBackslash(File3->Directory());
    const std::vector<std::string> names = ChosenMenuFiles();
    std::vector<std::string> commands;
    {
        forms::WaitCursor wait;
        for (const std::string& name : names) {
            const std::vector<std::string> own = editor::PressableCommands(menuFolder + name);
            commands.insert(commands.end(), own.begin(), own.end());
        }
    }
    const std::vector<std::string> leftOut = editor::MenusLeftOut(names, commands);
    return leftOut.empty() || EditorMsg(editor::MenusLeftOutQuestion(leftOut), TMsgDlgType::mtWarning,
                                        TMsgDlgButtons::mbYesNo) == mrYes;
}

bool TfrmEXEWizCls::Build() {
    const std::string menuFolder = WithTrailingBackslash(File3->Directory());
    std::vector<std::string> names = ChosenMenuFiles();
    std::string defaultName;
    for (forms::RadioButton* option : RadOptn_)
        if (option->Checked()) defaultName = option->Caption() + ".mnu";
    names = editor::PackOrder(names, defaultName);
    for (auto& slot : PackFiles) slot.clear();
    for (size_t k = 0; k < names.size(); ++k) PackFiles[k + 1] = menuFolder + names[k];

    const std::string exeFolder = FolderPart(Text11->Text());
    const std::string exeName = FileNamePart(Text11->Text());
    // An existing executable is replaced without a question, but only once
    // the new one is complete: a failed build keeps the old one. One that is
    // read-only or held open by another program is refused here.
    if (!CanBeReplaced(exeFolder + exeName)) {
        EditorMsg(DlgCaption + " could not create the destination EXE." + "\r\r" +
                      "Check that you do not have the autorun exe currently open and" + "\r" + "try again.",
                  TMsgDlgType::mtError, TMsgDlgButtons::mbOK);
        return false;
    }
    WizardFileHost host;
    TMenuFile file(host);
    file.ClearMnuError();
    const bool built = file.BuildAutorunExe(exeFolder, exeName, false);
    file.CloseMnuFile();
    if (!built || file.MnuError()) {
        EditorMsg(kCompileFailed, TMsgDlgType::mtError, TMsgDlgButtons::mbOK);
        return false;
    }
    if (!editor::WriteAutorunInf(exeFolder, exeName)) {
        EditorMsg(kInfFailed, TMsgDlgType::mtError, TMsgDlgButtons::mbOK);
        return false;
    }
    return true;
}

void TfrmEXEWizCls::ShowStep() {
    Command3000->SetVisible(WizStep_ > 1);
    Command3001->SetCaption(WizStep_ == 1 ? "&Create Autorun >" : "N&ext >");
    Command3001->SetEnabled(WizStep_ <= 3);
    pnlEXE01->SetVisible(WizStep_ == 1);
    pnlEXE02->SetVisible(WizStep_ == 2);
    pnlEXE03->SetVisible(WizStep_ == 3);
    pnlEXE04->SetVisible(WizStep_ == 4);
    // The path page gives its box the keyboard, text selected. The other
    // pages take it from a control that went with its page (or was
    // disabled): to Next while it works, else to Close, so that nothing typed
    // lands in a page that is not shown.
    if (WizStep_ == 1)
        FocusEntry(*this, *Text11);
    else if (!ActiveControl() || !ActiveControl()->CanFocus())
        SetActiveControl(Command3001->Enabled() ? Command3001 : Command1);
}
