// Every command and menu item of the main window has its operation, and each
// command is enabled exactly in the state it needs: always, with an open
// menu, with a selected object, or while a text is being formatted. Menu
// items and tool buttons follow their command.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "forms/win32/Menus.h"
#include "forms/win32/RichEdit.h"
#include "tests/wine/editor_mainwindow/NewMenuFixture.h"

namespace {

enum class Needs { Nothing, Menu, Object, Text, TextBox };

struct CommandNeed {
    const char* name;
    Needs needs;
};

const CommandNeed kCommands[] = {
    {"cmdNew", Needs::Nothing},          {"cmdOpen", Needs::Nothing},
    {"cmdCreateEXE", Needs::Nothing},    {"cmdExit", Needs::Nothing},
    {"cmdHelpContents", Needs::Nothing}, {"cmdClose", Needs::Menu},
    {"cmdSave", Needs::Menu},            {"cmdSaveAs", Needs::Menu},
    {"cmdSaveAll", Needs::Menu},         {"cmdUndo", Needs::Menu},
    {"cmdRedo", Needs::Menu},            {"cmdCut", Needs::Menu},
    {"cmdCopy", Needs::Menu},            {"cmdPaste", Needs::Menu},
    {"cmdMenuProps", Needs::Menu},       {"cmdBtnProps", Needs::Menu},
    {"cmdInsertBtn", Needs::Menu},       {"cmdAddImage", Needs::Menu},
    {"cmdAddText", Needs::Menu},         {"cmdAddShape", Needs::Menu},
    {"cmdDelete", Needs::Menu},          {"cmdAutoSeek", Needs::Menu},
    {"cmdSelectNext", Needs::Menu},      {"cmdSelectPrevious", Needs::Menu},
    {"cmdShowTime", Needs::Menu},        {"cmdShowDate", Needs::Menu},
    {"cmdTabOrder", Needs::Menu},        {"cmdFindControls", Needs::Menu},
    {"cmdSnapToGrid", Needs::Menu},      {"cmdOriginalSize", Needs::Menu},
    {"cmdShadowColor", Needs::Menu},     {"cmdShadowDepth", Needs::Menu},
    {"cmdDateTimeColor", Needs::Menu},   {"cmdTransColor", Needs::Menu},
    {"cmdFirst", Needs::Object},         {"cmdLast", Needs::Object},
    {"cmdPrevious", Needs::Object},      {"cmdNext", Needs::Object},
    {"cmdMoveLeft", Needs::Object},      {"cmdMoveRight", Needs::Object},
    {"cmdMoveUp", Needs::Object},        {"cmdMoveDown", Needs::Object},
    {"cmdBringToFront", Needs::Object},  {"cmdSendToBack", Needs::Object},
    {"cmdBringForward", Needs::Object},  {"cmdSendBackward", Needs::Object},
    {"cmdTextColor", Needs::Text},       {"cmdBold", Needs::Text},
    {"cmdItalic", Needs::Text},          {"cmdUnderline", Needs::Text},
    {"cmdAlignLeft", Needs::Text},       {"cmdAlignCenter", Needs::Text},
    {"cmdAlignRight", Needs::Text},      {"cmdTextPrevious", Needs::TextBox},
    {"cmdTextNext", Needs::TextBox},     {"cmdCloseTextBox", Needs::TextBox},
};

class CommandStatesTest : public NewMenuFixture {
protected:
    // The commands whose enabled state differs from what the state given
    // (menu open, object selected, text being formatted) calls for.
    std::vector<std::string> Mismatches(bool menu, bool object, bool text) {
        std::vector<std::string> wrong;
        for (const CommandNeed& c : kCommands) {
            bool want = true;
            if (c.needs == Needs::Menu) want = menu;
            if (c.needs == Needs::Object) want = object;
            if (c.needs == Needs::Text) want = text;
            if (Cmd(c.name).Enabled() != want) wrong.push_back(c.name);
        }
        return wrong;
    }
};

TEST_F(CommandStatesTest, EveryCommandHasItsOperationAndIsEnabledInTheStateItNeeds) {
    // Every command of the window is in the table and has an operation.
    std::set<std::string> listed;
    for (const CommandNeed& c : kCommands) listed.insert(c.name);
    for (int i = 0; i < form_->ComponentCount(); ++i) {
        auto* command = dynamic_cast<forms::Command*>(form_->GetComponent(i));
        if (!command) continue;
        EXPECT_TRUE(listed.count(command->Name())) << command->Name();
        EXPECT_TRUE(static_cast<bool>(command->OnExecute)) << command->Name();
    }
    // Every menu item that is not a sub-menu or a separator does something.
    for (int i = 0; i < form_->ComponentCount(); ++i) {
        auto* item = dynamic_cast<forms::MenuItem*>(form_->GetComponent(i));
        if (!item || item->Count() > 0 || item->Caption() == "-") continue;
        EXPECT_TRUE(item->GetCommand() || item->OnClick) << item->Name();
    }

    using List = std::vector<std::string>;
    EXPECT_EQ(Mismatches(true, false, false), List{});
    Cmd("cmdAddText").Execute();
    EXPECT_EQ(Mismatches(true, true, false), List{});
    // Editing the text in place formats it.
    Doc().Ctl[1].ImgBtn->MouseDown(forms::MouseButton::Right, 0, 3, 3);
    ASSERT_TRUE(dynamic_cast<forms::RichEdit*>(form_->FindComponent("RichAccEdit"))->Visible());
    EXPECT_EQ(Mismatches(true, true, true), List{});
    Cmd("cmdCloseTextBox").Execute();
    Doc().Modified = 0;
    Cmd("cmdClose").Execute();
    ASSERT_EQ(form_->CurrentDoc(), nullptr);
    EXPECT_EQ(Mismatches(false, false, false), List{});
}

}  // namespace
