// Running commands: sub-menus, programs started through the shell, waiting
// for them, shell failures and the menu actions.
#include "forms/portable/FileSystem.h"
#include "forms/win32/Application.h"
#include "player/win32/PlayerGlobals.h"
#include "player/win32/launch.h"
#include "tests/wine/player/PlayerFixture.h"

using namespace qvtest;

namespace {

TAQMenu ThreeButtons(const std::string& title, const std::string& third) {
    TAQMenu menu = NewMenu(title, 300, 100, kGrey);
    AddGraphicalButton(menu, 10, 10, 50, 30, kRed, kGreen, kBlue, "$one");
    AddGraphicalButton(menu, 100, 10, 50, 30, kRed, kGreen, kBlue, "$two");
    AddGraphicalButton(menu, 200, 10, 50, 30, kRed, kGreen, kBlue, third);
    return menu;
}

std::string TestProgramFolder() {
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder = path;
    return folder.substr(0, folder.find_last_of('\\') + 1);
}

std::string ReadLog(const std::string& path) {
    std::vector<uint8_t> bytes;
    forms::ReadWholeFile(path, bytes);
    return std::string(bytes.begin(), bytes.end());
}

}  // namespace

TEST_F(PlayerTest, SubMenuReplacesTheMenuAndTheHandlerStopsOnTheOldOne) {
    TAQMenu main = ThreeButtons("Main", "sub.mnu");
    main.DefaultBtn = 1;
    TAQMenu sub = ThreeButtons("Sub", "main.mnu");
    sub.AnimInterval = 250;
    sub.Buttons[3].ButtonCommand = "$three";
    // The sub-menu has one object fewer than the main menu had controls for.
    TAQMenu small = NewMenu("Small", 100, 100, kGrey);
    AddGraphicalButton(small, 10, 10, 50, 30, kRed, kGreen, kBlue, "main.mnu");
    TfrmMenuCls& form = Start({{"main.mnu", MenuBytes(main)}, {"sub.mnu", MenuBytes(sub)}, {"small.mnu", MenuBytes(small)}});
    EXPECT_EQ(form.SelectedBtn, 1);

    forms::Button* oldKey = form.Ctl[3].KeyBtn;
    sounds_.clear();
    form.btnShortcut_Click(*oldKey);

    EXPECT_EQ(form.Caption(), "Sub");
    EXPECT_EQ(form.MenuName, "sub.mnu");
    EXPECT_EQ(form.Timer3->Interval(), 250);
    EXPECT_EQ(form.SelectedBtn, -2);
    EXPECT_EQ(form.CurBtn, 0);
    EXPECT_EQ(form.AccShownFor, -1);
    EXPECT_FALSE(LaunchBusy());
    // The old handler did not go on to set object 3 of the new menu Active.
    EXPECT_EQ(form.BtnState[3], Up);
    EXPECT_EQ(ShownPixel(3), kRed);
    EXPECT_NE(form.Ctl[3].KeyBtn, oldKey);
    EXPECT_TRUE(messages_.empty());
    // Click sound, then the change sound.
    ASSERT_GE(sounds_.size(), 2u);

    form.LoadMenu("small.mnu");
    EXPECT_EQ(form.Menu.BtnCount, 1);
    EXPECT_EQ(form.Ctl[2].ImgBtn, nullptr);
    EXPECT_EQ(form.FindControl("ImgBtn002"), nullptr);
    EXPECT_EQ(form.FindControl("KeyBtn003"), nullptr);
    ASSERT_NE(form.FindControl("ImgBtn001"), nullptr);
}

TEST_F(PlayerTest, MissingSubMenuIsReported) {
    TfrmMenuCls& form = Start({{"main.mnu", MenuBytes(ThreeButtons("Main", "Nowhere.mnu"))}});
    LaunchButton(3, form);
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0].text, "Could not find menu:\rnowhere.mnu");
    EXPECT_EQ(form.Caption(), "Main");
    EXPECT_FALSE(LaunchBusy());
}

TEST_F(PlayerTest, ProgramStartsWithItsArgumentsAndTheMenuWaitsForIt) {
    ASSERT_TRUE(CopyFileA((TestProgramFolder() + "qvrecorder.exe").c_str(), (folder_ + "qvrecorder.exe").c_str(), FALSE));
    TAQMenu menu = ThreeButtons("Main", "%qvrecorder.exe");
    menu.Buttons[3].ButtonArgs = "my file.txt";
    menu.Buttons[3].RestoreOnClose = -1;
    menu.Buttons[2].ButtonCommand = "%qvrecorder.exe";
    menu.Buttons[2].ButtonArgs = "-wait=10";
    TfrmMenuCls& form = Start({{"main.mnu", MenuBytes(menu)}});

    LaunchButton(3, form);
    EXPECT_FALSE(LaunchBusy());
    EXPECT_TRUE(messages_.empty());
    ASSERT_NE(form.WaitProcess, nullptr);
    EXPECT_EQ(form.tmrARstr->Interval(), 300);
    const std::string log = folder_ + "recorder.log";
    EXPECT_TRUE(PumpUntil([&] { return ReadLog(log).find("end\n") != std::string::npos; }, 20000));
    EXPECT_TRUE(PumpUntil([&] { return form.WaitProcess == nullptr; }, 5000));
    EXPECT_EQ(form.tmrARstr->Interval(), 0);
    const std::string first = ReadLog(log);
    EXPECT_NE(first.find("arg1=my file.txt\n"), std::string::npos) << first;
    std::string folder = folder_.substr(0, folder_.size() - 1);
    EXPECT_NE(first.find("cwd=" + folder), std::string::npos) << first;

    // Arguments that begin with "-" are passed without quotes; no wait.
    DeleteFileA(log.c_str());
    LaunchButton(2, form);
    EXPECT_EQ(form.WaitProcess, nullptr);
    EXPECT_TRUE(PumpUntil([&] { return ReadLog(log).find("end\n") != std::string::npos; }, 20000));
    const std::string second = ReadLog(log);
    EXPECT_NE(second.find(" -wait=10\n"), std::string::npos) << second;
}

TEST_F(PlayerTest, DocumentWithoutViewerLoadsTheViewerMenuOrReportsAndNeverExits) {
    WriteFile("doc.qqq", "text");
    TAQMenu menu = ThreeButtons("Main", "%doc.qqq");
    menu.Buttons[3].ExitOnClick = -1;
    TAQMenu viewer = ThreeButtons("Viewer", "");
    TfrmMenuCls& form = Start({{"main.mnu", MenuBytes(menu)}, {"qqq.mnu", MenuBytes(viewer)}});
    LaunchButton(3, form);
    EXPECT_EQ(form.Caption(), "Viewer");
    EXPECT_TRUE(messages_.empty());
    EXPECT_FALSE(LaunchBusy());
    EXPECT_FALSE(form.ShuttingDown);
}

TEST_F(PlayerTest, DocumentWithoutViewerIsReported) {
    WriteFile("doc.qqq", "text");
    TAQMenu menu = ThreeButtons("Main", "%doc.qqq");
    menu.Buttons[3].ExitOnClick = -1;
    TfrmMenuCls& form = Start({{"main.mnu", MenuBytes(menu)}});
    LaunchButton(3, form);
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0].text,
              "You do not appear to have a suitable viewer (or version) able to open the file:\r\n\r\n%doc.qqq");
    EXPECT_EQ(messages_[0].type, TMsgDlgType::mtWarning);
    EXPECT_TRUE(form.Visible());
    EXPECT_EQ(form.Timer2->Interval(), 0);
    EXPECT_FALSE(LaunchBusy());
}

TEST_F(PlayerTest, EmptyCommandWithMinimiseMinimisesTheMenu) {
    TAQMenu menu = ThreeButtons("Main", "");
    menu.Buttons[3].MinimizeOnClick = -1;
    TfrmMenuCls& form = Start({{"main.mnu", MenuBytes(menu)}});
    LaunchButton(3, form);
    EXPECT_TRUE(IsIconic(form.Handle()));
    EXPECT_TRUE(messages_.empty());
}
