// A timer component: fires OnTimer every Interval milliseconds while Enabled
// and Interval > 0. Setting Interval (even to the same value) restarts the
// count. A tick that arrives while the same timer's handler is still running
// (a handler that processes messages) is dropped. A new timer has Interval 0
// and Enabled true, so it runs once an interval is set.
#pragma once
#include <windows.h>

#include "forms/win32/Component.h"

namespace forms {

class Timer : public Component {
public:
    explicit Timer(Component* owner);
    ~Timer() override;

    int Interval() const { return interval_; }
    // 0 (or negative, taken as 0) stops the timer.
    void SetInterval(int milliseconds);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);

    NotifyEvent OnTimer;

    // Runs OnTimer now (the utility window calls it on WM_TIMER).
    void Tick();
    // The timer behind a WM_TIMER id, or nullptr.
    static Timer* FromId(UINT_PTR id);

protected:
    void Detach() override;

private:
    void Restart();

    int interval_ = 0;
    bool enabled_ = true;
    bool running_ = false;
    bool inHandler_ = false;
    UINT_PTR id_ = 0;
};

}  // namespace forms
