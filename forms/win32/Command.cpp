#include "forms/win32/Command.h"

#include <algorithm>

#include "forms/win32/Application.h"
#include "forms/win32/Form.h"

namespace forms {
namespace {

Form* OwningForm(const Component* c) {
    for (; c; c = c->Owner())
        if (auto* form = dynamic_cast<Form*>(const_cast<Component*>(c))) return form;
    return nullptr;
}

}  // namespace

Command::Command(Component* owner) : Component(owner), form_(OwningForm(owner)) {
    Application().AddIdleHandler(this);
    if (form_) form_->AddCommand(this);
}

Command::~Command() {
    Detach();
    const std::vector<CommandFace*> faces = faces_;
    faces_.clear();
    for (CommandFace* f : faces) f->CommandDestroyed(*this);
}

void Command::Detach() {
    Application().RemoveIdleHandler(this);
    if (form_) {
        form_->RemoveCommand(this);
        form_ = nullptr;
    }
    OnExecute = nullptr;
    OnUpdate = nullptr;
}

void Command::Changed() {
    // A face may drop out (or add another) while it hears of the change.
    const std::vector<CommandFace*> faces = faces_;
    for (CommandFace* f : faces)
        if (std::find(faces_.begin(), faces_.end(), f) != faces_.end()) f->CommandChanged(*this);
}

void Command::SetCaption(const std::string& caption) {
    if (caption == caption_) return;
    caption_ = caption;
    Changed();
}

void Command::SetHint(const std::string& hint) {
    if (hint == hint_) return;
    hint_ = hint;
    Changed();
}

void Command::SetShortCut(ShortCut shortCut) {
    if (shortCut == shortCut_) return;
    shortCut_ = shortCut;
    Changed();
}

void Command::SetEnabled(bool on) {
    if (on == enabled_) return;
    enabled_ = on;
    Changed();
}

void Command::SetChecked(bool on) {
    if (on == checked_) return;
    checked_ = on;
    if (on && groupIndex_ != 0 && Owner()) {
        for (int i = 0; i < Owner()->ComponentCount(); ++i) {
            auto* other = dynamic_cast<Command*>(Owner()->GetComponent(i));
            if (other && other != this && other->groupIndex_ == groupIndex_) other->SetChecked(false);
        }
    }
    Changed();
}

bool Command::Execute() {
    if (!enabled_) return false;
    auto handler = OnExecute;
    if (handler) handler(*this);
    return true;
}

void Command::Update() {
    auto handler = OnUpdate;
    if (handler) handler(*this);
}

void Command::AddFace(CommandFace* face) {
    if (face && std::find(faces_.begin(), faces_.end(), face) == faces_.end()) faces_.push_back(face);
}

void Command::RemoveFace(CommandFace* face) { faces_.erase(std::remove(faces_.begin(), faces_.end(), face), faces_.end()); }

}  // namespace forms
