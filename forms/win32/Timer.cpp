#include "forms/win32/Timer.h"

#include <map>

#include "forms/win32/Application.h"

namespace forms {
namespace {

std::map<UINT_PTR, Timer*>& Registry() {
    static std::map<UINT_PTR, Timer*> timers;
    return timers;
}

UINT_PTR g_nextTimerId = 1;

}  // namespace

Timer::Timer(Component* owner) : Component(owner), id_(g_nextTimerId++) { Registry()[id_] = this; }

Timer::~Timer() {
    if (running_) KillTimer(Application().UtilityWindow(), id_);
    Registry().erase(id_);
}

Timer* Timer::FromId(UINT_PTR id) {
    auto it = Registry().find(id);
    return it == Registry().end() ? nullptr : it->second;
}

void Timer::SetInterval(int milliseconds) {
    interval_ = milliseconds > 0 ? milliseconds : 0;
    Restart();
}

void Timer::SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    Restart();
}

void Timer::Restart() {
    HWND hwnd = Application().UtilityWindow();
    if (running_) {
        KillTimer(hwnd, id_);
        running_ = false;
    }
    if (enabled_ && interval_ > 0) running_ = SetTimer(hwnd, id_, static_cast<UINT>(interval_), nullptr) != 0;
}

void Timer::Tick() {
    if (!running_ || inHandler_) return;
    auto handler = OnTimer;
    if (!handler) return;
    inHandler_ = true;
    struct Reset {
        bool& flag;
        ~Reset() { flag = false; }
    } reset{inHandler_};
    handler(*this);
}

void Timer::Detach() {
    OnTimer = nullptr;
    enabled_ = false;
    Restart();
}

}  // namespace forms
