// The modal message dialog and the two folder browsers.
//
// The dialog is built from an in-memory template: an icon, the text and one
// row of push buttons whose control ids are the modal results they return
// (IDOK 1, IDCANCEL 2, IDYES 6, IDNO 7). The controls are laid out in pixels
// once the dialog exists, measured with its own font (the system message
// font), so the window fits the text.
#include "shared/TarvikUtils.h"
#include "shared/win32/TarvikUtils_win32.h"

#include "forms/win32/Application.h"

#include <objbase.h>
#include <shlobj.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

constexpr WORD kIconId = 100;
constexpr WORD kTextId = 101;
constexpr WORD kButtonClass = 0x0080;
constexpr WORD kStaticClass = 0x0082;

struct MsgDlgButton {
    WORD id;
    const char* caption;
};

const MsgDlgButton kOkButtons[] = {{IDOK, "OK"}};
const MsgDlgButton kYesNoCancelButtons[] = {{IDYES, "&Yes"}, {IDNO, "&No"}, {IDCANCEL, "Cancel"}};
const MsgDlgButton kYesNoButtons[] = {{IDYES, "&Yes"}, {IDNO, "&No"}};

struct MsgDlgSetup {
    const std::string* text;
    std::string caption;
    LPCSTR icon;
    const MsgDlgButton* buttons;
    size_t buttonCount;
    int defaultButton;
};

const char* StandardCaption(TMsgDlgType type)
{
    switch (type) {
    case TMsgDlgType::mtWarning: return "Warning";
    case TMsgDlgType::mtError: return "Error";
    case TMsgDlgType::mtInformation: return "Information";
    case TMsgDlgType::mtConfirmation: return "Confirm";
    }
    return "";
}

LPCSTR StandardIcon(TMsgDlgType type)
{
    switch (type) {
    case TMsgDlgType::mtWarning: return IDI_WARNING;
    case TMsgDlgType::mtError: return IDI_ERROR;
    case TMsgDlgType::mtInformation: return IDI_INFORMATION;
    case TMsgDlgType::mtConfirmation: return IDI_QUESTION;
    }
    return IDI_INFORMATION;
}

// Writes a DLGTEMPLATE and its items into DWORD-aligned memory. Texts are set
// after creation with the 8-bit functions, so every string here is empty
// except the font face.
class DialogTemplate {
public:
    void Header(DWORD style, WORD itemCount, WORD pointSize, const std::wstring& face)
    {
        Dword(style);
        Dword(0);  // extended style
        Word(itemCount);
        for (int i = 0; i < 4; ++i) Word(0);  // x, y, cx, cy: set in pixels later
        Word(0);  // no menu
        Word(0);  // standard dialog class
        Word(0);  // empty title
        Word(pointSize);
        for (wchar_t ch : face) Word(static_cast<WORD>(ch));
        Word(0);
    }

    void Item(DWORD style, WORD id, WORD classAtom)
    {
        while (words_.size() % 2 != 0) Word(0);  // items start on a DWORD
        Dword(style | WS_CHILD | WS_VISIBLE);
        Dword(0);
        for (int i = 0; i < 4; ++i) Word(0);
        Word(id);
        Word(0xFFFF);
        Word(classAtom);
        Word(0);  // empty text
        Word(0);  // no creation data
    }

    const DLGTEMPLATE* Data() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

private:
    void Word(WORD w) { words_.push_back(w); }
    void Dword(DWORD d)
    {
        Word(LOWORD(d));
        Word(HIWORD(d));
    }
    std::vector<WORD> words_;
};

// The message font's face and point size, for the template's DS_SETFONT.
void MessageFont(std::wstring& face, WORD& pointSize)
{
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    face = L"MS Shell Dlg";
    pointSize = 8;
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) return;
    face = metrics.lfMessageFont.lfFaceName;
    const LONG height = metrics.lfMessageFont.lfHeight;
    if (height == 0) return;
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    pointSize = static_cast<WORD>(std::max(1, MulDiv(height < 0 ? -height : height, 72, dpi)));
}

std::vector<HWND> PushButtonsInOrder(HWND dialog)
{
    std::vector<HWND> buttons;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char cls[16] = {};
        GetClassNameA(child, cls, sizeof(cls));
        if (lstrcmpiA(cls, "Button") != 0) continue;
        const LONG type = GetWindowLongA(child, GWL_STYLE) & BS_TYPEMASK;
        if (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON) buttons.push_back(child);
    }
    return buttons;
}

void MakeDefault(HWND dialog, HWND button)
{
    SendMessageA(dialog, DM_SETDEFID, GetDlgCtrlID(button), 0);
    for (HWND other : PushButtonsInOrder(dialog)) {
        SendMessageA(other, BM_SETSTYLE, other == button ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
    }
    SetFocus(button);
}

void LayOut(HWND dialog, const MsgDlgSetup& setup)
{
    HFONT font = reinterpret_cast<HFONT>(SendMessageA(dialog, WM_GETFONT, 0, 0));
    HDC dc = GetDC(dialog);
    HGDIOBJ oldFont = SelectObject(dc, font ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT));

    // Dialog base units of the font, as the dialog manager computes them.
    static const char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    SIZE alphabet{};
    GetTextExtentPoint32A(dc, kAlphabet, 52, &alphabet);
    TEXTMETRICA tm{};
    GetTextMetricsA(dc, &tm);
    const int baseX = std::max<LONG>(1, (alphabet.cx / 26 + 1) / 2);
    const int baseY = std::max<LONG>(1, tm.tmHeight);
    auto dluX = [baseX](int d) { return MulDiv(d, baseX, 4); };
    auto dluY = [baseY](int d) { return MulDiv(d, baseY, 8); };

    HWND owner = GetWindow(dialog, GW_OWNER);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoA(MonitorFromWindow(owner ? owner : dialog, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT work = monitor.rcWork;

    // The text wraps at half the work area's width.
    RECT textRect{0, 0, std::max<LONG>(dluX(100), (work.right - work.left) / 2), 0};
    DrawTextA(dc, setup.text->c_str(), -1, &textRect,
              DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX | DT_LEFT);
    SelectObject(dc, oldFont);
    ReleaseDC(dialog, dc);
    // Smoothed glyphs can reach a pixel or two beyond the measured advance:
    // without that room the text's last letter loses its edge.
    constexpr int kInkRoom = 2;
    const int textW = textRect.right - textRect.left + kInkRoom;
    const int textH = std::max<int>(textRect.bottom - textRect.top, baseY);

    const int iconW = GetSystemMetrics(SM_CXICON);
    const int iconH = GetSystemMetrics(SM_CYICON);
    const int marginX = dluX(8);
    const int marginY = dluY(8);
    const int iconGap = dluX(8);
    const int buttonW = dluX(50);
    const int buttonH = dluY(14);
    const int buttonGap = dluX(4);
    const int count = static_cast<int>(setup.buttonCount);
    const int rowW = count * buttonW + (count - 1) * buttonGap;

    const int clientW = std::max(marginX + iconW + iconGap + textW + marginX, marginX + rowW + marginX);
    const int contentH = std::max(iconH, textH);
    const int buttonTop = marginY + contentH + marginY;
    const int clientH = buttonTop + buttonH + marginY;

    MoveWindow(GetDlgItem(dialog, kIconId), marginX, marginY, iconW, iconH, FALSE);
    MoveWindow(GetDlgItem(dialog, kTextId), marginX + iconW + iconGap, marginY, textW, textH, FALSE);
    int x = (clientW - rowW) / 2;
    for (size_t i = 0; i < setup.buttonCount; ++i) {
        MoveWindow(GetDlgItem(dialog, setup.buttons[i].id), x, buttonTop, buttonW, buttonH, FALSE);
        x += buttonW + buttonGap;
    }

    RECT frame{0, 0, clientW, clientH};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongA(dialog, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongA(dialog, GWL_EXSTYLE)));
    const int frameW = frame.right - frame.left;
    const int frameH = frame.bottom - frame.top;
    const int left = work.left + std::max<LONG>(0, (work.right - work.left - frameW) / 2);
    const int top = work.top + std::max<LONG>(0, (work.bottom - work.top - frameH) / 2);
    SetWindowPos(dialog, nullptr, left, top, frameW, frameH, SWP_NOZORDER | SWP_NOACTIVATE);
}

bool HasButton(const MsgDlgSetup& setup, WORD id)
{
    for (size_t i = 0; i < setup.buttonCount; ++i) {
        if (setup.buttons[i].id == id) return true;
    }
    return false;
}

INT_PTR CALLBACK MsgDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG: {
        const auto& setup = *reinterpret_cast<const MsgDlgSetup*>(lParam);
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        SetWindowTextA(dialog, setup.caption.c_str());
        SendDlgItemMessageA(dialog, kIconId, STM_SETICON,
                            reinterpret_cast<WPARAM>(LoadIconA(nullptr, setup.icon)), 0);
        SetDlgItemTextA(dialog, kTextId, setup.text->c_str());
        for (size_t i = 0; i < setup.buttonCount; ++i) {
            SetDlgItemTextA(dialog, setup.buttons[i].id, setup.buttons[i].caption);
        }
        LayOut(dialog, setup);

        // The first button is the dialog's own default; a chosen index that
        // names an existing push button replaces it.
        const std::vector<HWND> buttons = PushButtonsInOrder(dialog);
        HWND chosen = GetDlgItem(dialog, setup.buttons[0].id);
        if (setup.defaultButton >= 0 && static_cast<size_t>(setup.defaultButton) < buttons.size()) {
            chosen = buttons[static_cast<size_t>(setup.defaultButton)];
        }
        MakeDefault(dialog, chosen);
        return FALSE;  // focus has been set
    }
    case WM_COMMAND: {
        const auto* setup = reinterpret_cast<const MsgDlgSetup*>(GetWindowLongPtrA(dialog, DWLP_USER));
        const WORD id = LOWORD(wParam);
        if (!setup) return FALSE;
        if (id == IDCANCEL && !HasButton(*setup, IDCANCEL)) {
            // Escape and the close box act as the last button when there is no
            // Cancel: OK alone, or No of a Yes/No question.
            EndDialog(dialog, setup->buttons[setup->buttonCount - 1].id);
            return TRUE;
        }
        if (HasButton(*setup, id)) {
            EndDialog(dialog, id);
            return TRUE;
        }
        return FALSE;
    }
    default:
        return FALSE;
    }
}

}  // namespace

// The dialog offers no help of its own: helpContext is accepted for the
// callers' sake and every caller passes 0.
int ShowMsgDlg(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons,
               const std::string& caption, int defaultButton, int /*helpContext*/)
{
    MsgDlgSetup setup;
    setup.text = &text;
    setup.caption = caption.empty() ? StandardCaption(type) : caption;
    setup.icon = StandardIcon(type);
    if (buttons == TMsgDlgButtons::mbYesNoCancel) {
        setup.buttons = kYesNoCancelButtons;
        setup.buttonCount = sizeof(kYesNoCancelButtons) / sizeof(kYesNoCancelButtons[0]);
    } else if (buttons == TMsgDlgButtons::mbYesNo) {
        setup.buttons = kYesNoButtons;
        setup.buttonCount = sizeof(kYesNoButtons) / sizeof(kYesNoButtons[0]);
    } else {
        setup.buttons = kOkButtons;
        setup.buttonCount = 1;
    }
    setup.defaultButton = defaultButton;

    std::wstring face;
    WORD pointSize = 8;
    MessageFont(face, pointSize);

    DialogTemplate tmpl;
    tmpl.Header(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT | DS_3DLOOK,
                static_cast<WORD>(2 + setup.buttonCount), pointSize, face);
    tmpl.Item(SS_ICON, kIconId, kStaticClass);
    tmpl.Item(SS_LEFT | SS_NOPREFIX, kTextId, kStaticClass);
    for (size_t i = 0; i < setup.buttonCount; ++i) {
        tmpl.Item(BS_PUSHBUTTON | WS_TABSTOP | (i == 0 ? WS_GROUP : 0), setup.buttons[i].id, kButtonClass);
    }

    const INT_PTR result = DialogBoxIndirectParamA(GetModuleHandleA(nullptr), tmpl.Data(),
                                                   forms::Application().WorkingWindow(),
                                                   MsgDlgProc, reinterpret_cast<LPARAM>(&setup));
    // A dialog that could not be shown agrees to nothing.
    if (result <= 0) return mrCancel;
    return static_cast<int>(result);
}

int CALLBACK BrowseCallbackProc(HWND window, UINT message, LPARAM /*param*/, LPARAM data)
{
    if (message == BFFM_INITIALIZED) SendMessageA(window, BFFM_SETSELECTIONA, TRUE, data);
    return 0;
}

// Runs the shell's folder browser; on a chosen folder with a file-system
// path, stores that path and returns true.
static bool RunFolderBrowser(BROWSEINFOA& info, std::string& path)
{
    bool chosen = false;
    PIDLIST_ABSOLUTE item = SHBrowseForFolderA(&info);
    if (item) {
        char folder[MAX_PATH] = {};
        if (SHGetPathFromIDListA(item, folder)) {
            path = folder;
            chosen = true;
        }
        CoTaskMemFree(item);
    }
    return chosen;
}

bool BrowseForFolder(HWND owner, const std::string& title, std::string& path)
{
    PIDLIST_ABSOLUTE root = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(owner, CSIDL_DRIVES, &root))) root = nullptr;

    char displayName[MAX_PATH] = {};
    BROWSEINFOA info{};
    info.hwndOwner = forms::Application().WorkingWindow();
    info.pidlRoot = root;
    info.pszDisplayName = displayName;
    info.lpszTitle = title.c_str();
    info.lpfn = BrowseCallbackProc;
    info.lParam = reinterpret_cast<LPARAM>(path.c_str());

    const bool chosen = RunFolderBrowser(info, path);
    CoTaskMemFree(root);
    return chosen;
}

bool SelectFolder(std::string& path, const std::string& title)
{
    // The resizable browser with its edit box needs COM on this thread.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);

    char displayName[MAX_PATH] = {};
    BROWSEINFOA info{};
    info.hwndOwner = forms::Application().WorkingWindow();
    info.pidlRoot = nullptr;
    info.pszDisplayName = displayName;
    info.lpszTitle = title.c_str();
    info.ulFlags = BIF_EDITBOX | BIF_NEWDIALOGSTYLE;

    const bool chosen = RunFolderBrowser(info, path);
    if (SUCCEEDED(com)) CoUninitialize();
    return chosen;
}
