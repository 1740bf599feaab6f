// Helpers for the forms layer tests: pumping messages for a while, queueing
// key strokes as a user's and comparing pixels with a small tolerance.
#pragma once
#include <windows.h>

#include <cstdint>
#include <cstdlib>
#include <functional>
#include <initializer_list>
#include <vector>

#include "forms/win32/Application.h"

namespace formstest {

// Handles messages until done() holds or the time runs out; returns done().
inline bool PumpUntil(const std::function<bool()>& done, int timeoutMs = 2000) {
    const DWORD start = GetTickCount();
    while (!done()) {
        if (static_cast<int>(GetTickCount() - start) > timeoutMs) return false;
        forms::Application().ProcessMessages();
        Sleep(1);
    }
    return true;
}

inline void PumpFor(int ms) {
    PumpUntil([] { return false; }, ms);
}

// Queues key strokes as a user's: keys held down together, released in
// reverse order. The focused window gets them through the message queue.
inline void QueueKeys(std::initializer_list<WORD> down) {
    std::vector<INPUT> in;
    for (WORD k : down) {
        INPUT i{};
        i.type = INPUT_KEYBOARD;
        i.ki.wVk = k;
        in.push_back(i);
    }
    for (auto it = down.end(); it != down.begin();) {
        INPUT i{};
        i.type = INPUT_KEYBOARD;
        i.ki.wVk = *--it;
        i.ki.dwFlags = KEYEVENTF_KEYUP;
        in.push_back(i);
    }
    SendInput(static_cast<UINT>(in.size()), in.data(), sizeof(INPUT));
}

// Each of blue, green and red within tol.
inline bool Near(uint32_t a, uint32_t b, int tol = 1) {
    for (int s = 0; s < 24; s += 8)
        if (std::abs(static_cast<int>((a >> s) & 0xFF) - static_cast<int>((b >> s) & 0xFF)) > tol) return false;
    return true;
}

}  // namespace formstest
