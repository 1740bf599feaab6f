// The Button Command Wizard's rules: the command each action composes (read
// back with the player's own classifier, so editor and player agree on the
// form), the pages each action runs through, Browse targets and the order of
// the launch ticks.
#include <gtest/gtest.h>

#include "editor/logic/CommandWizardRules.h"
#include "player/logic/LaunchPlan.h"

namespace {

using editor::WizardAction;
using player::CommandForm;

constexpr const char* kSource = "E:\\";

struct Composed {
    WizardAction action;
    editor::WizardEntries entries;
    std::string command;
    CommandForm form;
};

TEST(CommandWizardRules, EveryActionComposesTheCommandThePlayerReadsAsIntended) {
    const Composed cases[] = {
        {WizardAction::OpenDocument, {"\\docs\\guide.pdf", "", "", ""}, "\\docs\\guide.pdf", CommandForm::FilePath},
        {WizardAction::StartApplication, {"\\setup.exe", "", "", ""}, "\\setup.exe", CommandForm::FilePath},
        {WizardAction::OpenFolder, {"\\extras", "", "", ""}, "\\extras\\", CommandForm::Folder},
        {WizardAction::OpenFolder, {"\\extras\\", "", "", ""}, "\\extras\\", CommandForm::Folder},
        {WizardAction::GoToSite, {"", "http://example.com/a", "", ""}, "http://example.com/a", CommandForm::Url},
        {WizardAction::OpenSubMenu, {"menu2", "", "", ""}, "menu2.mnu", CommandForm::SubMenu},
        {WizardAction::OpenSubMenu, {"Menu2.MNU", "", "", ""}, "Menu2.MNU", CommandForm::SubMenu},
        {WizardAction::ShowMessage, {"", "", "Line one\r\nLine two\r", ""}, "$Line one\xB6Line two\xB6",
         CommandForm::Message},
        {WizardAction::PlaySoundOnly, {"ignored", "", "", ""}, "*", CommandForm::SoundOnly},
        {WizardAction::NoAction, {"ignored", "", "", ""}, "", CommandForm::Empty},
        {WizardAction::SendEmail, {"", "a@b.org", "", "Hi there"}, "mailto:a@b.org?Subject=Hi there",
         CommandForm::Mailto},
        {WizardAction::SendEmail, {"", "a@b.org", "", ""}, "mailto:a@b.org", CommandForm::Mailto},
        {WizardAction::ExitButton, {"ignored", "x", "y", "z"}, "", CommandForm::Empty},
    };
    for (const Composed& c : cases) {
        const std::string command = editor::WizardCommand(c.action, c.entries);
        EXPECT_EQ(command, c.command) << static_cast<int>(c.action);
        EXPECT_EQ(player::ClassifyCommand(command, kSource), c.form) << command;
    }
    // A message comes back with one line break per CR LF pair.
    EXPECT_EQ(player::ConvertLineBreaks(editor::WizardCommand(WizardAction::ShowMessage, {"", "", "a\r\nb", ""})),
              "$a\rb");
    // Empty entries give bare commands.
    EXPECT_EQ(editor::WizardCommand(WizardAction::OpenFolder, {}), "\\");
    EXPECT_EQ(editor::WizardCommand(WizardAction::OpenSubMenu, {}), ".mnu");
    EXPECT_EQ(editor::WizardCommand(WizardAction::StartApplication, {}), "");
}

// The steps visited pressing Next from the action page until finished.
std::vector<int> ForwardSteps(WizardAction action) {
    std::vector<int> steps{editor::kStepAction};
    while (steps.back() != editor::kStepFinished) steps.push_back(editor::NextWizardStep(action, steps.back(), true));
    return steps;
}

TEST(CommandWizardRules, EachActionRunsThroughItsOwnPages) {
    const std::vector<int> full{0, 1, 2, 3};
    for (WizardAction a : {WizardAction::OpenDocument, WizardAction::StartApplication, WizardAction::OpenFolder,
                           WizardAction::GoToSite, WizardAction::ShowMessage, WizardAction::SendEmail})
        EXPECT_EQ(ForwardSteps(a), full) << static_cast<int>(a);
    EXPECT_EQ(ForwardSteps(WizardAction::PlaySoundOnly), (std::vector<int>{0, 1, 3}));
    EXPECT_EQ(ForwardSteps(WizardAction::NoAction), (std::vector<int>{0, 1, 3}));
    EXPECT_EQ(ForwardSteps(WizardAction::OpenSubMenu), (std::vector<int>{0, 2, 3}));

    // Back from the sub-menu's target page returns to the action page.
    EXPECT_EQ(editor::NextWizardStep(WizardAction::OpenSubMenu, 2, false), 0);
    EXPECT_EQ(editor::NextWizardStep(WizardAction::OpenDocument, 2, false), 1);
    EXPECT_EQ(editor::NextWizardStep(WizardAction::OpenDocument, 0, false), 0);
}

TEST(CommandWizardRules, BrowsedPathsBecomeDriveRelativeAndMenusBareNames) {
    EXPECT_EQ(editor::BrowsedTarget(WizardAction::OpenDocument, "D:\\docs\\a.pdf"), "\\docs\\a.pdf");
    EXPECT_EQ(editor::BrowsedTarget(WizardAction::OpenFolder, "D:\\extras"), "\\extras");
    EXPECT_EQ(editor::BrowsedTarget(WizardAction::StartApplication, "\\\\server\\share\\a.exe"),
              "server\\share\\a.exe");
    EXPECT_EQ(editor::BrowsedTarget(WizardAction::OpenSubMenu, "D:\\menus\\Intro.mnu"), "Intro.mnu");
}

TEST(CommandWizardRules, TheMenuActionDecidesTheTicksWhateverWasTickedBefore) {
    using editor::LaunchTick;
    using editor::MenuAction;
    using editor::TickWrite;
    // Exit is written before minimise, so that the ticks the sheet gives back
    // on clearing exit cannot overwrite the chosen menu action.
    EXPECT_EQ(editor::FinishTicks(MenuAction::Minimise, true),
              (std::vector<TickWrite>{{LaunchTick::Exit, false},
                                      {LaunchTick::Minimise, true},
                                      {LaunchTick::Restore, false},
                                      {LaunchTick::Maximise, true}}));
    EXPECT_EQ(editor::FinishTicks(MenuAction::Remain, false).at(1), (TickWrite{LaunchTick::Minimise, false}));
    EXPECT_EQ(editor::FinishTicks(MenuAction::Exit, false).at(0), (TickWrite{LaunchTick::Exit, true}));
    EXPECT_EQ(editor::ExitButtonTicks(), (std::vector<TickWrite>{{LaunchTick::Exit, true},
                                                                 {LaunchTick::Minimise, false},
                                                                 {LaunchTick::Restore, false},
                                                                 {LaunchTick::Maximise, false}}));
}

}  // namespace
