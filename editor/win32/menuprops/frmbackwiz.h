// The Background Wizard: makes a menu background picture from a base (one
// colour, a two-colour gradient or a scaled photo), a bevelled or rounded
// border, a banner strip and a title with an optional drop shadow. Pages:
// 0 Start, 1 Background, 2 Banner; Next on the Banner page (Finish) hands
// the picture to the target. The start page's other choice hides the wizard
// for a picture dialog, hands the file the user picks (if any, and readable)
// to the target, and closes the wizard in every case. Each page takes the
// keyboard when it shows: the Banner page in its title box, text selected.
//
// Every control change only marks the picture for rendering; a 200 ms timer
// renders once the size and border bars have stopped moving, into the
// borderless preview window. Finish renders a pending change first.
//
// The window is made for one run and shown with ShowModal; its caller owns
// it. Closing it in any way other than Finish (or the picture dialog) counts
// as cancel and hands nothing. Colours are asked for through RequestColor with
// the codes ClrTargetWizPanel - k for the colour panel k.
#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "editor/logic/BackgroundDraw.h"
#include "editor/logic/CoreGraphics.h"
#include "editor/win32/menuprops/BackImageTarget.h"
#include "editor/win32/common/ColorRequest.h"
#include "forms/portable/Bitmap.h"
#include "forms/win32/Form.h"

namespace forms {
class Button;
class CheckBox;
class ComboBox;
class Edit;
class Image;
class Label;
class OpenDialog;
class Panel;
class RadioButton;
class ScrollBar;
class Timer;
class ToolBar;
class ToolButton;
}  // namespace forms
class TfrmSampBackCls;

// Shows the wizard's picture dialog; true when a file was chosen (then in the
// dialog's FileName). The editor runs the system dialog; tests answer it.
extern std::function<bool(forms::OpenDialog& dialog)> RunPhotoOpenDialog;

class TfrmBackWizCls : public forms::Form, public ColorReceiver {
public:
    explicit TfrmBackWizCls(BackImageTarget& target);
    ~TfrmBackWizCls() override;

    int WizPage() const { return WizPage_; }
    bool NeedsRender() const { return NeedsRender_ != 0; }
    // The picture as shown (with its title) and the thickness of border used.
    const forms::Bitmap& Picture() const { return Shown_; }
    int BorderUsed() const { return BorderUsed_; }
    TfrmSampBackCls* Preview() const { return frmSampBack; }
    // The settings of the controls as a design.
    editor::BackgroundDesign Design() const;

    void Form_Load(forms::Component& sender);
    void Form_Unload(forms::Component& sender);
    // Next ("Command1000"), Back ("Command1001"), Cancel ("Command1002").
    void Command1_Click(forms::Component& sender);
    void Command2_Click(forms::Component& sender);
    void Button1Click(forms::Component& sender);
    void pnlColorClick(forms::Component& sender);
    void BitBtnMouseDown(forms::Component& sender);
    void HScroll1001Change(forms::Component& sender);
    void ScrollBar1Change(forms::Component& sender);
    void ScrollBar2Change(forms::Component& sender);
    void HScroll2Change(forms::Component& sender);
    void Check1_Click(forms::Component& sender);
    void CheckBox1Click(forms::Component& sender);
    void CheckBox2Click(forms::Component& sender);
    void CheckBox3Click(forms::Component& sender);
    void Combo1_Change(forms::Component& sender);
    void Option2_Click(forms::Component& sender);
    void Text1_Change(forms::Component& sender);
    void Timer1_Timer(forms::Component& sender);
    void Timer2Timer(forms::Component& sender);
    // Panel k takes the accepted colour; the picture is rendered again.
    void ColorDelivered(int32_t target) override;

    void Render();
    void DrawBase();
    void DrawBorder();
    void DrawBanner();
    void DrawTitle();

    std::array<forms::Panel*, 3> pnlStage;
    forms::Label* Label1;
    forms::RadioButton* Option1000;
    forms::RadioButton* Option1001;
    forms::Image* Picture1;
    forms::Button* Command2;
    forms::ScrollBar* HScroll1000;
    forms::ScrollBar* HScroll1001;
    forms::Label* Label3000;
    forms::Label* Label3001;
    forms::CheckBox* CheckBox2;
    forms::CheckBox* CheckBox3;
    forms::RadioButton* Option2000;
    forms::RadioButton* Option2001;
    forms::RadioButton* Option2002;
    forms::ComboBox* Combo1000;
    forms::Button* Button1;
    forms::Edit* Edit1;
    std::array<forms::RadioButton*, 3> Option3;
    forms::ScrollBar* ScrollBar1;
    forms::Label* Label4;
    forms::Edit* Text1;
    std::array<forms::RadioButton*, 3> Option4;
    forms::ComboBox* cmbTB000;
    forms::ComboBox* Combo2;
    forms::ToolBar* ToolBar1;
    forms::ToolButton* ToolButton1;
    forms::ToolButton* ToolButton2;
    forms::ToolButton* ToolButton3;
    forms::ToolButton* ToolButton4;
    forms::ScrollBar* ScrollBar2;
    forms::Label* Label7;
    forms::RadioButton* Option5000;
    forms::RadioButton* Option5001;
    forms::RadioButton* Option5002;
    forms::CheckBox* CheckBox1;
    forms::ComboBox* Combo1001;
    forms::RadioButton* Option6000;
    forms::RadioButton* Option6001;
    forms::CheckBox* Check1;
    forms::ScrollBar* HScroll2;
    forms::Label* Label5;
    std::array<forms::Panel*, 8> pnlColor;
    std::array<forms::Button*, 8> BitBtn;
    forms::Button* Command1000;
    forms::Button* Command1001;
    forms::Button* Command1002;
    forms::Timer* Timer1;
    forms::Timer* Timer2;
    forms::OpenDialog* OpenDialog1;
    TfrmSampBackCls* frmSampBack = nullptr;

private:
    void BuildStartPage();
    void BuildBackgroundPage();
    void BuildBannerPage();
    forms::Panel* NewColorPanel(forms::WinControl* parent, int k, int left, int top);
    void SetNeedsRender() { NeedsRender_ = 1; }
    // Shows page WizPage_ with its heading, and gives it the keyboard.
    void ShowPage();
    // Shows the open dialog for a photo; true and the path when one was chosen.
    bool AskPhotoPath(std::string& path);
    // Scales the loaded photo to the work picture's size.
    bool ScalePhoto(bool reextract);
    void Finish();
    void HandOwnPicture();
    void CloseWith(int result);
    void ShowPreview();

    BackImageTarget& Target_;
    int WizPage_ = 0;
    uint8_t NeedsRender_ = 1;
    bool LockAspect_ = true;
    bool HighQuality_ = false;
    bool Linking_ = false;
    bool Unloaded_ = false;
    // The work picture without its title, and the picture as shown.
    forms::Bitmap Work_;
    forms::Bitmap Shown_;
    int BorderUsed_ = 0;
    // The photo loaded by Browse (for the file named in Edit1), its scaled
    // copy, and the photo name and work size of the last scaling.
    forms::Bitmap PhotoSrcBmp;
    forms::Bitmap PhotoScaledBmp;
    editor::ScaleCache ScaleCache_;
    std::string LastPhotoName_;
    int LastPhotoWidth_ = 0;
    int LastPhotoHeight_ = 0;
    uint32_t SavedFadeColor_ = 0;
    std::array<int, 3> LastPositions_{};
    int SampleIndex_ = 0;
    std::array<forms::Bitmap, editor::kSampleCount> Samples_;
};
