// Tool bars: clicks on buttons of each style, the drop-down arrow opening its
// menu, buttons that follow a command, tooltips from hints, controls placed on
// separators, and clicks that still arrive after the bar changed parent.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "forms/win32/Command.h"
#include "forms/win32/Forms.h"
#include "forms/win32/ImageList.h"
#include "forms/win32/ToolBar.h"
#include "forms/win32/ToolButton.h"

using namespace forms;

namespace {

constexpr uint32_t kRedPixel = 0xFFFF0000;

// A user's click with the left button at the centre of the button (or at
// its right end, where a drop-down button has its arrow).
void ClickButton(ToolButton& button, bool onArrow = false) {
    const RECT r = button.BoundsRect();
    const int x = onArrow ? r.right - 3 : (r.left + r.right) / 2, y = (r.top + r.bottom) / 2;
    HWND bar = button.Bar()->Handle();
    SendMessageA(bar, WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
    SendMessageA(bar, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    SendMessageA(bar, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

// Where the menu that the current tracking loop shows appeared (screen
// coordinates); the menu is closed right after.
POINT g_menuAt{-1, -1};

void CloseMenuSoon() {
    g_menuAt = POINT{-1, -1};
    SetTimer(nullptr, 0, 30, [](HWND, UINT, UINT_PTR id, DWORD) {
        KillTimer(nullptr, id);
        RECT r;
        HWND menu = FindWindowA("#32768", nullptr);
        if (menu && GetWindowRect(menu, &r)) g_menuAt = POINT{r.left, r.top};
        EndMenu();
    });
}

class ToolBarTest : public ::testing::Test {
protected:
    void SetUp() override {
        form.reset(new Form());
        form->SetBorderStyle(BorderStyle::None);
        form->SetBounds(0, 0, 400, 100);
        images = new ImageList(form.get());
        images->AddMasked(Bitmap(32, 16, kRedPixel), 0x00FF00);
        bar = new ToolBar(form.get(), form.get());
        bar->SetBounds(0, 0, 400, 29);
        bar->SetImages(images);
    }
    ToolButton* Add(const char* name, ToolButtonStyle style) {
        auto* b = new ToolButton(form.get(), bar);
        b->SetName(name);
        b->SetStyle(style);
        b->SetImageIndex(0);
        b->OnClick = [this](Component& s) { clicks.push_back(s.Name()); };
        return b;
    }

    std::unique_ptr<Form> form;
    ImageList* images = nullptr;
    ToolBar* bar = nullptr;
    std::vector<std::string> clicks;
};

TEST_F(ToolBarTest, ButtonStylesRespondToClicksAsTheirKindDoes) {
    ToolButton* plain = Add("Plain", ToolButtonStyle::Button);
    ToolButton* check = Add("Check", ToolButtonStyle::Check);
    Add("Gap", ToolButtonStyle::Separator);
    ToolButton* left = Add("Left", ToolButtonStyle::CheckGroup);
    ToolButton* right = Add("Right", ToolButtonStyle::CheckGroup);
    ToolButton* off = Add("Off", ToolButtonStyle::Button);
    off->SetEnabled(false);
    form->Show();
    ASSERT_EQ(bar->ButtonCount(), 6);
    EXPECT_EQ(left->Index(), 3);

    ClickButton(*plain);
    ClickButton(*check);
    EXPECT_TRUE(check->Down());
    ClickButton(*check);
    EXPECT_FALSE(check->Down());
    ClickButton(*left);
    ClickButton(*right);
    EXPECT_TRUE(right->Down());
    EXPECT_FALSE(left->Down());  // one of a group is down
    ClickButton(*right);
    EXPECT_TRUE(right->Down());  // and stays down when clicked again
    ClickButton(*off);
    const std::vector<std::string> expected = {"Plain", "Check", "Check", "Left", "Right", "Right"};
    EXPECT_EQ(clicks, expected);

    // The program sets the state; Click() runs the handler and leaves it.
    left->SetDown(true);
    EXPECT_FALSE(right->Down());
    clicks.clear();
    check->Click();
    EXPECT_FALSE(check->Down());
    EXPECT_EQ(clicks, std::vector<std::string>{"Check"});

    // A hidden button takes no room; the later ones move left.
    const int offLeft = off->BoundsRect().left;
    check->SetVisible(false);
    EXPECT_FALSE(check->Visible());
    EXPECT_EQ(check->BoundsRect().right, 0);
    EXPECT_LT(off->BoundsRect().left, offLeft);

    // A button that frees itself from its own click leaves the bar at once.
    plain->OnClick = [](Component& s) { s.Free(); };
    ClickButton(*plain);
    EXPECT_EQ(bar->ButtonCount(), 5);
    EXPECT_EQ(bar->Buttons(0), check);
}

TEST_F(ToolBarTest, DropDownArrowOpensTheMenuBelowTheButton) {
    ToolButton* colour = Add("Colour", ToolButtonStyle::DropDown);
    auto* menu = new PopupMenu(form.get());
    menu->AddItem("Red", "Red", nullptr);
    int opened = 0;
    menu->OnPopup = [&opened](Component&) {
        ++opened;
        CloseMenuSoon();
    };
    colour->SetDropdownMenu(menu);
    form->Show();
    const RECT r = colour->BoundsRect();
    const POINT below = bar->ClientToScreen(POINT{r.left, r.bottom});

    ClickButton(*colour, true);
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(g_menuAt.x, below.x);
    EXPECT_EQ(g_menuAt.y, below.y);
    EXPECT_TRUE(clicks.empty());  // the arrow does not click the button
    ClickButton(*colour);
    EXPECT_EQ(clicks, std::vector<std::string>{"Colour"});
    EXPECT_EQ(opened, 1);
    // The program opens it as the arrow does.
    colour->DropDown();
    EXPECT_EQ(opened, 2);
    // Without a menu the arrow does what the button does.
    colour->SetDropdownMenu(nullptr);
    ClickButton(*colour, true);
    EXPECT_EQ(clicks, (std::vector<std::string>{"Colour", "Colour"}));
}

TEST_F(ToolBarTest, ACaptionShowsBesideTheGlyphAndWidensOnlyItsButton) {
    ToolButton* plain = Add("Plain", ToolButtonStyle::Button);
    ToolButton* wizard = Add("Wizard", ToolButtonStyle::Button);
    form->Show();
    const auto width = [](const ToolButton& b) { return b.BoundsRect().right - b.BoundsRect().left; };
    const int before = width(*wizard);
    wizard->SetCaption("Wizard");
    EXPECT_GT(width(*wizard), before + 20);
    EXPECT_LT(width(*plain), before + 4);  // sized to its glyph
    ClickButton(*wizard);
    EXPECT_EQ(clicks, std::vector<std::string>{"Wizard"});
}

TEST_F(ToolBarTest, ButtonFollowsItsCommandAndRunsIt) {
    ToolButton* bold = Add("Bold", ToolButtonStyle::Check);
    auto* command = new Command(form.get());
    command->SetHint("Bold");
    int runs = 0;
    command->OnExecute = [&runs](Component&) { ++runs; };
    bold->SetCommand(command);
    form->Show();

    EXPECT_EQ(bold->Hint(), "Bold");
    command->SetChecked(true);
    EXPECT_TRUE(bold->Down());
    command->SetEnabled(false);
    EXPECT_FALSE(bold->Enabled());
    bold->Click();
    EXPECT_EQ(runs, 0);  // a disabled command does not run

    command->SetEnabled(true);
    ClickButton(*bold);  // the user releases the button: the command hears it
    EXPECT_FALSE(command->Checked());
    EXPECT_FALSE(bold->Down());
    EXPECT_EQ(runs, 1);
    EXPECT_TRUE(clicks.empty());  // OnClick is for buttons without a command

    bold->SetHint("Bold (Ctrl+B)");
    EXPECT_EQ(bold->Hint(), "Bold (Ctrl+B)");
    delete command;
    ClickButton(*bold);
    EXPECT_EQ(clicks, std::vector<std::string>{"Bold"});
}

TEST_F(ToolBarTest, HoveringShowsTheHintAsTooltip) {
    ToolButton* save = Add("Save", ToolButtonStyle::Button);
    save->SetHint("Save");
    form->Show();
    SetForegroundWindow(form->Handle());
    const RECT r = save->BoundsRect();
    const POINT centre = bar->ClientToScreen(POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2});
    SetCursorPos(centre.x - 2, centre.y);
    formstest::PumpFor(50);
    SetCursorPos(centre.x, centre.y);
    HWND tips = reinterpret_cast<HWND>(SendMessageA(bar->Handle(), TB_GETTOOLTIPS, 0, 0));
    ASSERT_NE(tips, nullptr);
    ASSERT_TRUE(formstest::PumpUntil([tips] { return IsWindowVisible(tips) != FALSE; }, 3000));
    char text[80] = {};
    GetWindowTextA(tips, text, sizeof(text));
    EXPECT_STREQ(text, "Save");
    SetCursorPos(0, 700);
}

TEST_F(ToolBarTest, SeparatorsMakeRoomForControlsOnTheBar) {
    ToolButton* first = Add("First", ToolButtonStyle::Button);
    ToolButton* room = Add("Room", ToolButtonStyle::Button);
    ToolButton* last = Add("Last", ToolButtonStyle::Button);
    auto* holder = new Panel(form.get(), nullptr);
    holder->SetBevelOuter(PanelBevel::None);
    holder->SetBounds(0, 0, 80, 16);
    auto* label = new Label(form.get(), holder);
    label->SetAutoSize(false);
    label->SetBounds(0, 0, 80, 16);
    label->SetFont(Font("Arial", 10, true));
    label->SetCaption("Current Text");
    room->SetControl(holder);
    auto* edit = new Edit(form.get(), nullptr);
    edit->SetWidth(60);
    auto* room2 = Add("Room2", ToolButtonStyle::Separator);
    room2->SetControl(edit);
    form->Show();

    EXPECT_EQ(room->Style(), ToolButtonStyle::Separator);
    EXPECT_EQ(holder->Parent(), bar);
    EXPECT_EQ(edit->Parent(), bar);
    const RECT r = room->BoundsRect();
    EXPECT_EQ(r.right - r.left, 80);
    EXPECT_EQ(holder->Left(), r.left);
    EXPECT_GE(holder->Left(), first->BoundsRect().right);
    EXPECT_GE(last->BoundsRect().left, holder->Left() + holder->Width());
    EXPECT_EQ(edit->Left(), room2->BoundsRect().left);

    // The label shows in its panel over the bar; the glyphs come from the
    // image list.
    Bitmap shot;
    form->PaintTo(shot);
    EXPECT_EQ(shot.Pixel(r.right + 2, 2), ColorToPixel(clBtnFace));
    int ink = 0;
    for (int y = holder->Top(); y < holder->Top() + holder->Height(); ++y)
        for (int x = holder->Left(); x < holder->Left() + holder->Width(); ++x)
            if ((shot.Pixel(x, y) & 0xFFFFFF) < 0x303030) ++ink;
    EXPECT_GT(ink, 40);
    const RECT g = first->BoundsRect();
    EXPECT_EQ(shot.Pixel((g.left + g.right) / 2, (g.top + g.bottom) / 2), kRedPixel);

    // A control freed first leaves its room empty, the bar intact.
    delete holder;
    bar->SetButtonSize(30, 22);
    EXPECT_EQ(room->GetControl(), nullptr);
    // So does an image list freed first: the bar shows no glyphs.
    delete images;
    EXPECT_EQ(bar->Images(), nullptr);
    form->PaintTo(shot);
    const RECT now = first->BoundsRect();
    EXPECT_NE(shot.Pixel((now.left + now.right) / 2, (now.top + now.bottom) / 2), kRedPixel);
}

// Buttons set up before the bar's window exists go into it, in order and
// with their state, when the bar is first shown; a later button goes
// straight in.
TEST_F(ToolBarTest, ButtonsSetUpBeforeTheWindowArriveWithTheirState) {
    ToolButton* check = Add("Check", ToolButtonStyle::Check);
    ToolButton* off = Add("Off", ToolButtonStyle::Button);
    (new ToolButton(form.get(), bar))->SetStyle(ToolButtonStyle::Separator);
    ToolButton* hidden = Add("Hidden", ToolButtonStyle::DropDown);
    check->SetDown(true);
    off->SetEnabled(false);
    hidden->SetVisible(false);
    EXPECT_FALSE(bar->HandleAllocated());
    EXPECT_TRUE(check->Down());
    EXPECT_FALSE(off->Enabled());

    form->Show();
    HWND window = bar->Handle();
    ASSERT_EQ(SendMessageA(window, TB_BUTTONCOUNT, 0, 0), 4);
    const BYTE styles[] = {BTNS_CHECK, BTNS_BUTTON, BTNS_SEP, BTNS_DROPDOWN};
    for (int i = 0; i < 4; ++i) {
        TBBUTTON item{};
        SendMessageA(window, TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&item));
        EXPECT_EQ(item.fsStyle & 0x0F, styles[i]) << i;
        EXPECT_EQ(item.idCommand, bar->Buttons(i)->Index() + 1) << i;
    }
    EXPECT_TRUE(check->Down());
    EXPECT_FALSE(off->Enabled());
    EXPECT_FALSE(hidden->Visible());
    ClickButton(*check);
    EXPECT_FALSE(check->Down());

    ToolButton* late = Add("Late", ToolButtonStyle::Button);
    EXPECT_EQ(SendMessageA(window, TB_BUTTONCOUNT, 0, 0), 5);
    ClickButton(*late);
    EXPECT_EQ(clicks, (std::vector<std::string>{"Check", "Late"}));
}

TEST(ToolBarLayoutTest, BarsStackFromTheTopAndKeepTheirOrderWhenShownAgain) {
    Form form;
    form.SetBorderStyle(BorderStyle::None);
    form.SetBounds(0, 0, 300, 200);
    ToolBar* bars[3];
    for (ToolBar*& bar : bars) bar = new ToolBar(&form, &form);
    form.Show();
    auto tops = [&bars] {
        std::vector<int> t;
        for (ToolBar* bar : bars) t.push_back(bar->Visible() ? bar->Top() : -1);
        return t;
    };
    EXPECT_EQ(tops(), (std::vector<int>{0, 29, 58}));
    EXPECT_EQ(bars[2]->Width(), 300);
    bars[1]->Hide();
    EXPECT_EQ(tops(), (std::vector<int>{0, -1, 29}));
    bars[1]->Show();
    EXPECT_EQ(tops(), (std::vector<int>{0, 29, 58}));
    bars[0]->Hide();
    bars[0]->Show();
    EXPECT_EQ(tops(), (std::vector<int>{0, 29, 58}));
    RECT r;
    GetWindowRect(bars[2]->Handle(), &r);
    MapWindowPoints(nullptr, form.Handle(), reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.top, 58);
}

TEST(ToolBarParentTest, ClicksArriveAfterTheBarMovedToAnotherForm) {
    Form other;
    other.SetBorderStyle(BorderStyle::None);
    other.SetBounds(0, 200, 400, 100);
    auto first = std::make_unique<Form>();
    first->SetBorderStyle(BorderStyle::None);
    first->SetBounds(0, 0, 400, 100);
    auto* bar = new ToolBar(&other, first.get());  // owned by one form, shown on another
    bar->SetBounds(0, 0, 400, 29);
    auto* plain = new ToolButton(&other, bar);
    int clicks = 0;
    plain->OnClick = [&clicks](Component&) { ++clicks; };
    first->Show();
    other.Show();
    bar->SetParent(&other);
    first.reset();  // the bar's first parent is gone
    ClickButton(*plain);
    EXPECT_EQ(clicks, 1);
}

}  // namespace
