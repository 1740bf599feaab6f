// The menu bar (entries, shortcuts, on-open captions, commands) and the
// form's placement helpers (minimum size, centring on the owner, stay on
// top).
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "forms/win32/Forms.h"

using namespace forms;

namespace {

std::string MenuString(HMENU menu, int position) {
    char text[128] = {};
    GetMenuStringA(menu, static_cast<UINT>(position), text, sizeof(text), MF_BYPOSITION);
    return text;
}

UINT MenuState(HMENU menu, int position) { return GetMenuState(menu, static_cast<UINT>(position), MF_BYPOSITION); }

void Press(std::initializer_list<WORD> down) {
    formstest::QueueKeys(down);
    formstest::PumpFor(150);
}

class MenuBarTest : public ::testing::Test {
protected:
    void SetUp() override {
        form.reset(new Form());
        form->SetBounds(40, 40, 400, 300);
        bar = new MainMenu(form.get());
        file = bar->AddItem(nullptr, "mnuFile", "&File");
        newCmd = new Command(form.get());
        newCmd->SetCaption("&New Menu");
        newCmd->SetShortCut(MakeShortCut('N', scCtrl));
        newCmd->OnExecute = [this](Component&) { ran.push_back("new"); };
        mnuNew = bar->AddItem(file, "mnuNew", "");
        mnuNew->SetCommand(newCmd);
        bar->AddItem(file, "N1", "-");
        mnuOpen = bar->AddItem(file, "mnuOpen", "&Open Menu...", [this](Component&) { ran.push_back("open"); });
        mnuOpen->SetShortCut(MakeShortCut('O', scCtrl));
        menu = bar->AddItem(nullptr, "Menu1", "&Menu", [this](Component&) {
            N8->SetCaption(timeShown ? "Hide Time" : "Show Time");
        });
        N8 = bar->AddItem(menu, "N8", "Show Time");
        form->SetMenu(bar);
    }
    HMENU Bar() { return ::GetMenu(form->Handle()); }
    HMENU Open(int index) {
        HMENU popup = GetSubMenu(Bar(), index);
        SendMessageA(form->Handle(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup), MAKELPARAM(index, FALSE));
        return popup;
    }

    std::unique_ptr<Form> form;
    MainMenu* bar = nullptr;
    MenuItem *file = nullptr, *mnuNew = nullptr, *mnuOpen = nullptr, *menu = nullptr, *N8 = nullptr;
    Command* newCmd = nullptr;
    bool timeShown = false;
    std::vector<std::string> ran;
};

TEST_F(MenuBarTest, EntriesShowShortCutsAndStateWhenOpened) {
    ASSERT_EQ(Bar(), bar->Handle());
    ASSERT_EQ(GetMenuItemCount(Bar()), 2);
    EXPECT_EQ(MenuString(Bar(), 0), "&File");
    newCmd->SetEnabled(false);
    HMENU popup = Open(0);
    ASSERT_EQ(GetMenuItemCount(popup), 3);
    EXPECT_EQ(MenuString(popup, 0), "&New Menu\tCtrl+N");
    EXPECT_TRUE(MenuState(popup, 0) & MF_GRAYED);
    EXPECT_TRUE(MenuState(popup, 1) & MF_SEPARATOR);
    EXPECT_EQ(MenuString(popup, 2), "&Open Menu...\tCtrl+O");

    // Opening a menu runs its item's OnClick first: captions can follow.
    timeShown = true;
    HMENU second = Open(1);
    EXPECT_EQ(MenuString(second, 0), "Hide Time");

    // Choosing an entry runs it; an id no entry has any more does nothing.
    newCmd->SetEnabled(true);
    popup = Open(0);
    const UINT openId = GetMenuItemID(popup, 2);
    SendMessageA(form->Handle(), WM_COMMAND, MAKEWPARAM(openId, 0), 0);
    EXPECT_EQ(ran, (std::vector<std::string>{"open"}));
    delete mnuOpen;
    SendMessageA(form->Handle(), WM_COMMAND, MAKEWPARAM(openId, 0), 0);
    EXPECT_EQ(ran.size(), 1u);

    // Changes of the bar itself arrive by the idle step.
    file->SetCaption("&Datei");
    Application().RunIdleStep();
    EXPECT_EQ(MenuString(Bar(), 0), "&Datei");
}

TEST_F(MenuBarTest, ShortCutsAndKeyboardWorkWithTheMenuClosed) {
    auto* edit = new Edit(form.get(), form.get());
    form->Show();
    SetForegroundWindow(form->Handle());
    edit->SetFocus();
    formstest::PumpFor(50);
    Press({VK_CONTROL, 'N'});
    Press({VK_CONTROL, 'O'});
    mnuOpen->SetEnabled(false);
    Press({VK_CONTROL, 'O'});
    EXPECT_EQ(ran, (std::vector<std::string>{"new", "open"}));
    EXPECT_EQ(edit->Text(), "");
    // Alt+F opens the File menu; Enter takes its first entry (both queued
    // first: the menu runs a loop of its own).
    formstest::QueueKeys({VK_MENU, 'F'});
    Press({VK_RETURN});
    EXPECT_EQ(ran, (std::vector<std::string>{"new", "open", "new"}));
}

TEST_F(MenuBarTest, RadioEntriesShowADot) {
    auto* small = bar->AddItem(menu, "N21", "2");
    auto* large = bar->AddItem(menu, "N82", "8");
    small->SetRadioItem(true);
    large->SetRadioItem(true);
    large->SetChecked(true);
    small->SetChecked(true);
    HMENU popup = Open(1);
    MENUITEMINFOA info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE | MIIM_STATE;
    GetMenuItemInfoA(popup, 1, TRUE, &info);
    EXPECT_TRUE(info.fType & MFT_RADIOCHECK);
    EXPECT_TRUE(info.fState & MFS_CHECKED);
    GetMenuItemInfoA(popup, 2, TRUE, &info);
    EXPECT_FALSE(info.fState & MFS_CHECKED);
}

TEST(FormPlacementTest, MinimumSizeCentringAndStayOnTop) {
    Form owner;
    owner.SetBounds(100, 100, 400, 300);
    owner.Show();
    auto* dialog = new Form(&owner);
    dialog->SetBounds(0, 0, 200, 100);
    dialog->CenterOnOwner();
    EXPECT_EQ(dialog->Left(), 200);
    EXPECT_EQ(dialog->Top(), 200);
    // Near the screen's edge the window stays on the screen.
    owner.SetBounds(GetSystemMetrics(SM_CXSCREEN) - 100, 0, 400, 300);
    dialog->CenterOnOwner();
    EXPECT_EQ(dialog->Left() + dialog->Width(), GetSystemMetrics(SM_CXSCREEN));

    dialog->SetMinSize(300, 150);
    EXPECT_EQ(dialog->Width(), 300);
    dialog->SetBounds(0, 0, 100, 100);
    EXPECT_EQ(dialog->Width(), 300);
    EXPECT_EQ(dialog->Height(), 150);
    dialog->SetBounds(0, 0, 500, 400);
    EXPECT_EQ(dialog->Width(), 500);

    dialog->SetStayOnTop(true);
    EXPECT_TRUE(GetWindowLongPtrA(dialog->Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    dialog->SetStayOnTop(false);
    EXPECT_FALSE(GetWindowLongPtrA(dialog->Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
}

}  // namespace
