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

TEST_F(PlayerTest, SubMenuStartsWithAFreshRunStateAndNoOldTimerRunsMeanwhile) {
    TAQMenu main = ThreeButtons("Main", "sub.mnu");
    main.AnimInterval = 100;
    main.ScrollTitle = 1;
    main.AccRTF = "{\\rtf menu}";
    main.AccPNG = forms::PngImage::CreateBlank(30, 10);
    SetFrames(main, 1, Active, {kGreen, kWhite, kYellow});
    main.Buttons[1].AnimMode = 5;
    main.Buttons[1].AccRTF = "{\\rtf one}";
    main.Buttons[1].AccPNG = forms::PngImage::CreateBlank(20, 10);
    SetFrames(main, 1, Accessory, {kYellow, kWhite});
    TAQMenu sub = ThreeButtons("Sub", "main.mnu");
    sub.AnimInterval = 250;
    // A damaged later picture makes the player report while it loads.
    std::vector<uint8_t> subBytes = MenuBytesWithBadPicture(sub, 2, Down, 0);
    ASSERT_FALSE(subBytes.empty());
    TfrmMenuCls& form = Start({{"main.mnu", MenuBytes(main)}, {"sub.mnu", subBytes}});

    // Button 1 animated up and down and its accessory picture stepped on.
    Hover(1);
    for (int i = 0; i < 3; ++i) form.AnimateButtons();
    ASSERT_EQ(form.BtnFrame[1], 1);
    ASSERT_EQ(form.BtnDir[1], 1);
    ASSERT_NE(form.AccFrame, 0);
    ASSERT_EQ(form.AccShownFor, 1);
    ASSERT_EQ(form.Timer4->Interval(), 160);
    // A Windows-button launch of the old menu still waiting for its timer.
    form.PendingLaunch = 2;
    form.Timer5->SetInterval(5000);

    struct {
        int timer3 = 1, timer4 = 1, timer5 = 1;
        bool ready = true;
    } during;
    onMessage_ = [&](const ShownMessage&) {
        during = {form.Timer3->Interval(), form.Timer4->Interval(), form.Timer5->Interval(), form.Ready()};
    };
    LaunchButton(3, form);

    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0].text, "Error loading binary menu data.");
    EXPECT_EQ(during.timer3, 0);
    EXPECT_EQ(during.timer4, 0);
    EXPECT_EQ(during.timer5, 0);
    EXPECT_FALSE(during.ready);

    EXPECT_EQ(form.Caption(), "Sub");
    EXPECT_EQ(form.Timer3->Interval(), 250);
    EXPECT_EQ(form.Timer4->Interval(), 0);
    EXPECT_EQ(form.Timer5->Interval(), 0);
    EXPECT_EQ(form.PendingLaunch, 0);
    EXPECT_EQ(form.CurBtn, 0);
    EXPECT_EQ(form.AccFrame, 0);
    EXPECT_EQ(form.AccShownFor, -1);
    for (int n = 0; n < kButtonSlots; ++n) {
        EXPECT_EQ(form.BtnFrame[n], 0) << n;
        EXPECT_EQ(form.BtnDir[n], 0) << n;
        EXPECT_EQ(form.BtnState[n], Up) << n;
    }
    // The sub-menu has no accessory content: nothing of the main menu's stays.
    EXPECT_TRUE(form.AccessoryText->GetPicture().Empty());
    EXPECT_FALSE(form.AccessoryImage->Visible());
    // The title no longer scrolls; its caption stays the sub-menu's.
    Pump(400);
    EXPECT_EQ(form.Caption(), "Sub");
    EXPECT_EQ(messages_.size(), 1u);
}

TEST_F(PlayerTest, MenuReplacedByEnterOrReleaseLeavesTheNewMenuAlone) {
    TAQMenu main = ThreeButtons("Main", "sub.mnu");
    // The sub-menu's object 3 shows other colours, so that a state set by
    // the old handler would show.
    TAQMenu sub = NewMenu("Sub", 300, 100, kGrey);
    AddGraphicalButton(sub, 10, 10, 50, 30, kRed, kGreen, kBlue, "$one");
    AddGraphicalButton(sub, 100, 10, 50, 30, kRed, kGreen, kBlue, "$two");
    AddGraphicalButton(sub, 200, 10, 50, 30, kWhite, kYellow, kNavy, "main.mnu");
    TfrmMenuCls& form = Start({{"main.mnu", MenuBytes(main)}, {"sub.mnu", MenuBytes(sub)}});

    {
        // As the key's message is dispatched.
        forms::DispatchScope dispatch;
        char key = '\r';
        form.btnShortcutKeyPress(*form.Ctl[3].KeyBtn, key);
    }
    ASSERT_EQ(form.Caption(), "Sub");
    EXPECT_EQ(form.BtnState[3], Up);
    EXPECT_EQ(ShownPixel(3), kWhite);
    EXPECT_FALSE(LaunchBusy());

    {
        forms::DispatchScope dispatch;
        Hover(3);
        Press(3);
        Release(3);
    }
    ASSERT_EQ(form.Caption(), "Main");
    EXPECT_EQ(form.BtnState[3], Up);
    EXPECT_EQ(ShownPixel(3), kRed);
    EXPECT_EQ(form.SelectedBtn, -2);
    EXPECT_FALSE(LaunchBusy());
    EXPECT_TRUE(messages_.empty());

    // The new menu's objects work as usual.
    Press(1);
    Release(1);
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0].text, "one");
}

TEST_F(PlayerTest, NotFoundFailureKeepsTheMenuRunningDespiteExit) {
    const std::string missing = "%NOPROC%" + folder_ + "missing.exe";
    TAQMenu menu = ThreeButtons("Main", missing);
    menu.Buttons[3].ExitOnClick = -1;
    TfrmMenuCls& form = Start({{"main.mnu", MenuBytes(menu)}});
    LaunchButton(3, form);
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0].text, "Autorun Quorvel cannot find the specified file:\r\r" + missing);
    EXPECT_EQ(messages_[0].type, TMsgDlgType::mtInformation);
    EXPECT_FALSE(LaunchBusy());
    Pump(300);
    EXPECT_FALSE(form.ShuttingDown);
    EXPECT_TRUE(form.Visible());
    EXPECT_TRUE(IsWindowEnabled(form.Handle()));
    EXPECT_EQ(form.Timer2->Interval(), 0);

    // The launcher is free for the next button.
    LaunchButton(1, form);
    ASSERT_EQ(messages_.size(), 2u);
    EXPECT_EQ(messages_[1].text, "one");
}

TEST_F(PlayerTest, LaunchesThatStartNoProcessNeitherWaitNorStayBusy) {
    WriteFile("noaction.wav", "x");
    TAQMenu menu = NewMenu("Main", 300, 100, kGrey);
    for (const char* command : {"*", "$text", "", "mailto:someone@example.invalid"}) {
        const int n = AddGraphicalButton(menu, 10 + 60 * menu.BtnCount, 10, 50, 30, kRed, kGreen, kBlue, command);
        menu.Buttons[n].RestoreOnClose = -1;
    }
    TfrmMenuCls& form = Start({{"main.mnu", MenuBytes(menu)}});

    for (int n = 1; n <= menu.BtnCount; ++n) {
        sounds_.clear();
        LaunchButton(n, form);
        EXPECT_FALSE(LaunchBusy()) << n;
        EXPECT_EQ(form.WaitProcess, nullptr) << n;
        EXPECT_EQ(form.tmrARstr->Interval(), 0) << n;
        if (n == 1) {
            // Only the sound, played to its end.
            ASSERT_EQ(sounds_.size(), 1u);
            EXPECT_EQ(sounds_[0].sound, folder_ + "noaction.wav");
            EXPECT_EQ(sounds_[0].flags, static_cast<DWORD>(SND_FILENAME | SND_NODEFAULT | SND_SYNC));
        }
    }
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0].text, "text");
    // A mail command is never waited for, also on later presses of the button.
    EXPECT_EQ(form.Menu.Buttons[4].RestoreOnClose, 0);
    EXPECT_EQ(form.Menu.Buttons[1].RestoreOnClose, -1);
}
