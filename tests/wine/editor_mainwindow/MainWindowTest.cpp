// The main window without its start-up sequence: documents are made and
// closed through the window's own commands; questions and file dialogs are
// answered by the test.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <deque>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "editor/logic/EditorSettings.h"
#include "editor/win32/common/EditorGlobals.h"
#include "editor/win32/smallwindows/frmstart.h"
#include "editor/win32/mainwindow/mdiform1.h"
#include "forms/portable/FileSystem.h"
#include "forms/win32/Application.h"
#include "forms/win32/ComboBox.h"
#include "forms/win32/Command.h"
#include "forms/win32/Image.h"
#include "forms/win32/Label.h"
#include "forms/win32/Menus.h"
#include "forms/win32/PageControl.h"
#include "forms/win32/Panel.h"
#include "forms/win32/RichEdit.h"
#include "forms/win32/StatusBar.h"
#include "forms/win32/Timer.h"
#include "forms/win32/ToolBar.h"
#include "tests/wine/editor_mainwindow/MenuPropsAnswers.h"

namespace {

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        MenuCounter = 0;
        EditorMsg = [this](const std::string& text, TMsgDlgType, TMsgDlgButtons) {
            asked_.push_back(text);
            if (answers_.empty()) return mrOk;
            const int answer = answers_.front();
            answers_.pop_front();
            return answer;
        };
        AskOpenMenuPath = [this](std::string& path) {
            if (openPath_.empty()) return false;
            path = openPath_;
            return true;
        };
        AskSaveMenuPath = [this](std::string& path) {
            ++saveDialogs_;
            if (savePath_.empty()) return false;
            path = savePath_;
            return true;
        };
        form_ = forms::Application().CreateForm<TMDIForm1Cls>(false);
        ASSERT_NE(form_, nullptr);
    }
    void TearDown() override {
        delete form_;
        forms::Application().ProcessMessages();
    }

    forms::Command& Cmd(const std::string& name) {
        auto* command = dynamic_cast<forms::Command*>(form_->FindComponent(name));
        EXPECT_NE(command, nullptr) << name;
        return *command;
    }
    forms::MenuItem& Item(const std::string& name) {
        auto* item = dynamic_cast<forms::MenuItem*>(form_->FindComponent(name));
        EXPECT_NE(item, nullptr) << name;
        return *item;
    }
    forms::PageControl& Pages() { return *dynamic_cast<forms::PageControl*>(form_->FindComponent("PageControl1")); }
    std::vector<std::string> TabCaptions() {
        std::vector<std::string> captions;
        for (int i = 0; i < Pages().PageCount(); ++i) captions.push_back(Pages().Pages(i)->Caption());
        return captions;
    }

    TMDIForm1Cls* form_ = nullptr;
    std::deque<int> answers_;
    std::vector<std::string> asked_;
    std::string savePath_;
    std::string openPath_;
    int saveDialogs_ = 0;
};

TEST_F(MainWindowTest, NewDocumentsAreNamedBySlotAndTheCurrentOneFollowsTheActiveTab) {
    EXPECT_EQ(form_->CurMenu(), -1);
    form_->NewMenu(0);
    form_->NewMenu(0);
    EXPECT_EQ(TabCaptions(), (std::vector<std::string>{"Menu 1", "Menu 2"}));
    EXPECT_EQ(form_->CurMenu(), 2);
    EXPECT_EQ(Pages().ActivePage()->Tag(), 2);
    EXPECT_EQ(form_->CurrentDoc()->Modified, 1);

    Pages().SetActivePage(Pages().Pages(0));
    form_->PageControl1Change();
    EXPECT_EQ(form_->CurMenu(), 1);

    // A closed slot is never taken again.
    answers_ = {mrNo};
    Cmd("cmdClose").Execute();
    form_->NewMenu(0);
    EXPECT_EQ(TabCaptions(), (std::vector<std::string>{"Menu 2", "Menu 3"}));
    EXPECT_EQ(form_->CurMenu(), 3);
}

TEST_F(MainWindowTest, ClosingTheLastDocumentLeavesNoneAndDisablesTheDocumentCommands) {
    EXPECT_FALSE(Cmd("cmdSave").Enabled());
    form_->NewMenu(0);
    form_->CurrentDoc()->Menu.Buttons[0].Pics[Up][0] = std::make_shared<forms::Bitmap>(40, 30);
    // The shared text box and its bar, in use on the document, survive it.
    auto* textBox = dynamic_cast<forms::RichEdit*>(form_->FindComponent("RichAccEdit"));
    auto* textBar = dynamic_cast<forms::ToolBar*>(form_->FindComponent("ToolBar6"));
    auto* drawer = dynamic_cast<forms::Panel*>(form_->FindComponent("pnlDrawer"));
    textBox->SetParent(form_->CurrentDoc()->ClientPanel);
    textBar->SetParent(form_->CurrentDoc()->ClientPanel);
    textBox->SetVisible(true);
    for (const char* name : {"cmdSave", "cmdSaveAs", "cmdClose", "cmdFindControls", "cmdSnapToGrid"})
        EXPECT_TRUE(Cmd(name).Enabled()) << name;
    EXPECT_TRUE(Item("mnuScrPos").Enabled());

    answers_ = {mrNo};
    Cmd("cmdClose").Execute();
    EXPECT_EQ(asked_, (std::vector<std::string>{"Do you want to save the changes you made to Menu 1"}));
    EXPECT_EQ(form_->CurMenu(), 0);
    EXPECT_EQ(Pages().PageCount(), 0);
    EXPECT_TRUE(form_->MenuDoc(1)->Closed);
    EXPECT_EQ(form_->MenuDoc(1)->Menu.Buttons[0].Pics[Up][0], nullptr);
    forms::Application().ProcessMessages();
    EXPECT_EQ(textBox->Parent(), drawer);
    EXPECT_EQ(textBar->Parent(), drawer);
    textBox->SetText("still here");
    EXPECT_EQ(textBox->Text(), "still here");
    for (const char* name : {"cmdSave", "cmdSaveAs", "cmdSaveAll", "cmdClose", "cmdFindControls"})
        EXPECT_FALSE(Cmd(name).Enabled()) << name;
    EXPECT_FALSE(Item("mnuScrPos").Enabled());
    // Operations built later stay disabled whatever the document state.
    for (const char* name : {"cmdUndo", "cmdCut", "cmdMenuProps", "cmdDelete"})
        EXPECT_FALSE(Cmd(name).Enabled()) << name;

    // The document's handlers do nothing while none is open.
    asked_.clear();
    form_->mnuSaveClick();
    form_->mnuClose_Click();
    form_->mnuFindControls_Click();
    EXPECT_TRUE(asked_.empty());
    EXPECT_EQ(saveDialogs_, 0);
}

TEST_F(MainWindowTest, ASaveQuestionThatDoesNotEndInASaveKeepsTheDocument) {
    form_->NewMenu(0);
    answers_ = {mrCancel};
    Cmd("cmdClose").Execute();
    EXPECT_EQ(Pages().PageCount(), 1);

    // Yes, then the Save As dialog cancelled: nothing was saved, the
    // document stays.
    answers_ = {mrYes};
    Cmd("cmdClose").Execute();
    EXPECT_EQ(saveDialogs_, 1);
    EXPECT_EQ(Pages().PageCount(), 1);
    EXPECT_EQ(form_->CurMenu(), 1);

    // Yes, a name chosen, but the file could not be written: it stays too,
    // under its new name.
    savePath_ = "C:\\a.b\\name.txt";
    answers_ = {mrYes};
    asked_.clear();
    Cmd("cmdClose").Execute();
    EXPECT_EQ(Pages().PageCount(), 1);
    EXPECT_EQ(form_->CurrentDoc()->FileName, "name.mnu");
    EXPECT_EQ(form_->CurrentDoc()->Folder, "C:\\a.b\\");
    ASSERT_FALSE(asked_.empty());
    EXPECT_EQ(asked_.back(), "A problem occured when saving the menu.");
}

TEST_F(MainWindowTest, ClosingTheEditorStopsAtACancelledQuestionWithThatDocumentCurrent) {
    form_->NewMenu(0);
    form_->NewMenu(0);
    form_->NewMenu(0);
    form_->MenuDoc(1)->Modified = 0;
    answers_ = {mrNo, mrCancel};
    bool canClose = true;
    form_->FormCloseQuery(canClose);
    EXPECT_FALSE(canClose);
    EXPECT_EQ(asked_.size(), 2u);
    EXPECT_EQ(form_->CurMenu(), 3);
    EXPECT_EQ(Pages().ActivePage()->Tag(), 3);

    // Yes, but the Save As that follows is cancelled: the editor stays too.
    answers_ = {mrNo, mrYes};
    canClose = true;
    form_->FormCloseQuery(canClose);
    EXPECT_FALSE(canClose);
    EXPECT_EQ(form_->CurMenu(), 3);

    // Nothing modified: no question, the editor may close.
    for (int slot = 1; slot <= 3; ++slot) form_->MenuDoc(slot)->Modified = 0;
    asked_.clear();
    canClose = true;
    form_->FormCloseQuery(canClose);
    EXPECT_TRUE(canClose);
    EXPECT_TRUE(asked_.empty());
}

TEST_F(MainWindowTest, SaveAllComesBackToTheDocumentTheUserWasOn) {
    form_->NewMenu(0);
    form_->NewMenu(0);
    Pages().SetActivePage(Pages().Pages(0));
    form_->PageControl1Change();
    Cmd("cmdSaveAll").Execute();  // each Save As dialog is cancelled
    EXPECT_EQ(saveDialogs_, 2);
    EXPECT_EQ(form_->CurMenu(), 1);
    EXPECT_EQ(Pages().ActivePage()->Tag(), 1);
}

TEST_F(MainWindowTest, TheHundredAndFirstDocumentIsRefused) {
    for (int i = 0; i < kMaxDocuments; ++i) ASSERT_TRUE(form_->NewMenu(0));
    EXPECT_TRUE(asked_.empty());
    EXPECT_FALSE(form_->NewMenu(0));
    EXPECT_EQ(asked_.size(), 1u);
    EXPECT_EQ(MenuCounter, kMaxDocuments);
    EXPECT_EQ(form_->CurMenu(), kMaxDocuments);
    // A document's controls make few windows, so a full editor stays far
    // below the system's limit of 10,000 window objects per process.
    int windows = 0;
    EnumChildWindows(
        form_->Handle(), [](HWND, LPARAM count) { return ++*reinterpret_cast<int*>(count), TRUE; },
        reinterpret_cast<LPARAM>(&windows));
    EXPECT_LT(windows, 1500);
}

TEST_F(MainWindowTest, ScreenPositionAndGridSizeCheckExactlyTheirItem) {
    form_->NewMenu(0);
    form_->CurrentDoc()->Modified = 0;
    Item("mnuScreenPos003").Click();
    EXPECT_EQ(form_->CurrentDoc()->Menu.ScreenPos, 3);
    EXPECT_EQ(form_->CurrentDoc()->Modified, 0);
    for (int i = 0; i <= 10; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "mnuScreenPos%.3d", i);
        EXPECT_EQ(Item(name).Checked(), i == 3) << name;
    }
    Item("N82").Click();
    EXPECT_EQ(GridSize, 8);
    EXPECT_TRUE(Item("N82").Checked());
    EXPECT_FALSE(Item("N61").Checked());
}

TEST_F(MainWindowTest, SettingsShowInTheMenusAndToolbarsAndAreWrittenBack) {
    const std::string path = editor::SettingsFilePath(forms::ExecutablePath(), form_->DataFolders().Settings);
    editor::EditorSettings settings = editor::DefaultSettings(EditorFolder, 1024, 768);
    settings.FormattingToolbar = false;
    settings.ShowToolTips = false;
    settings.SnapToGrid = false;
    settings.GridSize = 4;
    ASSERT_TRUE(editor::SaveSettingsFile(path, settings));
    form_->LoadSettings();
    auto* formatting = dynamic_cast<forms::ToolBar*>(form_->FindComponent("ToolBar2"));
    auto* standard = dynamic_cast<forms::ToolBar*>(form_->FindComponent("ToolBar1"));
    EXPECT_FALSE(formatting->Visible());
    EXPECT_FALSE(Item("FormattingToolbar1").Checked());
    EXPECT_TRUE(standard->Visible());
    EXPECT_FALSE(Item("mnuToolTips").Checked());
    EXPECT_FALSE(standard->ShowHint());
    EXPECT_FALSE(Cmd("cmdSnapToGrid").Checked());
    EXPECT_EQ(SnapToGrid, 0);
    EXPECT_EQ(GridSize, 4);
    EXPECT_TRUE(Item("N41").Checked());
    EXPECT_FALSE(Item("N61").Checked());

    // Shown again from the View menu, it goes back between the other two.
    Item("FormattingToolbar1").Click();
    EXPECT_TRUE(formatting->Visible());
    auto* object = dynamic_cast<forms::ToolBar*>(form_->FindComponent("ToolBar3"));
    EXPECT_LT(standard->Top(), formatting->Top());
    EXPECT_LT(formatting->Top(), object->Top());

    Item("ButtonToolbar1").Click();
    ASSERT_TRUE(form_->SaveSettings());
    editor::EditorSettings written = editor::DefaultSettings(EditorFolder, 1024, 768);
    EXPECT_EQ(editor::LoadSettingsFile(path, written), editor::SettingsLoad::Loaded);
    EXPECT_TRUE(written.FormattingToolbar);
    EXPECT_FALSE(written.ObjectToolbar);
    EXPECT_FALSE(written.ShowToolTips);
    EXPECT_EQ(written.GridSize, 4);
    forms::RemoveFile(path);
}

TEST_F(MainWindowTest, HelpRequestsNameTheHelpFileAndPage) {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    const std::string log = std::string(temp) + "qvshell-help-" + std::to_string(GetCurrentProcessId()) + ".log";
    SetEnvironmentVariableA("QV_HELP_LOG", log.c_str());
    _putenv_s("QV_HELP_LOG", log.c_str());
    Cmd("cmdHelpContents").Execute();
    auto* topics = dynamic_cast<forms::PopupMenu*>(form_->FindComponent("PopupMenu2"));
    ASSERT_NE(topics, nullptr);
    topics->Items().Item(2)->Click();
    _putenv_s("QV_HELP_LOG", "");

    std::ifstream in(log, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    in.close();
    forms::RemoveFile(log);
    const std::string file = EditorFolder + "Autorun Quorvel Help.chm";
    EXPECT_EQ(text.str(), file + "::html/quor2bjj.htm\r\n" + file + "::html/quor9wvf.htm\r\n");
}

// A fresh folder under the temporary folder, removed with its files.
class TempFolder {
public:
    TempFolder() {
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        path_ = std::string(temp) + "qvshell-" + std::to_string(GetCurrentProcessId()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name() + "\\";
        CreateDirectoryA(path_.c_str(), nullptr);
    }
    ~TempFolder() {
        WIN32_FIND_DATAA data;
        HANDLE find = FindFirstFileA((path_ + "*").c_str(), &data);
        if (find != INVALID_HANDLE_VALUE) {
            do {
                DeleteFileA((path_ + data.cFileName).c_str());
            } while (FindNextFileA(find, &data));
            FindClose(find);
        }
        SetCurrentDirectoryA("C:\\");
        RemoveDirectoryA(path_.c_str());
    }
    const std::string& Path() const { return path_; }
    void Touch(const std::string& name) const { std::ofstream(path_ + name) << "x"; }

private:
    std::string path_;
};

TEST_F(MainWindowTest, TheFileMenuListsTheFirstTwentyMenusOfTheMenuFolder) {
    TempFolder folder;
    MenuFolder = folder.Path();
    form_->LoadMenuList();
    EXPECT_EQ(Item("mnuMenuName000").Caption(), "No menus found");
    EXPECT_FALSE(Item("mnuMenuName000").Enabled());
    EXPECT_FALSE(Item("mnuMenuName001").Visible());

    for (int i = 0; i < 22; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "m%.2d.mnu", i);
        folder.Touch(name);
    }
    folder.Touch("notes.txt");
    form_->LoadMenuList();
    EXPECT_TRUE(Item("mnuMenuName000").Enabled());
    EXPECT_EQ(Item("mnuMenuName000").Caption(), "m00.mnu");
    EXPECT_EQ(Item("mnuMenuName019").Caption(), "m19.mnu");
    EXPECT_TRUE(Item("mnuMenuName019").Visible());

    // A menu folder that is gone lists nothing.
    MenuFolder = folder.Path() + "gone\\";
    form_->LoadMenuList();
    EXPECT_EQ(Item("mnuMenuName000").Caption(), "No menus found");
    EXPECT_FALSE(Item("mnuMenuName001").Visible());
    MenuFolder = folder.Path();
    form_->LoadMenuList();

    // A listed file that went away meanwhile is reported, not opened.
    DeleteFileA((folder.Path() + "m03.mnu").c_str());
    Item("mnuMenuName003").Click();
    ASSERT_EQ(asked_.size(), 1u);
    EXPECT_EQ(asked_[0], "The following menu could no be found:\r\r" + folder.Path() + "m03.mnu");
    EXPECT_EQ(Pages().PageCount(), 0);
}

TEST_F(MainWindowTest, FindControlsAsksFirstAndBringsTheLabelsBackOntoTheMenu) {
    form_->NewMenu(0);
    TMenuDocument& doc = *form_->CurrentDoc();
    doc.BackImage->SetPicture(forms::Bitmap(300, 200, 0xFF808080u));
    doc.Menu.TimeLeft = -30;
    doc.Menu.TimeTop = 500;
    doc.TimeLabel->SetBounds(-30, 500, doc.TimeLabel->Width(), doc.TimeLabel->Height());
    answers_ = {mrNo};
    Cmd("cmdFindControls").Execute();
    EXPECT_EQ(doc.TimeLabel->Left(), -30);
    EXPECT_EQ(doc.UndoCount, 0);

    answers_ = {mrYes, mrOk};
    Cmd("cmdFindControls").Execute();
    EXPECT_EQ(doc.TimeLabel->Left(), 0);
    EXPECT_EQ(doc.TimeLabel->Top(), 200 - doc.TimeLabel->Height());
    EXPECT_EQ(doc.Menu.TimeLeft, 0);
    EXPECT_EQ(doc.Menu.TimeTop, doc.TimeLabel->Top());
    EXPECT_EQ(doc.UndoCount, 1);
    ASSERT_EQ(asked_.size(), 3u);
    EXPECT_EQ(asked_[2], "Find controls complete.");
}

TEST_F(MainWindowTest, TheWindowStartsWithItsFontListSizesAndVersion) {
    auto* fonts = dynamic_cast<forms::ComboBox*>(form_->FindComponent("cmbTB000"));
    auto* sizes = dynamic_cast<forms::ComboBox*>(form_->FindComponent("cmbTB001"));
    auto* status = dynamic_cast<forms::StatusBar*>(form_->FindComponent("StatusBar1"));
    EXPECT_EQ(fonts->Item(0), "Arial");
    EXPECT_EQ(fonts->Item(12), "Impact");
    EXPECT_EQ(fonts->Item(13), std::string(12, '\x97'));
    EXPECT_EQ(fonts->ItemIndex(), 0);
    EXPECT_EQ(sizes->Text(), "14");
    EXPECT_EQ(sizes->ItemCount(), 69);
    EXPECT_EQ(status->PanelText(0), "Autorun Quorvel");
    EXPECT_EQ(status->PanelText(1).rfind(" Version: ", 0), 0u);
    EXPECT_EQ(form_->Caption(), "Autorun Quorvel Menu Editor");
}

TEST_F(MainWindowTest, TheFormattingToolbarShowsTheTextBoxFormat) {
    auto* textBox = dynamic_cast<forms::RichEdit*>(form_->FindComponent("RichAccEdit"));
    textBox->SetText("text");
    textBox->SelectAll();
    textBox->SetSelectionFontName("Impact");
    textBox->SetSelectionSize(18);
    textBox->SetSelectionStyle(forms::fsBold | forms::fsUnderline);
    textBox->SetSelectionAlignment(forms::Alignment::Center);
    form_->NewMenu(0);
    auto* fonts = dynamic_cast<forms::ComboBox*>(form_->FindComponent("cmbTB000"));
    auto* sizes = dynamic_cast<forms::ComboBox*>(form_->FindComponent("cmbTB001"));
    EXPECT_EQ(fonts->ItemIndex(), 12);
    EXPECT_EQ(sizes->Text(), "18");
    EXPECT_TRUE(Cmd("cmdBold").Checked());
    EXPECT_FALSE(Cmd("cmdItalic").Checked());
    EXPECT_TRUE(Cmd("cmdUnderline").Checked());
    EXPECT_TRUE(Cmd("cmdAlignCenter").Checked());
    EXPECT_FALSE(Cmd("cmdAlignLeft").Checked());
}

TEST_F(MainWindowTest, TheClockAndTheMenuCaptionsFollowTheDocument) {
    form_->NewMenu(0);
    TMenuDocument& doc = *form_->CurrentDoc();
    doc.TimeLabel->SetCaption("");
    form_->Timer1Timer();
    EXPECT_FALSE(doc.TimeLabel->Caption().empty());
    EXPECT_FALSE(doc.DateLabel->Caption().empty());

    Cmd("cmdShowTime").SetChecked(true);
    form_->Menu1Click();
    EXPECT_EQ(Cmd("cmdShowTime").Caption(), "Hide Time");
    EXPECT_EQ(Cmd("cmdShowDate").Caption(), "Show Date");
}

TEST_F(MainWindowTest, OptionsFlipTheirChecksAndResetTipsClearsEveryFlag) {
    Item("mnuToolTips").SetChecked(true);
    Item("mnuToolTips").Click();
    EXPECT_FALSE(EditorOptions.ShowToolTips);
    EXPECT_FALSE(form_->ShowHint());
    Item("mnuAutoAuto").Click();
    EXPECT_TRUE(Item("mnuAutoAuto").Checked());
    EXPECT_TRUE(EditorOptions.AutoPlaceButtons);
    for (int32_t& flag : EditorOptions.TipShown) flag = 1;
    Item("mnuResetTips").Click();
    for (int32_t flag : EditorOptions.TipShown) EXPECT_EQ(flag, 0);
}

TEST_F(MainWindowTest, ShortcutsRunTheirCommandsOnlyWhileTheyApply) {
    {
        // New goes through Menu Properties and the Menu Creation Wizard.
        MenuPropsAnswers answers;
        answers.props = {[](TfrmFormPropsCls& d) { d.SetBackImage(forms::Bitmap(40, 30, 0x808080)); },
                         MenuPropsAnswers::Ok};
        answers.wizard = {MenuPropsAnswers::Complete};
        EXPECT_TRUE(form_->ExecuteShortCut(forms::MakeShortCut('N', forms::scCtrl)));
        EXPECT_EQ(answers.unanswered, 0);
    }
    EXPECT_EQ(Pages().PageCount(), 1);
    EXPECT_TRUE(form_->ExecuteShortCut(forms::MakeShortCut('S', forms::scCtrl)));
    EXPECT_EQ(saveDialogs_, 1);  // "Menu 1" has no file name yet: Save As
    answers_ = {mrNo};
    Cmd("cmdClose").Execute();
    // Without a document Save is disabled and its key goes on unused.
    EXPECT_FALSE(form_->ExecuteShortCut(forms::MakeShortCut('S', forms::scCtrl)));
    EXPECT_EQ(saveDialogs_, 1);
    // Nor does Undo, which needs a document too.
    EXPECT_FALSE(form_->ExecuteShortCut(forms::MakeShortCut('Z', forms::scCtrl)));
}

TEST_F(MainWindowTest, OpenReportsAMissingFileAndTakesTheFolderOfAnExistingOne) {
    TempFolder folder;
    openPath_ = folder.Path() + "gone.mnu";
    Cmd("cmdOpen").Execute();
    ASSERT_EQ(asked_.size(), 1u);
    EXPECT_EQ(asked_[0], "The menu \"gone.mnu\" could no be found.");

    folder.Touch("there.mnu");
    openPath_ = folder.Path() + "there.mnu";
    asked_.clear();
    Cmd("cmdOpen").Execute();
    EXPECT_EQ(MenuFolder, folder.Path());
    // The file is no menu: said so, nothing opened.
    ASSERT_FALSE(asked_.empty());
    EXPECT_EQ(asked_.back(), "Menu file could not be read.");
    EXPECT_EQ(Pages().PageCount(), 0);
    EXPECT_EQ(Item("mnuMenuName000").Caption(), "there.mnu");
}

// Answers the start dialog as its OK or Cancel would: once it shows, the
// choice is stored and the dialog closed.
class StartDialogAnswer {
public:
    StartDialogAnswer(uint8_t newMenu, std::string fileName) : timer_(nullptr) {
        timer_.OnTimer = [this, newMenu, fileName](forms::Component&) {
            for (forms::Form* form : forms::Application().Forms()) {
                auto* start = dynamic_cast<TfrmStartCls*>(form);
                if (!start || !start->IsModal()) continue;
                timer_.SetInterval(0);
                StartNewMenu = newMenu;
                StartFileName = fileName;
                start->SetModalResult(mrOk);
            }
        };
        timer_.SetInterval(20);
    }

private:
    forms::Timer timer_;
};

TEST_F(MainWindowTest, TheStartDialogsChoiceLeadsToNewOpenOrNothing) {
    {
        StartDialogAnswer answer(1, "");
        MenuPropsAnswers properties;
        properties.props = {[](TfrmFormPropsCls& d) { d.SetBackImage(forms::Bitmap(40, 30, 0)); },
                            MenuPropsAnswers::Ok};
        properties.wizard = {MenuPropsAnswers::Complete};
        form_->ShowStartDlg();
        EXPECT_EQ(properties.unanswered, 0);
    }
    EXPECT_EQ(TabCaptions(), (std::vector<std::string>{"Menu 1"}));

    {
        StartDialogAnswer answer(0, "null");
        form_->ShowStartDlg();
    }
    EXPECT_EQ(Pages().PageCount(), 1);
    EXPECT_TRUE(asked_.empty());

    // No file chosen: the Open dialog.
    int openDialogs = 0;
    AskOpenMenuPath = [&openDialogs](std::string&) { return ++openDialogs, false; };
    {
        StartDialogAnswer answer(0, "");
        form_->ShowStartDlg();
    }
    EXPECT_EQ(openDialogs, 1);

    // A file chosen: it is loaded (here it does not exist).
    {
        StartDialogAnswer answer(0, "chosen.mnu");
        form_->ShowStartDlg();
    }
    ASSERT_EQ(asked_.size(), 1u);
    EXPECT_EQ(asked_[0], "Menu not found.");
    EXPECT_EQ(Pages().PageCount(), 1);
}

}  // namespace
