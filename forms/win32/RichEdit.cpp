#include "forms/win32/RichEdit.h"

#include <richedit.h>

#include <algorithm>
#include <climits>
#include <cstring>

#include "forms/win32/PaintBuffer.h"
#include "forms/win32/RichTextStream.h"

namespace forms {
namespace {

constexpr int kTwipsPerPoint = 20;

// The window class lives in Riched20.dll, loaded once for the process.
void LoadRichEditLibrary() {
    static HMODULE library = LoadLibraryA("Riched20.dll");
    (void)library;
}

WORD ToParagraphAlignment(Alignment alignment) {
    switch (alignment) {
    case Alignment::Right: return PFA_RIGHT;
    case Alignment::Center: return PFA_CENTER;
    default: return PFA_LEFT;
    }
}

}  // namespace

RichEdit::RichEdit(Component* owner, WinControl* parent) : WinControl(owner, nullptr) {
    SetTabStop(true);
    StoreBounds(0, 0, 185, 89);
    CreateChildWindow("RichEdit20A", ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN, WS_EX_CLIENTEDGE);
    // Every change of the text or the selection, made by the program too,
    // reaches the events through the window's notifications, which the
    // control sends for its whole life to the window it was created in,
    // whatever its parent later: it is created in the application's utility
    // window, which lives as long as the program and hands them back.
    CreateUnderUtilityWindow();
    SetParent(parent);
}

void RichEdit::BeforeHandleCreated() { LoadRichEditLibrary(); }

void RichEdit::HandleCreated() {
    SendMessageA(Handle(), EM_SETEVENTMASK, 0, ENM_CHANGE | ENM_SELCHANGE);
    SendMessageA(Handle(), EM_SETBKGNDCOLOR, 0, static_cast<LPARAM>(ColorToRGB(background_)));
}

std::string RichEdit::RTF() const { return StreamOutRtf(Handle()); }

void RichEdit::SetRTF(const std::string& rtf) { StreamInRtf(Handle(), rtf); }

int RichEdit::SelStart() const {
    CHARRANGE range{0, 0};
    SendMessageA(Handle(), EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
    return static_cast<int>(range.cpMin);
}

int RichEdit::SelLength() const {
    CHARRANGE range{0, 0};
    SendMessageA(Handle(), EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
    return static_cast<int>(range.cpMax - range.cpMin);
}

void RichEdit::SetSelection(int start, int length) {
    start = std::max(start, 0);
    const LONG end = static_cast<LONG>(std::min<long long>(static_cast<long long>(start) + std::max(length, 0), INT_MAX));
    CHARRANGE range{start, end};
    SendMessageA(Handle(), EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
}

void RichEdit::SelectAll() {
    CHARRANGE range{0, -1};
    SendMessageA(Handle(), EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
}

CharFormat RichEdit::SelectionFormat() const {
    CHARFORMATA format{};
    format.cbSize = sizeof(format);
    SendMessageA(Handle(), EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
    CharFormat out;
    out.fontName = std::string(format.szFaceName, strnlen(format.szFaceName, LF_FACESIZE));
    out.size = (format.yHeight + kTwipsPerPoint / 2) / kTwipsPerPoint;
    if (format.dwEffects & CFE_BOLD) out.style |= fsBold;
    if (format.dwEffects & CFE_ITALIC) out.style |= fsItalic;
    if (format.dwEffects & CFE_UNDERLINE) out.style |= fsUnderline;
    out.color = (format.dwEffects & CFE_AUTOCOLOR) ? GetSysColor(COLOR_WINDOWTEXT) : format.crTextColor;
    return out;
}

void RichEdit::SetCharFormat(DWORD mask, const void* values) {
    CHARFORMATA format{};
    std::memcpy(&format, values, sizeof(format));
    format.cbSize = sizeof(format);
    format.dwMask = mask;
    SendMessageA(Handle(), EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
}

void RichEdit::SetSelectionFontName(const std::string& name) {
    CHARFORMATA format{};
    std::strncpy(format.szFaceName, name.c_str(), LF_FACESIZE - 1);
    SetCharFormat(CFM_FACE, &format);
}

void RichEdit::SetSelectionSize(int points) {
    CHARFORMATA format{};
    format.yHeight = std::max(points, 1) * kTwipsPerPoint;
    SetCharFormat(CFM_SIZE, &format);
}

void RichEdit::SetSelectionStyle(FontStyles style) {
    CHARFORMATA format{};
    if (style & fsBold) format.dwEffects |= CFE_BOLD;
    if (style & fsItalic) format.dwEffects |= CFE_ITALIC;
    if (style & fsUnderline) format.dwEffects |= CFE_UNDERLINE;
    SetCharFormat(CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE, &format);
}

void RichEdit::SetSelectionColor(Color color) {
    CHARFORMATA format{};
    format.crTextColor = ColorToRGB(color);  // no CFE_AUTOCOLOR: this colour
    SetCharFormat(CFM_COLOR, &format);
}

Alignment RichEdit::SelectionAlignment() const {
    PARAFORMAT format{};
    format.cbSize = sizeof(format);
    SendMessageA(Handle(), EM_GETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&format));
    switch (format.wAlignment) {
    case PFA_RIGHT: return Alignment::Right;
    case PFA_CENTER: return Alignment::Center;
    default: return Alignment::Left;
    }
}

void RichEdit::SetSelectionAlignment(Alignment alignment) {
    PARAFORMAT format{};
    format.cbSize = sizeof(format);
    format.dwMask = PFM_ALIGNMENT;
    format.wAlignment = ToParagraphAlignment(alignment);
    SendMessageA(Handle(), EM_SETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&format));
}

void RichEdit::SetBackgroundColor(Color color) {
    background_ = color;
    if (HandleAllocated()) SendMessageA(Handle(), EM_SETBKGNDCOLOR, 0, static_cast<LPARAM>(ColorToRGB(color)));
}

void RichEdit::SetBorder(bool on) {
    if (on == border_) return;
    border_ = on;
    HWND hwnd = Handle();
    LONG_PTR exStyle = GetWindowLongPtrA(hwnd, GWL_EXSTYLE);
    exStyle = on ? (exStyle | WS_EX_CLIENTEDGE) : (exStyle & ~static_cast<LONG_PTR>(WS_EX_CLIENTEDGE));
    SetWindowLongPtrA(hwnd, GWL_EXSTYLE, exStyle);
    SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool RichEdit::PaintTo(Bitmap& out) const {
    out = Bitmap();
    RECT client;
    GetClientRect(Handle(), &client);
    DibBuffer surface;
    if (!surface.Create(client.right, client.bottom)) return false;
    // The control leaves a margin of a pixel or so around its text area
    // unpainted: it shows the background colour, as on the screen.
    std::fill_n(surface.bits(), static_cast<size_t>(client.right) * static_cast<size_t>(client.bottom),
                ColorToPixel(background_));
    SendMessageA(Handle(), WM_PRINT, reinterpret_cast<WPARAM>(surface.dc()), PRF_CLIENT | PRF_ERASEBKGND);
    GdiFlush();
    out.SetSize(client.right, client.bottom);
    const size_t pixels = out.PixelCount();
    std::copy_n(surface.bits(), pixels, out.Data());
    for (size_t i = 0; i < pixels; ++i) out.Data()[i] |= 0xFF000000u;
    return true;
}

bool RichEdit::Notification(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (msg == WM_COMMAND && HIWORD(wParam) == EN_CHANGE) {
        result = 0;
        FireChange();
        return true;
    }
    if (msg == WM_NOTIFY && reinterpret_cast<const NMHDR*>(lParam)->code == EN_SELCHANGE) {
        result = 0;
        auto handler = OnSelectionChange;
        if (handler) handler(*this);
        return true;
    }
    return WinControl::Notification(msg, wParam, lParam, result);
}

void RichEdit::FireChange() {
    if (inChange_) return;
    auto handler = OnChange;
    if (!handler) return;
    inChange_ = true;
    struct Reset {
        bool& flag;
        ~Reset() { flag = false; }
    } reset{inChange_};
    handler(*this);
}

}  // namespace forms
