// Check boxes, radio buttons, combo boxes, list boxes, file lists, scroll
// bars, progress bars and hints: what code and the user change, and which
// events run. User actions arrive as the messages the controls' windows get
// from the system (clicks, keys, the mouse over a form).
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

#include "TestPictures.h"
#include "TestSupport.h"
#include "forms/portable/Stream.h"
#include "forms/win32/Forms.h"
#include "forms/win32/TextUtil.h"

using namespace forms;

namespace {

class ControlsTest : public ::testing::Test {
protected:
    void SetUp() override {
        form.reset(new Form());
        form->SetBounds(50, 50, 400, 300);
    }
    std::vector<std::string> log;
    std::unique_ptr<Form> form;
};

TEST_F(ControlsTest, CheckBoxRunsOnClickForEveryChangeOnce) {
    auto* box = new CheckBox(form.get(), form.get());
    box->SetCaption("&Exit");
    box->OnClick = [&](Component&) { log.push_back(box->Checked() ? "on" : "off"); };
    box->SetChecked(true);
    box->SetChecked(true);  // no change, no click
    SendMessageA(box->Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(log, (std::vector<std::string>{"on", "off"}));
    EXPECT_EQ(SendMessageA(box->Handle(), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(box->AccelChar(), 'E');

    // A handler that changes the box again does not run itself again.
    log.clear();
    box->OnClick = [&](Component&) {
        log.push_back("click");
        box->SetChecked(false);
    };
    box->Click();
    EXPECT_EQ(log, std::vector<std::string>{"click"});
    EXPECT_FALSE(box->Checked());
}

TEST_F(ControlsTest, RadioButtonsAreGroupedByParentAndClickWhenChecked) {
    auto* first = new RadioButton(form.get(), form.get());
    auto* second = new RadioButton(form.get(), form.get());
    auto* panel = new GroupBox(form.get(), form.get());  // another parent: a group of its own
    auto* other = new RadioButton(panel, panel);
    for (RadioButton* r : {first, second, other}) {
        r->OnClick = [&, r](Component&) { log.push_back("click " + std::to_string(r == first ? 1 : r == second ? 2 : 3)); };
        r->OnDblClick = [&](Component&) { log.push_back("double"); };
    }
    first->SetChecked(true);
    other->SetChecked(true);
    SendMessageA(second->Handle(), BM_CLICK, 0, 0);
    EXPECT_FALSE(first->Checked());
    EXPECT_TRUE(second->Checked());
    EXPECT_TRUE(other->Checked());
    EXPECT_EQ(SendMessageA(first->Handle(), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_FALSE(first->TabStop());  // Tab stops at the checked button of a group
    EXPECT_TRUE(second->TabStop());
    second->SetChecked(false);  // unchecking runs nothing
    SendMessageA(first->Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(3, 3));
    EXPECT_EQ(log, (std::vector<std::string>{"click 1", "click 3", "click 2", "double"}));
}

TEST_F(ControlsTest, ComboBoxTellsUserPicksAndTypingButNotCode) {
    auto* list = new ComboBox(form.get(), form.get(), ComboStyle::DropDownList);
    list->SetItems({"Vertical", "Horizontal", "Diagonal"});
    list->OnClick = [&](Component&) { log.push_back("click " + list->Text()); };
    list->OnSelect = [&](Component&) { log.push_back("select " + list->Text()); };
    list->OnChange = [&](Component&) { log.push_back("change " + list->Text()); };
    list->SetText("Horizontal");
    EXPECT_EQ(list->ItemIndex(), 1);
    list->SetText("horizontal");  // not an item: nothing selected
    EXPECT_EQ(list->ItemIndex(), -1);
    list->SetItemIndex(0);
    EXPECT_TRUE(log.empty());
    SendMessageA(list->Handle(), WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(log, (std::vector<std::string>{"click Horizontal", "select Horizontal", "change Horizontal"}));

    log.clear();
    auto* sizes = new ComboBox(form.get(), form.get());
    sizes->SetItems({"8", "10", "12"});
    sizes->OnChange = [&](Component&) { log.push_back("change " + sizes->Text()); };
    sizes->SetText("14");
    sizes->SetItemIndex(2);
    EXPECT_EQ(sizes->Text(), "12");
    EXPECT_TRUE(log.empty());
    COMBOBOXINFO info{sizeof(info)};
    ASSERT_TRUE(GetComboBoxInfo(sizes->Handle(), &info));
    SendMessageA(info.hwndItem, EM_SETSEL, 2, 2);  // the caret after "12"
    SendMessageA(info.hwndItem, WM_CHAR, '4', 0);
    EXPECT_EQ(log, std::vector<std::string>{"change 124"});
    EXPECT_EQ(sizes->IndexOf("10"), 1);
    EXPECT_EQ(sizes->Items(), (std::vector<std::string>{"8", "10", "12"}));

    // Leaving the box from the edit inside it is told too.
    log.clear();
    sizes->OnLeave = [&](Component&) { log.push_back("leave " + sizes->Text()); };
    form->Show();
    SetFocus(info.hwndItem);
    SetFocus(list->Handle());
    EXPECT_EQ(log, std::vector<std::string>{"leave 124"});
}

TEST_F(ControlsTest, ComboBoxKeepsItsListUntilItsWindowIsMade) {
    auto* box = new ComboBox(form.get(), form.get(), ComboStyle::DropDownList);
    box->SetItems({"Arial", "Impact", "Tahoma"});
    box->SetItemIndex(1);
    box->InsertItem(0, "Aharoni");  // the selection follows its item
    box->AddItem("Verdana");
    box->DeleteItem(3);
    EXPECT_FALSE(box->HandleAllocated());
    EXPECT_EQ(box->Items(), (std::vector<std::string>{"Aharoni", "Arial", "Impact", "Verdana"}));
    EXPECT_EQ(box->ItemIndex(), 2);
    EXPECT_EQ(box->Text(), "Impact");
    box->DeleteItem(2);
    EXPECT_EQ(box->ItemIndex(), -1);
    box->SetItemIndex(2);
    EXPECT_EQ(box->Text(), "Verdana");

    form->Show();  // now the window, with the same list and choice
    ASSERT_TRUE(box->HandleAllocated());
    EXPECT_EQ(SendMessageA(box->Handle(), CB_GETCOUNT, 0, 0), 3);
    EXPECT_EQ(SendMessageA(box->Handle(), CB_GETCURSEL, 0, 0), 2);
    EXPECT_EQ(box->Text(), "Verdana");
    EXPECT_EQ(box->Item(1), "Arial");
    box->ClearItems();
    EXPECT_EQ(box->ItemCount(), 0);
}

TEST_F(ControlsTest, ComboBoxOpensWithDropDownCountRows) {
    form->Show();
    auto* fonts = new ComboBox(form.get(), form.get(), ComboStyle::DropDownList);
    for (int i = 0; i < 40; ++i) fonts->AddItem("Font " + std::to_string(i));
    auto openedRows = [&] {
        SendMessageA(fonts->Handle(), CB_SHOWDROPDOWN, TRUE, 0);
        COMBOBOXINFO info{sizeof(info)};
        GetComboBoxInfo(fonts->Handle(), &info);
        RECT r;
        GetClientRect(info.hwndList, &r);
        SendMessageA(fonts->Handle(), CB_SHOWDROPDOWN, FALSE, 0);
        return r.bottom / static_cast<int>(SendMessageA(fonts->Handle(), CB_GETITEMHEIGHT, 0, 0));
    };
    const int closedHeight = fonts->Height();
    fonts->SetDropDownCount(24);
    EXPECT_EQ(openedRows(), 24);
    fonts->SetDropDownCount(5);
    fonts->SetBounds(10, 10, 200, 21);
    EXPECT_EQ(openedRows(), 5);
    fonts->SetFont(Font("Arial", 20));  // taller rows
    EXPECT_EQ(openedRows(), 5);
    EXPECT_GT(fonts->Height(), closedHeight);  // the closed box follows its font
}

TEST_F(ControlsTest, FileListShowsMatchingFilesOfItsFolder) {
    const std::string folder = formstest::TempFolder();
    for (const char* name : {"b.mnu", "a.MNU", "c.txt", "hidden.mnu"}) WriteWholeFile(folder + "\\" + name, "x", 1);
    SetFileAttributesA((folder + "\\hidden.mnu").c_str(), FILE_ATTRIBUTE_HIDDEN);
    auto* files = new FileListBox(form.get(), form.get());
    files->SetMask("*.mnu");
    ASSERT_TRUE(files->SetDirectory(folder));
    EXPECT_FALSE(files->HandleAllocated());  // read when first asked
    EXPECT_EQ(files->Items(), (std::vector<std::string>{"a.MNU", "b.mnu"}));
    EXPECT_EQ(files->FileName(), "");
    char current[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, current);
    EXPECT_TRUE(SameText(current, files->Directory()));

    files->OnClick = [&](Component&) { log.push_back("click " + files->FileName()); };
    files->OnDblClick = [&](Component&) { log.push_back("double"); };
    files->SetItemIndex(0);
    SendMessageA(files->Handle(), WM_KEYDOWN, VK_DOWN, 0);
    SendMessageA(files->Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
    ASSERT_FALSE(log.empty());
    EXPECT_TRUE(SameText(log.front(), "click " + folder + "\\b.mnu")) << log.front();
    EXPECT_EQ(log.back(), "double");

    WriteWholeFile(folder + "\\0.mnu", "x", 1);
    files->Update();
    EXPECT_EQ(files->Item(0), "0.mnu");
    EXPECT_FALSE(files->SetDirectory(folder + "\\missing"));
    EXPECT_TRUE(SameText(files->Directory(), folder));
    EXPECT_EQ(files->ItemCount(), 3);
}

TEST_F(ControlsTest, MemoKeepsEnterAsALineBreak) {
    auto* ok = new Button(form.get(), form.get());
    ok->SetDefault(true);
    ok->OnClick = [&](Component&) { log.push_back("default"); };
    auto* memo = new Memo(form.get(), form.get());
    memo->SetText("a");
    SendMessageA(memo->Handle(), EM_SETSEL, 1, 1);
    for (char c : {'\r', 'b'}) SendMessageA(memo->Handle(), WM_CHAR, static_cast<WPARAM>(c), 0);
    EXPECT_EQ(memo->Text(), "a\r\nb");
    EXPECT_TRUE(log.empty());  // the default button was not pressed
}

TEST_F(ControlsTest, ScrollBarMovesByItsStepsWithinItsRange) {
    auto* width = new ScrollBar(form.get(), form.get());
    width->SetRange(10, 480);
    EXPECT_EQ(width->Position(), 10);
    width->SetLargeChange(5);
    width->OnChange = [&](Component&) { log.push_back("change " + std::to_string(width->Position())); };
    width->SetPosition(89);
    width->SetPosition(1000);
    width->SetMax(300);  // the position follows the range
    EXPECT_EQ(log, (std::vector<std::string>{"change 89", "change 480", "change 300"}));

    log.clear();
    width->OnScroll = [&](Component&, ScrollCode code, int& position) {
        log.push_back("scroll " + std::to_string(position));
        if (code == ScrollCode::Top) position = 20;  // the handler has the last word
    };
    HWND bar = width->Handle();
    SendMessageA(bar, WM_KEYDOWN, VK_LEFT, 0);
    SendMessageA(bar, WM_KEYDOWN, VK_PRIOR, 0);
    SendMessageA(bar, WM_KEYDOWN, VK_HOME, 0);
    EXPECT_EQ(log, (std::vector<std::string>{"scroll 299", "change 299", "scroll 294", "change 294", "scroll 10",
                                             "change 20"}));
    EXPECT_EQ(GetScrollPos(bar, SB_CTL), 20);

    width->SetRange(50, 10);  // a maximum below the minimum is taken as the minimum
    EXPECT_EQ(width->Max(), 50);
    EXPECT_EQ(width->Position(), 50);

    auto* spin = new ScrollBar(form.get(), form.get(), ScrollBarKind::Vertical);
    spin->SetRange(0, 255);
    SendMessageA(spin->Handle(), WM_KEYDOWN, VK_DOWN, 0);  // the top end is the minimum
    EXPECT_EQ(spin->Position(), 1);
}

TEST_F(ControlsTest, ProgressBarKeepsItsPositionInRange) {
    auto* progress = new ProgressBar(form.get(), form.get());
    progress->SetPosition(150);
    EXPECT_EQ(progress->Position(), 100);
    progress->SetRange(0, 50);
    EXPECT_EQ(progress->Position(), 50);
    progress->SetPosition(-3);
    EXPECT_EQ(SendMessageA(progress->Handle(), PBM_GETPOS, 0, 0), 0);
    progress->SetPosition(25);
    EXPECT_EQ(SendMessageA(progress->Handle(), PBM_GETPOS, 0, 0), 25);
}

TEST_F(ControlsTest, HintsFollowThePointerOnFormsThatShowThem) {
    form->SetShowHint(true);
    auto* picture = new Image(form.get(), form.get());
    picture->SetBounds(10, 10, 50, 50);
    picture->SetHint("Accessory Image\r (Shows dynamic button content)");
    auto* plain = new Image(form.get(), form.get());
    plain->SetBounds(100, 10, 50, 50);
    plain->SetHint("Font");
    auto* button = new Button(form.get(), form.get());
    button->SetBounds(200, 10, 75, 25);
    button->SetHint("Windows Button\r Right-click to edit");
    form->Show();
    HWND client = form->Handle();
    auto pointAt = [](HWND hwnd, int x, int y) {
        PostMessageA(hwnd, WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
        formstest::PumpFor(800);
    };
    auto tipHeight = [] {
        RECT r{};
        GetWindowRect(HintWindowHandle(), &r);
        return r.bottom - r.top;
    };

    pointAt(client, 20, 20);
    EXPECT_EQ(ShownHint(), picture->Hint());
    ASSERT_NE(HintWindowHandle(), nullptr);
    EXPECT_TRUE(IsWindowVisible(HintWindowHandle()));
    const int twoLines = tipHeight();
    pointAt(client, 110, 20);
    EXPECT_EQ(ShownHint(), "Font");
    EXPECT_GT(twoLines, tipHeight() * 3 / 2);  // "\r" broke the line

    // The form's leave notice arriving after the button's first move keeps
    // the button's hint coming.
    PostMessageA(button->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    PostMessageA(client, WM_MOUSELEAVE, 0, 0);
    formstest::PumpFor(800);
    EXPECT_EQ(ShownHint(), button->Hint());
    PostMessageA(button->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    PostMessageA(button->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    formstest::PumpFor(100);
    EXPECT_EQ(ShownHint(), "");
    EXPECT_FALSE(IsWindowVisible(HintWindowHandle()));

    // Near the bottom right corner of the screen the tip stays on the screen.
    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 2, GetSystemMetrics(SM_CYSCREEN) - 2);
    pointAt(client, 20, 20);
    ASSERT_EQ(ShownHint(), picture->Hint());
    RECT tip{};
    GetWindowRect(HintWindowHandle(), &tip);
    EXPECT_LE(tip.right, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_LE(tip.bottom, GetSystemMetrics(SM_CYSCREEN));

    form->SetShowHint(false);
    pointAt(client, 110, 20);
    EXPECT_EQ(ShownHint(), "");
}

}  // namespace
