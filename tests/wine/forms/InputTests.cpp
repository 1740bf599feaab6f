// Mouse routing to graphic controls, buttons (clicks, accelerators, Enter),
// focus events, Tab order, key preview, the wheel, edit change events and the
// modal input box.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "forms/win32/Forms.h"

using namespace forms;

namespace {

LPARAM At(int x, int y) { return MAKELPARAM(x, y); }

struct MouseLog {
    std::vector<std::string> events;
    void Hook(Image* img) {
        img->OnMouseDown = [this](Control& s, MouseButton, ShiftState, int x, int y) {
            events.push_back("down " + s.Name() + " " + std::to_string(x) + "," + std::to_string(y));
        };
        img->OnMouseUp = [this](Control& s, MouseButton, ShiftState, int x, int y) {
            events.push_back("up " + s.Name() + " " + std::to_string(x) + "," + std::to_string(y));
        };
        img->OnClick = [this](Component& s) { events.push_back("click " + s.Name()); };
    }
};

TEST(MouseRoutingTest, TopMostEnabledGraphicControlGetsTheMouse) {
    Form form;
    form.SetBorderStyle(BorderStyle::None);
    form.SetBounds(0, 0, 100, 100);
    auto make = [&form](const char* name, int l, int t, int w, int h) {
        auto* img = new Image(&form, &form);
        img->SetName(name);
        img->SetBounds(l, t, w, h);
        return img;
    };
    Image* bottom = make("Bottom", 0, 0, 100, 100);
    Image* top = make("Top", 20, 20, 30, 30);
    Image* disabled = make("Disabled", 50, 50, 30, 30);
    disabled->SetEnabled(false);
    MouseLog log;
    for (Image* img : {bottom, top, disabled}) log.Hook(img);
    HWND hwnd = form.Handle();

    SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, At(25, 25));
    SendMessageA(hwnd, WM_LBUTTONUP, 0, At(26, 27));
    // A disabled picture lets the mouse through to the one below.
    SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, At(60, 60));
    SendMessageA(hwnd, WM_LBUTTONUP, 0, At(60, 60));
    // The press holds the mouse: the release outside goes to the same
    // control, in its coordinates, and is no click.
    SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, At(25, 25));
    SendMessageA(hwnd, WM_LBUTTONUP, 0, At(90, 90));
    std::vector<std::string> expected = {
        "down Top 5,5",        "click Top",     "up Top 6,7",        "down Bottom 60,60",
        "click Bottom",        "up Bottom 60,60", "down Top 5,5",    "up Top 70,70"};
    EXPECT_EQ(log.events, expected);

    top->SendToBack();
    log.events.clear();
    SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, At(25, 25));
    SendMessageA(hwnd, WM_LBUTTONUP, 0, At(25, 25));
    EXPECT_EQ(log.events.front(), "down Bottom 25,25");
}

TEST(PopupMenuTest, RightClickOpensTheNearestMenuAndRunsTheItem) {
    Form form;
    form.SetBorderStyle(BorderStyle::None);
    form.SetBounds(0, 0, 100, 100);
    form.Show();
    auto* back = new Image(&form, &form);
    back->SetBounds(0, 0, 100, 100);
    auto* button = new Image(&form, &form);  // no menu of its own, nor has the form
    button->SetBounds(60, 60, 20, 20);
    button->OnClick = [](Component&) {};  // a button: it takes the mouse
    auto* menu = new PopupMenu(&form);
    std::vector<std::string> chosen;
    menu->AddItem("Other1", "Other", [&chosen](Component& s) { chosen.push_back(s.Name()); });
    menu->AddItem("About1", "About", [&chosen](Component& s) { chosen.push_back(s.Name()); });
    back->SetPopupMenu(menu);
    // The menu runs its own loop; timers still tick there and type the keys.
    auto* keys = new Timer(&form);
    keys->OnTimer = [keys](Component&) {
        keys->SetInterval(0);
        HWND target = GetFocus() ? GetFocus() : GetActiveWindow();
        for (WPARAM k : {VK_DOWN, VK_DOWN, VK_RETURN}) PostMessageA(target, WM_KEYDOWN, k, 0);
    };
    keys->SetInterval(30);
    SendMessageA(form.Handle(), WM_RBUTTONDOWN, MK_RBUTTON, At(10, 10));
    SendMessageA(form.Handle(), WM_RBUTTONUP, 0, At(10, 10));
    EXPECT_EQ(chosen, (std::vector<std::string>{"About1"}));
    EXPECT_EQ(menu->PopupComponent(), back);

    SendMessageA(form.Handle(), WM_RBUTTONDOWN, MK_RBUTTON, At(65, 65));
    SendMessageA(form.Handle(), WM_RBUTTONUP, 0, At(65, 65));  // returns at once: no menu
    EXPECT_EQ(chosen.size(), 1u);
    // An item freed while the menu is open is not run when chosen.
    keys->OnTimer = [keys, menu](Component&) {
        keys->SetInterval(0);
        delete menu->Items().Item(1);
        HWND target = GetFocus() ? GetFocus() : GetActiveWindow();
        for (WPARAM k : {VK_DOWN, VK_DOWN, VK_RETURN}) PostMessageA(target, WM_KEYDOWN, k, 0);
    };
    keys->SetInterval(30);
    SendMessageA(form.Handle(), WM_RBUTTONDOWN, MK_RBUTTON, At(10, 10));
    SendMessageA(form.Handle(), WM_RBUTTONUP, 0, At(10, 10));
    EXPECT_EQ(chosen.size(), 1u);
}

class ButtonTest : public ::testing::Test {
protected:
    void SetUp() override {
        form.reset(new Form());
        form->SetBounds(100, 100, 300, 200);
        for (int i = 1; i <= 3; ++i) {
            auto* b = new Button(form.get(), form.get());
            b->SetName("KeyBtn" + std::string("00") + std::to_string(i));
            b->SetBounds(10, 10 + 30 * i, 80, 25);
            b->OnClick = [this](Component& s) { clicks.push_back(s.Name()); };
            b->OnEnter = [this](Component& s) { entered.push_back(s.Name()); };
            buttons.push_back(b);
        }
        buttons[0]->SetCaption("&Alpha");
        buttons[1]->SetCaption("&7");
        buttons[2]->SetCaption("Plain");
        buttons[2]->SetLeft(-40);  // outside the window, still reachable by keys
        form->Show();
    }

    std::unique_ptr<Form> form;
    std::vector<Button*> buttons;
    std::vector<std::string> clicks;
    std::vector<std::string> entered;
};

TEST_F(ButtonTest, ClicksReachOnClickWithTheSender) {
    SendMessageA(buttons[1]->Handle(), BM_CLICK, 0, 0);
    buttons[2]->Click();
    EXPECT_EQ(clicks, (std::vector<std::string>{"KeyBtn002", "KeyBtn003"}));
}

TEST_F(ButtonTest, AcceleratorsClickTheMarkedButton) {
    HWND plain = buttons[2]->Handle();
    buttons[2]->SetFocus();
    ASSERT_TRUE(buttons[2]->Focused());
    SendMessageA(plain, WM_CHAR, 'a', 0);     // plain letter on a button
    SendMessageA(plain, WM_SYSCHAR, '7', 0);  // Alt + digit
    SendMessageA(plain, WM_CHAR, 'z', 0);     // no such accelerator
    buttons[0]->Hide();
    SendMessageA(plain, WM_CHAR, 'a', 0);  // hidden buttons do not react
    EXPECT_EQ(clicks, (std::vector<std::string>{"KeyBtn001", "KeyBtn002"}));
}

TEST_F(ButtonTest, EnterGoesToKeyPressFirst) {
    Button* b = buttons[0];
    std::vector<std::string> keys;
    b->OnKeyPress = [&keys](Control& s, char& key) {
        keys.push_back(s.Name() + ":" + std::to_string(static_cast<int>(key)));
        key = 0;
    };
    SendMessageA(b->Handle(), WM_CHAR, '\r', 0);
    EXPECT_EQ(keys, (std::vector<std::string>{"KeyBtn001:13"}));
    EXPECT_TRUE(clicks.empty());
    b->OnKeyPress = nullptr;  // unhandled Enter clicks the focused button
    SendMessageA(b->Handle(), WM_CHAR, '\r', 0);
    EXPECT_EQ(clicks, (std::vector<std::string>{"KeyBtn001"}));
}

TEST_F(ButtonTest, FocusTabAndKeyPreview) {
    buttons[0]->SetFocus();
    buttons[2]->SetFocus();
    buttons[2]->SetFocus();
    EXPECT_EQ(entered, (std::vector<std::string>{"KeyBtn001", "KeyBtn003"}));
    EXPECT_EQ(form->ActiveControl(), buttons[2]);

    SendMessageA(buttons[2]->Handle(), WM_KEYDOWN, VK_TAB, 0);  // wraps to the first
    EXPECT_TRUE(buttons[0]->Focused());

    std::vector<std::string> order;
    buttons[0]->OnKeyDown = [&order](Control& s, uint16_t& key, ShiftState) {
        order.push_back(s.Name() + ":" + std::to_string(key));
    };
    form->SetKeyPreview(true);
    form->OnKeyDown = [&order](Control&, uint16_t& key, ShiftState) {
        order.push_back("form:" + std::to_string(key));
        if (key == VK_DOWN) key = 0;
    };
    SendMessageA(buttons[0]->Handle(), WM_KEYDOWN, VK_RIGHT, 0);
    SendMessageA(buttons[0]->Handle(), WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(order, (std::vector<std::string>{"form:39", "KeyBtn001:39", "form:40"}));
}

TEST_F(ButtonTest, WheelReachesTheForm) {
    std::vector<int> wheel;
    form->OnMouseWheelDown = [&wheel](Control&, ShiftState, int, int, bool& handled) {
        wheel.push_back(-1);
        handled = true;
    };
    form->OnMouseWheelUp = [&wheel](Control&, ShiftState, int, int, bool&) { wheel.push_back(1); };
    buttons[0]->SetFocus();
    // A wheel message on a button travels up to its form.
    SendMessageA(buttons[0]->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), At(150, 150));
    SendMessageA(form->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), At(150, 150));
    EXPECT_EQ(wheel, (std::vector<int>{-1, 1}));
}

TEST(EditTest, ChangeEventsForProgramAndNoRecursion) {
    Form form;
    auto* edit = new Edit(&form, &form);
    int changes = 0;
    edit->OnChange = [&](Component&) {
        ++changes;
        edit->SetText(edit->Text() + "!");  // would recurse without the guard
    };
    edit->SetText("abc");
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(edit->Text(), "abc!");
}

// Runs action once on the first timer tick (inside a modal loop).
void OnNextTick(Form& owner, std::function<void()> action) {
    auto* t = new Timer(&owner);
    t->OnTimer = [t, action](Component&) {
        t->SetInterval(0);
        action();
    };
    t->SetInterval(10);
}

Form* TopModalForm() {
    const auto& forms = Application().Forms();
    for (auto it = forms.rbegin(); it != forms.rend(); ++it)
        if ((*it)->IsModal()) return *it;
    return nullptr;
}

TEST(InputQueryTest, OkReturnsTheTextCancelKeepsTheValue) {
    Form host;
    std::string caption;
    OnNextTick(host, [&caption] {
        Form* box = TopModalForm();
        ASSERT_NE(box, nullptr);
        caption = box->Caption();
        auto* edit = dynamic_cast<Edit*>(box->FindControl("ValueEdit"));
        ASSERT_NE(edit, nullptr);
        EXPECT_EQ(edit->Text(), "C:\\");
        edit->SetText("D:");
        SendMessageA(static_cast<WinControl*>(box->FindControl("OkButton"))->Handle(), BM_CLICK, 0, 0);
    });
    std::string value = "C:\\";
    EXPECT_TRUE(InputQuery("Source Drive Letter", "Please enter:", value));
    EXPECT_EQ(value, "D:");
    EXPECT_EQ(caption, "Source Drive Letter");

    OnNextTick(host, [] {
        Form* box = TopModalForm();
        ASSERT_NE(box, nullptr);
        static_cast<Edit*>(box->FindControl("ValueEdit"))->SetText("X:");
        SendMessageA(box->Handle(), WM_CLOSE, 0, 0);
    });
    EXPECT_EQ(InputBox("Caption", "Prompt", "keep"), "keep");
}

TEST(ShowModalTest, CloseQueryCanRefuseTheResult) {
    Form dialog;
    int asked = 0;
    dialog.OnCloseQuery = [&asked](Component&, bool& canClose) { canClose = ++asked > 1; };
    auto* t = new Timer(&dialog);
    t->OnTimer = [&dialog](Component&) { dialog.SetModalResult(mrYes); };
    t->SetInterval(10);
    EXPECT_EQ(dialog.ShowModal(), mrYes);
    EXPECT_EQ(asked, 2);
    EXPECT_FALSE(dialog.Visible());
}

}  // namespace
