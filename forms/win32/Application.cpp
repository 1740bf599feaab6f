#include "forms/win32/Application.h"

#include <algorithm>
#include <exception>

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
        case WM_COMMAND:
            if (WinControl::ReflectCommand(wParam, lParam)) return 0;
            break;
        default:
            break;
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
    for (Form* f : forms_) {
        SendMessageA(f->Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
        SendMessageA(f->Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_));
    }
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

void ApplicationClass::AddForm(Form* form) {
    forms_.push_back(form);
    if (icon_) {
        SendMessageA(form->Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
        SendMessageA(form->Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_));
    }
}

void ApplicationClass::RemoveForm(Form* form) {
    forms_.erase(std::remove(forms_.begin(), forms_.end(), form), forms_.end());
    if (mainForm_ == form) mainForm_ = nullptr;
}

void ApplicationClass::Dispatch(MSG& msg) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
}

void ApplicationClass::Run() {
    while (!terminated_) {
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
    HWND owner = mainForm_ && IsWindowVisible(mainForm_->Handle()) ? mainForm_->Handle() : nullptr;
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

DispatchScope::DispatchScope() { ++Application().dispatchDepth_; }

DispatchScope::~DispatchScope() {
    ApplicationClass& app = Application();
    if (--app.dispatchDepth_ == 0 && !app.pendingDelete_.empty()) app.DeletePending();
}

}  // namespace forms
