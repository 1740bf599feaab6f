// The two hooks of the application's message loop (Application.h):
//  - A MessageFilter sees every message taken from the queue before it is
//    translated and dispatched, and may consume it (keyboard shortcuts,
//    dialog keys of windows that are not the layer's own, tooltips).
//  - An IdleHandler runs whenever the queue has become empty, before the loop
//    waits again (commands update their enabled and checked state there).
// Register them with Application().Add...; an object must remove itself
// before it dies. Filters run in the order they were added.
#pragma once
#include <windows.h>

namespace forms {

class MessageFilter {
public:
    // True when the message has been handled: it is then neither translated
    // nor dispatched.
    virtual bool FilterMessage(MSG& msg) = 0;

protected:
    ~MessageFilter() = default;
};

class IdleHandler {
public:
    virtual void Idle() = 0;

protected:
    ~IdleHandler() = default;
};

}  // namespace forms
