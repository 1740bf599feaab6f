#include "forms/win32/WinControl.h"

#include <windowsx.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <stdexcept>
#include <unordered_map>

#include "forms/win32/Application.h"
#include "forms/win32/GdiScope.h"

namespace forms {
namespace {

// The control of each window that this layer attached. Kept in the process
// rather than as a window property: a property is read on every message,
// and under Wine each read is a round trip to the server. Never freed:
// windows may still be destroyed while static objects go away at exit.
std::unordered_map<HWND, WinControl*>& AttachedControls() {
    static auto* controls = new std::unordered_map<HWND, WinControl*>;
    return *controls;
}
int g_nextChildId = 100;
unsigned g_nextTabSerial = 0;

ShiftState KeyShift() {
    ShiftState s = 0;
    if (GetKeyState(VK_SHIFT) < 0) s |= ssShift;
    if (GetKeyState(VK_MENU) < 0) s |= ssAlt;
    if (GetKeyState(VK_CONTROL) < 0) s |= ssCtrl;
    return s;
}

ShiftState MouseShift(WPARAM wParam) {
    ShiftState s = 0;
    if (wParam & MK_SHIFT) s |= ssShift;
    if (wParam & MK_CONTROL) s |= ssCtrl;
    if (wParam & MK_LBUTTON) s |= ssLeft;
    if (wParam & MK_RBUTTON) s |= ssRight;
    if (wParam & MK_MBUTTON) s |= ssMiddle;
    if (GetKeyState(VK_MENU) < 0) s |= ssAlt;
    return s;
}

bool IsMouseMessage(UINT msg) {
    return msg == WM_MOUSEMOVE || msg == WM_LBUTTONDOWN || msg == WM_LBUTTONUP || msg == WM_RBUTTONDOWN ||
           msg == WM_RBUTTONUP || msg == WM_MBUTTONDOWN || msg == WM_MBUTTONUP || msg == WM_LBUTTONDBLCLK ||
           msg == WM_RBUTTONDBLCLK || msg == WM_MBUTTONDBLCLK;
}

bool IsPress(UINT msg) {
    return msg == WM_LBUTTONDOWN || msg == WM_RBUTTONDOWN || msg == WM_MBUTTONDOWN || msg == WM_LBUTTONDBLCLK ||
           msg == WM_RBUTTONDBLCLK || msg == WM_MBUTTONDBLCLK;
}

MouseButton ButtonOf(UINT msg) {
    switch (msg) {
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK: return MouseButton::Right;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MBUTTONDBLCLK: return MouseButton::Middle;
    default: return MouseButton::Left;
    }
}

// The window that sent a notification message, or nullptr when the message
// carries none (menus, window scroll bars).
HWND SenderWindow(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_COMMAND:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORDLG: return reinterpret_cast<HWND>(lParam);
    case WM_NOTIFY: return lParam ? reinterpret_cast<const NMHDR*>(lParam)->hwndFrom : nullptr;
    case WM_DRAWITEM:
        // wParam 0: an item of a menu (hwndItem is then a menu handle).
        return wParam && lParam ? reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)->hwndItem : nullptr;
    default: return nullptr;
    }
}

bool EnabledChain(const Control* c) {
    for (; c; c = c->Parent())
        if (!c->Enabled()) return false;
    return true;
}

}  // namespace

WinControl::WinControl(Component* owner, WinControl* parent) : Control(owner, parent) {
    tabSerial_ = ++g_nextTabSerial;
}

WinControl::~WinControl() {
    DestroyComponents();
    aligning_ = true;  // no layout work while the children leave
    while (!children_.empty()) children_.back()->SetParent(nullptr);
    if (Parent()) {
        if (auto* root = dynamic_cast<WinControl*>(RootControl())) root->ChildRemoved(*this);
    }
    if (hwnd_) {
        // Detach first, so that no message of the dying window reaches a
        // half-destroyed object.
        AttachedControls().erase(hwnd_);
        SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(oldProc_));
        DestroyWindow(hwnd_);
        hwnd_ = nullptr;
    }
    if (brush_) DeleteObject(brush_);
}

WinControl* WinControl::FromHandle(HWND hwnd) {
    const auto it = AttachedControls().find(hwnd);
    return it == AttachedControls().end() ? nullptr : it->second;
}

WinControl* WinControl::NotificationSender(UINT msg, WPARAM wParam, LPARAM lParam) {
    return FromHandle(SenderWindow(msg, wParam, lParam));
}

bool WinControl::ReflectNotification(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    WinControl* c = NotificationSender(msg, wParam, lParam);
    return c && c->Notification(msg, wParam, lParam, result);
}

bool WinControl::Notification(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    (void)msg;
    (void)wParam;
    (void)lParam;
    (void)result;
    return false;
}

void WinControl::CollectWinControls(std::vector<WinControl*>& out) const {
    for (Control* c : children_) {
        if (auto* w = dynamic_cast<WinControl*>(c)) {
            out.push_back(w);
            w->CollectWinControls(out);
        }
    }
}

void WinControl::CreateChildWindow(const char* className, DWORD style, DWORD exStyle) {
    className_ = className;
    style_ = style;
    exStyle_ = exStyle;
    pending_ = true;
    if (Showing()) CreateHandle();
}

HWND WinControl::Handle() const {
    if (!hwnd_ && pending_) const_cast<WinControl*>(this)->CreateHandle();
    return hwnd_;
}

void WinControl::CreateHandle() {
    if (hwnd_ || !pending_) return;
    BeforeHandleCreated();
    HWND parent = Parent() && !underUtility_ ? Parent()->Handle() : Application().UtilityWindow();
    DWORD style = style_ | WS_CHILD | WS_CLIPSIBLINGS;
    if (Visible()) style |= WS_VISIBLE;
    if (!Enabled()) style |= WS_DISABLED;
    HWND hwnd = CreateWindowExA(exStyle_, className_.c_str(), caption_.c_str(), style, Left(), Top(), Width(),
                                Height(), parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(g_nextChildId++)),
                                Application().Instance(), nullptr);
    if (!hwnd) throw std::runtime_error("Cannot create a window of class " + className_);
    pending_ = false;
    if (underUtility_ && Parent()) ::SetParent(hwnd, Parent()->Handle());
    AttachWindow(hwnd);
    SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Handle()), FALSE);
    PlaceInZOrder();
    HandleCreated();
    if (Showing()) CreateVisibleChildHandles();
}

void WinControl::ReleaseChildHandles() {
    for (Control* c : children_) {
        auto* w = dynamic_cast<WinControl*>(c);
        if (!w) continue;
        if (w->KeepsStateWithoutHandle())
            w->DestroyHandle();
        else
            w->ReleaseChildHandles();
    }
}

void WinControl::DestroyHandle() {
    if (!hwnd_ || topLevel_ || className_.empty()) return;
    for (Control* c : children_)
        if (auto* w = dynamic_cast<WinControl*>(c)) w->DestroyHandle();
    caption_ = Caption();
    if (mouseInside_) MouseLeft();
    HWND hwnd = hwnd_;
    AttachedControls().erase(hwnd);
    SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(oldProc_));
    hwnd_ = nullptr;
    oldProc_ = nullptr;
    pending_ = true;
    DestroyWindow(hwnd);
}

void WinControl::CreateVisibleChildHandles() {
    for (Control* c : children_) {
        auto* w = dynamic_cast<WinControl*>(c);
        if (!w || !w->Visible()) continue;
        w->CreateHandle();
        w->CreateVisibleChildHandles();
    }
}

void WinControl::PlaceInZOrder() {
    if (!Parent() || topLevel_) return;
    const std::vector<Control*>& siblings = Parent()->children_;
    auto it = std::find(siblings.begin(), siblings.end(), this);
    HWND above = HWND_TOP;
    for (auto j = it == siblings.end() ? it : it + 1; j != siblings.end(); ++j) {
        auto* w = dynamic_cast<WinControl*>(*j);
        if (w && w->hwnd_) {
            above = w->hwnd_;
            break;
        }
    }
    SetWindowPos(hwnd_, above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void WinControl::AttachWindow(HWND hwnd) {
    hwnd_ = hwnd;
    AttachedControls()[hwnd] = this;
    oldProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WinControl::SubclassProc)));
}

LRESULT CALLBACK WinControl::SubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    WinControl* c = FromHandle(hwnd);
    if (!c) return DefWindowProcA(hwnd, msg, wParam, lParam);
    if (msg == WM_NCDESTROY) {
        // Destroyed from outside (not by our destructor): forget the window.
        WNDPROC old = c->oldProc_;
        AttachedControls().erase(hwnd);
        SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(old));
        c->hwnd_ = nullptr;
        return CallWindowProcA(old, hwnd, msg, wParam, lParam);
    }
    DispatchScope scope;
    try {
        return c->WndProc(msg, wParam, lParam);
    } catch (...) {
        Application().HandleException();
        return 0;
    }
}

void WinControl::ReportFocus() {
    auto* root = dynamic_cast<WinControl*>(RootControl());
    if (root && root != this) root->ChildFocused(*this);
}

bool WinControl::WantsKey(const MSG& msg) const {
    // Only the control's own window is asked: an inner window that is not
    // ours (a combo box's edit) may change its ways once asked with a
    // message, as if it stood in a dialog.
    if (!hwnd_ || msg.hwnd != hwnd_) return false;
    MSG asked = msg;
    return (SendMessageA(hwnd_, WM_GETDLGCODE, msg.wParam, reinterpret_cast<LPARAM>(&asked)) & DLGC_WANTMESSAGE) != 0;
}

LRESULT WinControl::DefaultProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    return CallWindowProcA(oldProc_, hwnd_, msg, wParam, lParam);
}

LRESULT WinControl::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYUP:
    case WM_CHAR:
    case WM_SYSCHAR:
        if (HandleKeyMessage(msg, wParam, lParam)) return 0;
        break;
    case WM_SETFOCUS:
        ReportFocus();
        break;
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_DRAWITEM:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC: {
        LRESULT result = 0;
        if (ReflectNotification(msg, wParam, lParam, result)) return result;
        // Buttons, check boxes and static text take a container's colour.
        if (IsContainer() && (msg == WM_CTLCOLORBTN || msg == WM_CTLCOLORSTATIC)) {
            SetBkColor(reinterpret_cast<HDC>(wParam), ColorToRGB(color_));
            return reinterpret_cast<LRESULT>(BackgroundBrush());
        }
        break;
    }
    case WM_SETCURSOR:
        if (Application().ScreenCursor() != Cursor::Default) {
            ::SetCursor(CursorHandle(Application().ScreenCursor()));
            return TRUE;
        }
        if (reinterpret_cast<HWND>(wParam) == hwnd_ && LOWORD(lParam) == HTCLIENT && ApplyCursor()) return TRUE;
        break;
    case WM_MOUSELEAVE:
        MouseLeft();
        break;
    case WM_SIZE:
        Realign();
        break;
    case WM_ERASEBKGND:
        if (IsContainer()) return 1;
        break;
    case WM_SETTEXT:
        if (IsContainer()) {
            const LRESULT done = DefaultProc(msg, wParam, lParam);
            if (done) caption_ = lParam ? reinterpret_cast<const char*>(lParam) : "";
            return done;
        }
        break;
    case WM_PAINT:
        if (IsContainer()) {
            PaintMessage();
            return 0;
        }
        break;
    case WM_CONTEXTMENU:
        if (IsContainer()) return 0;  // containers open menus on the button release
        if (reinterpret_cast<HWND>(wParam) == hwnd_) {
            POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            if (p.x == -1 && p.y == -1) p = ClientToScreen(POINT{0, 0});
            ShowPopupFor(this, p);
            return 0;
        }
        break;
    case WM_CAPTURECHANGED:
        if (reinterpret_cast<HWND>(lParam) != hwnd_) captured_ = nullptr;
        break;
    default:
        if (IsMouseMessage(msg)) {
            if (IsContainer()) {
                if (HandleContainerMouse(msg, wParam, lParam)) return 0;
            } else if (IsPress(msg)) {
                // The window's own press handling (a push button's capture
                // and pressed look, the focus) comes before the event: a
                // handler that lets messages through may handle the release
                // meanwhile, which the window must then see after its press.
                const LRESULT result = DefaultProc(msg, wParam, lParam);
                FireMouse(msg, wParam, lParam);
                return result;
            } else {
                FireMouse(msg, wParam, lParam);
            }
        }
        break;
    }
    return DefaultProc(msg, wParam, lParam);
}

void WinControl::FireMouse(UINT msg, WPARAM wParam, LPARAM lParam) {
    // A windowed control's own click comes from its window (e.g. BN_CLICKED),
    // so only the mouse events are raised here.
    const int x = GET_X_LPARAM(lParam), y = GET_Y_LPARAM(lParam);
    const ShiftState shift = MouseShift(wParam);
    if (msg == WM_MOUSEMOVE) {
        TrackMouseLeave();
        MouseEnter();
        auto handler = OnMouseMove;
        if (handler) handler(*this, shift, x, y);
    } else if (IsPress(msg)) {
        if (msg == WM_LBUTTONDBLCLK) DblClick();
        auto handler = OnMouseDown;
        if (handler) handler(*this, ButtonOf(msg), shift, x, y);
    } else {
        auto handler = OnMouseUp;
        if (handler) handler(*this, ButtonOf(msg), shift, x, y);
    }
}

void WinControl::TrackMouseLeave() {
    if (!mouseInside_ && hwnd_) {
        TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), TME_LEAVE, hwnd_, 0};
        TrackMouseEvent(&track);
    }
}

void WinControl::MouseLeft() {
    if (hovered_) {
        Control* old = hovered_;
        hovered_ = nullptr;
        old->MouseLeave();
    }
    MouseLeave();
}

bool WinControl::HandleContainerMouse(UINT msg, WPARAM wParam, LPARAM lParam) {
    const int x = GET_X_LPARAM(lParam), y = GET_Y_LPARAM(lParam);
    const ShiftState shift = MouseShift(wParam);
    Control* target = captured_;
    if (!target) target = GraphicControlAt(x, y);
    if (!target) target = this;
    const int cx = target == this ? x : x - target->Left();
    const int cy = target == this ? y : y - target->Top();
    if (msg == WM_MOUSEMOVE) {
        TrackMouseLeave();
        MouseEnter();
        Control* over = target == this ? nullptr : target;
        if (over != hovered_) {
            Control* old = hovered_;
            hovered_ = over;
            if (old) old->MouseLeave();
            if (over) over->MouseEnter();
        }
        target->MouseMove(shift, cx, cy);
        return true;
    }
    if (IsPress(msg)) {
        if (!captured_) {
            captured_ = target;
            SetCapture(hwnd_);
        }
        if (msg == WM_LBUTTONDBLCLK) target->DblClick();
        target->MouseDown(ButtonOf(msg), shift, cx, cy);
        return true;
    }
    {
        const bool last = (wParam & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)) == 0;
        if (last) {
            captured_ = nullptr;
            if (GetCapture() == hwnd_) ReleaseCapture();
        }
        target->MouseUp(ButtonOf(msg), shift, cx, cy);
        if (msg == WM_RBUTTONUP) ShowPopupFor(target, ClientToScreen(POINT{x, y}));
        return true;
    }
}

void WinControl::ShowPopupFor(Control* target, POINT screen) {
    ContextMenu* menu = nullptr;
    for (Control* c = target; c && !menu; c = c->Parent()) menu = c->GetPopupMenu();
    if (menu) menu->PopupFor(*target, screen);
}

bool WinControl::ApplyCursor() {
    Cursor shape = Cursor::Default;
    if (IsContainer()) {
        Control* c = captured_;
        if (!c) {
            DWORD pos = GetMessagePos();
            POINT p = ScreenToClient(POINT{GET_X_LPARAM(pos), GET_Y_LPARAM(pos)});
            c = GraphicControlAt(p.x, p.y);
        }
        if (c) shape = c->GetCursor();
    }
    if (shape == Cursor::Default) shape = GetCursor();
    if (shape == Cursor::Default) return false;
    ::SetCursor(CursorHandle(shape));
    return true;
}

GraphicControl* WinControl::GraphicControlAt(int x, int y) const {
    for (auto it = children_.rbegin(); it != children_.rend(); ++it) {
        Control* c = *it;
        if (!c->Visible() || !c->Enabled()) continue;
        auto* g = dynamic_cast<GraphicControl*>(c);
        if (g && x >= c->Left() && y >= c->Top() && x < c->Left() + c->Width() && y < c->Top() + c->Height() &&
            g->HitTest(x - c->Left(), y - c->Top()))
            return g;
    }
    return nullptr;
}

bool WinControl::HandleKeyMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    MSG key{};
    key.hwnd = hwnd_;
    key.message = msg;
    key.wParam = wParam;
    key.lParam = lParam;
    // Asked before the events run: a handler may change what the control
    // claims (close a combo box's list).
    const bool claimed = WantsKey(key);
    if (RouteKey(msg, wParam) && !claimed) return true;
    return KeyAction(key);
}

bool WinControl::RouteKey(UINT msg, WPARAM wParam) {
    auto* root = dynamic_cast<WinControl*>(RootControl());
    WinControl* preview = root != this ? root : nullptr;
    const ShiftState shift = KeyShift();
    switch (msg) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
        WPARAM previewKey = wParam;
        if (preview) {
            preview->PreviewKey(WM_KEYDOWN, previewKey, shift);
            if (previewKey == 0) return true;
        }
        uint16_t key = static_cast<uint16_t>(previewKey);
        auto handler = OnKeyDown;
        if (handler) handler(*this, key, shift);
        if (key == 0) return true;
        return msg == WM_KEYDOWN && root && root->DialogKey(*this, WM_KEYDOWN, key, shift);
    }
    case WM_KEYUP:
    case WM_SYSKEYUP: {
        WPARAM previewKey = wParam;
        if (preview) {
            preview->PreviewKey(WM_KEYUP, previewKey, shift);
            if (previewKey == 0) return true;
        }
        uint16_t key = static_cast<uint16_t>(previewKey);
        auto handler = OnKeyUp;
        if (handler) handler(*this, key, shift);
        return key == 0;
    }
    case WM_CHAR: {
        WPARAM previewKey = wParam;
        if (preview) {
            preview->PreviewKey(WM_CHAR, previewKey, shift);
            if (previewKey == 0) return true;
        }
        char ch = static_cast<char>(previewKey);
        auto handler = OnKeyPress;
        if (handler) handler(*this, ch);
        if (ch == 0) return true;
        return root && root->DialogKey(*this, WM_CHAR, static_cast<unsigned char>(ch), shift);
    }
    case WM_SYSCHAR:
        return root && root->DialogKey(*this, WM_SYSCHAR, wParam, shift);
    default:
        return false;
    }
}

void WinControl::AddChild(Control* c) {
    // Only containers paint windowless children.
    if (!IsContainer() && dynamic_cast<GraphicControl*>(c))
        throw std::logic_error("a windowless control needs a container as its parent");
    children_.push_back(c);
    c->Invalidate();
    ChildLayoutChanged(*c);
}

RECT WinControl::AlignArea() const {
    RECT r{0, 0, Width(), Height()};
    if (hwnd_) GetClientRect(hwnd_, &r);
    return r;
}

void WinControl::ChildLayoutChanged(Control& child) {
    if (child.GetAlign() != Align::None) Realign();
}

void WinControl::Realign() {
    if (aligning_) return;
    std::vector<Control*> aligned;
    for (Control* c : children_)
        if (c->GetAlign() != Align::None && c->Visible()) aligned.push_back(c);
    if (aligned.empty()) return;
    aligning_ = true;
    struct Reset {
        bool& flag;
        ~Reset() { flag = false; }
    } reset{aligning_};
    // Controls on the same edge keep the order of their positions (the one
    // nearer the edge stays nearer); ties keep the z-order.
    std::stable_sort(aligned.begin(), aligned.end(), [](const Control* a, const Control* b) {
        if (a->GetAlign() != b->GetAlign()) return a->GetAlign() < b->GetAlign();
        switch (a->GetAlign()) {
        case Align::Top: return a->Top() < b->Top();
        case Align::Bottom: return a->Top() + a->Height() > b->Top() + b->Height();
        case Align::Left: return a->Left() < b->Left();
        case Align::Right: return a->Left() + a->Width() > b->Left() + b->Width();
        default: return false;
        }
    });
    RECT r = AlignArea();
    for (Control* c : aligned) {
        const int w = std::max<int>(r.right - r.left, 0), h = std::max<int>(r.bottom - r.top, 0);
        switch (c->GetAlign()) {
        case Align::Top:
            c->SetBounds(r.left, r.top, w, c->Height());
            r.top += c->Height();
            break;
        case Align::Bottom:
            c->SetBounds(r.left, r.bottom - c->Height(), w, c->Height());
            r.bottom -= c->Height();
            break;
        case Align::Left:
            c->SetBounds(r.left, r.top, c->Width(), h);
            r.left += c->Width();
            break;
        case Align::Right:
            c->SetBounds(r.right - c->Width(), r.top, c->Width(), h);
            r.right -= c->Width();
            break;
        default:
            c->SetBounds(r.left, r.top, w, h);
            break;
        }
    }
}

void WinControl::RemoveChild(Control* c) {
    children_.erase(std::remove(children_.begin(), children_.end(), c), children_.end());
    if (captured_ == c) {
        captured_ = nullptr;
        if (hwnd_ && GetCapture() == hwnd_) ReleaseCapture();
    }
    if (hovered_ == c) hovered_ = nullptr;
    if (auto* root = dynamic_cast<WinControl*>(RootControl())) root->ChildRemoved(*c);
    ChildLayoutChanged(*c);
    if (hwnd_) {
        RECT r = c->BoundsRect();
        InvalidateRect(hwnd_, &r, FALSE);
    }
}

void WinControl::MoveChild(Control* c, bool toFront) {
    auto it = std::find(children_.begin(), children_.end(), c);
    if (it == children_.end()) return;
    children_.erase(it);
    if (toFront)
        children_.push_back(c);
    else
        children_.insert(children_.begin(), c);
    if (auto* w = dynamic_cast<WinControl*>(c)) {
        if (w->hwnd_)
            SetWindowPos(w->hwnd_, toFront ? HWND_TOP : HWND_BOTTOM, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    } else {
        c->Invalidate();
    }
}

std::string WinControl::Caption() const {
    // A container's text changes only through WM_SETTEXT, which keeps the
    // copy (a container may draw its caption on every paint).
    if (!hwnd_ || IsContainer()) return caption_;
    int n = GetWindowTextLengthA(hwnd_);
    std::string s(static_cast<size_t>(n) + 1, '\0');
    n = GetWindowTextA(hwnd_, &s[0], n + 1);
    s.resize(static_cast<size_t>(std::max(n, 0)));
    return s;
}

void WinControl::SetCaption(const std::string& text) {
    if (hwnd_)
        SetWindowTextA(hwnd_, text.c_str());
    else
        caption_ = text;
    TextChanged();
}

void WinControl::SetFont(const Font& font) {
    font_ = font;
    if (hwnd_) SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Handle()), TRUE);
}

void WinControl::SetColor(Color color) {
    if (color == color_) return;
    color_ = color;
    if (brush_) {
        DeleteObject(brush_);
        brush_ = nullptr;
    }
    Invalidate();
}

HBRUSH WinControl::BackgroundBrush() {
    if (!brush_) brush_ = CreateSolidBrush(ColorToRGB(color_));
    return brush_;
}

void WinControl::SetTabStop(bool on) { tabStop_ = on; }

bool WinControl::Focused() const { return hwnd_ && GetFocus() == hwnd_; }

bool WinControl::CanFocus() const {
    if (!Showing() || !EnabledChain(this)) return false;
    // A form disabled by a modal one gives no focus to its controls.
    auto* root = dynamic_cast<WinControl*>(RootControl());
    return !root || !root->IsTopLevel() || IsWindowEnabled(root->Handle());
}

void WinControl::SetFocus() {
    if (HWND hwnd = Handle()) ::SetFocus(hwnd);
}

void WinControl::SetParent(WinControl* parent) {
    if (topLevel_ || parent == Parent()) return;
    Control::SetParent(parent);
    if (hwnd_) {
        ::SetParent(hwnd_, parent ? parent->Handle() : Application().UtilityWindow());
    } else if (Showing()) {
        CreateHandle();
    }
}

void WinControl::SetEnabled(bool enabled) {
    Control::SetEnabled(enabled);
    if (hwnd_) EnableWindow(hwnd_, enabled ? TRUE : FALSE);
}

void WinControl::Invalidate() {
    if (hwnd_) InvalidateRect(hwnd_, nullptr, IsContainer() ? FALSE : TRUE);
}

void WinControl::BoundsChanged(const RECT& oldBounds) {
    // With a window, its WM_SIZE realigns the children.
    if (!hwnd_) {
        if (oldBounds.right - oldBounds.left != Width() || oldBounds.bottom - oldBounds.top != Height()) Realign();
        return;
    }
    if (topLevel_)
        SetWindowPos(hwnd_, nullptr, Left(), Top(), Width(), Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    else
        MoveWindow(hwnd_, Left(), Top(), Width(), Height(), TRUE);
}

void WinControl::VisibleChanged() {
    if (Showing()) {
        CreateHandle();
        CreateVisibleChildHandles();
    }
    if (hwnd_) ShowWindow(hwnd_, Visible() ? SW_SHOWNA : SW_HIDE);
}

void WinControl::Detach() {
    OnKeyDown = nullptr;
    OnKeyUp = nullptr;
    OnKeyPress = nullptr;
    OnEnter = nullptr;
    OnExit = nullptr;
    Hide();
    Control::Detach();
}

namespace {

// The parts of an update region (client coordinates) to repaint one by one:
// its rectangles when they are few and cover well under half of their
// bounding box (several small changes far apart, such as animated buttons),
// else the bounding box alone in one pass (an object dragged a step: its old
// and new places overlap, and one pass over the children and one copy to
// the screen cost less than several). The screen DC stays clipped to the
// region either way.
std::vector<RECT> PaintParts(HRGN region, const RECT& box) {
    constexpr DWORD kMaxRects = 64;
    std::vector<RECT> parts;
    const DWORD size = GetRegionData(region, 0, nullptr);
    std::vector<uint8_t> bytes(size);
    auto* data = reinterpret_cast<RGNDATA*>(bytes.data());
    if (size >= sizeof(RGNDATAHEADER) && GetRegionData(region, size, data) == size && data->rdh.nCount > 1 &&
        data->rdh.nCount <= kMaxRects) {
        const RECT* r = reinterpret_cast<const RECT*>(data->Buffer);
        long long area = 0;
        for (DWORD i = 0; i < data->rdh.nCount; ++i)
            area += static_cast<long long>(r[i].right - r[i].left) * (r[i].bottom - r[i].top);
        const long long boxArea = static_cast<long long>(box.right - box.left) * (box.bottom - box.top);
        if (2 * area < boxArea) parts.assign(r, r + data->rdh.nCount);
    }
    if (parts.empty()) parts.push_back(box);
    return parts;
}

}  // namespace

void WinControl::PaintMessage() {
    // Not BeginPaint / EndPaint: under Wine they hide and show the caret
    // (which a container never has) and fetch the visible region again for
    // a DC clipped to the update region, a round trip to the server each,
    // which is most of what a small repaint costs. Reading the region (with
    // the frame and background messages BeginPaint would send) and
    // validating it are two; the window's DC, clipped here to the region,
    // needs none while the window stays where it is.
    ScopedGdiObject regionObject(CreateRectRgn(0, 0, 0, 0));
    HRGN region = static_cast<HRGN>(regionObject.get());
    if (!region) {
        ValidateRect(hwnd_, nullptr);  // else the paint message would come back at once
        return;
    }
    const int kind = GetUpdateRgn(hwnd_, region, TRUE);
    RedrawWindow(hwnd_, nullptr, region, RDW_VALIDATE | RDW_NOINTERNALPAINT | RDW_NOCHILDREN);
    if (kind != SIMPLEREGION && kind != COMPLEXREGION) return;
    RECT client, box;
    GetClientRect(hwnd_, &client);
    if (client.right <= 0 || client.bottom <= 0 || GetRgnBox(region, &box) == NULLREGION) return;
    if (client.right > buffer_.width() || client.bottom > buffer_.height()) {
        if (!buffer_.Create(std::max<int>(client.right, buffer_.width()), std::max<int>(client.bottom, buffer_.height())))
            return;
    }
    ScopedGetDC dc(hwnd_);
    if (!dc) return;
    SelectClipRgn(dc, region);
    for (const RECT& part : PaintParts(region, box)) {
        RECT clip;
        if (!IntersectRect(&clip, &part, &client)) continue;
        PaintTarget target{buffer_.dc(), buffer_.bits(), buffer_.width(), buffer_.height(), clip};
        PaintContainer(target);
        BitBlt(dc, clip.left, clip.top, clip.right - clip.left, clip.bottom - clip.top, buffer_.dc(), clip.left,
               clip.top, SRCCOPY);
    }
    SelectClipRgn(dc, nullptr);
}

void WinControl::PrintChildren(PaintTarget& target, int originX, int originY) {
    // Each windowed child draws into a surface of its own (controls assume
    // their client area starts at the device origin), which is then copied
    // into place, clipped to this control's area.
    for (Control* c : children_) {
        auto* child = dynamic_cast<WinControl*>(c);
        if (!child || !child->Visible() || child->Width() <= 0 || child->Height() <= 0) continue;
        DibBuffer surface;
        if (!surface.Create(child->Width(), child->Height())) continue;
        PaintTarget own{surface.dc(), surface.bits(), surface.width(), surface.height(),
                        RECT{0, 0, surface.width(), surface.height()}};
        if (child->IsContainer()) {
            child->PaintContainer(own);
        } else {
            SendMessageA(child->Handle(), WM_PRINT, reinterpret_cast<WPARAM>(surface.dc()),
                         PRF_CLIENT | PRF_NONCLIENT | PRF_ERASEBKGND);
        }
        child->PrintChildren(own, 0, 0);
        GdiFlush();
        const int x0 = originX + child->Left(), y0 = originY + child->Top();
        RECT place{x0, y0, x0 + surface.width(), y0 + surface.height()}, r;
        if (!IntersectRect(&r, &place, &target.clip)) continue;
        for (int y = r.top; y < r.bottom; ++y) {
            const uint32_t* src = surface.bits() + static_cast<size_t>(y - y0) * surface.width() + (r.left - x0);
            std::copy(src, src + (r.right - r.left), target.bits + static_cast<size_t>(y) * target.width + r.left);
        }
    }
}

void WinControl::PaintBackground(PaintTarget& target) { FillPixels(target, target.clip, ColorToPixel(color_)); }

void WinControl::PaintContainer(PaintTarget& target) {
    {
        // The DC keeps a copy of the region.
        ScopedGdiObject region(CreateRectRgnIndirect(&target.clip));
        SelectClipRgn(target.dc, static_cast<HRGN>(region.get()));
    }
    GdiFlush();
    PaintBackground(target);
    for (Control* c : children_) {
        // The cheap tests first: a small repaint skips nearly every child.
        if (!c->Visible()) continue;
        RECT bounds = c->BoundsRect(), r;
        if (!IntersectRect(&r, &bounds, &target.clip)) continue;
        if (auto* g = dynamic_cast<GraphicControl*>(c)) g->Paint(target, bounds.left, bounds.top);
    }
    GdiFlush();
    SelectClipRgn(target.dc, nullptr);
}

}  // namespace forms
