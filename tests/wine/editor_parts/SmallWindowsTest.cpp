// The editor's small windows: the splash and About box, the tips, the start
// dialog and the two pop-ups, driven through their controls as a user would.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <fstream>
#include <regex>
#include <string>

#include "../forms/TestSupport.h"
#include "editor/logic/EditorTexts.h"
#include "editor/win32/common/EditorGlobals.h"
#include "editor/win32/smallwindows/frmfutip.h"
#include "editor/win32/smallwindows/frmsave.h"
#include "editor/win32/smallwindows/frmsearchn.h"
#include "editor/win32/smallwindows/frmsplash.h"
#include "editor/win32/smallwindows/frmstart.h"
#include "forms/win32/Application.h"

using formstest::PumpUntil;

namespace {

// The main form that the pop-ups belong to, made once for the whole suite.
forms::Form& MainForm() {
    static forms::Form* main = [] {
        auto* form = forms::Application().CreateForm<forms::Form>();
        form->SetBounds(100, 100, 600, 400);
        form->Show();
        return form;
    }();
    return *main;
}

TEST(SplashTest, ShapedTopMostVersionedAndFreedByItsTimer) {
    MainForm();
    SplashDone = 7;
    auto* splash = forms::Application().CreateForm<TfrmSplashCls>();
    bool destroyed = false;
    splash->OnDestroy = [&](forms::Component&) { destroyed = true; };
    EXPECT_EQ(SplashDone, 0);
    splash->Show();
    HWND hwnd = splash->Handle();
    const LONG_PTR ex = GetWindowLongPtrA(hwnd, GWL_EXSTYLE);
    EXPECT_TRUE(ex & WS_EX_TOPMOST);
    EXPECT_TRUE(ex & WS_EX_LAYERED);
    COLORREF key = 0;
    DWORD flags = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(hwnd, &key, nullptr, &flags));
    EXPECT_EQ(key, RGB(0, 255, 0));
    EXPECT_TRUE(flags & LWA_COLORKEY);
    EXPECT_FALSE(GetWindowLongPtrA(hwnd, GWL_STYLE) & WS_CAPTION);

    EXPECT_TRUE(std::regex_match(splash->Label3000->Caption(), std::regex(R"(VERSION: \d+\.\d+\.\d+\.\d+)")))
        << splash->Label3000->Caption();
    EXPECT_TRUE(splash->lblShortNotice->Visible());
    EXPECT_FALSE(splash->lblShortNotice->Caption().empty());
    EXPECT_FALSE(splash->lblLongNotice->Visible());
    EXPECT_FALSE(splash->Command1->Visible());

    splash->Timer1->SetInterval(30);
    EXPECT_TRUE(PumpUntil([&] { return destroyed; }));
    EXPECT_EQ(SplashDone, 1);
}

TEST(SplashTest, AboutBoxShowsTheLongNoticeAndCloseAndLeavesSplashDoneAlone) {
    MainForm();
    SplashDone = 1;
    auto* about = forms::Application().CreateForm<TfrmSplashCls>(TfrmSplashCls::Use::About);
    EXPECT_FALSE(about->lblShortNotice->Visible());
    EXPECT_TRUE(about->lblLongNotice->Visible());
    EXPECT_TRUE(about->Command1->Visible());
    EXPECT_EQ(about->Timer1->Interval(), 0);
    // Its Close button ends the modal run with OK.
    bool clicked = false;
    auto* timer = new forms::Timer(about);
    timer->OnTimer = [&](forms::Component&) {
        timer->SetInterval(0);
        clicked = true;
        about->Command1->Click();
    };
    timer->SetInterval(50);
    const int result = about->ShowModal();
    EXPECT_TRUE(clicked);
    EXPECT_EQ(result, forms::mrOk);
    EXPECT_EQ(SplashDone, 1);
    about->Release();
}

// The tip window on the screen now, or nullptr.
TfrmFUTipCls* ShownTip() {
    for (forms::Form* f : forms::Application().Forms())
        if (auto* tip = dynamic_cast<TfrmFUTipCls*>(f); tip && tip->Visible()) return tip;
    return nullptr;
}

// Shows tip n; answer gets the tip window once it is up (it must close it).
// Returns whether a tip window showed.
bool RunTip(int n, const std::function<void(TfrmFUTipCls&)>& answer) {
    static const std::function<void(TfrmFUTipCls&)>* current = nullptr;
    static bool shown = false;
    current = &answer;
    shown = false;
    const UINT_PTR timer = SetTimer(nullptr, 0, 20, [](HWND, UINT, UINT_PTR, DWORD) {
        TfrmFUTipCls* tip = ShownTip();
        if (!tip || shown) return;
        shown = true;
        (*current)(*tip);
    });
    ShowTip(n);
    KillTimer(nullptr, timer);
    return shown;
}

TEST(TipTest, ShowsTheTipTextAndTheTickedBoxStopsItForGood) {
    MainForm();
    std::fill(std::begin(EditorOptions.TipShown), std::end(EditorOptions.TipShown), 0);
    std::string text;
    bool shown = RunTip(2, [&](TfrmFUTipCls& tip) {
        text = tip.Label1->Caption();
        tip.Command1->Click();  // not ticked
    });
    EXPECT_TRUE(shown);
    EXPECT_EQ(text, editor::TipText(2));
    EXPECT_EQ(EditorOptions.TipShown[2], 0);

    shown = RunTip(2, [](TfrmFUTipCls& tip) {
        tip.Check1->SetChecked(true);
        tip.Command1->Click();
    });
    EXPECT_TRUE(shown);
    EXPECT_EQ(EditorOptions.TipShown[2], 1);
    EXPECT_EQ(EditorOptions.TipShown[3], 0);

    EXPECT_FALSE(RunTip(2, [](TfrmFUTipCls& tip) { tip.Command1->Click(); }));
    // Numbers that name no tip show nothing.
    EXPECT_FALSE(RunTip(9, [](TfrmFUTipCls& tip) { tip.Command1->Click(); }));
    EXPECT_FALSE(RunTip(-1, [](TfrmFUTipCls& tip) { tip.Command1->Click(); }));
}

// A folder of the test's own with two menu files and one other file.
std::string MenuFolderWithFiles() {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    std::string folder = std::string(temp) + "qv-start-dialog-" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(folder.c_str(), nullptr);
    for (const char* name : {"\\b.mnu", "\\a.mnu", "\\notes.txt"}) std::ofstream(folder + name) << "x";
    return folder + "\\";
}

struct StartDialogTest : ::testing::Test {
    void SetUp() override {
        MainForm();
        MenuFolder = MenuFolderWithFiles();
        StartNewMenu = 0;
        StartFileName = "";
        dialog = forms::Application().CreateForm<TfrmStartCls>();
    }
    void TearDown() override { dialog->Release(); }
    TfrmStartCls* dialog = nullptr;
};

TEST_F(StartDialogTest, ListsTheMenusOfTheMenuFolderAndStartsCancelled) {
    EXPECT_EQ(dialog->File1->Items(), (std::vector<std::string>{"a.mnu", "b.mnu"}));
    EXPECT_EQ(StartFileName, "null");
    EXPECT_TRUE(dialog->Option1000->Checked());

    dialog->Command1001->Click();
    EXPECT_EQ(dialog->ModalResult(), forms::mrCancel);
    EXPECT_EQ(StartFileName, "null");
}

TEST_F(StartDialogTest, OkWithNewMenuChosen) {
    dialog->Command1000->Click();
    EXPECT_EQ(dialog->ModalResult(), forms::mrOk);
    EXPECT_EQ(StartNewMenu, 1);
    EXPECT_EQ(StartFileName, "");
    EXPECT_EQ(MenuFolder.back(), '\\');
}

TEST_F(StartDialogTest, ClickingAFileChoosesOpenAndKeepsTheFile) {
    dialog->File1->SetItemIndex(1);
    dialog->File1_Click(*dialog->File1);
    EXPECT_TRUE(dialog->Option1001->Checked());
    EXPECT_EQ(dialog->File1->ItemIndex(), 1);
    dialog->File1_DblClick(*dialog->File1);
    EXPECT_EQ(dialog->ModalResult(), forms::mrOk);
    EXPECT_EQ(StartNewMenu, 0);
    EXPECT_EQ(StartFileName, "b.mnu");
}

TEST_F(StartDialogTest, OpenOptionClearsTheFileAndItsDoubleClickIsOk) {
    dialog->File1->SetItemIndex(0);
    dialog->Option1001->Click();
    EXPECT_EQ(dialog->File1->ItemIndex(), -1);
    dialog->File1_DblClick(*dialog->File1);  // nothing selected: nothing happens
    EXPECT_EQ(dialog->ModalResult(), forms::mrNone);
    dialog->Option1_DblClick(*dialog->Option1001);
    EXPECT_EQ(dialog->ModalResult(), forms::mrOk);
    EXPECT_EQ(StartNewMenu, 0);
    EXPECT_EQ(StartFileName, "");  // the Open dialog comes next
}

bool CentredOver(const forms::Form& popup, const forms::Form& owner) {
    RECT p, o;
    GetWindowRect(popup.Handle(), &p);
    GetWindowRect(owner.Handle(), &o);
    return std::abs((p.left + p.right) - (o.left + o.right)) <= 1 &&
           std::abs((p.top + p.bottom) - (o.top + o.bottom)) <= 1;
}

TEST(StatusPopupTest, CentredOnTheMainWindowAndItsFinalTextShowsEvenAfterItClosedItself) {
    ShowStatusPopup("Saving...");
    TfrmSaveCls* first = OpenStatusPopup();
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(first->Visible());
    EXPECT_TRUE(CentredOver(*first, MainForm()));
    EXPECT_EQ(first->Timer1->Interval(), 3000);
    first->Timer1->SetInterval(20);  // a save that outlasts the pop-up
    EXPECT_TRUE(PumpUntil([] { return OpenStatusPopup() == nullptr; }));

    FinishStatusPopup("Saved!", 40);
    TfrmSaveCls* second = OpenStatusPopup();
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->Label1->Caption(), "Saved!");
    EXPECT_EQ(second->Timer1->Interval(), 40);
    EXPECT_TRUE(PumpUntil([] { return OpenStatusPopup() == nullptr; }));
}

}  // namespace
