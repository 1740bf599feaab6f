// Start-up, menu loading, placement and shape of the menu window.
#include "forms/win32/Application.h"
#include "player/win32/PlayerGlobals.h"
#include "tests/wine/player/PlayerFixture.h"

using namespace qvtest;

namespace {

TAQMenu TwoButtonMenu(const std::string& title) {
    TAQMenu menu = NewMenu(title, 200, 120, kGrey);
    AddGraphicalButton(menu, 10, 10, 50, 30, kRed, kGreen, kBlue, "$one");
    AddGraphicalButton(menu, 100, 10, 50, 30, kRed, kGreen, kBlue, "$two");
    return menu;
}

}  // namespace

TEST_F(PlayerTest, ShowsTheFirstPackedMenuCentredWithItsObjects) {
    TAQMenu first = TwoButtonMenu("First");
    first.TimeVisible = true;
    TfrmMenuCls& form = Start({{"first.mnu", MenuBytes(first)}, {"second.mnu", MenuBytes(TwoButtonMenu("Second"))}});

    EXPECT_EQ(form.Caption(), "First");
    EXPECT_EQ(forms::Application().Title(), "First");
    EXPECT_EQ(StartTitle, "Autorun Quorvel");
    EXPECT_TRUE(form.Visible());
    EXPECT_EQ(form.Width(), 200);
    EXPECT_EQ(form.Height(), 120);
    EXPECT_EQ(form.Left(), (GetSystemMetrics(SM_CXSCREEN) - 200) / 2);
    EXPECT_EQ(form.Top(), (GetSystemMetrics(SM_CYSCREEN) - 120) / 2);
    EXPECT_EQ(form.Menu.BtnCount, 2);
    EXPECT_EQ(form.SelectedBtn, -2);
    EXPECT_EQ(form.MenuLoaded, 1);
    EXPECT_TRUE(form.TimeLabel->Visible());
    EXPECT_FALSE(form.DateLabel->Visible());
    EXPECT_EQ(form.Timer3->Interval(), 100);
    ASSERT_NE(form.Ctl[2].ImgBtn, nullptr);
    EXPECT_TRUE(form.Ctl[2].ImgBtn->Visible());
    EXPECT_EQ(form.Ctl[2].ImgBtn->Left(), 100);
    EXPECT_EQ(ShownPixel(2), kRed);
    EXPECT_TRUE(messages_.empty());
    // No start.wav beside the player: the built-in start sound.
    ASSERT_FALSE(sounds_.empty());
    EXPECT_EQ(sounds_.back().sound, "<memory>");
}

TEST_F(PlayerTest, CommandLineNamesTheMenuWhateverItsFolderAndCase) {
    TfrmMenuCls& form =
        Start({{"first.mnu", MenuBytes(TwoButtonMenu("First"))}, {"second.mnu", MenuBytes(TwoButtonMenu("Second"))}},
              "E:\\menus\\Second.MNU");
    EXPECT_EQ(form.Caption(), "Second");
}

TEST_F(PlayerTest, MenuNotInThePackEndsAfterItsMessages) {
    TfrmMenuCls& form = Start({{"first.mnu", MenuBytes(TwoButtonMenu("First"))}}, "E:nothere.mnu");
    ASSERT_EQ(messages_.size(), 2u);
    EXPECT_EQ(messages_[0].text, "Could not locate specified package:\r\rnothere.mnu");
    EXPECT_EQ(messages_[0].type, TMsgDlgType::mtWarning);
    EXPECT_EQ(messages_[1].text, "Menu could not be read.");
    EXPECT_TRUE(form.ShuttingDown);
    EXPECT_FALSE(form.Visible());
    EXPECT_EQ(form.Timer2->Interval(), 600);
}

TEST_F(PlayerTest, VersionSevenMenuIsRefused) {
    TfrmMenuCls& form = Start({{"old.mnu", MenuBytesWithMajor(TwoButtonMenu("Old"), 7)}});
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0].text.rfind("Application Terminating\r\rInternal menu is not an Autorun Quorvel Version 8", 0),
              0u);
    EXPECT_EQ(messages_[0].type, TMsgDlgType::mtInformation);
    EXPECT_TRUE(form.ShuttingDown);
}

TEST_F(PlayerTest, PlacementCodeAndRegionFollowTheMenu) {
    TAQMenu menu = TwoButtonMenu("Shaped");
    menu.ScreenPos = 4;
    forms::Bitmap& bg = *menu.Buttons[0].Pics[Up][0];
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 30; ++x) bg.SetPixel(x, y, kNavy);
    menu.TransColor = kNavyIndex;
    TAQMenu plain = TwoButtonMenu("Plain");
    plain.Buttons[1].ButtonCommand = "shaped.mnu";
    TfrmMenuCls& form = Start({{"plain.mnu", MenuBytes(plain)}, {"shaped.mnu", MenuBytes(menu)}});

    // The first menu without a transparent colour gets no region.
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetWindowRgn(form.Handle(), region), ERROR);

    form.LoadMenu("shaped.mnu");
    EXPECT_EQ(form.Left(), GetSystemMetrics(SM_CXSCREEN) - 200);
    EXPECT_EQ(form.Top(), GetSystemMetrics(SM_CYSCREEN) - 120);
    ASSERT_NE(GetWindowRgn(form.Handle(), region), ERROR);
    EXPECT_FALSE(PtInRegion(region, 5, 5));
    EXPECT_FALSE(PtInRegion(region, 29, 19));
    EXPECT_TRUE(PtInRegion(region, 30, 5));
    EXPECT_TRUE(PtInRegion(region, 5, 20));

    // A later menu without transparency gets its plain rectangle back.
    form.LoadMenu("plain.mnu");
    ASSERT_NE(GetWindowRgn(form.Handle(), region), ERROR);
    EXPECT_TRUE(PtInRegion(region, 5, 5));
    EXPECT_FALSE(PtInRegion(region, 200, 5));
    DeleteObject(region);
}

TEST_F(PlayerTest, SideFilesSetSwitchesAndTheSourceFolder) {
    WriteFile("err.txt", "0\r\n1\r\ntrue\r\n");
    WriteFile("remoteaqlaunch.txt", " ? \r\n");
    std::string offered;
    AskDriveLetter = [&offered](const std::string&, const std::string&, std::string& value) {
        offered = value;
        value = "D:";
        return true;
    };
    Start({{"first.mnu", MenuBytes(TwoButtonMenu("First"))}});
    EXPECT_EQ(offered, folder_);
    EXPECT_EQ(SourcePath, "D:\\");
    EXPECT_FALSE(ReportNotFound);
    EXPECT_TRUE(ReportNoViewer);
}

TEST_F(PlayerTest, EmptyDriveAnswerKeepsThePlayersFolder) {
    WriteFile("remoteaqlaunch.txt", "?");
    AskDriveLetter = [](const std::string&, const std::string&, std::string& value) {
        value.clear();
        return true;
    };
    Start({{"first.mnu", MenuBytes(TwoButtonMenu("First"))}});
    EXPECT_EQ(SourcePath, folder_);
}

TEST_F(PlayerTest, MenuReadAheadShowsAsTheWindowsOwnReadWithItsLaterWarning) {
    TAQMenu menu = TwoButtonMenu("Ahead");
    TfrmMenuCls& form =
        Start({{"other.mnu", MenuBytes(TwoButtonMenu("Other"))}, {"ahead.mnu", MenuBytesWithBadPicture(menu, 1, Active, 0)}},
              "E:Ahead.mnu", true);

    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0].text, "Error loading binary menu data.");
    EXPECT_EQ(form.Caption(), "Ahead");
    EXPECT_EQ(form.MenuName, "Ahead.mnu");
    EXPECT_TRUE(form.Visible());
    EXPECT_EQ(form.Menu.BtnCount, 2);
    EXPECT_EQ(ShownPixel(2), kRed);
    Press(1);
    EXPECT_EQ(ShownPixel(1), kBlue);  // decoded after the first paint
}

TEST_F(PlayerTest, DamagedLaterPictureStillShowsTheMenuWithAWarning) {
    TAQMenu menu = TwoButtonMenu("Damaged");
    // Up frame 0 is decoded while the file is read; Active and Down follow
    // after the first paint. Only the Active picture is damaged.
    TfrmMenuCls& form = Start({{"damaged.mnu", MenuBytesWithBadPicture(menu, 1, Active, 0)}});

    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0].text, "Error loading binary menu data.");
    EXPECT_EQ(messages_[0].type, TMsgDlgType::mtWarning);
    EXPECT_EQ(messages_[0].caption, "");  // the dialog's own caption
    EXPECT_FALSE(form.ShuttingDown);
    EXPECT_TRUE(form.Visible());
    EXPECT_EQ(form.MenuLoaded, 1);
    EXPECT_EQ(form.Caption(), "Damaged");
    EXPECT_EQ(ShownPixel(1), kRed);
    EXPECT_TRUE(form.Ctl[1].KeyBtn->Visible());

    // The damaged picture is missing; the others of the button are there.
    Hover(1);
    EXPECT_EQ(form.SelectedBtn, 1);
    EXPECT_EQ(ShownPixel(1), kRed);
    Press(1);
    EXPECT_EQ(ShownPixel(1), kBlue);
    Hover(2);
    EXPECT_EQ(ShownPixel(2), kGreen);
}
