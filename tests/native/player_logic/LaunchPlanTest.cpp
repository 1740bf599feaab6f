#include <gtest/gtest.h>

#include "FakeHost.h"
#include "player/logic/LaunchPlan.h"

using namespace player;

namespace {

class LaunchPlanTest : public ::testing::Test {
protected:
    LaunchPlanTest() {
        pack.entries = {{"main.mnu", 10}, {"intro.mnu", 20}, {"pdf.mnu", 30}};
        context = {"E:\\cd\\", "Autorun Quorvel", true, true, &pack};
    }
    LaunchPlan Plan(const std::string& command, const std::string& args = "") {
        button.command = command;
        button.args = args;
        return PlanLaunch(button, context, host);
    }
    PackDirectory pack;
    LaunchContext context;
    ButtonLaunch button;
    FakeHost host;
};

}  // namespace

TEST(CommandForms, ClassifiedInOrder) {
    const std::pair<const char*, CommandForm> cases[] = {
        {"%NOPROC%%CD%:\\setup.exe", CommandForm::NoProc}, {"%noproc%x.exe", CommandForm::FilePath},
        {"*", CommandForm::SoundOnly}, {"$Hello", CommandForm::Message}, {"Intro.MNU", CommandForm::SubMenu},
        {"menus\\intro.mnu", CommandForm::FilePath}, {"menus/intro.mnu", CommandForm::FilePath},
        {"", CommandForm::Empty}, {"HTTP://x.com", CommandForm::Url}, {"www.x.com", CommandForm::Url},
        {"ftp.x.com", CommandForm::Url}, {"mailto:a@b.c", CommandForm::Mailto}, {"%docs/", CommandForm::Folder},
        {"%", CommandForm::Folder}, {"E:\\a.PDX", CommandForm::PdxDocument}, {"%docs/a.pdf", CommandForm::FilePath},
    };
    for (const auto& c : cases) EXPECT_EQ(ClassifyCommand(c.first, "E:\\"), c.second) << c.first;

    EXPECT_EQ(QuoteArgs("my file.txt", "x.exe"), "\"my file.txt\"");
    for (const char* plain : {"", "-silent", "/s", "\\x", " a", "\"quoted already\""}) {
        EXPECT_EQ(QuoteArgs(plain, "x.exe"), plain) << plain;
    }
    EXPECT_EQ(QuoteArgs("a b", "\"C:\\x.exe\""), "a b");
}

TEST_F(LaunchPlanTest, NoProcSoundMessageEmptyAndSubMenus) {
    const LaunchPlan noProc = Plan("%NOPROC%%CD%:\\setup.exe");
    EXPECT_EQ(noProc.shell.file, "E:\\setup.exe");
    EXPECT_EQ(noProc.shell.dir, "E:\\");
    EXPECT_EQ(noProc.shell.showCommand, 1);  // shown, not hidden
    EXPECT_EQ(host.fileChecks, 0);
    // "%CD%" is replaced wherever it stands, also last in the command or
    // the arguments; only the whole variable counts.
    EXPECT_EQ(Plan("%NOPROC%%CD%:\\start.exe /from=%CD%").shell.file, "E:\\start.exe /from=E");
    EXPECT_EQ(Plan("%NOPROC%x.exe %CD").shell.file, "x.exe %CD");
    host.AddFile("E:\\cd\\x.exe");
    EXPECT_EQ(Plan("%x.exe", "/d=%CD%").shell.params, "/d=E");
    EXPECT_EQ(Plan("%x.exe", "%CD%").shell.params, "\"E\"");
    EXPECT_EQ(Plan("%x.exe", "-a %CD%%CD%").shell.params, "-a EE");

    EXPECT_EQ(Plan("*").soundFile, "");
    host.AddFile("E:\\cd\\noaction.wav");
    EXPECT_EQ(Plan("*").soundFile, "E:\\cd\\noaction.wav");

    button.exitOnClick = -1;
    button.restoreOnClose = -1;
    const LaunchPlan message = Plan("$Line 1\xB6Line 2");
    EXPECT_EQ(message.message.text, "Line 1\rLine 2");
    EXPECT_TRUE(message.exitAfter && !message.waitForProcess);  // nothing was started

    const LaunchPlan packed = Plan("Intro.MNU");
    EXPECT_EQ(packed.kind, LaunchKind::SubMenu);
    EXPECT_EQ(packed.menuName, "intro.mnu");
    EXPECT_TRUE(packed.clearMinimizeOnClick && packed.clearRestoreOnClose && !packed.exitAfter);
    EXPECT_EQ(Plan("Other.mnu").message.text, "Could not find menu:\rother.mnu");

    button.exitOnClick = 0;
    button.minimizeOnClick = -1;
    const LaunchPlan empty = Plan("");
    EXPECT_TRUE(empty.kind == LaunchKind::Nothing && empty.minimizeAfter);
    EXPECT_EQ(empty.clickSound, ClickSound::Asynchronous);
}

TEST_F(LaunchPlanTest, LocalTargetsPrefixesAndSearch) {
    host.AddFile("E:\\cd\\docs\\guide.pdf");
    button.restoreOnClose = -1;
    button.maximizeLaunched = -1;
    const LaunchPlan source = Plan("%docs/guide.pdf", "my file.txt");
    EXPECT_EQ(source.shell.file, "E:\\cd\\docs\\guide.pdf");
    EXPECT_EQ(source.shell.dir, "E:\\cd\\docs\\");
    EXPECT_EQ(source.shell.params, "\"my file.txt\"");
    EXPECT_TRUE(source.shell.showCommand == 3 && source.waitForProcess);

    host.AddFile("E:\\docs\\guide.pdf");
    EXPECT_EQ(Plan("\\docs\\guide.pdf", "-s %CD%").shell.file, "E:\\docs\\guide.pdf");
    EXPECT_EQ(Plan("\\docs\\guide.pdf", "-s %CD%").shell.params, "-s E");

    const LaunchPlan folder = Plan("%docs/");
    EXPECT_EQ(folder.shell.verb, "explore");
    EXPECT_TRUE(folder.clearRestoreOnClose && !folder.waitForProcess);
    EXPECT_EQ(host.clickSounds + host.searches, 0);

    host.AddFile("E:\\cd\\setup\\setup.exe");
    EXPECT_EQ(Plan("D:\\setup\\setup.exe").shell.file, "E:\\cd\\setup\\setup.exe");
    EXPECT_EQ(host.clickSounds, 1);  // heard before the search
}

TEST_F(LaunchPlanTest, WebMailAndAssociatedDocuments) {
    button.restoreOnClose = -1;
    const LaunchPlan noBrowser = Plan("www.example.com/a/b");
    EXPECT_EQ(noBrowser.shell.file, "www.example.com/a/b");  // slashes kept
    EXPECT_EQ(noBrowser.shell.params, "");

    host.executables[".htm"] = "C:\\Web\\browser.exe";
    const LaunchPlan web = Plan("http://example.com");
    EXPECT_EQ(web.shell.file, "C:\\Web\\browser.exe");
    EXPECT_EQ(web.shell.params, "\"http://example.com\"");

    const LaunchPlan mail = Plan("mailto:someone@example.com");
    EXPECT_TRUE(mail.clearRestoreOnClose && !mail.waitForProcess);

    host.AddFile("E:\\cd\\show.pdx");
    host.associations[".pdx"] = "C:\\Pdx\\player.exe";
    const LaunchPlan pdx = Plan("%show.pdx");
    EXPECT_EQ(pdx.shell.file, "C:\\Pdx\\player.exe");
    EXPECT_EQ(pdx.shell.params, "\"E:\\cd\\show.pdx\"");
    EXPECT_EQ(pdx.shell.dir, "C:\\Pdx\\");
}

TEST_F(LaunchPlanTest, ViewerRequirementAndShellFailures) {
    host.AddFile("E:\\cd\\a.pdf");
    host.AddFile("E:\\cd\\a.doc");
    button.viewer = {1, "Adobe Acrobat", "5", 1};
    button.exitOnClick = -1;
    const LaunchPlan toMenu = Plan("%a.pdf");
    EXPECT_EQ(toMenu.kind, LaunchKind::Failed);
    EXPECT_EQ(toMenu.failure.viewerMenu, "pdf.mnu");
    EXPECT_FALSE(toMenu.exitAfter);
    EXPECT_EQ(Plan("%a.doc").failure.message.text,
              "You do not appear to have a suitable viewer (or version) able to open the file:\r\n\r\n%a.doc");
    host.associations[".pdf"] = "C:\\AR\\reader.exe";
    host.products["C:\\AR\\reader.exe"] = "Adobe Reader";
    host.versions["C:\\AR\\reader.exe"] = "9.1";
    const LaunchPlan passed = Plan("%a.pdf");
    EXPECT_EQ(passed.shell.file, "E:\\cd\\a.pdf");  // the full path is kept

    EXPECT_EQ(OutcomeOfShellResult(0), ShellOutcome::Success);
    EXPECT_EQ(OutcomeOfShellResult(2), ShellOutcome::NotFound);
    EXPECT_EQ(OutcomeOfShellResult(31), ShellOutcome::NoViewer);
    EXPECT_EQ(OutcomeOfShellResult(5), ShellOutcome::Failed);  // not success
    EXPECT_EQ(FailureOfShellLaunch(ShellOutcome::NotFound, passed, button, context, "").message.text,
              "Autorun Quorvel cannot find the specified file:\r\r%a.pdf");
    EXPECT_EQ(FailureOfShellLaunch(ShellOutcome::NoViewer, passed, button, context, "").viewerMenu, "pdf.mnu");
    const LaunchFailure other = FailureOfShellLaunch(ShellOutcome::Failed, passed, button, context, "Denied.");
    EXPECT_TRUE(other.message.type == TMsgDlgType::mtError && other.message.text.find("Denied.") != std::string::npos);

    context.reportNotFound = context.reportNoViewer = false;
    EXPECT_EQ(FailureOfShellLaunch(ShellOutcome::NotFound, passed, button, context, "").message.text, "");
    EXPECT_EQ(Plan("%a.doc").failure.message.text, "");
}
