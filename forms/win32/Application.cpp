#include "forms/win32/Application.h"

#include <algorithm>
#include <exception>

#include "forms/win32/Control.h"
#include "forms/win32/Form.h"
#include "forms/win32/Timer.h"

namespace forms {
namespace {

const char kUtilityClass[] = "QvFormsUtility";

LRESULT CALLBACK UtilityProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    DispatchScope scope;
    try {
        switch (msg) {
        case WM_TIMER:
            if (Timer* t = Timer::FromId(wParam)) t->Tick();
            return 0;
        default: {
            // Controls without a parent live on this window: their
            // notifications go back to them as on any other parent.
            LRESULT result = 0;
            if (WinControl::ReflectNotification(msg, wParam, lParam, result)) return result;
            break;
        }
        }
    } catch (...) {
        Application().HandleException();
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

}  // namespace

ApplicationClass& Application() {
    // Never destroyed: components may outlive static destruction order. The
    // utility window is made after the pointer is set, because its window
    // procedure already asks for the application.
    static ApplicationClass* app = nullptr;
    if (!app) {
        app = new ApplicationClass();
        app->CreateUtilityWindow();
    }
    return *app;
}

ApplicationClass::ApplicationClass() { instance_ = GetModuleHandleA(nullptr); }

void ApplicationClass::CreateUtilityWindow() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = UtilityProc;
    wc.hInstance = instance_;
    wc.lpszClassName = kUtilityClass;
    RegisterClassA(&wc);
    utilityWindow_ = CreateWindowExA(WS_EX_TOOLWINDOW, kUtilityClass, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                     instance_, nullptr);
}

void ApplicationClass::SetIcon(HICON icon) {
    if (icon == icon_) return;
    HICON old = icon_;
    icon_ = icon;
    for (Form* f : forms_) ApplyIcon(f);
    if (old) DestroyIcon(old);
}

bool ApplicationClass::LoadIconFile(const std::string& path) {
    HANDLE icon = LoadImageA(nullptr, path.c_str(), IMAGE_ICON, 0, 0, LR_LOADFROMFILE | LR_DEFAULTSIZE);
    if (!icon) return false;
    SetIcon(static_cast<HICON>(icon));
    return true;
}

void ApplicationClass::FormCreated(Form* form) {
    if (!mainForm_) mainForm_ = form;
    try {
        form->DoCreate();
    } catch (...) {
        HandleException();
    }
}

void ApplicationClass::FormFailed() {
    HandleException();
    if (!mainForm_) Terminate();
}

void ApplicationClass::AddForm(Form* form) { forms_.push_back(form); }

void ApplicationClass::ApplyIcon(Form* form) {
    if (!icon_) return;
    SendMessageA(form->Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
    SendMessageA(form->Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_));
}

Form* ApplicationClass::WorkingForm() const {
    // A modal form disables every other form that was showing; the one it
    // leaves enabled is the innermost.
    auto takesInput = [](const Form* f) {
        return f->HandleAllocated() && IsWindowVisible(f->Handle()) && IsWindowEnabled(f->Handle());
    };
    const HWND active = GetActiveWindow();
    for (Form* f : forms_)
        if (f->HandleAllocated() && f->Handle() == active && takesInput(f)) return f;
    for (auto it = forms_.rbegin(); it != forms_.rend(); ++it)
        if ((*it)->IsModal() && takesInput(*it)) return *it;
    // A modal form that has hidden itself (to show a system dialog in its
    // place) leaves the showing modal form under it disabled: that one still
    // owns new windows, never the main form, which a system dialog would
    // enable again when it closes, while the modal loops still run.
    for (auto it = forms_.rbegin(); it != forms_.rend(); ++it)
        if ((*it)->IsModal() && (*it)->HandleAllocated() && IsWindowVisible((*it)->Handle())) return *it;
    return mainForm_;
}

HWND ApplicationClass::WorkingWindow() const {
    Form* form = WorkingForm();
    return form ? form->Handle() : nullptr;
}

void ApplicationClass::RemoveForm(Form* form) {
    forms_.erase(std::remove(forms_.begin(), forms_.end(), form), forms_.end());
    if (mainForm_ == form) mainForm_ = nullptr;
}

bool ApplicationClass::Filter(MSG& msg) {
    // A filter may remove itself (or others) while it runs: only filters
    // still registered are asked.
    const std::vector<MessageFilter*> filters = filters_;
    for (MessageFilter* f : filters) {
        if (std::find(filters_.begin(), filters_.end(), f) == filters_.end()) continue;
        if (f->FilterMessage(msg)) return true;
    }
    return false;
}

void ApplicationClass::Dispatch(MSG& msg) {
    {
        DispatchScope scope;
        try {
            if (Filter(msg)) return;
        } catch (...) {
            HandleException();
            return;
        }
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
}

void ApplicationClass::RunIdleStep() {
    DispatchScope scope;
    const std::vector<IdleHandler*> handlers = idleHandlers_;
    for (IdleHandler* h : handlers) {
        if (std::find(idleHandlers_.begin(), idleHandlers_.end(), h) == idleHandlers_.end()) continue;
        try {
            h->Idle();
        } catch (...) {
            HandleException();
        }
    }
}

void ApplicationClass::IdleIfQueueEmpty() {
    MSG msg;
    if (!PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) RunIdleStep();
}

void ApplicationClass::AddMessageFilter(MessageFilter* filter) {
    if (filter && std::find(filters_.begin(), filters_.end(), filter) == filters_.end()) filters_.push_back(filter);
}

void ApplicationClass::RemoveMessageFilter(MessageFilter* filter) {
    filters_.erase(std::remove(filters_.begin(), filters_.end(), filter), filters_.end());
}

void ApplicationClass::AddIdleHandler(IdleHandler* handler) {
    if (handler && std::find(idleHandlers_.begin(), idleHandlers_.end(), handler) == idleHandlers_.end())
        idleHandlers_.push_back(handler);
}

void ApplicationClass::RemoveIdleHandler(IdleHandler* handler) {
    idleHandlers_.erase(std::remove(idleHandlers_.begin(), idleHandlers_.end(), handler), idleHandlers_.end());
}

void ApplicationClass::SetScreenCursor(Cursor cursor) {
    if (cursor == screenCursor_) return;
    screenCursor_ = cursor;
    // Show the change now: the window under the pointer picks its cursor
    // again (the screen cursor, or its own one when back to Default).
    POINT p;
    GetCursorPos(&p);
    HWND under = WindowFromPoint(p);
    if (under && WinControl::FromHandle(under))
        SendMessageA(under, WM_SETCURSOR, reinterpret_cast<WPARAM>(under), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    else if (cursor != Cursor::Default)
        ::SetCursor(CursorHandle(cursor));
}

void ApplicationClass::Run() {
    while (!terminated_) {
        IdleIfQueueEmpty();
        if (terminated_) break;
        MSG msg;
        BOOL r = GetMessageA(&msg, nullptr, 0, 0);
        if (r <= 0) {
            terminated_ = true;
            break;
        }
        Dispatch(msg);
    }
    DeletePending();
    // Application-owned forms go last-created first, each told first.
    for (;;) {
        auto it = std::find_if(forms_.rbegin(), forms_.rend(), [](Form* f) { return f->Owner() == nullptr; });
        if (it == forms_.rend()) break;
        Form* f = *it;
        try {
            f->DoDestroy();
        } catch (...) {
            HandleException();
        }
        delete f;
    }
}

void ApplicationClass::ProcessMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            terminated_ = true;
            break;
        }
        Dispatch(msg);
    }
}

void ApplicationClass::HandleMessage() {
    IdleIfQueueEmpty();
    MSG msg;
    BOOL r = GetMessageA(&msg, nullptr, 0, 0);
    if (r <= 0) {
        terminated_ = true;
        return;
    }
    Dispatch(msg);
}

void ApplicationClass::Terminate() {
    if (terminated_) return;
    terminated_ = true;
    PostQuitMessage(0);
}

void ApplicationClass::Minimize() {
    if (mainForm_) ShowWindow(mainForm_->Handle(), SW_MINIMIZE);
}

void ApplicationClass::Restore() {
    if (mainForm_ && IsIconic(mainForm_->Handle())) ShowWindow(mainForm_->Handle(), SW_RESTORE);
}

void ApplicationClass::HandleException() {
    std::string text;
    try {
        throw;
    } catch (const std::exception& e) {
        text = e.what();
    } catch (...) {
        text = "Unknown error.";
    }
    if (OnException) {
        auto handler = OnException;
        try {
            handler(text);
        } catch (...) {
            // A failing error handler must not take the program down.
        }
        return;
    }
    // Owned by the window the user works in (a modal dialog while one is
    // up), so that the box stays above it; none while that one is hidden.
    HWND owner = WorkingWindow();
    if (owner && !IsWindowVisible(owner)) owner = nullptr;
    MessageBoxA(owner, text.c_str(), title_.c_str(), MB_OK | MB_ICONERROR);
}

void ApplicationClass::ScheduleDelete(Component* c) {
    if (dispatchDepth_ == 0 && !deleting_) {
        delete c;
        return;
    }
    if (std::find(pendingDelete_.begin(), pendingDelete_.end(), c) != pendingDelete_.end()) return;
    if (c->owner_) {
        c->owner_->RemoveComponent(c);
        c->owner_ = nullptr;
    }
    c->Detach();
    pendingDelete_.push_back(c);
}

void ApplicationClass::DeletePending() {
    if (deleting_) return;
    deleting_ = true;
    while (!pendingDelete_.empty()) {
        Component* c = pendingDelete_.front();
        pendingDelete_.erase(pendingDelete_.begin());
        delete c;
    }
    deleting_ = false;
}

WaitCursor::WaitCursor() : previous_(Application().ScreenCursor()) { Application().SetScreenCursor(Cursor::Wait); }

WaitCursor::~WaitCursor() { Application().SetScreenCursor(previous_); }

DispatchScope::DispatchScope() { ++Application().dispatchDepth_; }

DispatchScope::~DispatchScope() {
    ApplicationClass& app = Application();
    if (--app.dispatchDepth_ == 0 && !app.pendingDelete_.empty()) app.DeletePending();
}

}  // namespace forms
