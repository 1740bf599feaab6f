#include "forms/win32/Form.h"

#include <windowsx.h>

#include <algorithm>
#include <cstring>
#include <stdexcept>

#include "forms/win32/Application.h"
#include "forms/win32/Button.h"
#include "forms/win32/ComboBox.h"
#include "forms/win32/Command.h"
#include "forms/win32/Hints.h"
#include "forms/win32/MainMenu.h"
#include "forms/win32/TextUtil.h"

namespace forms {
namespace {

const char kFormClass[] = "QvFormsForm";
const UINT kReleaseMessage = WM_APP + 0x51;
const UINT kApplyIconMessage = WM_APP + 0x52;

void RegisterFormClass() {
    static bool registered = false;
    if (registered) return;
    WNDCLASSA wc{};
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = Application().Instance();
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.lpszClassName = kFormClass;
    if (!RegisterClassA(&wc)) throw std::runtime_error("Cannot register the form window class");
    registered = true;
}

bool EnabledChain(const Control* c) {
    for (; c; c = c->Parent())
        if (!c->Enabled()) return false;
    return true;
}

ShiftState KeyShift() {
    ShiftState s = 0;
    if (GetKeyState(VK_SHIFT) < 0) s |= ssShift;
    if (GetKeyState(VK_MENU) < 0) s |= ssAlt;
    if (GetKeyState(VK_CONTROL) < 0) s |= ssCtrl;
    return s;
}

bool IsKeyMessage(UINT msg) {
    return msg == WM_KEYDOWN || msg == WM_KEYUP || msg == WM_SYSKEYDOWN || msg == WM_SYSKEYUP || msg == WM_CHAR ||
           msg == WM_SYSCHAR;
}

LRESULT DialogCode(const WinControl& c) {
    return c.HandleAllocated() ? SendMessageA(c.Handle(), WM_GETDLGCODE, 0, 0) : 0;
}

}  // namespace

Form* Control::ParentForm() const { return dynamic_cast<Form*>(RootControl()); }

namespace {

Control* FindControlIn(const Component* root, const std::string& name) {
    for (int i = 0; i < root->ComponentCount(); ++i) {
        Component* c = root->GetComponent(i);
        if (auto* ctl = dynamic_cast<Control*>(c); ctl && SameText(c->Name(), name)) return ctl;
        if (Control* found = FindControlIn(c, name)) return found;
    }
    return nullptr;
}

}  // namespace

Form::Form(Component* owner) : Form(owner, BorderStyle::Sizeable, biSystemMenu | biMinimize | biMaximize) {}

Form::Form(Component* owner, BorderStyle borderStyle, BorderIcons borderIcons)
    : WinControl(owner, nullptr), borderStyle_(borderStyle), borderIcons_(borderIcons) {
    SetTopLevel();
    StoreVisible(false);
    RegisterFormClass();
    DWORD style, exStyle;
    StyleBits(style, exStyle);
    // Owned by the main form until it is shown (TakeOwner).
    Form* main = Application().MainForm();
    HWND hwnd = CreateWindowExA(exStyle, kFormClass, "", style, 0, 0, 320, 240, main ? main->Handle() : nullptr,
                                nullptr, Application().Instance(), nullptr);
    if (!hwnd) throw std::runtime_error("Cannot create a form window");
    AttachWindow(hwnd);
    SyncBoundsFromWindow();
    Application().AddForm(this);
    Application().AddMessageFilter(this);
    // The icon follows once messages are handled: some window systems turn
    // an icon into pictures of their own, which would hold back a window
    // that is shown before its program first waits for messages.
    PostMessageA(hwnd, kApplyIconMessage, 0, 0);
}

Form::~Form() {
    Application().RemoveMessageFilter(this);
    // Windows destroys the windows a window owns with it: the forms this one
    // owns pass to its own owner and stay.
    HWND owner = GetWindow(Handle(), GW_OWNER);
    for (Form* f : Application().Forms()) {
        if (f->ownerForm_ == this) f->ownerForm_ = nullptr;
        if (f != this && GetWindow(f->Handle(), GW_OWNER) == Handle())
            SetWindowLongPtrA(f->Handle(), GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner));
    }
    // The window would destroy an attached menu bar with it.
    SetMenu(nullptr);
    DestroyComponents();
    Application().RemoveForm(this);
}

void Form::StyleBits(DWORD& style, DWORD& exStyle) const {
    style = WS_CLIPCHILDREN;
    exStyle = 0;
    bool icons = true;
    switch (borderStyle_) {
    case BorderStyle::None: style |= WS_POPUP; break;
    case BorderStyle::Single: style |= WS_CAPTION; break;
    case BorderStyle::Sizeable: style |= WS_CAPTION | WS_THICKFRAME; break;
    case BorderStyle::Dialog:
        style |= WS_CAPTION;
        exStyle |= WS_EX_DLGMODALFRAME;
        icons = false;
        break;
    case BorderStyle::ToolWindow:
        style |= WS_CAPTION;
        exStyle |= WS_EX_TOOLWINDOW;
        icons = false;
        break;
    }
    if (borderIcons_ & biSystemMenu) style |= WS_SYSMENU;
    if (icons && (borderIcons_ & biMinimize)) style |= WS_MINIMIZEBOX;
    if (icons && (borderIcons_ & biMaximize)) style |= WS_MAXIMIZEBOX;
}

void Form::ApplyStyle() {
    DWORD style, exStyle;
    StyleBits(style, exStyle);
    HWND hwnd = Handle();
    const LONG_PTR keep = GetWindowLongPtrA(hwnd, GWL_STYLE) & (WS_VISIBLE | WS_DISABLED | WS_MINIMIZE | WS_MAXIMIZE);
    SetWindowLongPtrA(hwnd, GWL_STYLE, static_cast<LONG_PTR>(style) | keep);
    SetWindowLongPtrA(hwnd, GWL_EXSTYLE, static_cast<LONG_PTR>(exStyle));
    SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::SetBorderStyle(BorderStyle style) {
    if (style == borderStyle_) return;
    borderStyle_ = style;
    ApplyStyle();
}

void Form::SetBorderIcons(BorderIcons icons) {
    if (icons == borderIcons_) return;
    borderIcons_ = icons;
    ApplyStyle();
}

int Form::ClientWidth() const {
    RECT r;
    GetClientRect(Handle(), &r);
    return r.right;
}

int Form::ClientHeight() const {
    RECT r;
    GetClientRect(Handle(), &r);
    return r.bottom;
}

void Form::SetClientSize(int width, int height) {
    RECT r{0, 0, width, height};
    AdjustWindowRectEx(&r, static_cast<DWORD>(GetWindowLongPtrA(Handle(), GWL_STYLE)),
                       ::GetMenu(Handle()) ? TRUE : FALSE,
                       static_cast<DWORD>(GetWindowLongPtrA(Handle(), GWL_EXSTYLE)));
    SetBounds(Left(), Top(), r.right - r.left, r.bottom - r.top);
}

void Form::CenterOnScreen() {
    SetBounds((GetSystemMetrics(SM_CXSCREEN) - Width()) / 2, (GetSystemMetrics(SM_CYSCREEN) - Height()) / 2, Width(),
              Height());
}

void Form::CenterOnOwner() {
    Form* owner = nullptr;
    for (Component* c = Owner(); c && !owner; c = c->Owner()) owner = dynamic_cast<Form*>(c);
    if (!owner) owner = Application().MainForm();
    RECT area;
    if (owner && owner != this && IsWindowVisible(owner->Handle()) && !IsIconic(owner->Handle())) {
        GetWindowRect(owner->Handle(), &area);
    } else {
        area = RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    }
    int x = area.left + (area.right - area.left - Width()) / 2;
    int y = area.top + (area.bottom - area.top - Height()) / 2;
    RECT place{x, y, x + Width(), y + Height()};
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    if (GetMonitorInfoA(MonitorFromRect(&place, MONITOR_DEFAULTTONEAREST), &monitor)) {
        const RECT& work = monitor.rcWork;
        x = std::max<int>(work.left, std::min<int>(x, work.right - Width()));
        y = std::max<int>(work.top, std::min<int>(y, work.bottom - Height()));
    }
    SetBounds(x, y, Width(), Height());
}

void Form::SetMinSize(int width, int height) {
    minWidth_ = std::max(width, 0);
    minHeight_ = std::max(height, 0);
    // Grow a window that is now below the limit.
    if (Width() < minWidth_ || Height() < minHeight_)
        SetBounds(Left(), Top(), std::max(Width(), minWidth_), std::max(Height(), minHeight_));
}

void Form::SetStayOnTop(bool on) {
    stayOnTop_ = on;
    SetWindowPos(Handle(), on ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void Form::SetMenu(MainMenu* menu) {
    if (menu == menu_) return;
    if (menu_) menu_->AttachTo(nullptr);
    menu_ = menu;
    if (menu_) {
        if (Form* previous = menu_->AttachedForm()) previous->SetMenu(nullptr);
        // The bar is built before it is attached, so that the window's frame
        // changes once (SetMenu also redraws it).
        HMENU bar = menu_->Handle();
        menu_->AttachTo(this);
        ::SetMenu(Handle(), bar);
    } else {
        ::SetMenu(Handle(), nullptr);
    }
}

WindowState Form::GetWindowState() const {
    if (!Visible()) return windowState_;
    if (IsIconic(Handle())) return WindowState::Minimized;
    if (IsZoomed(Handle())) return WindowState::Maximized;
    return WindowState::Normal;
}

void Form::SetWindowState(WindowState state) {
    windowState_ = state;
    if (!Visible()) return;
    ShowWindow(Handle(), state == WindowState::Minimized   ? SW_MINIMIZE
                         : state == WindowState::Maximized ? SW_MAXIMIZE
                                                           : SW_RESTORE);
}

void Form::SetVisible(bool visible) {
    if (visible && Visible()) {
        BringToFront();
        return;
    }
    Control::SetVisible(visible);
}

void Form::TakeOwner() {
    if (Application().MainForm() == this) return;
    Form* owner = ownerForm_ ? ownerForm_ : Application().WorkingForm();
    if (!owner || owner == this) return;
    for (HWND h = owner->Handle(); h; h = GetWindow(h, GW_OWNER))
        if (h == Handle()) return;
    SetWindowLongPtrA(Handle(), GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner->Handle()));
}

void Form::VisibleChanged() {
    if (Visible()) {
        // A modal form took its owner before it disabled the other forms.
        if (!modal_) TakeOwner();
        CreateVisibleChildHandles();
        ShowWindow(Handle(), windowState_ == WindowState::Maximized   ? SW_SHOWMAXIMIZED
                             : windowState_ == WindowState::Minimized ? SW_SHOWMINIMIZED
                                                                      : SW_SHOW);
        auto handler = OnShow;
        if (handler) handler(*this);
    } else {
        ShowWindow(Handle(), SW_HIDE);
        auto handler = OnHide;
        if (handler) handler(*this);
    }
}

void Form::BringToFront() {
    SetWindowPos(Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    if (Visible()) SetForegroundWindow(Handle());
}

bool Form::CloseQuery() {
    bool canClose = true;
    auto handler = OnCloseQuery;
    if (handler) handler(*this, canClose);
    return canClose;
}

void Form::Close() {
    if (modal_) {
        modalResult_ = mrCancel;
        return;
    }
    if (!CloseQuery()) return;
    const bool isMain = Application().MainForm() == this;
    CloseAction action = isMain ? CloseAction::Free : CloseAction::Hide;
    auto handler = OnClose;
    if (handler) handler(*this, action);
    if (action == CloseAction::None) return;
    if (isMain) {
        // Closing the main form ends the application; the form is destroyed
        // when the message loop has stopped.
        if (action == CloseAction::Hide) Hide();
        Application().Terminate();
        return;
    }
    switch (action) {
    case CloseAction::Hide: Hide(); break;
    case CloseAction::Minimize: SetWindowState(WindowState::Minimized); break;
    case CloseAction::Free: Release(); break;
    default: break;
    }
}

void Form::Release() {
    if (releasing_) return;
    releasing_ = true;
    PostMessageA(Handle(), kReleaseMessage, 0, 0);
}

int Form::ShowModal() {
    if (modal_ || Visible()) throw std::logic_error("ShowModal needs a hidden form");
    // A form freed by one of its own handlers is deleted only after the
    // modal loop has finished with it.
    DispatchScope scope;
    ApplicationClass& app = Application();
    // While the form the user works in still takes input: once the others
    // are disabled, the main form would be taken for it.
    TakeOwner();
    std::vector<HWND> disabled;
    for (Form* f : app.Forms()) {
        if (f != this && IsWindowVisible(f->Handle()) && IsWindowEnabled(f->Handle())) {
            EnableWindow(f->Handle(), FALSE);
            disabled.push_back(f->Handle());
        }
    }
    HWND previous = GetActiveWindow();
    modalResult_ = mrNone;
    modal_ = true;
    Show();
    while (!app.Terminated()) {
        if (modalResult_ != mrNone) {
            if (CloseQuery()) break;
            modalResult_ = mrNone;
        }
        app.HandleMessage();
    }
    if (app.Terminated() && modalResult_ == mrNone) modalResult_ = mrCancel;
    // Enable the others before hiding, so that activation goes back to them.
    for (HWND h : disabled)
        if (IsWindow(h)) EnableWindow(h, TRUE);
    Hide();
    modal_ = false;
    if (previous && IsWindow(previous)) SetActiveWindow(previous);
    return modalResult_;
}

void Form::SetActiveControl(WinControl* control) {
    FocusChanged(control);
    if (control && Visible() && control->CanFocus()) control->SetFocus();
}

void Form::FocusChanged(WinControl* now) {
    WinControl* old = activeControl_;
    if (old == now) return;
    activeControl_ = now;
    if (old) {
        auto handler = old->OnExit;
        if (handler) handler(*old);
    }
    if (now) {
        auto handler = now->OnEnter;
        if (handler) handler(*now);
    }
}

void Form::SelectNext(WinControl* from, bool forward) {
    std::vector<WinControl*> all;
    CollectWinControls(all);
    std::vector<WinControl*> stops;
    for (WinControl* w : all)
        if (w->TabStop() && w->CanFocus()) stops.push_back(w);
    if (stops.empty()) return;
    std::sort(stops.begin(), stops.end(),
              [](WinControl* a, WinControl* b) { return a->CreationSerial() < b->CreationSerial(); });
    auto it = std::find(stops.begin(), stops.end(), from);
    size_t next;
    if (it == stops.end()) {
        next = forward ? 0 : stops.size() - 1;
    } else {
        size_t i = static_cast<size_t>(it - stops.begin());
        next = forward ? (i + 1) % stops.size() : (i + stops.size() - 1) % stops.size();
    }
    // As a Windows dialog does: a box that answers DLGC_HASSETSEL (an edit)
    // has its whole text selected, so that typing replaces it; so has the
    // edit of a combo box (Win32 selects it only the first time).
    WinControl* target = stops[next];
    if (DialogCode(*target) & DLGC_HASSETSEL)
        SendMessageA(target->Handle(), EM_SETSEL, 0, -1);
    else if (auto* combo = dynamic_cast<ComboBox*>(target))
        combo->SelectAll();
    target->SetFocus();
}

bool Form::SelectRadio(WinControl& from, bool forward) {
    WinControl* parent = from.Parent();
    if (!parent) return false;
    std::vector<WinControl*> group;
    for (int i = 0; i < parent->ControlCount(); ++i) {
        auto* w = dynamic_cast<WinControl*>(parent->Controls(i));
        if (w && (w == &from || (w->CanFocus() && (DialogCode(*w) & DLGC_RADIOBUTTON)))) group.push_back(w);
    }
    std::sort(group.begin(), group.end(),
              [](WinControl* a, WinControl* b) { return a->CreationSerial() < b->CreationSerial(); });
    const size_t i = static_cast<size_t>(std::find(group.begin(), group.end(), &from) - group.begin());
    if (group.size() < 2) return true;
    WinControl* next = group[forward ? (i + 1) % group.size() : (i + group.size() - 1) % group.size()];
    next->SetFocus();
    SendMessageA(next->Handle(), BM_CLICK, 0, 0);
    return true;
}

Button* Form::DefaultButton() const {
    std::vector<WinControl*> all;
    CollectWinControls(all);
    for (WinControl* w : all) {
        auto* b = dynamic_cast<Button*>(w);
        if (b && b->Default() && b->CanFocus()) return b;
    }
    return nullptr;
}

Button* Form::CancelButton() const {
    std::vector<WinControl*> all;
    CollectWinControls(all);
    for (WinControl* w : all) {
        auto* b = dynamic_cast<Button*>(w);
        if (b && b->Cancel() && b->CanFocus()) return b;
    }
    return nullptr;
}

WinControl* Form::FindAccelControl(char ch) const {
    if (ch == 0) return nullptr;
    const char want = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    std::vector<WinControl*> all;
    CollectWinControls(all);
    for (WinControl* w : all)
        if (w->AccelChar() == want && w->Showing() && EnabledChain(w)) return w;
    return nullptr;
}

void Form::SetShowHint(bool on) {
    showHint_ = on;
    if (on) EnableHints();
}

void Form::PreviewKey(UINT msg, WPARAM& key, ShiftState shift) {
    if (!keyPreview_) return;
    if (msg == WM_CHAR) {
        char ch = static_cast<char>(key);
        auto handler = OnKeyPress;
        if (handler) handler(*this, ch);
        key = static_cast<unsigned char>(ch);
        return;
    }
    uint16_t k = static_cast<uint16_t>(key);
    auto handler = msg == WM_KEYUP ? OnKeyUp : OnKeyDown;
    if (handler) handler(*this, k, shift);
    key = k;
}

bool Form::DialogKey(WinControl& focused, UINT msg, WPARAM key, ShiftState shift) {
    MSG asked{};
    asked.hwnd = focused.Handle();
    asked.message = msg;
    asked.wParam = key;
    if (focused.WantsKey(asked)) return false;
    const LRESULT code = DialogCode(focused);
    if (msg == WM_KEYDOWN) {
        if (key == VK_TAB && !(shift & (ssAlt | ssCtrl)) && !(code & DLGC_WANTTAB)) {
            SelectNext(&focused, !(shift & ssShift));
            return true;
        }
        const bool arrow = key == VK_LEFT || key == VK_RIGHT || key == VK_UP || key == VK_DOWN;
        if (arrow && (code & DLGC_RADIOBUTTON) && !(code & DLGC_WANTARROWS))
            return SelectRadio(focused, key == VK_RIGHT || key == VK_DOWN);
        return false;
    }
    if (msg == WM_CHAR) {
        if (key == '\t') return !(code & DLGC_WANTTAB);
        if (key == '\r') {
            // A multi-line text box keeps its Enter.
            if (code & DLGC_WANTALLKEYS) return false;
            if (code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) {
                focused.Click();
                return true;
            }
            Button* b = DefaultButton();
            if (!b) return false;
            b->Click();
            return true;
        }
        if (key == 27) {
            Button* b = CancelButton();
            if (!b) return false;
            b->Click();
            return true;
        }
        if (focused.WantsChars()) return false;
    }
    if (WinControl* target = FindAccelControl(static_cast<char>(key))) {
        target->Click();
        return true;
    }
    return false;
}

void Form::ChildRemoved(Control& control) {
    for (Control* a = activeControl_; a; a = a->Parent()) {
        if (a == &control) {
            activeControl_ = nullptr;
            break;
        }
    }
}

void Form::AddCommand(Command* command) {
    if (std::find(commands_.begin(), commands_.end(), command) == commands_.end()) commands_.push_back(command);
}

void Form::RemoveCommand(Command* command) {
    commands_.erase(std::remove(commands_.begin(), commands_.end(), command), commands_.end());
}

bool Form::ExecuteShortCut(ShortCut shortCut) {
    if (shortCut == scNone) return false;
    if (menu_ && menu_->ExecuteShortCut(shortCut)) return true;
    for (Command* c : commands_) {
        if (c->GetShortCut() != shortCut) continue;
        c->Update();
        return c->Execute();
    }
    return false;
}

bool Form::FilterMessage(MSG& msg) {
    if (!IsKeyMessage(msg.message) || !msg.hwnd) return false;
    HWND own = Handle();
    if (msg.hwnd != own && !IsChild(own, msg.hwnd)) return false;
    // The control of this layer whose window, or a window inside it (a
    // combo box's edit), has the key.
    WinControl* owner = nullptr;
    for (HWND h = msg.hwnd; h && !owner; h = GetParent(h)) owner = FromHandle(h);
    // First the focused control: a key it uses itself is no shortcut.
    const bool claimed = owner && owner->WantsKey(msg);
    if (!claimed && (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN)) {
        const ShiftState shift = KeyShift();
        ShortCut modifiers = 0;
        if (shift & ssShift) modifiers |= scShift;
        if (shift & ssCtrl) modifiers |= scCtrl;
        if (shift & ssAlt) modifiers |= scAlt;
        if (ExecuteShortCut(MakeShortCut(static_cast<uint16_t>(msg.wParam), modifiers))) return true;
    }
    if (claimed && msg.message == WM_KEYDOWN && (msg.wParam == VK_ESCAPE || msg.wParam == VK_RETURN)) {
        // To the control's own window, which acts on it (a combo box closes
        // its dropped list, also when its edit had the key), untranslated:
        // the character would come after the key has been used and cancel
        // the form or press its default button.
        SendMessageA(owner->Handle(), msg.message, msg.wParam, msg.lParam);
        return true;
    }
    // Keys of an inner window do not pass our window procedures: route them
    // here (the control's events, then the dialog keys).
    return owner && owner->Handle() != msg.hwnd && owner->HandleKeyMessage(msg.message, msg.wParam, msg.lParam);
}

Control* Form::FindControl(const std::string& name) const { return FindControlIn(this, name); }

void Form::SetWindowRegion(HRGN region, bool redraw) { ::SetWindowRgn(Handle(), region, redraw ? TRUE : FALSE); }

void Form::PaintTo(Bitmap& out) {
    const int w = ClientWidth(), h = ClientHeight();
    out.SetSize(w, h);
    if (w <= 0 || h <= 0) return;
    DibBuffer buffer;
    if (!buffer.Create(w, h)) throw std::runtime_error("Cannot create a drawing surface");
    PaintTarget target{buffer.dc(), buffer.bits(), w, h, RECT{0, 0, w, h}};
    PaintContainer(target);
    PrintChildren(target, 0, 0);
    for (int y = 0; y < h; ++y) {
        const uint32_t* src = buffer.bits() + static_cast<size_t>(y) * w;
        uint32_t* dst = out.ScanLine(y);
        for (int x = 0; x < w; ++x) dst[x] = src[x] | 0xFF000000u;
    }
}

void Form::DoCreate() {
    if (created_) return;
    created_ = true;
    auto handler = OnCreate;
    if (handler) handler(*this);
}

void Form::DoDestroy() {
    if (destroyed_) return;
    destroyed_ = true;
    auto handler = OnDestroy;
    if (handler) handler(*this);
}

void Form::SyncBoundsFromWindow() {
    if (IsIconic(Handle())) return;
    RECT r;
    GetWindowRect(Handle(), &r);
    StoreBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

LRESULT Form::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_CLOSE:
        Close();
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            auto handler = OnDeactivate;
            if (handler) handler(*this);
        } else {
            auto handler = OnActivate;
            if (handler) handler(*this);
            if (activeControl_ && activeControl_->CanFocus()) {
                ::SetFocus(activeControl_->Handle());
                return 0;
            }
        }
        break;
    case WM_SETFOCUS:
        if (activeControl_ && activeControl_->CanFocus()) {
            ::SetFocus(activeControl_->Handle());
            return 0;
        }
        break;
    case WM_WINDOWPOSCHANGED:
        SyncBoundsFromWindow();
        break;
    case WM_GETMINMAXINFO: {
        auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
        info->ptMinTrackSize.x = std::max<LONG>(info->ptMinTrackSize.x, minWidth_);
        info->ptMinTrackSize.y = std::max<LONG>(info->ptMinTrackSize.y, minHeight_);
        return 0;
    }
    case WM_INITMENU:
        if (menu_) menu_->MenuLoopStarting();
        break;
    case WM_INITMENUPOPUP:
        if (menu_ && !HIWORD(lParam)) menu_->PopupOpening(reinterpret_cast<HMENU>(wParam));
        break;
    case WM_EXITMENULOOP:
        if (menu_) menu_->MenuLoopEnded();
        break;
    case WM_COMMAND:
        // A menu bar entry (no control, no accelerator table).
        if (lParam == 0 && HIWORD(wParam) == 0 && menu_ && menu_->Choose(LOWORD(wParam))) return 0;
        break;
    case WM_SIZE: {
        Realign();
        auto handler = OnResize;
        if (handler) handler(*this);
        return DefaultProc(msg, wParam, lParam);
    }
    case WM_MOUSEWHEEL: {
        const int delta = GET_WHEEL_DELTA_WPARAM(wParam);
        POINT p = ScreenToClient(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        ShiftState shift = 0;
        const WORD keys = GET_KEYSTATE_WPARAM(wParam);
        if (keys & MK_SHIFT) shift |= ssShift;
        if (keys & MK_CONTROL) shift |= ssCtrl;
        if (GetKeyState(VK_MENU) < 0) shift |= ssAlt;
        bool handled = false;
        auto handler = delta < 0 ? OnMouseWheelDown : OnMouseWheelUp;
        if (delta != 0 && handler) handler(*this, shift, p.x, p.y, handled);
        return 0;
    }
    case kApplyIconMessage:
        Application().ApplyIcon(this);
        return 0;
    case kReleaseMessage:
        DoDestroy();
        if (Application().MainForm() == this) Application().Terminate();
        Application().ScheduleDelete(this);
        return 0;
    default:
        break;
    }
    return WinControl::WndProc(msg, wParam, lParam);
}

}  // namespace forms
