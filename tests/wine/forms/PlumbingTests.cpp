// The message plumbing: notifications handed back to the control that sent
// them, the message loop's filter and idle steps, keys decided by the form
// (radio groups, keys of inner windows), commands with their faces and
// shortcuts, double clicks, the pointer entering and leaving, the wait
// cursor.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "forms/win32/Forms.h"

using namespace forms;

namespace {

// A windowed control over any Win32 class that records its notifications
// and answers them as told.
class NativeControl : public WinControl {
public:
    NativeControl(Component* owner, WinControl* parent, const char* className, DWORD style)
        : WinControl(owner, parent) {
        SetTabStop(true);
        StoreBounds(0, 0, 90, 22);
        CreateChildWindow(className, style, 0);
    }
    std::vector<UINT> seen;
    std::function<bool(UINT, WPARAM, LPARAM, LRESULT&)> answer;

protected:
    bool Notification(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override {
        seen.push_back(msg);
        return answer ? answer(msg, wParam, lParam, result) : false;
    }
};

TEST(NotificationTest, EachKindGoesBackToTheSenderWithItsResult) {
    Form form;
    form.SetBounds(50, 50, 300, 200);
    auto* child = new NativeControl(&form, &form, "STATIC", SS_LEFT);
    HBRUSH own = CreateSolidBrush(RGB(1, 2, 3));
    child->answer = [own](UINT msg, WPARAM, LPARAM, LRESULT& result) {
        if (msg == WM_CTLCOLORSTATIC) result = reinterpret_cast<LRESULT>(own);
        else if (msg == WM_NOTIFY) result = 77;
        else return false;
        return true;
    };
    HWND parent = form.Handle(), sender = child->Handle();
    ScopedGetDC dc(parent);
    EXPECT_EQ(SendMessageA(parent, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc.get()),
                           reinterpret_cast<LPARAM>(sender)),
              reinterpret_cast<LRESULT>(own));
    NMHDR header{sender, 0, static_cast<UINT>(-2)};  // a click notification
    EXPECT_EQ(SendMessageA(parent, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&header)), 77);
    SendMessageA(parent, WM_HSCROLL, SB_LINEDOWN, reinterpret_cast<LPARAM>(sender));
    SendMessageA(parent, WM_VSCROLL, SB_LINEUP, reinterpret_cast<LPARAM>(sender));
    SendMessageA(parent, WM_COMMAND, MAKEWPARAM(1, STN_CLICKED), reinterpret_cast<LPARAM>(sender));
    EXPECT_EQ(child->seen,
              (std::vector<UINT>{WM_CTLCOLORSTATIC, WM_NOTIFY, WM_HSCROLL, WM_VSCROLL, WM_COMMAND}));

    // Left unhandled, a button's colour request gets the container's colour.
    auto* quiet = new NativeControl(&form, &form, "BUTTON", BS_PUSHBUTTON);
    form.SetColor(clRed);
    EXPECT_EQ(SendMessageA(parent, WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(dc.get()),
                           reinterpret_cast<LPARAM>(quiet->Handle())),
              reinterpret_cast<LRESULT>(form.BackgroundBrush()));
    // A window scroll bar (no sender) reaches nobody.
    child->seen.clear();
    SendMessageA(parent, WM_VSCROLL, SB_LINEUP, 0);
    EXPECT_TRUE(child->seen.empty());
    DeleteObject(own);
}

TEST(NotificationTest, OwnerDrawingAndParentlessControls) {
    Form form;
    form.SetBounds(50, 50, 300, 200);
    auto* drawn = new NativeControl(&form, &form, "BUTTON", BS_OWNERDRAW);
    bool painted = false;
    drawn->answer = [&painted](UINT msg, WPARAM, LPARAM lParam, LRESULT& result) {
        if (msg != WM_DRAWITEM) return false;
        auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
        FillRect(item->hDC, &item->rcItem, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        painted = true;
        result = TRUE;
        return true;
    };
    form.Show();
    UpdateWindow(drawn->Handle());
    EXPECT_TRUE(painted);

    // A control without a parent lives on the utility window; its clicks
    // still reach it.
    auto* loose = new Button(&form, nullptr);
    int clicks = 0;
    loose->OnClick = [&clicks](Component&) { ++clicks; };
    SendMessageA(loose->Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(clicks, 1);
}

struct EatPosted : MessageFilter {
    UINT eat = WM_APP + 7;
    int eaten = 0;
    bool FilterMessage(MSG& msg) override {
        if (msg.message != eat) return false;
        ++eaten;
        return true;
    }
};

struct CountIdle : IdleHandler {
    int count = 0;
    void Idle() override { ++count; }
};

TEST(MessageLoopTest, FilterConsumesAndIdleRunsWhenTheQueueEmpties) {
    Form form;
    int reached = 0;
    EatPosted filter;
    CountIdle idle;
    Application().AddMessageFilter(&filter);
    Application().AddIdleHandler(&idle);
    auto* t = new Timer(&form);
    t->OnTimer = [&reached, t](Component&) {
        ++reached;
        t->SetInterval(0);
    };
    PostMessageA(form.Handle(), filter.eat, 0, 0);
    Application().ProcessMessages();  // no idle step here
    EXPECT_EQ(filter.eaten, 1);
    EXPECT_EQ(idle.count, 0);
    t->SetInterval(20);
    Application().HandleMessage();  // empty queue: idle, then waits for the tick
    EXPECT_EQ(idle.count, 1);
    formstest::PumpUntil([&reached] { return reached == 1; });
    Application().RemoveMessageFilter(&filter);
    Application().RemoveIdleHandler(&idle);
    PostMessageA(form.Handle(), filter.eat, 0, 0);
    Application().ProcessMessages();
    EXPECT_EQ(filter.eaten, 1);
    EXPECT_EQ(reached, 1);
}

TEST(KeyTest, ArrowsMoveTheCheckThroughARadioGroup) {
    Form form;
    form.SetBounds(50, 50, 300, 200);
    std::vector<NativeControl*> radios;
    for (int i = 0; i < 3; ++i) {
        auto* r = new NativeControl(&form, &form, "BUTTON", BS_AUTORADIOBUTTON);
        r->SetName("Radio" + std::to_string(i));
        r->SetTop(10 + 25 * i);
        radios.push_back(r);
    }
    auto* other = new NativeControl(&form, &form, "BUTTON", BS_PUSHBUTTON);
    other->SetTop(100);
    form.Show();
    radios[0]->SetFocus();
    SendMessageA(radios[0]->Handle(), WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_TRUE(radios[1]->Focused());
    EXPECT_EQ(SendMessageA(radios[1]->Handle(), BM_GETCHECK, 0, 0), BST_CHECKED);
    // Its click came back to it.
    EXPECT_EQ(std::count(radios[1]->seen.begin(), radios[1]->seen.end(), WM_COMMAND), 1);
    SendMessageA(radios[1]->Handle(), WM_KEYDOWN, VK_UP, 0);
    SendMessageA(radios[0]->Handle(), WM_KEYDOWN, VK_LEFT, 0);  // wraps to the last
    EXPECT_TRUE(radios[2]->Focused());
    EXPECT_EQ(SendMessageA(radios[1]->Handle(), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    // A control's own OnKeyDown sees the arrow first and may keep it.
    radios[2]->OnKeyDown = [](Control&, uint16_t& key, ShiftState) { key = 0; };
    SendMessageA(radios[2]->Handle(), WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_TRUE(radios[2]->Focused());
    // Push buttons do not move with arrows.
    other->SetFocus();
    SendMessageA(other->Handle(), WM_KEYDOWN, VK_UP, 0);
    EXPECT_TRUE(other->Focused());
}

TEST(KeyTest, KeysOfAnInnerWindowReachTheControlThatOwnsIt) {
    Form form;
    form.SetBounds(50, 50, 300, 200);
    auto* combo = new NativeControl(&form, &form, "COMBOBOX", CBS_DROPDOWN);
    combo->SetBounds(10, 10, 120, 200);
    auto* next = new Button(&form, &form);
    next->SetTop(60);
    std::vector<int> keys;
    combo->OnKeyDown = [&keys](Control&, uint16_t& key, ShiftState) { keys.push_back(key); };
    form.Show();
    HWND inner = GetWindow(combo->Handle(), GW_CHILD);
    ASSERT_NE(inner, nullptr);
    SetFocus(inner);
    PostMessageA(inner, WM_KEYDOWN, 'A', 0);
    PostMessageA(inner, WM_KEYDOWN, VK_TAB, 0);
    Application().ProcessMessages();
    EXPECT_EQ(keys, (std::vector<int>{'A', VK_TAB}));
    EXPECT_TRUE(next->Focused());
}

// Presses keys as a user does (the focused window gets them through the
// queue and the loop's filter).
void Press(std::initializer_list<WORD> down) {
    formstest::QueueKeys(down);
    formstest::PumpFor(100);
}

class CommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        form.reset(new Form());
        form->SetBounds(50, 50, 300, 200);
        edit = new Edit(form.get(), form.get());
        save = new Command(form.get());
        save->SetName("SaveCommand");
        save->SetCaption("&Save Menu");
        save->SetShortCut(MakeShortCut('S', scCtrl));
        save->OnExecute = [this](Component& s) { ran.push_back(s.Name()); };
        menu = new PopupMenu(form.get());
        item = menu->AddItem("mnuSave", "", nullptr);
        item->SetCommand(save);
    }
    void Focus() {
        form->Show();
        SetForegroundWindow(form->Handle());
        edit->SetFocus();
        formstest::PumpFor(50);
    }
    std::unique_ptr<Form> form;
    Edit* edit = nullptr;
    Command* save = nullptr;
    PopupMenu* menu = nullptr;
    MenuItem* item = nullptr;
    std::vector<std::string> ran;
};

TEST_F(CommandTest, FacesFollowTheStateKeptInTheCommand) {
    EXPECT_EQ(item->Caption(), "&Save Menu");
    EXPECT_EQ(item->MenuText(), "&Save Menu\tCtrl+S");
    bool available = false;
    save->OnUpdate = [this, &available](Component&) { save->SetEnabled(available); };
    Application().RunIdleStep();
    EXPECT_FALSE(item->Enabled());
    item->Click();  // a disabled command does not run
    available = true;
    Application().RunIdleStep();
    EXPECT_TRUE(item->Enabled());
    item->Click();
    EXPECT_EQ(ran, (std::vector<std::string>{"SaveCommand"}));
    save->SetChecked(true);
    EXPECT_TRUE(item->Checked());

    // Either side may go first without leaving a dangling link.
    auto* second = menu->AddItem("mnuSave2", "", nullptr);
    second->SetCommand(save);
    delete second;
    save->SetCaption("Save &Now");
    EXPECT_EQ(item->Caption(), "Save &Now");
    delete save;
    EXPECT_EQ(item->GetCommand(), nullptr);
    item->Click();
    EXPECT_EQ(ran.size(), 1u);
}

TEST_F(CommandTest, ShortCutRunsTheCommandInsteadOfTyping) {
    Focus();
    ASSERT_TRUE(edit->Focused());
    Press({VK_CONTROL, 'S'});
    EXPECT_EQ(ran, (std::vector<std::string>{"SaveCommand"}));
    // Disabled, the key goes on to the focused control.
    save->OnUpdate = [this](Component&) { save->SetEnabled(false); };
    std::vector<int> keys;
    edit->OnKeyDown = [&keys](Control&, uint16_t& key, ShiftState shift) {
        if ((shift & ssCtrl) && key != VK_CONTROL) keys.push_back(key);
    };
    Press({VK_CONTROL, 'S'});
    EXPECT_EQ(ran.size(), 1u);
    EXPECT_EQ(keys, (std::vector<int>{'S'}));
}

TEST_F(CommandTest, AFocusedTextBoxKeepsItsEditingKeysOtherControlsLeaveThemToShortcuts) {
    for (ShortCut key : {MakeShortCut('C', scCtrl), MakeShortCut('V', scCtrl), MakeShortCut(VK_DELETE)}) {
        auto* c = new Command(form.get());
        c->SetName("Key" + std::to_string(ShortCutKey(key)));
        c->SetShortCut(key);
        c->OnExecute = [this](Component& s) { ran.push_back(s.Name()); };
    }
    auto* button = new Button(form.get(), form.get());
    button->SetTop(60);
    Focus();
    edit->SetText("abc");
    edit->SelectAll();
    Press({VK_CONTROL, 'C'});
    Press({VK_END});
    Press({VK_CONTROL, 'V'});
    Press({VK_HOME});
    Press({VK_RIGHT});
    Press({VK_DELETE});
    EXPECT_EQ(edit->Text(), "acabc");
    EXPECT_TRUE(ran.empty());
    button->SetFocus();
    Press({VK_DELETE});
    Press({VK_CONTROL, 'V'});
    EXPECT_EQ(ran, (std::vector<std::string>{"Key46", "Key86"}));
    Press({VK_TAB});  // back into the box: its whole text selected
    Press({'X'});
    EXPECT_EQ(edit->Text(), "x");
}

TEST(KeyTest, EscapeAndEnterInADroppedListOnlyCloseItElsewhereCancelAndPressDefault) {
    for (ComboStyle style : {ComboStyle::DropDown, ComboStyle::DropDownList}) {
        SCOPED_TRACE(style == ComboStyle::DropDown ? "editable" : "pick-only");
        Form form;
        form.SetBounds(50, 50, 300, 200);
        auto* combo = new ComboBox(&form, &form, style);
        combo->SetItems({"one", "two", "three"});
        combo->SetItemIndex(0);
        std::vector<std::string> clicks;
        auto* ok = new Button(&form, &form);
        ok->SetTop(100);
        ok->SetDefault(true);
        ok->OnClick = [&clicks](Component&) { clicks.push_back("ok"); };
        auto* cancel = new Button(&form, &form);
        cancel->SetTop(130);
        cancel->SetCancel(true);
        cancel->OnClick = [&clicks](Component&) { clicks.push_back("cancel"); };
        form.Show();
        SetForegroundWindow(form.Handle());
        combo->SetFocus();
        formstest::PumpFor(50);
        auto dropped = [combo] { return SendMessageA(combo->Handle(), CB_GETDROPPEDSTATE, 0, 0) != 0; };
        SendMessageA(combo->Handle(), CB_SHOWDROPDOWN, TRUE, 0);
        Press({VK_ESCAPE});
        EXPECT_FALSE(dropped());
        SendMessageA(combo->Handle(), CB_SHOWDROPDOWN, TRUE, 0);
        Press({VK_DOWN});
        Press({VK_RETURN});
        EXPECT_FALSE(dropped());
        EXPECT_EQ(combo->Text(), "two");
        EXPECT_TRUE(clicks.empty());
        Press({VK_RETURN});
        Press({VK_ESCAPE});
        EXPECT_EQ(clicks, (std::vector<std::string>{"ok", "cancel"}));
    }
}

TEST(KeyTest, AnEditableComboSeesEnterAndTabAndIsLeft) {
    Form form;
    form.SetBounds(50, 50, 300, 200);
    auto* combo = new ComboBox(&form, &form, ComboStyle::DropDown);
    auto* next = new Button(&form, &form);
    next->SetTop(60);
    std::vector<std::string> seen;
    combo->OnKeyDown = [&seen](Control&, uint16_t& key, ShiftState) { seen.push_back(std::to_string(key)); };
    combo->OnExit = [&seen](Component&) { seen.push_back("exit"); };
    form.Show();
    SetForegroundWindow(form.Handle());
    SetFocus(GetWindow(combo->Handle(), GW_CHILD));  // as a click into the edit does
    formstest::PumpFor(50);
    EXPECT_EQ(form.ActiveControl(), combo);
    Press({VK_RETURN});
    Press({VK_TAB});
    EXPECT_EQ(seen, (std::vector<std::string>{"13", "9", "exit"}));
    EXPECT_TRUE(next->Focused());
}

TEST_F(CommandTest, GroupedCommandsAndRadioItemsCheckOneAtATime) {
    std::vector<Command*> sizes;
    for (int i = 0; i < 3; ++i) {
        auto* c = new Command(form.get());
        c->SetGroupIndex(1);
        sizes.push_back(c);
    }
    sizes[0]->SetChecked(true);
    sizes[2]->SetChecked(true);
    save->SetChecked(true);  // group 0: on its own
    EXPECT_FALSE(sizes[0]->Checked());
    EXPECT_TRUE(sizes[2]->Checked());
    EXPECT_TRUE(save->Checked());

    std::vector<MenuItem*> items;
    for (int i = 0; i < 3; ++i) {
        items.push_back(menu->AddItem("N" + std::to_string(i), std::to_string(i), nullptr));
        items.back()->SetRadioItem(true);
    }
    items[1]->SetChecked(true);
    items[0]->SetChecked(true);
    EXPECT_TRUE(items[0]->Checked());
    EXPECT_FALSE(items[1]->Checked());
    EXPECT_TRUE(item->Checked());  // not a radio item
}

TEST(MouseEventsTest, DoubleClickEnterAndLeave) {
    Form form;
    form.SetBorderStyle(BorderStyle::None);
    form.SetBounds(0, 0, 100, 100);
    auto* pic = new Image(&form, &form);
    pic->SetName("Pic");
    pic->SetBounds(10, 10, 30, 30);
    std::vector<std::string> log;
    auto note = [&log](const std::string& what) { return [&log, what](Component& s) { log.push_back(what + " " + s.Name()); }; };
    form.SetName("Form");
    pic->OnMouseEnter = note("enter");
    pic->OnMouseLeave = note("leave");
    pic->OnClick = note("click");
    pic->OnDblClick = note("dbl");
    form.OnMouseEnter = note("enter");
    form.OnMouseLeave = note("leave");
    HWND hwnd = form.Handle();
    SendMessageA(hwnd, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    SendMessageA(hwnd, WM_MOUSEMOVE, 0, MAKELPARAM(15, 15));
    SendMessageA(hwnd, WM_MOUSEMOVE, 0, MAKELPARAM(16, 15));
    SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(15, 15));
    SendMessageA(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(15, 15));
    SendMessageA(hwnd, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(15, 15));
    SendMessageA(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(15, 15));
    SendMessageA(hwnd, WM_MOUSEMOVE, 0, MAKELPARAM(60, 60));
    SendMessageA(hwnd, WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(log, (std::vector<std::string>{"enter Form", "enter Pic", "click Pic", "dbl Pic", "click Pic",
                                             "leave Pic", "leave Form"}));
}

TEST(WaitCursorTest, HourglassOverEveryControlUntilTheScopeEnds) {
    Form form;
    form.SetBounds(0, 0, 100, 100);
    auto* button = new Button(&form, &form);
    button->SetCursor(Cursor::Hand);
    form.Show();
    auto cursorAfterSetCursor = [](HWND hwnd) {
        SendMessageA(hwnd, WM_SETCURSOR, reinterpret_cast<WPARAM>(hwnd), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        return GetCursor();
    };
    {
        WaitCursor wait;
        EXPECT_EQ(Application().ScreenCursor(), Cursor::Wait);
        EXPECT_EQ(cursorAfterSetCursor(button->Handle()), CursorHandle(Cursor::Wait));
        EXPECT_EQ(cursorAfterSetCursor(form.Handle()), CursorHandle(Cursor::Wait));
    }
    EXPECT_EQ(Application().ScreenCursor(), Cursor::Default);
    EXPECT_EQ(cursorAfterSetCursor(button->Handle()), CursorHandle(Cursor::Hand));
}

}  // namespace
