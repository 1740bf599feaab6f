// The root of the class tree: a named, tagged object that can own other
// components. An owner deletes what it owns when it is deleted, so a form
// frees all controls, timers and menus created with it as owner.
#pragma once
#include <string>
#include <vector>

#include "forms/win32/Types.h"

namespace forms {

class Component {
public:
    explicit Component(Component* owner);
    virtual ~Component();
    Component(const Component&) = delete;
    Component& operator=(const Component&) = delete;

    Component* Owner() const { return owner_; }

    const std::string& Name() const { return name_; }
    void SetName(const std::string& name) { name_ = name; }
    int Tag() const { return tag_; }
    void SetTag(int tag) { tag_ = tag; }

    // Components owned by this one, in creation order.
    int ComponentCount() const { return static_cast<int>(components_.size()); }
    Component* GetComponent(int index) const { return components_.at(static_cast<size_t>(index)); }
    // A directly owned component by name (case-insensitive), or nullptr.
    Component* FindComponent(const std::string& name) const;

    // Frees the component and everything it owns. Safe to call from inside one
    // of its own event handlers: the component is taken off the screen and out
    // of its owner at once, and deleted when the current message has been
    // handled. Plain `delete` is fine outside event handlers.
    void Free();

protected:
    // Deletes every owned component (last created first). Derived classes
    // whose owned children need the derived part alive call this first in
    // their destructor.
    void DestroyComponents();
    // Called by Free before the deferred delete: hide and detach.
    virtual void Detach() {}

private:
    friend class ApplicationClass;
    void RemoveComponent(Component* c);

    Component* owner_ = nullptr;
    std::vector<Component*> components_;
    std::string name_;
    int tag_ = 0;
};

}  // namespace forms
