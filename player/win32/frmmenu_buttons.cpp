// The objects' pictures: frame counting, picture states, selection, the
// accessory boxes and the frame animation.
#include <random>

#include "forms/win32/Application.h"
#include "player/logic/Animation.h"
#include "player/win32/frmmenu.h"
#include "player/win32/sounds.h"

namespace {

std::mt19937& Random() {
    static std::mt19937 generator(std::random_device{}());
    return generator;
}

double RandomUnit() { return std::uniform_real_distribution<double>(0.0, 1.0)(Random()); }

}  // namespace

bool TfrmMenuCls::HasButtonPic(int object, int state, int frame) const {
    if (object < 0 || object >= kButtonSlots || state < 0 || state >= kPicStates || frame < 0 ||
        frame >= kFrameSlots)
        return false;
    return HasPic(Menu.Buttons[object].Pics[state][frame]);
}

bool TfrmMenuCls::IsButtonKind(int n) const {
    const int kind = Menu.Buttons[n].ObjectKind;
    return kind == GraphicalButton || kind == WindowsButton || kind == TextButton;
}

void TfrmMenuCls::CountFrames() {
    for (int n = 1; n <= Menu.BtnCount; ++n) {
        const std::array<int, 4> last =
            player::CountFrames([this, n](int state, int frame) { return HasButtonPic(n, state, frame); });
        for (int s = 0; s < kPicStates; ++s) LastFrame[n][s] = last[s];
    }
}

void TfrmMenuCls::SetButtonState(int n, int state, bool withAccessory) {
    if (MenuLoaded == 0 || n <= 0 || n > Menu.BtnCount) return;
    // Decorations show no state pictures: a placed image's Up frame 0 is
    // only a placeholder, and text and shapes have no state pictures at all.
    forms::Image* image = Ctl[n].ImgBtn;
    if (IsButtonKind(n) && HasButtonPic(n, state, 0) && image->Tag() != state) {
        image->SetPicture(*Menu.Buttons[n].Pics[state][0]);
        image->SetTag(state);
    }
    if (withAccessory) {
        const unsigned serial = MenuSerial;
        forms::Application().ProcessMessages();
        if (serial != MenuSerial) return;
        ShowAccessory(n);
    }
    BtnFrame[n] = 0;
    BtnState[n] = state;
    BtnDir[n] = player::kCountingUp;
}

void TfrmMenuCls::SelectButton(int n) {
    if (MenuLoaded == 0 || n == SelectedBtn || selecting_ || !Ready()) return;
    if (n > Menu.BtnCount) return;
    selecting_ = true;
    const unsigned serial = MenuSerial;
    if (n >= 0) PlayEventSound(player::SndSelect, MenuName, n, Menu.SoundsOn != 0);
    SetButtonState(SelectedBtn, Up, false);
    if (n > 0) SetButtonState(n, Active, true);
    if (serial == MenuSerial) {
        SelectedBtn = n;
        forms::Application().ProcessMessages();
    }
    selecting_ = false;
}

void TfrmMenuCls::ShowAccessory(int n) {
    if (n == AccShownFor) return;
    AccShownFor = n;
    if (n < 0) {
        if (!Menu.AccRTF.empty()) {
            AccessoryText->SetPicture(Menu.AccPNG);
        } else {
            AccessoryImage->Hide();
        }
        return;
    }
    if (n > Menu.BtnCount) return;
    const TAQButton& b = Menu.Buttons[n];
    // Only buttons have accessory content (a placed text keeps its own text
    // in its accessory field): a decoration shows the menu's.
    if (IsButtonKind(n) && !b.AccRTF.empty()) {
        AccessoryText->SetPicture(b.AccPNG);
    } else if (!Menu.AccRTF.empty()) {
        AccessoryText->SetPicture(Menu.AccPNG);
    }
    if (HasButtonPic(n, Accessory, 0)) {
        if (AccessoryImage->Tag() != n) {
            AccessoryImage->SetPicture(*b.Pics[Accessory][0]);
            AccessoryImage->SetTag(n);
        }
        AccessoryImage->Show();
    } else {
        AccessoryImage->Hide();
    }
}

void TfrmMenuCls::AnimateButtons() {
    for (int n = 1; n <= Menu.BtnCount; ++n) {
        if (!IsButtonKind(n)) continue;
        const int s = BtnState[n];
        if (s < 0 || s >= kPicStates) continue;
        const int last = LastFrame[n][s];
        if (last == 0) continue;
        const player::FrameStep step =
            player::StepFrame(Menu.Buttons[n].AnimMode, BtnFrame[n], last, BtnDir[n], RandomUnit);
        if (step.skip) continue;
        BtnDir[n] = step.dir;
        if (!HasButtonPic(n, s, step.frame)) continue;
        Ctl[n].ImgBtn->SetPicture(*Menu.Buttons[n].Pics[s][step.frame]);
        BtnFrame[n] = step.frame;
    }

    if (CurBtn < 1 || CurBtn > Menu.BtnCount) return;
    const int next = player::NextAccFrame(AccFrame, LastFrame[CurBtn][Accessory]);
    if (next < 0 || !HasButtonPic(CurBtn, Accessory, next)) return;
    AccFrame = next;
    AccessoryImage->SetPicture(*Menu.Buttons[CurBtn].Pics[Accessory][next]);
}
