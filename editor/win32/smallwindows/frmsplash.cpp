#include "editor/win32/smallwindows/frmsplash.h"

#include <windows.h>

#include "EditorResources.h"
#include "editor/win32/smallwindows/ResourcePicture.h"
#include "editor/win32/smallwindows/SeeThroughColor.h"
#include "shared/win32/mdlfilebin_win32.h"

uint8_t SplashDone = 0;

namespace {

constexpr int kWidth = 392, kHeight = 212;
constexpr forms::Color kLime = 0x00FF00;
constexpr forms::Color kNoticeColor = 0xC8C8C8;

const char kShortNotice[] = "Copyright \xA9 2026 Tarvik Software. All rights reserved.";
const char kLongNotice[] =
    "Copyright \xA9 2026 Tarvik Software. All rights reserved. This program is protected by "
    "copyright law; copying or distributing it without permission is not allowed. The menus "
    "you make with it are your own.";

std::string OwnExecutablePath() {
    char path[MAX_PATH] = {};
    const DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    return n > 0 && n < MAX_PATH ? std::string(path, n) : std::string();
}

forms::Label* NoticeLabel(TfrmSplashCls* form, const char* name, int left, int top, int width, int height) {
    auto* label = new forms::Label(form, form);
    label->SetName(name);
    label->SetAutoSize(false);
    label->SetWordWrap(true);
    label->SetFont(forms::Font("Verdana", 7, false, false, false, kNoticeColor));
    label->SetBounds(left, top, width, height);
    return label;
}

}  // namespace

TfrmSplashCls::TfrmSplashCls(Use use) : use_(use) {
    SetName("frmSplash");
    SetBorderStyle(forms::BorderStyle::None);
    SetColor(forms::clBlack);
    SetClientSize(kWidth, kHeight);

    Image2 = new forms::Image(this, this);
    Image2->SetName("Image2");
    Image2->SetBounds(0, 0, kWidth, kHeight);
    Image2->SetPicture(LoadResourcePicture(editor_resources::kSplashResource));

    Label3000 = new forms::Label(this, this);
    Label3000->SetName("Label3000");
    Label3000->SetAutoSize(false);
    Label3000->SetAlignment(forms::Alignment::Right);
    Label3000->SetFont(forms::Font("Verdana", 8, true, false, false, forms::clWhite));
    Label3000->SetBounds(170, 34, 196, 16);

    lblShortNotice = NoticeLabel(this, "lblShortNotice", 20, 172, 352, 28);
    lblLongNotice = NoticeLabel(this, "lblLongNotice", 170, 56, 200, 62);
    lblLongNotice->SetVisible(false);

    Command1 = new forms::Button(this, this);
    Command1->SetName("Command1");
    Command1->SetCaption("&Close");
    Command1->SetBounds(291, 174, 75, 23);
    Command1->SetDefault(true);
    Command1->SetCancel(true);
    Command1->SetModalResult(forms::mrOk);
    Command1->SetVisible(false);

    Timer1 = new forms::Timer(this);
    Timer1->SetName("Timer1");
    Timer1->OnTimer = [this](forms::Component& s) { Timer1_Timer(s); };

    if (use == Use::About) {
        lblShortNotice->SetVisible(false);
        lblLongNotice->SetVisible(true);
        Command1->SetVisible(true);
    }
    SetSeeThroughColor(*this, kLime);
    SetStayOnTop(true);
    CenterOnScreen();
    OnClose = [](forms::Component&, forms::CloseAction& action) { action = forms::CloseAction::Free; };
    // Loaded here rather than on OnCreate, so that a window made without
    // Application().CreateForm (on the stack) is complete too.
    Form_Load(*this);
}

void TfrmSplashCls::Form_Load(forms::Component&) {
    // Only the splash is waited for; an About box opened meanwhile leaves
    // the start-up's wait alone.
    if (use_ == Use::Splash) SplashDone = 0;
    Label3000->SetCaption("VERSION: " + GetFileVersion(OwnExecutablePath(), 1));
    lblShortNotice->SetCaption(kShortNotice);
    lblLongNotice->SetCaption(kLongNotice);
}

void TfrmSplashCls::Timer1_Timer(forms::Component&) {
    SplashDone = 1;
    Timer1->SetInterval(0);
    Release();
}
