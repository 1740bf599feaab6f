// Selection, picture states, animation, sounds and keyboard navigation of the
// menu's objects.
#include <utility>

#include "forms/win32/Application.h"
#include "forms/win32/Image.h"
#include "player/win32/PlayerGlobals.h"
#include "tests/wine/player/PlayerFixture.h"

using namespace qvtest;

namespace {

// Two graphical buttons, a placed image and a text button.
TAQMenu MixedMenu() {
    TAQMenu menu = NewMenu("Mixed", 300, 200, kGrey);
    AddGraphicalButton(menu, 10, 10, 50, 30, kRed, kGreen, kBlue, "$one");
    AddGraphicalButton(menu, 100, 10, 50, 30, kRed, kGreen, kBlue, "$two");
    AddPlacedImage(menu, 10, 100, 40, 20, kYellow);
    AddObject(menu, TextButton, 100, 100, 50, 30);
    menu.Buttons[4].ButtonCommand = "$four";
    return menu;
}

std::vector<std::string> SoundNames(const std::vector<SoundRequest>& sounds) {
    std::vector<std::string> names;
    for (const SoundRequest& s : sounds) names.push_back(s.sound);
    return names;
}

}  // namespace

TEST_F(PlayerTest, HoverPressAndReleaseShowTheStatesAndLaunchOnlyInside) {
    TfrmMenuCls& form = Start({{"mixed.mnu", MenuBytes(MixedMenu())}});
    Hover(1);
    EXPECT_EQ(form.SelectedBtn, 1);
    EXPECT_EQ(form.CurBtn, 1);
    EXPECT_EQ(ShownPixel(1), kGreen);
    Press(1);
    EXPECT_EQ(ShownPixel(1), kBlue);
    Release(1, false);
    EXPECT_EQ(ShownPixel(1), kGreen);
    EXPECT_TRUE(messages_.empty());

    Press(1);
    Release(1);
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0].text, "one");
    EXPECT_EQ(messages_[0].caption, "Autorun Quorvel");

    // Moving on deselects the first button.
    Hover(2);
    EXPECT_EQ(ShownPixel(1), kRed);
    EXPECT_EQ(ShownPixel(2), kGreen);
}

TEST_F(PlayerTest, ReleaseLaunchesTheButtonPressedNotTheOneMovedTo) {
    TfrmMenuCls& form = Start({{"mixed.mnu", MenuBytes(MixedMenu())}});
    Hover(1);
    Press(1);
    bool handled = false;
    form.FormMouseWheelDown(form, 0, 0, 0, handled);
    EXPECT_EQ(form.CurBtn, 2);
    Release(1);
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0].text, "one");
}

TEST_F(PlayerTest, PlacedImageNeverShowsItsPlaceholder) {
    TfrmMenuCls& form = Start({{"mixed.mnu", MenuBytes(MixedMenu())}});
    EXPECT_EQ(ShownPixel(3), kYellow);
    EXPECT_EQ(form.Ctl[3].ImgBtn->GetPicture().Width(), 40);
    Hover(3);
    Hover(1);
    form.MenBckMouseMove(*form.MenBck, 0, 5, 5);
    form.Ctl[3].ImgBtn->SetTag(-1);
    form.SetButtonState(3, Up, false);
    EXPECT_EQ(ShownPixel(3), kYellow);
    EXPECT_EQ(form.Ctl[3].ImgBtn->GetPicture().Width(), 40);
}

TEST_F(PlayerTest, WheelAndArrowsCycleThroughTheObjects) {
    TfrmMenuCls& form = Start({{"mixed.mnu", MenuBytes(MixedMenu())}});
    bool handled = false;
    std::vector<int> seen;
    for (int i = 0; i < 5; ++i) {
        form.FormMouseWheelDown(form, 0, 0, 0, handled);
        seen.push_back(form.CurBtn);
    }
    EXPECT_EQ(seen, (std::vector<int>{1, 2, 3, 4, 1}));
    EXPECT_TRUE(handled);
    form.FormMouseWheelUp(form, 0, 0, 0, handled);
    EXPECT_EQ(form.CurBtn, 4);

    uint16_t key = VK_RIGHT;
    form.btnShortcutKeyDown(*form.Ctl[4].KeyBtn, key, 0);
    EXPECT_EQ(form.CurBtn, 1);
    EXPECT_EQ(key, 0);
    key = VK_UP;
    form.btnShortcutKeyDown(*form.Ctl[1].KeyBtn, key, 0);
    EXPECT_EQ(form.CurBtn, 4);
}

TEST_F(PlayerTest, EveryMouseButtonPressesAndReleasesAPicture) {
    TfrmMenuCls& form = Start({{"mixed.mnu", MenuBytes(MixedMenu())}});
    const forms::Image* image = form.Ctl[1].ImgBtn;
    const LPARAM at = MAKELPARAM(image->Left() + image->Width() / 2, image->Top() + image->Height() / 2);
    const UINT presses[][3] = {{WM_RBUTTONDOWN, WM_RBUTTONUP, MK_RBUTTON}, {WM_MBUTTONDOWN, WM_MBUTTONUP, MK_MBUTTON}};
    for (const auto& press : presses) {
        SendMessageA(form.Handle(), WM_MOUSEMOVE, 0, at);
        SendMessageA(form.Handle(), press[0], press[2], at);
        EXPECT_EQ(ShownPixel(1), kBlue);
        SendMessageA(form.Handle(), press[1], 0, at);
        EXPECT_EQ(ShownPixel(1), kGreen);
    }
    ASSERT_EQ(messages_.size(), 2u);
    EXPECT_EQ(messages_[1].text, "one");
}

namespace {
HBITMAP g_aboutImage = nullptr;
}  // namespace

// A right click on the background opens the menu whose About item shows the
// program's icon (read from the open menu, which is then closed).
TEST_F(PlayerTest, AboutItemOfTheBackgroundMenuHasAnImage) {
    forms::Application().SetIcon(CopyIcon(LoadIconA(nullptr, IDI_APPLICATION)));  // the program's own, as main sets it
    TfrmMenuCls& form = Start({{"mixed.mnu", MenuBytes(MixedMenu())}});
    g_aboutImage = nullptr;
    SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR id, DWORD) {
        KillTimer(nullptr, id);
        HWND menu = FindWindowA("#32768", nullptr);
        HMENU items = menu ? reinterpret_cast<HMENU>(SendMessageA(menu, MN_GETHMENU, 0, 0)) : nullptr;
        MENUITEMINFOA info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_BITMAP;
        if (items && GetMenuItemInfoA(items, 0, TRUE, &info)) g_aboutImage = info.hbmpItem;
        EndMenu();
    });
    SendMessageA(form.Handle(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(270, 170));
    SendMessageA(form.Handle(), WM_RBUTTONUP, 0, MAKELPARAM(270, 170));
    ASSERT_NE(g_aboutImage, nullptr);
    BITMAP size{};
    ASSERT_EQ(GetObjectA(g_aboutImage, sizeof(size), &size), static_cast<int>(sizeof(size)));
    EXPECT_EQ(std::make_pair(size.bmWidth, size.bmHeight), std::make_pair(16L, 16L));
    EXPECT_TRUE(messages_.empty());
    forms::Application().SetIcon(nullptr);
}

TEST_F(PlayerTest, EnterOnAShortcutButtonLaunchesIt) {
    TfrmMenuCls& form = Start({{"mixed.mnu", MenuBytes(MixedMenu())}});
    char key = '\r';
    form.btnShortcutKeyPress(*form.Ctl[2].KeyBtn, key);
    EXPECT_EQ(key, 0);
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0].text, "two");
}

TEST_F(PlayerTest, AnimationStepsThroughTheFramesOfTheShownState) {
    TAQMenu menu = NewMenu("Anim", 200, 100, kGrey);
    const int once = AddGraphicalButton(menu, 10, 10, 40, 20, kRed, kGreen, kBlue, "");
    SetFrames(menu, once, Up, {kRed, kGreen, kBlue, kYellow});
    menu.Buttons[once].AnimMode = 2;
    const int cycle = AddGraphicalButton(menu, 100, 10, 40, 20, kRed, kGreen, kBlue, "");
    SetFrames(menu, cycle, Up, {kRed, kGreen, kBlue});
    menu.Buttons[cycle].AnimMode = 4;
    menu.AnimInterval = 0;
    TfrmMenuCls& form = Start({{"anim.mnu", MenuBytes(menu)}});

    std::vector<uint32_t> first, second;
    for (int i = 0; i < 6; ++i) {
        form.AnimateButtons();
        first.push_back(ShownPixel(once));
        second.push_back(ShownPixel(cycle));
    }
    EXPECT_EQ(first, (std::vector<uint32_t>{kGreen, kBlue, kYellow, kYellow, kYellow, kYellow}));
    EXPECT_EQ(second, (std::vector<uint32_t>{kGreen, kBlue, kGreen, kRed, kRed, kRed}));
}

TEST_F(PlayerTest, SelectSoundComesFromTheMostSpecificFile) {
    TAQMenu menu = MixedMenu();
    menu.SoundsOn = 0;
    WriteFile("select.wav", "x");
    WriteFile("select2.wav", "x");
    WriteFile("mixeds2.wav", "x");
    Start({{"mixed.mnu", MenuBytes(menu)}});
    sounds_.clear();
    Hover(1);
    Hover(2);
    EXPECT_EQ(SoundNames(sounds_), (std::vector<std::string>{folder_ + "select.wav", folder_ + "mixeds2.wav"}));
    EXPECT_TRUE(sounds_[0].flags & SND_ASYNC);

    // Sounds off: even a click.wav stays silent.
    WriteFile("click.wav", "x");
    sounds_.clear();
    Press(1);
    Release(1);
    EXPECT_TRUE(sounds_.empty() || sounds_.back().sound != folder_ + "click.wav");
}

TEST_F(PlayerTest, BuiltInSoundsPlayFromMemoryWhenSoundsAreOn) {
    Start({{"mixed.mnu", MenuBytes(MixedMenu())}});
    sounds_.clear();
    Hover(1);
    ASSERT_EQ(sounds_.size(), 1u);
    EXPECT_EQ(sounds_[0].sound, "<memory>");
    EXPECT_EQ(sounds_[0].flags, static_cast<DWORD>(SND_ASYNC | SND_NODEFAULT | SND_MEMORY));
    // Selecting the selected object again plays nothing.
    Hover(1);
    EXPECT_EQ(sounds_.size(), 1u);
}

TEST_F(PlayerTest, DefaultButtonIsSelectedOnlyWhenItExists) {
    TAQMenu good = MixedMenu();
    good.DefaultBtn = 2;
    TAQMenu bad = MixedMenu();
    bad.MenuTitle = "Bad";
    bad.DefaultBtn = 9;
    TfrmMenuCls& form = Start({{"good.mnu", MenuBytes(good)}, {"bad.mnu", MenuBytes(bad)}});
    EXPECT_EQ(form.SelectedBtn, 2);
    EXPECT_EQ(ShownPixel(2), kGreen);
    form.LoadMenu("bad.mnu");
    EXPECT_EQ(form.Caption(), "Bad");
    EXPECT_EQ(form.SelectedBtn, -2);
}

TEST_F(PlayerTest, WindowsButtonShowsItsCaptionAndLaunchesAfterItsClick) {
    TAQMenu menu = NewMenu("Win", 200, 100, kGrey);
    const int n = AddObject(menu, WindowsButton, 20, 20, 80, 25);
    menu.Buttons[n].Caption = "&Setup";
    menu.Buttons[n].ShortcutKey = "S";
    menu.Buttons[n].ButtonCommand = "$setup";
    TfrmMenuCls& form = Start({{"win.mnu", MenuBytes(menu)}});
    EXPECT_TRUE(form.Ctl[n].WinBtn->Visible());
    EXPECT_EQ(form.Ctl[n].WinBtn->Caption(), "&Setup");
    EXPECT_FALSE(form.Ctl[n].KeyBtn->Visible());
    EXPECT_FALSE(form.Ctl[n].ImgBtn->Visible());

    form.Ctl[n].WinBtn->Click();
    EXPECT_TRUE(messages_.empty());  // deferred until the click has been handled
    EXPECT_EQ(form.Timer5->Interval(), 10);
    EXPECT_TRUE(PumpUntil([&] { return !messages_.empty(); }, 3000));
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0].text, "setup");
    EXPECT_EQ(form.Timer5->Interval(), 0);
}

TEST_F(PlayerTest, ShortcutCaptionsCarryTheKeyExceptForNone) {
    TAQMenu menu = MixedMenu();
    menu.Buttons[1].ShortcutKey = "Q";
    menu.Buttons[2].ShortcutKey = "none";
    TfrmMenuCls& form = Start({{"mixed.mnu", MenuBytes(menu)}});
    EXPECT_EQ(form.Ctl[1].KeyBtn->Caption(), "&Q");
    EXPECT_EQ(form.Ctl[1].KeyBtn->AccelChar(), 'Q');
    EXPECT_EQ(form.Ctl[2].KeyBtn->AccelChar(), 0);
}

TEST_F(PlayerTest, ScrollingTitleRotatesTheCaption) {
    TAQMenu menu = NewMenu("Menu", 100, 50, kGrey);
    menu.ScrollTitle = 1;
    TfrmMenuCls& form = Start({{"menu.mnu", MenuBytes(menu)}});
    EXPECT_EQ(form.Timer4->Interval(), 160);
    form.Timer4->SetInterval(0);
    form.ScrollPos = 0;
    std::vector<std::string> captions;
    for (int i = 0; i < 10; ++i) {
        form.Timer4_Timer(form);
        captions.push_back(form.Caption());
    }
    EXPECT_EQ(captions[0], "Menu     M");
    EXPECT_EQ(captions[1], "enu     Me");
    EXPECT_EQ(captions[9], captions[0]);
    EXPECT_EQ(forms::Application().Title(), captions[9]);
}

TEST_F(PlayerTest, AccessoryContentFollowsTheSelection) {
    TAQMenu menu = MixedMenu();
    menu.AccRTF = "{\\rtf menu}";
    menu.AccPNG = forms::PngImage::CreateBlank(30, 10);
    menu.Buttons[1].AccRTF = "{\\rtf one}";
    menu.Buttons[1].AccPNG = forms::PngImage::CreateBlank(20, 10);
    SetFrames(menu, 1, Accessory, {kYellow, kWhite});
    // A placed image's accessory field is not accessory content of its own.
    menu.Buttons[3].AccRTF = "{\\rtf placed}";
    menu.AccTextLeft = menu.AccTextTop = 0;  // both accessory boxes over button 1
    TfrmMenuCls& form = Start({{"mixed.mnu", MenuBytes(menu)}});
    EXPECT_EQ(form.AccessoryText->GetPicture().Width(), 30);
    EXPECT_FALSE(form.AccessoryImage->Visible());

    Hover(1);
    EXPECT_EQ(form.AccessoryText->GetPicture().Width(), 20);
    EXPECT_TRUE(form.AccessoryImage->Visible());
    EXPECT_EQ(form.AccessoryImage->GetPicture().Pixels().Pixel(0, 0) & 0xFFFFFF, kYellow);
    form.AnimateButtons();
    EXPECT_EQ(form.AccessoryImage->GetPicture().Pixels().Pixel(0, 0) & 0xFFFFFF, kWhite);
    // The real mouse over both boxes reaches the button beneath.
    SetCursorPos(form.Left() + 30, form.Top() + 12);
    mouse_event(MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
    EXPECT_TRUE(PumpUntil([this] { return !messages_.empty() && messages_[0].text == "one"; }, 2000));

    // Back on the background: the menu's text; the button's picture stays.
    form.MenBckMouseMove(*form.MenBck, 0, 2, 2);
    EXPECT_EQ(form.SelectedBtn, -1);
    EXPECT_EQ(form.AccessoryText->GetPicture().Width(), 30);
    EXPECT_TRUE(form.AccessoryImage->Visible());

    // A decoration, by the mouse or the keyboard, shows the menu's text and
    // no accessory picture.
    Hover(1);
    Hover(3);
    EXPECT_EQ(form.SelectedBtn, 3);
    EXPECT_EQ(form.AccessoryText->GetPicture().Width(), 30);
    EXPECT_FALSE(form.AccessoryImage->Visible());
    Hover(1);
    bool handled = false;
    form.FormMouseWheelDown(form, 0, 0, 0, handled);
    form.FormMouseWheelDown(form, 0, 0, 0, handled);
    EXPECT_EQ(form.CurBtn, 3);
    EXPECT_EQ(form.AccessoryText->GetPicture().Width(), 30);
    EXPECT_FALSE(form.AccessoryImage->Visible());
    // Its accessory animation has no frames to step through.
    form.AnimateButtons();
    EXPECT_FALSE(form.AccessoryImage->Visible());
}
