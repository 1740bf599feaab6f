// A command: one operation with its state kept in one place. Menu items,
// tool buttons and the keyboard shortcut are its faces: each runs the same
// Execute() and shows the same caption, hint, shortcut, enabled and checked
// state, and follows every change of it.
//
//   auto* save = new forms::Command(this);
//   save->SetCaption("&Save Menu");
//   save->SetHint("Save");
//   save->SetShortCut(forms::MakeShortCut('S', forms::scCtrl));
//   save->OnExecute = [this](forms::Component&) { mnuSaveClick(); };
//   save->OnUpdate = [this](forms::Component&) { save->SetEnabled(CurMenu > 0); };
//   mnuSave->SetCommand(save);  // and the tool button likewise
//
// OnUpdate runs in the message loop's idle step (and before the shortcut or
// a menu that shows the command runs it), so state can follow the program's
// data without every change remembering the faces. The shortcut works while
// the form that owns the command (directly or through other components) has
// the keyboard. A checked command with a GroupIndex other than 0 unchecks the
// commands of the same owner and group (radio behaviour).
#pragma once
#include <string>
#include <vector>

#include "forms/portable/ShortCut.h"
#include "forms/win32/Component.h"
#include "forms/win32/MessageLoop.h"

namespace forms {

class Command;
class Form;

// Something that shows a command (a menu item, a tool button). It hears of
// every change of the command's state, and of its end.
class CommandFace {
public:
    virtual void CommandChanged(Command& command) = 0;
    // The command is being destroyed: forget it (do not call it back).
    virtual void CommandDestroyed(Command& command) = 0;

protected:
    ~CommandFace() = default;
};

class Command : public Component, private IdleHandler {
public:
    explicit Command(Component* owner);
    ~Command() override;

    // The menu caption ("&" marks the accelerator) and the tool button hint.
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& hint);
    ShortCut GetShortCut() const { return shortCut_; }
    void SetShortCut(ShortCut shortCut);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool on);
    bool Checked() const { return checked_; }
    void SetChecked(bool on);
    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int group) { groupIndex_ = group; }

    // Runs OnExecute (the command as sender) when the command is enabled;
    // true when it ran.
    bool Execute();
    // Runs OnUpdate now.
    void Update();

    NotifyEvent OnExecute;
    NotifyEvent OnUpdate;

    // Faces register while they show the command.
    void AddFace(CommandFace* face);
    void RemoveFace(CommandFace* face);

protected:
    void Detach() override;

private:
    void Idle() override { Update(); }
    void Changed();

    std::string caption_;
    std::string hint_;
    ShortCut shortCut_ = scNone;
    bool enabled_ = true;
    bool checked_ = false;
    int groupIndex_ = 0;
    std::vector<CommandFace*> faces_;
    Form* form_ = nullptr;
};

}  // namespace forms
