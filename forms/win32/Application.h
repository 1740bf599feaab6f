// The application object: title, icon, the message loop, the main form, the
// screen-wide cursor, and the exception handler that keeps a C++ exception
// escaping an event handler from crashing the program (it is reported in a
// message box instead).
//
// The message loop (Run, HandleMessage, ProcessMessages) hands every message
// to the registered filters before translating and dispatching it; Run and
// HandleMessage run the idle handlers each time the queue has become empty
// (MessageLoop.h).
//
//   int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
//       forms::Application().SetTitle("Title");
//       forms::Application().CreateForm<TfrmMainCls>();   // first = main form
//       forms::Application().Run();
//   }
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "forms/win32/MessageLoop.h"
#include "forms/win32/Types.h"

namespace forms {

class Component;
class Form;

class ApplicationClass {
public:
    ApplicationClass(const ApplicationClass&) = delete;
    ApplicationClass& operator=(const ApplicationClass&) = delete;

    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& title) { title_ = title; }

    // The icon of every form (set on existing and future forms). The
    // application owns it.
    HICON Icon() const { return icon_; }
    void SetIcon(HICON icon);
    // Loads an .ico file as the icon; false (icon unchanged) when it fails.
    bool LoadIconFile(const std::string& path);

    // Constructs a form, makes the first one the main form, runs its
    // OnCreate (exceptions are reported, the form is kept) and returns it.
    // A constructor that throws is reported too; the result is then nullptr,
    // and without a main form the application terminates.
    template <class T, class... Args>
    T* CreateForm(Args&&... args) {
        T* form = nullptr;
        try {
            form = new T(std::forward<Args>(args)...);
        } catch (...) {
            FormFailed();
            return nullptr;
        }
        FormCreated(form);
        return form;
    }
    Form* MainForm() const { return mainForm_; }
    // The form the user is working in, which owns every new top-level
    // window (a form when it is shown, a pop-up menu, a file, folder or
    // message dialog): the active form while it takes input, else the
    // innermost modal form while one is up, else the main form (nullptr
    // before there is one). A window opened from a modal dialog therefore
    // belongs to that dialog and can never send it behind another window.
    Form* WorkingForm() const;
    // The window of WorkingForm(), or nullptr.
    HWND WorkingWindow() const;

    // Runs the message loop until Terminate() (or the main form closes), then
    // destroys the remaining application-owned forms (OnDestroy first).
    void Run();
    // Handles every waiting message, then returns (no idle step).
    void ProcessMessages();
    // Runs the idle step when the queue is empty, then waits for one message
    // and handles it.
    void HandleMessage();
    // Runs every idle handler once, now.
    void RunIdleStep();

    void AddMessageFilter(MessageFilter* filter);
    void RemoveMessageFilter(MessageFilter* filter);
    void AddIdleHandler(IdleHandler* handler);
    void RemoveIdleHandler(IdleHandler* handler);

    // A cursor shown over every window of the application while it is not
    // Default (the hourglass during long work); Default gives each control
    // its own cursor back. Takes effect at once.
    Cursor ScreenCursor() const { return screenCursor_; }
    void SetScreenCursor(Cursor cursor);
    void Terminate();
    bool Terminated() const { return terminated_; }

    void Minimize();
    void Restore();

    // Reports the exception being handled (call only inside a catch block):
    // OnException when set, else a message box captioned with the title and
    // owned by the working form (WorkingForm()).
    void HandleException();
    // Replaces the message box of HandleException (receives the message).
    std::function<void(const std::string& message)> OnException;

    HINSTANCE Instance() const { return instance_; }
    // A hidden window: parent of windowed controls without a parent, and
    // receiver of timer messages.
    HWND UtilityWindow() const { return utilityWindow_; }

    // Forms alive now, in creation order.
    const std::vector<Form*>& Forms() const { return forms_; }

private:
    friend ApplicationClass& Application();
    friend class Form;
    friend class Component;
    friend class DispatchScope;
    ApplicationClass();
    ~ApplicationClass() = default;
    void CreateUtilityWindow();

    void FormCreated(Form* form);
    void FormFailed();
    void AddForm(Form* form);
    // Gives the form the application's icon, large and small.
    void ApplyIcon(Form* form);
    void RemoveForm(Form* form);
    void ScheduleDelete(Component* c);
    void DeletePending();
    void Dispatch(MSG& msg);
    bool Filter(MSG& msg);
    void IdleIfQueueEmpty();

    HINSTANCE instance_ = nullptr;
    HWND utilityWindow_ = nullptr;
    std::string title_;
    HICON icon_ = nullptr;
    Form* mainForm_ = nullptr;
    std::vector<Form*> forms_;
    std::vector<Component*> pendingDelete_;
    std::vector<MessageFilter*> filters_;
    std::vector<IdleHandler*> idleHandlers_;
    Cursor screenCursor_ = Cursor::Default;
    bool terminated_ = false;
    bool deleting_ = false;
    int dispatchDepth_ = 0;
};

// The one application object.
ApplicationClass& Application();

// Shows the hourglass over the whole application for its lifetime and puts
// back the cursor that was set before.
class WaitCursor {
public:
    WaitCursor();
    ~WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    Cursor previous_;
};

// Marks a stretch of code that runs on behalf of a window message or timer:
// components freed meanwhile are deleted only when the outermost scope ends.
class DispatchScope {
public:
    DispatchScope();
    ~DispatchScope();
    DispatchScope(const DispatchScope&) = delete;
    DispatchScope& operator=(const DispatchScope&) = delete;
};

}  // namespace forms
