// Finds captions that do not fit the room their control gives them, each
// measured with the control's own font: labels, push buttons, check boxes,
// radio buttons, group boxes and panels of a form (CaptionOverflows), and the
// buttons and texts of a plain Win32 dialog (DialogCaptionOverflows). Where a
// control shows accelerator marks, "&&" counts as one ampersand and a single
// "&" as nothing. The room is the part of the control that every window
// around it shows, less what Win32 draws beside the text (a push button's
// frame, a check box's mark).
#pragma once
#include <windows.h>

#include <algorithm>
#include <string>
#include <typeinfo>
#include <vector>

#include "forms/win32/Button.h"
#include "forms/win32/Form.h"
#include "forms/win32/GroupBox.h"
#include "forms/win32/Label.h"
#include "forms/win32/Panel.h"
#include "forms/win32/TwoStateButton.h"

namespace formstest {

// A window's DC with a font selected, both given back on exit.
class FontDC {
public:
    FontDC(HWND window, HFONT font) : window_(window), dc_(GetDC(window)) {
        old_ = SelectObject(dc_, font ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT));
    }
    ~FontDC() {
        SelectObject(dc_, old_);
        ReleaseDC(window_, dc_);
    }
    FontDC(const FontDC&) = delete;
    FontDC& operator=(const FontDC&) = delete;
    operator HDC() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
    HGDIOBJ old_;
};

// The size a text takes in a font on the window it is drawn in: one line, or
// wrapped at wrapWidth (> 0). The window's own DC matters: glyphs drawn
// smoothed in colour can be wider than the same font's on a monochrome DC.
inline SIZE TextSize(HWND window, HFONT font, const std::string& text, bool accelMarks, int wrapWidth) {
    FontDC dc(window, font);
    RECT r{0, 0, wrapWidth, 0};
    UINT flags = DT_CALCRECT | DT_EXPANDTABS | (wrapWidth > 0 ? DT_WORDBREAK : DT_SINGLELINE);
    if (!accelMarks) flags |= DT_NOPREFIX;
    DrawTextA(dc, text.c_str(), -1, &r, flags);
    return SIZE{r.right - r.left, r.bottom - r.top};
}

// The part of a screen rectangle that window and every window it lies in show.
inline RECT ShownPart(HWND window, RECT screen) {
    for (HWND w = window; w; w = (GetWindowLongA(w, GWL_STYLE) & WS_CHILD) ? GetParent(w) : nullptr) {
        RECT client;
        GetClientRect(w, &client);
        MapWindowPoints(w, nullptr, reinterpret_cast<POINT*>(&client), 2);
        IntersectRect(&screen, &screen, &client);
    }
    return screen;
}

// What one caption needs against what its control gives it.
struct CaptionRoom {
    std::string who;       // form and control, for the report
    std::string caption;
    HWND drawnIn = nullptr;  // the window whose DC draws the caption
    HFONT font = nullptr;
    bool accelMarks = false;
    bool wraps = false;    // the text wraps at the room's width
    RECT shown{};          // the control's shown part, in screen coordinates
    int marginX = 0;       // taken from the room on the left and right together
};

// The inked width of one character: a symbol font's glyph (an arrow drawn
// with Marlett) is much narrower than its advance.
inline int InkWidth(HWND window, HFONT font, char ch) {
    FontDC dc(window, font);
    GLYPHMETRICS metrics{};
    const MAT2 identity{{0, 1}, {0, 0}, {0, 0}, {0, 1}};
    const DWORD got = GetGlyphOutlineA(dc, static_cast<unsigned char>(ch), GGO_METRICS, &metrics, 0, nullptr,
                                       &identity);
    return got == GDI_ERROR ? -1 : static_cast<int>(metrics.gmBlackBoxX);
}

// Adds a line to out when the caption is wider (or, wrapped, taller) than its
// room. A control shown nowhere (placed outside its window on purpose) is
// left alone.
inline void CheckRoom(const CaptionRoom& c, std::vector<std::string>& out) {
    if (c.caption.empty() || IsRectEmpty(&c.shown)) return;
    const int roomW = c.shown.right - c.shown.left - c.marginX;
    const int roomH = c.shown.bottom - c.shown.top;
    // Smoothed glyphs can reach a pixel or two beyond the measured advance:
    // a caption measured to the exact pixel loses its last letter's edge.
    constexpr int kInk = 2;
    SIZE need = TextSize(c.drawnIn, c.font, c.caption, c.accelMarks, c.wraps ? std::max(1, roomW - kInk) : 0);
    need.cx += kInk;
    if (c.caption.size() == 1 && !c.wraps) {
        const int ink = InkWidth(c.drawnIn, c.font, c.caption[0]);
        if (ink >= 0) need.cx = ink + kInk;
    }
    if (need.cx > roomW || (c.wraps && need.cy > roomH)) {
        out.push_back(c.who + " \"" + c.caption + "\": needs " + std::to_string(need.cx) + " x " +
                      std::to_string(need.cy) + ", has " + std::to_string(roomW) + " x " + std::to_string(roomH));
    }
}

// Room a Win32 "BUTTON" window gives its text, by its style.
inline void ButtonMargins(HWND button, HFONT font, CaptionRoom& c) {
    const LONG type = GetWindowLongA(button, GWL_STYLE) & BS_TYPEMASK;
    if (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON) {
        // The frame's edge and the gap inside it, on both sides; a default
        // button's frame is a pixel thicker.
        c.marginX = type == BS_DEFPUSHBUTTON ? 10 : 8;
        return;
    }
    if (type == BS_GROUPBOX) {
        c.marginX = 16;
        return;
    }
    // Check boxes and radio buttons: the mark, then half a digit's width.
    INT digit = 0;
    GetCharWidth32A(FontDC(button, font), '0', '0', &digit);
    c.marginX = 13 + digit / 2;
}

inline RECT ScreenRect(const forms::Control& control) {
    const POINT origin = control.ClientToScreen({0, 0});
    return RECT{origin.x, origin.y, origin.x + control.Width(), origin.y + control.Height()};
}

// Every control below container whose caption does not fit.
inline void CollectOverflows(const forms::WinControl& container, const std::string& formName,
                             std::vector<std::string>& out) {
    for (int i = 0; i < container.ControlCount(); ++i) {
        forms::Control* control = container.Controls(i);
        CaptionRoom c;
        c.who = formName + ": " + (control->Name().empty() ? "(unnamed)" : control->Name());
        const RECT rect = ScreenRect(*control);
        c.shown = ShownPart(container.Handle(), rect);
        c.drawnIn = container.Handle();
        if (auto* label = dynamic_cast<forms::Label*>(control)) {
            c.caption = label->Caption();
            c.font = label->GetFont().Handle();
            c.accelMarks = label->ShowAccelChar();
            c.wraps = label->WordWrap();
            CheckRoom(c, out);
            continue;
        }
        auto* windowed = dynamic_cast<forms::WinControl*>(control);
        if (!windowed) continue;
        c.caption = windowed->Caption();
        c.font = windowed->GetFont().Handle();
        c.drawnIn = windowed->Handle();
        if (dynamic_cast<forms::Button*>(control) || dynamic_cast<forms::TwoStateButton*>(control)) {
            c.accelMarks = true;
            ButtonMargins(windowed->Handle(), c.font, c);
            CheckRoom(c, out);
        } else if (dynamic_cast<forms::GroupBox*>(control)) {
            c.marginX = 16;  // the caption starts 8 pixels in, with 2 free on each side
            CheckRoom(c, out);
        } else if (dynamic_cast<forms::Panel*>(control)) {
            CheckRoom(c, out);
        }
        CollectOverflows(*windowed, formName, out);
    }
}

// One line per caption that does not fit, each starting a new line.
inline std::string Report(const std::vector<std::string>& lines) {
    std::string report;
    for (const std::string& line : lines) report += "\n  " + line;
    return report;
}

// Every control of a form whose caption does not fit (empty: all fit).
inline std::string CaptionOverflows(const forms::Form& form) {
    std::vector<std::string> out;
    std::string name = form.Caption().empty() ? form.Name() : form.Caption();
    if (name.empty()) name = typeid(form).name();
    CollectOverflows(form, name, out);
    return Report(out);
}

// The same for the buttons and static texts of a plain Win32 dialog.
inline std::string DialogCaptionOverflows(HWND dialog) {
    std::vector<std::string> out;
    char title[256] = {};
    GetWindowTextA(dialog, title, sizeof(title));
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char cls[32] = {};
        GetClassNameA(child, cls, sizeof(cls));
        const LONG style = GetWindowLongA(child, GWL_STYLE);
        CaptionRoom c;
        char text[1024] = {};
        GetWindowTextA(child, text, sizeof(text));
        c.caption = text;
        c.who = std::string(title) + ": " + cls + " " + std::to_string(GetDlgCtrlID(child));
        c.font = reinterpret_cast<HFONT>(SendMessageA(child, WM_GETFONT, 0, 0));
        c.drawnIn = child;
        RECT rect;
        GetWindowRect(child, &rect);
        c.shown = ShownPart(dialog, rect);
        if (lstrcmpiA(cls, "Button") == 0) {
            c.accelMarks = true;
            ButtonMargins(child, c.font, c);
        } else if (lstrcmpiA(cls, "Static") == 0) {
            const LONG type = style & SS_TYPEMASK;
            if (type != SS_LEFT && type != SS_CENTER && type != SS_RIGHT && type != SS_LEFTNOWORDWRAP) continue;
            c.accelMarks = !(style & SS_NOPREFIX);
            c.wraps = type != SS_LEFTNOWORDWRAP;
        } else {
            continue;
        }
        CheckRoom(c, out);
    }
    return Report(out);
}

}  // namespace formstest
