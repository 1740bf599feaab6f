#include "forms/win32/Component.h"

#include <algorithm>

#include "forms/win32/Application.h"
#include "forms/win32/TextUtil.h"

namespace forms {

Component::Component(Component* owner) : owner_(owner) {
    if (owner_) owner_->components_.push_back(this);
}

Component::~Component() {
    DestroyComponents();
    if (owner_) owner_->RemoveComponent(this);
    auto& pending = Application().pendingDelete_;
    pending.erase(std::remove(pending.begin(), pending.end(), this), pending.end());
}

void Component::DestroyComponents() {
    while (!components_.empty()) {
        Component* c = components_.back();
        components_.pop_back();
        c->owner_ = nullptr;
        delete c;
    }
}

void Component::RemoveComponent(Component* c) {
    components_.erase(std::remove(components_.begin(), components_.end(), c), components_.end());
}

Component* Component::FindComponent(const std::string& name) const {
    for (Component* c : components_)
        if (SameText(c->name_, name)) return c;
    return nullptr;
}

void Component::Free() { Application().ScheduleDelete(this); }

}  // namespace forms
