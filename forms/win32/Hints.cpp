#include "forms/win32/Hints.h"

#include <commctrl.h>

#include "forms/win32/Application.h"
#include "forms/win32/Form.h"
#include "forms/win32/MessageLoop.h"
#include "forms/win32/WinControl.h"

namespace forms {
namespace {

constexpr UINT kShowDelayMs = 500;
constexpr UINT kHideDelayMs = 5000;
constexpr int kMaxTipWidth = 600;  // wide enough for a line; makes "\r" break lines
constexpr int kBelowPointer = 20;
constexpr UINT_PTR kToolId = 1;

// A lone CR breaks the line in the hint texts; the tooltip breaks at LF.
std::string TipText(const std::string& hint) {
    std::string text;
    text.reserve(hint.size() + 8);
    for (size_t i = 0; i < hint.size(); ++i) {
        text += hint[i];
        if (hint[i] == '\r' && (i + 1 == hint.size() || hint[i + 1] != '\n')) text += '\n';
    }
    return text;
}

bool IsPress(UINT msg) {
    switch (msg) {
    case WM_LBUTTONDOWN: case WM_RBUTTONDOWN: case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK: case WM_RBUTTONDBLCLK: case WM_MBUTTONDBLCLK:
    case WM_NCLBUTTONDOWN: case WM_NCRBUTTONDOWN: case WM_NCMBUTTONDOWN:
    case WM_MOUSEWHEEL: case WM_KEYDOWN: case WM_SYSKEYDOWN:
        return true;
    default:
        return false;
    }
}

// The one tooltip of the application: one hint shows at a time.
class HintTip : public MessageFilter {
public:
    static HintTip& Instance() {
        static HintTip tip;
        return tip;
    }

    bool FilterMessage(MSG& msg) override {
        if (msg.message == WM_MOUSEMOVE) {
            PointerMoved(msg.hwnd, POINT{static_cast<short>(LOWORD(msg.lParam)), static_cast<short>(HIWORD(msg.lParam))},
                         msg.pt);
        } else if ((msg.message == WM_MOUSELEAVE && msg.hwnd == hoveredWindow_) || msg.message == WM_NCMOUSEMOVE) {
            // (A window's leave notice may come after the next window's first
            // move: only the window under the pointer counts.)
            Cancel();
            hovered_ = nullptr;
            hoveredWindow_ = nullptr;
        } else if (IsPress(msg.message)) {
            Cancel();  // the same control shows no tip again until the pointer leaves it
        }
        return false;
    }

    HWND Window() const { return tip_; }
    const std::string& Shown() const { return shown_; }

private:
    HintTip() { Application().AddMessageFilter(this); }
    ~HintTip() {
        Application().RemoveMessageFilter(this);
        if (tip_ && IsWindow(tip_)) DestroyWindow(tip_);
    }

    // The layer's control under a point of a window of the layer (a graphic
    // child of it, or the windowed control itself); nullptr for other windows.
    static Control* ControlAt(HWND hwnd, POINT p) {
        WinControl* owner = WinControl::FromHandle(hwnd);
        while (!owner && hwnd) {  // an inner window of a control (a combo box's edit)
            HWND parent = GetParent(hwnd);
            if (parent) MapWindowPoints(hwnd, parent, &p, 1);
            hwnd = parent;
            owner = WinControl::FromHandle(hwnd);
        }
        if (!owner) return nullptr;
        if (GraphicControl* g = owner->GraphicControlAt(p.x, p.y)) return g;
        return owner;
    }

    static std::string HintOf(const Control* c) {
        const Form* form = c ? c->ParentForm() : nullptr;
        return form && form->ShowHint() ? c->Hint() : std::string();
    }

    void PointerMoved(HWND hwnd, POINT client, POINT screen) {
        Control* c = ControlAt(hwnd, client);
        hoveredWindow_ = hwnd;
        if (c == hovered_) return;
        Cancel();
        hovered_ = c;
        if (HintOf(c).empty()) return;
        window_ = hwnd;
        client_ = client;
        screen_ = screen;
        showTimer_ = SetTimer(nullptr, 0, kShowDelayMs, &HintTip::ShowTimer);
    }

    static void CALLBACK ShowTimer(HWND, UINT, UINT_PTR id, DWORD) {
        HintTip& tip = Instance();
        KillTimer(nullptr, id);
        if (id != tip.showTimer_) return;
        tip.showTimer_ = 0;
        // The control is looked up again: the one seen before may be gone.
        Control* c = IsWindow(tip.window_) ? ControlAt(tip.window_, tip.client_) : nullptr;
        if (!c || c != tip.hovered_) return;
        const std::string hint = HintOf(c);
        if (!hint.empty()) tip.Show(hint);
    }

    static void CALLBACK HideTimer(HWND, UINT, UINT_PTR id, DWORD) {
        HintTip& tip = Instance();
        if (id == tip.hideTimer_) tip.Cancel();
        KillTimer(nullptr, id);
    }

    bool EnsureWindow() {
        if (tip_ && IsWindow(tip_)) return true;
        INITCOMMONCONTROLSEX classes{sizeof(classes), ICC_BAR_CLASSES};
        InitCommonControlsEx(&classes);
        tip_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, 0, 0, 0,
                               0, Application().UtilityWindow(), nullptr, Application().Instance(), nullptr);
        if (!tip_) return false;
        SendMessageA(tip_, TTM_SETMAXTIPWIDTH, 0, kMaxTipWidth);
        TTTOOLINFOA tool{};
        tool.cbSize = sizeof(tool);
        tool.uFlags = TTF_TRACK | TTF_ABSOLUTE;
        tool.hwnd = Application().UtilityWindow();
        tool.uId = kToolId;
        tool.lpszText = const_cast<char*>("");
        SendMessageA(tip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
        return true;
    }

    TTTOOLINFOA Tool(std::string* text) const {
        TTTOOLINFOA tool{};
        tool.cbSize = sizeof(tool);
        tool.hwnd = Application().UtilityWindow();
        tool.uId = kToolId;
        tool.lpszText = text ? &(*text)[0] : nullptr;
        return tool;
    }

    void Show(const std::string& hint) {
        if (!EnsureWindow()) return;
        std::string text = TipText(hint);
        TTTOOLINFOA tool = Tool(&text);
        SendMessageA(tip_, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&tool));
        const POINT at = TipPosition(tool);
        SendMessageA(tip_, TTM_TRACKPOSITION, 0, MAKELPARAM(at.x, at.y));
        SendMessageA(tip_, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
        shown_ = hint;
        hideTimer_ = SetTimer(nullptr, 0, kHideDelayMs, &HintTip::HideTimer);
    }

    // Below the pointer, kept on the pointer's monitor: above the pointer
    // when there is no room below.
    POINT TipPosition(TTTOOLINFOA& tool) const {
        const LRESULT size = SendMessageA(tip_, TTM_GETBUBBLESIZE, 0, reinterpret_cast<LPARAM>(&tool));
        const int width = LOWORD(size), height = HIWORD(size);
        MONITORINFO monitor{};
        monitor.cbSize = sizeof(monitor);
        GetMonitorInfoA(MonitorFromPoint(screen_, MONITOR_DEFAULTTONEAREST), &monitor);
        const RECT& area = monitor.rcWork;
        POINT at{screen_.x, screen_.y + kBelowPointer};
        if (at.y + height > area.bottom) at.y = screen_.y - height - 2;
        if (at.x + width > area.right) at.x = area.right - width;
        if (at.x < area.left) at.x = area.left;
        if (at.y < area.top) at.y = area.top;
        return at;
    }

    // Hides the tip and forgets a pending one.
    void Cancel() {
        if (showTimer_) KillTimer(nullptr, showTimer_);
        if (hideTimer_) KillTimer(nullptr, hideTimer_);
        showTimer_ = hideTimer_ = 0;
        if (!shown_.empty() && tip_ && IsWindow(tip_)) {
            TTTOOLINFOA tool = Tool(nullptr);
            SendMessageA(tip_, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&tool));
        }
        shown_.clear();
    }

    HWND tip_ = nullptr;
    // The control under the pointer (compared, never used: it may be gone).
    const Control* hovered_ = nullptr;
    HWND hoveredWindow_ = nullptr;
    HWND window_ = nullptr;
    POINT client_{0, 0};
    POINT screen_{0, 0};
    UINT_PTR showTimer_ = 0;
    UINT_PTR hideTimer_ = 0;
    std::string shown_;
};

}  // namespace

void EnableHints() { HintTip::Instance(); }

std::string ShownHint() { return HintTip::Instance().Shown(); }

HWND HintWindowHandle() { return HintTip::Instance().Window(); }

}  // namespace forms
