// The player's menu window: a borderless form that shows one packed menu at a
// time. It holds the menu record, the three controls of each object beside
// it (indexed by object number), the run-time state of the buttons, and the
// six timers: clock (Timer1), shutdown (Timer2), animation (Timer3), scrolling
// title (Timer4), deferred Windows-button launch (Timer5) and the poll of a
// program the menu waits for (tmrARstr).
//
// Loading a menu stops the menu's timers and turns every input handler away
// until the new menu's controls exist, so nothing touches the old menu's
// controls or pictures while they are replaced. The menu shown stays, as it
// was, until the new one has been read: a sub-menu that cannot be read is
// reported and the user goes on with the menu shown. MenuSerial counts the
// menus shown: a handler that ran a launch compares it afterwards and stops
// when the launch replaced the menu.
#pragma once
#include <windows.h>

#include <array>
#include <string>
#include <vector>

#include "forms/win32/Button.h"
#include "forms/win32/Form.h"
#include "forms/win32/Image.h"
#include "forms/win32/Label.h"
#include "forms/win32/Menus.h"
#include "forms/win32/Timer.h"
#include "shared/MenuBody.h"
#include "shared/MenuType.h"
#include "shared/mdlfilebin.h"

// A picture box of the menu window that only shows: the mouse passes
// through it to whatever lies beneath (a button, the background). The
// accessory picture and text boxes are such boxes, so that they show the
// content of the button under the pointer and never stand in for it.
class ShowOnlyImage : public forms::Image {
public:
    using forms::Image::Image;
    bool HitTest(int, int) const override { return false; }
};

class TfrmMenuCls : public forms::Form {
public:
    TfrmMenuCls();
    ~TfrmMenuCls() override;

    // ---- start-up, loading and shutdown ----
    void Form_Load(forms::Component& sender);
    void Form_Unload(forms::Component& sender);
    void CreateMenuControls();
    // Reads the named packed menu and shows it in place of the current one;
    // false when it could not be shown. Then a menu that was on the screen
    // stays, unless the named menu needs a newer player; without one (the
    // first menu) the program ends.
    bool LoadMenu(std::string name);
    void CreateButtonControls(int n);
    void DelayedShutdown();

    // ---- buttons: pictures, states, selection, accessory, animation ----
    bool HasButtonPic(int object, int state, int frame) const;
    void CountFrames();
    void SetButtonState(int n, int state, bool withAccessory);
    void SelectButton(int n);
    void ShowAccessory(int n);
    void AnimateButtons();

    // ---- window placement and shape ----
    void PositionWindow(int code);
    void ApplyWinRgn();
    HRGN MakeWinRgn() const;

    // ---- input ----
    void MenBckMouseDown(forms::Control& sender, forms::MouseButton button, forms::ShiftState shift, int x, int y);
    void MenBckMouseMove(forms::Control& sender, forms::ShiftState shift, int x, int y);
    void MenBckMouseUp(forms::Control& sender, forms::MouseButton button, forms::ShiftState shift, int x, int y);
    void picButton_MouseDown(forms::Control& sender, forms::MouseButton button, forms::ShiftState shift, int x, int y);
    void picButton_MouseMove(forms::Control& sender, forms::ShiftState shift, int x, int y);
    void picButton_MouseUp(forms::Control& sender, forms::MouseButton button, forms::ShiftState shift, int x, int y);
    void cmdButton_MouseMove(forms::Control& sender, forms::ShiftState shift, int x, int y);
    void cmdButton_Click(forms::Component& sender);
    void cmdButton_GotFocus(forms::Component& sender);
    void cmdButton_KeyDown(forms::Control& sender, uint16_t& key, forms::ShiftState shift);
    void cmdButton_KeyUp(forms::Control& sender, uint16_t& key, forms::ShiftState shift);
    void btnShortcut_GotFocus(forms::Component& sender);
    void btnShortcut_Click(forms::Component& sender);
    void btnShortcutKeyDown(forms::Control& sender, uint16_t& key, forms::ShiftState shift);
    void btnShortcutKeyPress(forms::Control& sender, char& key);
    void FormMouseWheelDown(forms::Control& sender, forms::ShiftState shift, int x, int y, bool& handled);
    void FormMouseWheelUp(forms::Control& sender, forms::ShiftState shift, int x, int y, bool& handled);
    // Keys that reach the window itself (no object has the focus).
    void FormKeyDown(forms::Control& sender, uint16_t& key, forms::ShiftState shift);
    void FormKeyPress(forms::Control& sender, char& key);
    void About1Click(forms::Component& sender);

    // ---- timers ----
    void Timer1_Timer(forms::Component& sender);
    void Timer2_Timer(forms::Component& sender);
    void Timer3_Timer(forms::Component& sender);
    void Timer4_Timer(forms::Component& sender);
    void Timer5_Timer(forms::Component& sender);
    void tmrARstr_Timer(forms::Component& sender);

    // Moves the keyboard focus to object n (its shortcut button, else its
    // Windows button), which selects it.
    void FocusObject(int n);
    // The object number carried by the last three characters of a control's name.
    int ObjectOf(const forms::Component& sender) const;
    // True while input and timers may work on the menu.
    bool Ready() const { return !Loading && !ShuttingDown; }
    bool IsButtonKind(int n) const;

    // ---- the menu and its controls ----
    TAQMenu Menu;
    struct ObjControls {
        forms::Button* WinBtn = nullptr;
        forms::Image* ImgBtn = nullptr;
        forms::Button* KeyBtn = nullptr;
    };
    std::vector<ObjControls> Ctl;  // indexed by object number

    forms::Image* MenBck = nullptr;  // the background picture
    ShowOnlyImage* AccessoryImage = nullptr;
    ShowOnlyImage* AccessoryText = nullptr;
    forms::Label* TimeLabel = nullptr;
    forms::Label* DateLabel = nullptr;
    forms::Image* imgAboutIcon = nullptr;
    forms::PopupMenu* PopupMenu1 = nullptr;
    forms::MenuItem* About1 = nullptr;
    forms::Timer* Timer1 = nullptr;
    forms::Timer* Timer2 = nullptr;
    forms::Timer* Timer3 = nullptr;
    forms::Timer* Timer4 = nullptr;
    forms::Timer* Timer5 = nullptr;
    forms::Timer* tmrARstr = nullptr;

    // ---- run-time state ----
    std::string MenuName;
    uint8_t MenuLoaded = 0;
    int SelectedBtn = 0;
    int CurBtn = 0;
    int AccShownFor = -2;
    std::vector<int> BtnState, BtnFrame, BtnDir;
    std::vector<std::array<int, kPicStates>> LastFrame;
    int AccFrame = 0;
    uint8_t RegionApplied = 0;
    unsigned MenuSerial = 0;
    bool Loading = false;
    bool ShuttingDown = false;

    int PendingLaunch = 0;
    HANDLE WaitProcess = nullptr;
    uint8_t AltDown = 0;
    int FocusedWinBtn = 0;
    std::string ScrollText;
    int ScrollPos = 0;

protected:
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    enum class MenuRead { Usable, Unreadable, TooOld };
    // Reads the named packed menu into menu (and the places of the pictures
    // the first paint does not need into laterPictures); damaged is set when
    // a picture or field was damaged. A menu that cannot be shown (not
    // packed, its data not there, a refused header, no background) has been
    // reported when this returns Unreadable, one saved by an older editor
    // when it returns TooOld.
    MenuRead ReadPackedMenu(std::string name, TAQMenu& menu, std::vector<DeferredPicture>& laterPictures,
                            bool& damaged);
    // Shows the menu just moved into Menu (it has a background picture),
    // then decodes the pictures left for later (laterDamaged set when one of
    // them is damaged). May throw when memory runs out.
    void ShowReadMenu(std::vector<DeferredPicture>& laterPictures, bool& laterDamaged);
    // The pictures the first paint did not need, read from the menu's file
    // and decoded; false when any could not be.
    bool DecodeLaterPictures(std::vector<DeferredPicture>& laterPictures);
    // The animation and title timers of the menu in Menu.
    void StartMenuTimers();
    // The menu shown takes input and runs its timers again after a menu that
    // could not be read.
    void ResumeShownMenu();
    // The end of a load: the messages of a menu that could not be shown or
    // was damaged, or the timers, the default selection and the focus.
    void FinishLoad(bool shown, bool damaged);
    // Gives the keyboard to the selected object, else to the window.
    void TakeKeyboardFocus();
    // Enter on object n: Down, launch, Active.
    void PressByEnter(int n);
    void FreeMenuControls();
    void ResetRunState();
    void ApplyMenuSettings();
    void ApplyObject(int n);
    void ShowObject(int n);
    void ShowShortcutButtons();
    void UpdateClock();
    void AltRedraw();
    void ShowPic(forms::Image& image, const PicRef& pic);

    bool formLoaded_ = false;
    bool unloaded_ = false;
    bool selecting_ = false;
    bool bckMoving_ = false;
    int dragging_ = 0;
    POINT dragStart_{0, 0};
    POINT lastMouse_{-1, -1};
};

// The one menu window of the program.
extern TfrmMenuCls* frmMenu;
