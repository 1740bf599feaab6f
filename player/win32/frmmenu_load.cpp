// The menu window's construction, start-up, menu loading and shutdown.
#include <algorithm>
#include <cstdio>
#include <stdexcept>

#include "forms/portable/FileSystem.h"
#include "forms/win32/Application.h"
#include "player/logic/CommandLine.h"
#include "player/logic/ErrFile.h"
#include "player/logic/FirstPictures.h"
#include "player/logic/RemoteLaunch.h"
#include "player/logic/TextUtils.h"
#include "player/win32/PlayerGlobals.h"
#include "player/win32/frmmenu.h"
#include "player/win32/launch.h"
#include "player/win32/sounds.h"
#include "shared/MenuBody.h"
#include "shared/win32/mdlfilebin_win32.h"

TfrmMenuCls* frmMenu = nullptr;

namespace {

// The menu-file readers' own messages (a refused header) are the player's
// messages: captioned with its title and sent through its message seam.
class PlayerFileHost : public DialogMenuFileHost {
public:
    void ShowError(const std::string& text) override { PlayerMsg(text, TMsgDlgType::mtError); }
    void ShowInformation(const std::string& text) override { PlayerMsg(text, TMsgDlgType::mtInformation); }
};

const char* const kMenuUnreadable = "Menu could not be read.";
const char* const kNotVersion8 =
    "Application Terminating\r\rInternal menu is not an Autorun Quorvel Version 8 menu.\r"
    "You must save your menu in the Version 8 Menu Editor\rbefore compiling into your Autorun Executable.";
const char* const kBinaryDataError = "Error loading binary menu data.";

std::string ReadText(const std::string& path) {
    std::vector<uint8_t> bytes;
    if (!forms::ReadWholeFile(path, bytes)) return std::string();
    return std::string(bytes.begin(), bytes.end());
}

std::string ChangeFileExt(const std::string& name, const std::string& ext) {
    const size_t dot = name.rfind('.');
    return (dot == std::string::npos ? name : name.substr(0, dot)) + ext;
}

forms::Font LabelFont(const TTextFont& f, int32_t color) {
    forms::Font font(f.Name.empty() ? "Tahoma" : f.Name, f.Size > 0 ? f.Size : 8, f.Bold, f.Italic, f.Underline);
    font.SetColor(static_cast<forms::Color>(color & 0xFFFFFF));
    return font;
}

}  // namespace

TfrmMenuCls::TfrmMenuCls() : forms::Form(nullptr, forms::BorderStyle::None, forms::biSystemMenu) {
    frmMenu = this;
    SetName("frmMenu");
    SetColor(forms::clBtnFace);
    SetFont(forms::Font("Tahoma", 8));

    PopupMenu1 = new forms::PopupMenu(this);
    PopupMenu1->SetName("PopupMenu1");
    About1 = PopupMenu1->AddItem("About1", "About", [this](forms::Component& s) { About1Click(s); });

    imgAboutIcon = new forms::Image(this, this);
    imgAboutIcon->SetName("imgAboutIcon");
    imgAboutIcon->SetBounds(0, 0, 32, 32);
    imgAboutIcon->Hide();

    auto makeTimer = [this](const char* name, void (TfrmMenuCls::*tick)(forms::Component&)) {
        auto* t = new forms::Timer(this);
        t->SetName(name);
        t->OnTimer = [this, tick](forms::Component& s) { (this->*tick)(s); };
        return t;
    };
    Timer1 = makeTimer("Timer1", &TfrmMenuCls::Timer1_Timer);
    Timer2 = makeTimer("Timer2", &TfrmMenuCls::Timer2_Timer);
    Timer3 = makeTimer("Timer3", &TfrmMenuCls::Timer3_Timer);
    Timer4 = makeTimer("Timer4", &TfrmMenuCls::Timer4_Timer);
    Timer5 = makeTimer("Timer5", &TfrmMenuCls::Timer5_Timer);
    tmrARstr = makeTimer("tmrARstr", &TfrmMenuCls::tmrARstr_Timer);

    OnCreate = [this](forms::Component& s) { Form_Load(s); };
    OnDestroy = [this](forms::Component& s) { Form_Unload(s); };
    OnMouseWheelDown = [this](forms::Control& s, forms::ShiftState sh, int x, int y, bool& h) {
        FormMouseWheelDown(s, sh, x, y, h);
    };
    OnMouseWheelUp = [this](forms::Control& s, forms::ShiftState sh, int x, int y, bool& h) {
        FormMouseWheelUp(s, sh, x, y, h);
    };
    OnKeyDown = [this](forms::Control& s, uint16_t& k, forms::ShiftState sh) { FormKeyDown(s, k, sh); };
    OnKeyPress = [this](forms::Control& s, char& k) { FormKeyPress(s, k); };
}

TfrmMenuCls::~TfrmMenuCls() {
    if (WaitProcess) CloseHandle(WaitProcess);
    if (frmMenu == this) frmMenu = nullptr;
}

void TfrmMenuCls::Form_Load(forms::Component&) {
    if (formLoaded_) return;
    formLoaded_ = true;

    AltDown = 0;
    AccShownFor = -2;
    AppFolder = WithTrailingBackslash(FolderPart(PlayerExePath));
    SourcePath = AppFolder;

    const std::string remoteFile = AppFolder + player::kRemoteLaunchFileName;
    if (forms::FileExists(remoteFile) && player::RemoteLaunchAsks(ReadText(remoteFile))) {
        std::string typed = SourcePath;
        const bool accepted = AskDriveLetter(player::kDrivePromptCaption, player::kDrivePromptText, typed);
        SourcePath = player::SourcePathAfterPrompt(SourcePath, accepted, typed);
    }

    StartTitle = forms::Application().Title();
    ExeFileName = FileNamePart(PlayerExePath);

    const std::string iconFile = AppFolder + ChangeFileExt(ExeFileName, ".ico");
    if (forms::FileExists(iconFile)) forms::Application().LoadIconFile(iconFile);
    imgAboutIcon->SetPicture(forms::IconToPicture(forms::Application().Icon(), 32));
    // The pop-up's About item shows the same icon, small.
    About1->SetImage(forms::IconToPicture(forms::Application().Icon(), 16));

    ScrollText.clear();

    try {
        LoadSounds();
    } catch (const std::exception& e) {
        PlayerMsg(e.what(), TMsgDlgType::mtError);
        ShuttingDown = true;
        forms::Application().Terminate();
        return;
    }

    const player::PackError packError = player::ReadPackFile(AppFolder + ExeFileName, Pack);
    if (packError != player::PackError::None) {
        PlayerMsg(player::PackErrorMessage(packError), TMsgDlgType::mtError);
        PlayerMsg(player::kInternalMenuError, TMsgDlgType::mtError);
        ShuttingDown = true;
        Form_Unload(*this);
        forms::Application().Terminate();
        return;
    }

    CreateMenuControls();

    ReportNotFound = ReportNoViewer = true;
    const std::string errFile = AppFolder + player::kErrFileName;
    if (forms::FileExists(errFile)) {
        const player::ErrSwitches switches = player::ReadErrFile(ReadText(errFile));
        ReportNotFound = switches.ReportNotFound;
        ReportNoViewer = switches.ReportNoViewer;
        if (switches.conversionError) PlayerMsg(player::ErrFileConversionMessage(switches), TMsgDlgType::mtError);
    }

    LoadMenu(player::ChooseStartMenu(StartArgument, Pack));
    PlayEventSound(player::SndStart, MenuName, 0, Menu.SoundsOn != 0);
}

void TfrmMenuCls::Form_Unload(forms::Component&) {
    if (unloaded_) return;
    unloaded_ = true;
    forms::Application().ProcessMessages();
    PlayEventSound(player::SndExit, MenuName, 0, Menu.SoundsOn != 0);
}

void TfrmMenuCls::CreateMenuControls() {
    MenBck = new forms::Image(this, this);
    MenBck->SetName("MenBck");
    MenBck->SetAutoSize(true);
    MenBck->OnMouseDown = [this](forms::Control& s, forms::MouseButton b, forms::ShiftState sh, int x, int y) {
        MenBckMouseDown(s, b, sh, x, y);
    };
    MenBck->OnMouseMove = [this](forms::Control& s, forms::ShiftState sh, int x, int y) {
        MenBckMouseMove(s, sh, x, y);
    };
    MenBck->OnMouseUp = [this](forms::Control& s, forms::MouseButton b, forms::ShiftState sh, int x, int y) {
        MenBckMouseUp(s, b, sh, x, y);
    };
    MenBck->SetPopupMenu(PopupMenu1);
    MenBck->SetBounds(0, 0, 1, 1);
    MenBck->SendToBack();

    // Moves, presses and clicks over the accessory boxes reach the object
    // or the background beneath them.
    AccessoryImage = new ShowOnlyImage(this, this);
    AccessoryImage->SetName("AccessoryImage");
    AccessoryImage->SetAutoSize(true);

    AccessoryText = new ShowOnlyImage(this, this);
    AccessoryText->SetName("AccessoryText");
    AccessoryText->SetAutoSize(false);
    AccessoryText->SetStretch(false);
    AccessoryText->SetBounds(40, 40, 200, 100);

    TimeLabel = new forms::Label(this, this);
    TimeLabel->SetName("lblTime");
    TimeLabel->SetTransparent(true);
    TimeLabel->SetBounds(20, 200, 60, 17);
    DateLabel = new forms::Label(this, this);
    DateLabel->SetName("lblDate");
    DateLabel->SetTransparent(true);
    DateLabel->SetBounds(95, 200, 60, 17);
    UpdateClock();

    Timer1->SetInterval(1000);
    Menu.TransColor = -1;
    Menu.AnimInterval = 100;
}

void TfrmMenuCls::UpdateClock() {
    char text[128];
    if (GetTimeFormatA(LOCALE_USER_DEFAULT, 0, nullptr, nullptr, text, sizeof text) > 0) TimeLabel->SetCaption(text);
    if (GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, nullptr, nullptr, text, sizeof text) > 0)
        DateLabel->SetCaption(text);
}

void TfrmMenuCls::FreeMenuControls() {
    for (ObjControls& c : Ctl) {
        if (c.ImgBtn) c.ImgBtn->Free();
        if (c.WinBtn) c.WinBtn->Free();
        if (c.KeyBtn) c.KeyBtn->Free();
        c = ObjControls();
    }
}

void TfrmMenuCls::ResetRunState() {
    Ctl.assign(kButtonSlots, ObjControls());
    BtnState.assign(kButtonSlots, Up);
    BtnFrame.assign(kButtonSlots, 0);
    BtnDir.assign(kButtonSlots, 0);
    LastFrame.assign(kButtonSlots, std::array<int, kPicStates>{0, 0, 0, 0});
    CurBtn = 0;
    AccFrame = 0;
    AccShownFor = -2;
    FocusedWinBtn = 0;
    AltDown = 0;
    lastMouse_ = POINT{-1, -1};
    dragging_ = 0;
    AccessoryImage->SetTag(-1);
    AccessoryImage->ClearPicture();
    AccessoryImage->Hide();
    AccessoryText->ClearPicture();
}

bool TfrmMenuCls::LoadMenu(std::string name) {
    // A menu on the screen stays there, untouched, until the named one has
    // been read: input and its timers keep away meanwhile.
    const bool menuShown = MenuLoaded == 1 && !ShuttingDown;
    Loading = true;
    Timer3->SetInterval(0);
    Timer4->SetInterval(0);
    Timer5->SetInterval(0);
    PendingLaunch = 0;

    std::vector<DeferredPicture> laterPictures;
    bool damaged = false;
    std::unique_ptr<TAQMenu> next = StartMenu.Take(AppFolder + ExeFileName, name, laterPictures);
    if (!next) {
        MenuRead read = MenuRead::Unreadable;
        try {
            next = std::make_unique<TAQMenu>();
            read = ReadPackedMenu(name, *next, laterPictures, damaged);
        } catch (const std::exception&) {
            PlayerMsg(kMenuUnreadable, TMsgDlgType::mtError);  // out of memory for the record
        }
        if (read != MenuRead::Usable) {
            // One sub-menu that cannot be read does not end the program: the
            // user goes on with the menu shown. The first menu, or one that
            // needs a newer player, ends it.
            if (read == MenuRead::Unreadable && menuShown)
                ResumeShownMenu();
            else
                DelayedShutdown();
            return false;
        }
    }

    ++MenuSerial;
    SelectedBtn = 0;
    MenuName = name;
    Hide();
    FreeMenuControls();
    Menu = std::move(*next);
    next.reset();
    ResetRunState();
    bool shown = false;
    try {
        ShowReadMenu(laterPictures, damaged);
        shown = true;
    } catch (const std::exception&) {
        damaged = true;  // out of memory for a picture, for instance
    }
    FinishLoad(shown, damaged);
    return shown && !ShuttingDown;
}

TfrmMenuCls::MenuRead TfrmMenuCls::ReadPackedMenu(std::string name, TAQMenu& menu,
                                                  std::vector<DeferredPicture>& laterPictures, bool& damaged) {
    PlayerFileHost host;
    TMenuFile menuFile(host);
    menuFile.ClearMnuError();
    bool usable = false;
    std::unique_ptr<forms::FileStream> file = forms::FileStream::Open(AppFolder + ExeFileName, forms::FileMode::OpenRead);
    if (file) {
        menuFile.SetMnuStream(std::move(file));
        if (!player::SeekPacked(Pack, name, *menuFile.MnuStream())) {
            // A packed menu whose data lies outside the file is only unreadable.
            std::string packed = name;
            if (!player::IsPacked(Pack, packed)) PlayerMsg(player::NotPackedMessage(name), TMsgDlgType::mtWarning);
        } else if (menuFile.ReadMnuHeader()) {
            if (menuFile.MnuHeader().HdrMajor < 8) {
                menuFile.CloseMnuFile();
                PlayerMsg(kNotVersion8, TMsgDlgType::mtInformation);
                return MenuRead::TooOld;
            }
            if (menuFile.MnuHeader().HdrObjects <= kMaxObjects) {
                bool whole = true;
                try {
                    ReadMenuBody(menuFile, menu, player::FirstPaintReading(laterPictures), nullptr);
                } catch (const std::exception&) {
                    whole = false;  // out of memory for a picture, for instance
                }
                menu.BtnCount = std::clamp(menu.BtnCount, 0, kMaxObjects);
                damaged = !whole || menuFile.MnuError() != 0;
                // A window without a background would be an invisible program.
                usable = whole && HasPic(menu.Buttons[0].Pics[Up][0]);
            }
        }
    }
    menuFile.CloseMnuFile();
    if (usable) return MenuRead::Usable;
    laterPictures.clear();
    if (damaged) ShowPlayerMsg(kBinaryDataError, TMsgDlgType::mtWarning, "");
    PlayerMsg(kMenuUnreadable, TMsgDlgType::mtError);
    return MenuRead::Unreadable;
}

void TfrmMenuCls::StartMenuTimers() {
    Timer3->SetInterval(Menu.AnimInterval > 0 ? Menu.AnimInterval : 0);
    Timer4->SetInterval(Menu.ScrollTitle ? 160 : 0);
}

void TfrmMenuCls::ResumeShownMenu() {
    StartMenuTimers();
    Loading = false;
    TakeKeyboardFocus();
}

void TfrmMenuCls::FinishLoad(bool shown, bool damaged) {
    if (!shown) {
        Hide();
        if (damaged) ShowPlayerMsg(kBinaryDataError, TMsgDlgType::mtWarning, "");
        PlayerMsg(kMenuUnreadable, TMsgDlgType::mtError);
        DelayedShutdown();
        return;
    }
    if (damaged) ShowPlayerMsg(kBinaryDataError, TMsgDlgType::mtWarning, "");

    StartMenuTimers();

    Loading = false;
    const unsigned serial = MenuSerial;
    forms::Application().ProcessMessages();
    if (serial != MenuSerial) return;
    MenuLoaded = 1;
    forms::Application().ProcessMessages();
    if (serial != MenuSerial) return;
    if (Menu.DefaultBtn >= 1 && Menu.DefaultBtn <= Menu.BtnCount) SelectButton(Menu.DefaultBtn);
    if (serial != MenuSerial) return;
    TakeKeyboardFocus();
}

void TfrmMenuCls::ShowReadMenu(std::vector<DeferredPicture>& laterPictures, bool& laterDamaged) {
    // Only the pictures of the first paint were decoded while the file was
    // read; the other frames follow once the menu is on the screen.
    const PicRef& background = Menu.Buttons[0].Pics[Up][0];

    ApplyMenuSettings();
    for (int n = 1; n <= Menu.BtnCount; ++n) {
        CreateButtonControls(n);
        ApplyObject(n);
    }
    AccessoryText->BringToFront();

    UpdateClock();
    // The window keeps the background from here on: the record's pixels
    // are not needed again and move over instead of being copied.
    MenBck->SetPicture(forms::Picture(std::move(*background)));
    PositionWindow(Menu.ScreenPos);
    ApplyWinRgn();

    for (int n = 1; n <= Menu.BtnCount; ++n) ShowObject(n);

    SelectedBtn = -2;
    ShowAccessory(-1);
    Show();
    Repaint();
    // The finished picture goes to the screen before the other frames are
    // decoded: some window systems copy a window's drawing to the screen
    // only when its thread next waits for messages.
    GdiFlush();
    MsgWaitForMultipleObjectsEx(0, nullptr, 0, QS_ALLINPUT, 0);
    ShowShortcutButtons();
    if (!DecodeLaterPictures(laterPictures)) laterDamaged = true;
    CountFrames();
}

bool TfrmMenuCls::DecodeLaterPictures(std::vector<DeferredPicture>& laterPictures) {
    if (laterPictures.empty()) return true;
    // The pictures are read again from the file the menu came from.
    std::unique_ptr<forms::FileStream> file = forms::FileStream::Open(AppFolder + ExeFileName, forms::FileMode::OpenRead);
    const bool decoded = file && DecodeDeferredPictures(Menu, laterPictures, *file);
    laterPictures.clear();
    return decoded;
}

void TfrmMenuCls::TakeKeyboardFocus() {
    // The selected (or default) object takes the focus, so that Return acts
    // on it; with none, the window itself takes the keys and the arrows
    // start from the first or the last object.
    const int n = SelectedBtn >= 1 && SelectedBtn <= Menu.BtnCount ? SelectedBtn : 0;
    forms::WinControl* target = nullptr;
    if (n > 0 && Ctl[n].KeyBtn->Visible()) {
        target = Ctl[n].KeyBtn;
    } else if (n > 0 && Ctl[n].WinBtn->Visible()) {
        target = Ctl[n].WinBtn;
    }
    if (target) {
        SetActiveControl(target);
    } else {
        SetActiveControl(nullptr);
        if (Handle()) ::SetFocus(Handle());
    }
}

void TfrmMenuCls::ApplyMenuSettings() {
    SetCaption(Menu.MenuTitle);
    forms::Application().SetTitle(Menu.MenuTitle);
    ScrollText = Menu.MenuTitle + "     ";

    AccessoryText->SetBounds(Menu.AccTextLeft, Menu.AccTextTop, Menu.AccTextWidth, Menu.AccTextHeight);
    AccessoryText->Show();

    TimeLabel->SetVisible(Menu.TimeVisible);
    DateLabel->SetVisible(Menu.DateVisible);
    TimeLabel->SetFont(LabelFont(Menu.TimeFont, Menu.LabelColor));
    DateLabel->SetFont(LabelFont(Menu.DateFont, Menu.LabelColor));
    TimeLabel->SetBounds(Menu.TimeLeft, Menu.TimeTop, TimeLabel->Width(), TimeLabel->Height());
    DateLabel->SetBounds(Menu.DateLeft, Menu.DateTop, DateLabel->Width(), DateLabel->Height());

    AccessoryImage->SetBounds(Menu.AccImageLeft, Menu.AccImageTop, AccessoryImage->Width(), AccessoryImage->Height());
}

void TfrmMenuCls::CreateButtonControls(int n) {
    char suffix[8];
    std::snprintf(suffix, sizeof suffix, "%.3d", n);
    ObjControls& c = Ctl[n];

    c.WinBtn = new forms::Button(this, this);
    c.WinBtn->SetName(std::string("WinBtn") + suffix);
    c.WinBtn->OnKeyDown = [this](forms::Control& s, uint16_t& k, forms::ShiftState sh) { cmdButton_KeyDown(s, k, sh); };
    c.WinBtn->OnKeyPress = [this](forms::Control& s, char& k) { btnShortcutKeyPress(s, k); };
    c.WinBtn->OnKeyUp = [this](forms::Control& s, uint16_t& k, forms::ShiftState sh) { cmdButton_KeyUp(s, k, sh); };
    c.WinBtn->OnEnter = [this](forms::Component& s) { cmdButton_GotFocus(s); };
    c.WinBtn->OnMouseMove = [this](forms::Control& s, forms::ShiftState sh, int x, int y) {
        cmdButton_MouseMove(s, sh, x, y);
    };
    c.WinBtn->OnClick = [this](forms::Component& s) { cmdButton_Click(s); };
    c.WinBtn->SetTabStop(true);
    c.WinBtn->Hide();
    c.WinBtn->SetBounds(200, 60, 97, 25);
    c.WinBtn->SetCaption("Button &" + std::to_string(n));
    c.WinBtn->BringToFront();

    c.ImgBtn = new forms::Image(this, this);
    c.ImgBtn->SetName(std::string("ImgBtn") + suffix);
    c.ImgBtn->OnMouseDown = [this](forms::Control& s, forms::MouseButton b, forms::ShiftState sh, int x, int y) {
        picButton_MouseDown(s, b, sh, x, y);
    };
    c.ImgBtn->OnMouseMove = [this](forms::Control& s, forms::ShiftState sh, int x, int y) {
        picButton_MouseMove(s, sh, x, y);
    };
    c.ImgBtn->OnMouseUp = [this](forms::Control& s, forms::MouseButton b, forms::ShiftState sh, int x, int y) {
        picButton_MouseUp(s, b, sh, x, y);
    };
    c.ImgBtn->Hide();
    c.ImgBtn->SetStretch(true);
    c.ImgBtn->SetTag(Up);

    c.KeyBtn = new forms::Button(this, this);
    c.KeyBtn->SetName(std::string("KeyBtn") + suffix);
    c.KeyBtn->OnKeyDown = [this](forms::Control& s, uint16_t& k, forms::ShiftState sh) { btnShortcutKeyDown(s, k, sh); };
    c.KeyBtn->OnKeyPress = [this](forms::Control& s, char& k) { btnShortcutKeyPress(s, k); };
    c.KeyBtn->OnEnter = [this](forms::Component& s) { btnShortcut_GotFocus(s); };
    c.KeyBtn->OnClick = [this](forms::Component& s) { btnShortcut_Click(s); };
    c.KeyBtn->SetTabStop(true);
    c.KeyBtn->SetBounds(-40, -40, 20, 20);
    c.KeyBtn->BringToFront();
    // Shown (ShowShortcutButtons) once the menu is on the screen: nothing
    // can reach it before, and its window need not hold up the first paint.
    c.KeyBtn->Hide();
}

// Places object n's controls and gives them the record's captions.
void TfrmMenuCls::ApplyObject(int n) {
    const TAQButton& b = Menu.Buttons[n];
    ObjControls& c = Ctl[n];
    c.ImgBtn->SetBounds(b.Left, b.Top, b.ObjWidth, b.ObjHeight);
    c.WinBtn->SetBounds(b.Left, b.Top, b.ObjWidth, b.ObjHeight);
    // "none" (or nothing) means the object has no shortcut: its shortcut
    // button then carries no accelerator at all.
    const bool noShortcut = b.ShortcutKey.empty() || player::SameText(b.ShortcutKey, "none");
    c.KeyBtn->SetCaption(noShortcut ? std::string() : "&" + b.ShortcutKey);
    if (b.ObjectKind == WindowsButton) c.WinBtn->SetCaption(b.Caption);
}

void TfrmMenuCls::ShowObject(int n) {
    const TAQButton& b = Menu.Buttons[n];
    ObjControls& c = Ctl[n];
    switch (b.ObjectKind) {
        case GraphicalButton:
            ShowPic(*c.ImgBtn, b.Pics[Up][0]);
            c.ImgBtn->Show();
            break;
        case WindowsButton:
            c.WinBtn->Show();
            break;
        case TextButton:
            c.ImgBtn->SetPicture(b.LookPNG);
            c.ImgBtn->Show();
            break;
        case PlcImage:
            ShowPic(*c.ImgBtn, b.Pics[Up][1]);
            c.ImgBtn->Show();
            break;
        default:
            c.ImgBtn->SetEnabled(false);
            c.ImgBtn->SetPicture(b.LookPNG);
            c.ImgBtn->Show();
            c.WinBtn->Hide();
            break;
    }
}

void TfrmMenuCls::ShowShortcutButtons() {
    // Windows buttons carry their shortcut in their own caption; text and
    // shapes take no input.
    for (int n = 1; n <= Menu.BtnCount; ++n) {
        const int kind = Menu.Buttons[n].ObjectKind;
        if (kind == GraphicalButton || kind == TextButton || kind == PlcImage) Ctl[n].KeyBtn->Show();
    }
}

void TfrmMenuCls::ShowPic(forms::Image& image, const PicRef& pic) {
    if (HasPic(pic)) {
        image.SetPicture(*pic);
    } else {
        image.ClearPicture();
    }
}

void TfrmMenuCls::DelayedShutdown() {
    ShuttingDown = true;
    Timer3->SetInterval(0);
    Timer4->SetInterval(0);
    Timer5->SetInterval(0);
    Hide();
    SetBounds(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), 0, 0);
    Timer2->SetInterval(600);
}
