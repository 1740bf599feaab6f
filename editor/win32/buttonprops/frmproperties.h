// The Button Properties dialog: edits one button of a menu document (a
// graphical, Windows or text button) on five tabs: Appearance (kind,
// pictures and animation, caption, size, shortcut), Execution (command,
// arguments, launch options), Description (accessory text), Viewer and
// Position. All edits go to a working copy of the object record; a valid OK
// copies it back into the menu and ends the modal run with mrOk, any other
// end leaves the object as it was and ObjPropsCancelled at 1.
//
// The opener makes the dialog for the document's menu record and the
// object's number, shows it modally, and afterwards brings the object's
// controls and rendered texts up to date (OK writes only the record and the
// menu's default button). The dialog finishes building on the first tick of
// Timer2 after it is shown (Timer2Timer), as the opening pass needs the
// window on the screen.
//
// Picture files are asked for through AskPicturePath, colours through the
// editor's colour requests (RequestColor), messages through EditorMsg: tests
// answer all three.
//
// The dialog's work is split over files by concern:
//   frmproperties.cpp         controls, opening pass, tabs, launch options, OK
//   frmproperties_text.cpp    the rich edit's two texts, formatting, colours
//   frmproperties_frames.cpp  picture states and frames, picker, AutoFill
#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "editor/win32/common/ColorRequest.h"
#include "forms/win32/Form.h"
#include "shared/MenuType.h"

namespace forms {
class Button;
class CheckBox;
class ComboBox;
class Edit;
class Image;
class ImageList;
class Label;
class Panel;
class PopupMenu;
class RadioButton;
class RichEdit;
class ScrollBar;
class Shape;
class TabControl;
class Timer;
class ToolBar;
class ToolButton;
}  // namespace forms

// Asks for a picture file (BMP, JPEG or PNG) starting in folder; true and the
// full path when one was chosen. The editor runs the system's open dialog.
extern std::function<bool(const std::string& folder, std::string& path)> AskPicturePath;

class TfrmPropertiesCls;
// Shows the dialog modally and returns its modal result; tests replace it
// to answer the dialog themselves.
extern std::function<int(TfrmPropertiesCls& dialog)> RunButtonPropertiesDialog;

class TfrmPropertiesCls : public forms::Form, public ColorReceiver {
public:
    // menu: the document's record; object: the button's number (1..BtnCount,
    // kind 0..2); defButton: the main window's template for new buttons;
    // fonts and sizes: the items of the main window's font and size boxes.
    TfrmPropertiesCls(TAQMenu& menu, int object, TAQButton& defButton, std::vector<std::string> fonts,
                      std::vector<std::string> sizes);
    ~TfrmPropertiesCls() override;

    // The opening pass (the first tick of Timer2); runs once.
    void Timer2Timer();
    bool Loaded() const { return Loaded_ != 0; }
    // The working copy and the current frame of each state.
    const TAQButton& WorkButton() const { return WorkButton_; }
    int CurFrame(int state) const { return CurFrame_[static_cast<size_t>(state & 3)]; }
    int CurState() const { return CurState_; }
    int KindShown() const { return Kind_; }
    // The caption text (RTF) and the accessory text (RTF) being edited.
    const std::string& CaptionRTF() const { return CaptionRTF_; }
    const std::string& AccessoryRTF() const { return AccRTF_; }

    // ---- kind, tabs, size, launch options, position, viewer ----
    void BtnType00Click(forms::Component& sender);
    void TabControl1Change();
    void VScroll1Change();
    void Check1_Click(forms::Component& sender);
    void PositionTextChange(forms::Component& sender);
    void CheckBox5Click();
    // "Retrieve": the name and version of the program that opens files of
    // the command's type (by its extension), or "No Viewer Found".
    void Button4Click();
    void ToolButton20Click();
    void Command1_Click();
    void Command2_Click();

    // ---- the rich edit (frmproperties_text.cpp) ----
    // 1: the accessory text in the Description panel; 2: the text button's
    // caption in the sample panel.
    void SetRTFUse(int mode);
    void PropSetFormatStates();
    // 0 left, 1 right, 2 centre.
    void SetAccAlignment(int alignment);
    // Paints a 16 x 4 bar of colour into the Text Color glyph (which 1).
    void SetBoxColor(forms::Color colour, int which);
    void UpdateColor();
    void UpdateColorBackBtn();
    void UpdateColorBackAcc();
    void ColorDelivered(int32_t target) override;

    // ---- pictures (frmproperties_frames.cpp) ----
    // True when that picture of the working copy has pixels; copy 1 also
    // copies it into SharedBmp.
    bool HasFrame(int state, int frame, uint8_t copy);
    // A copy of picture into the current state's current frame; Up frame 0
    // also gives the width and height boxes its size.
    void StoreFrame(const forms::Bitmap& picture);
    void ShowState();
    void DrawStatePreview(int state);
    // Leaves the chosen picture in SharedBmp; ObjPropsCancelled 1 when none.
    void PickPicture();
    void AutoFill();
    // The picture toolbar's operations.
    void SelectState(int state);
    void StepState(int delta);
    void FirstFrame();
    void PreviousFrame();
    void NextFrame();
    void LastFrame();
    void CopyFrameToClipboard();
    void SetCurrentImage();
    void SetNewImage();
    void MoveImageBack();
    void MoveImageForward();
    void DeleteCurrentImage();
    void MakeOriginalSize();

    // Controls.
    forms::TabControl* TabControl1;
    std::array<forms::Panel*, 5> pnlProp{};
    std::array<forms::RadioButton*, 3> BtnType{};
    std::array<forms::Panel*, 3> PictureKind{};  // Picture1000..Picture1002
    forms::Label* Label1;
    std::array<forms::Panel*, 4> pnlBtnCon{};
    std::array<forms::Image*, 4> picBtn{};
    std::array<forms::Label*, 4> lblNotSet{};
    forms::Shape* shpSelect;
    forms::Edit* txtTB000;
    forms::Edit* txtTB001;
    forms::Button* ToolButton22;
    forms::ComboBox* Combo2;
    forms::ComboBox* Combo3;
    forms::ComboBox* Combo3a;
    forms::Button* Button1;
    forms::Edit* Text4;
    forms::Label* lblBtnDimen;
    forms::Label* lblBtnDimen2;
    forms::ScrollBar* HScroll1;
    forms::ScrollBar* VScroll1;
    forms::ScrollBar* ScrollBar1;
    forms::ScrollBar* ScrollBar2;
    forms::Panel* Panel5;
    forms::Button* cmdSample;
    forms::Panel* Panel7;
    forms::Shape* shpSampleOutline;
    forms::Panel* Panel10;
    forms::RichEdit* REProp1;
    forms::RichEdit* RichEditTransP;
    forms::Edit* Text2000;
    forms::Edit* Text2001;
    std::array<forms::CheckBox*, 4> Check1{};  // Check1000..Check1003
    forms::Button* ToolButton24;  // Command Wizard
    forms::CheckBox* CheckBox5;
    forms::Button* Button4;
    forms::Edit* Edit9;
    forms::Edit* Edit11;
    forms::CheckBox* CheckBox6;
    std::array<forms::Edit*, 4> Text1{};  // Text1000..Text1003: left, top, width, height
    forms::CheckBox* Check2;
    forms::Edit* Edit3;
    forms::ToolBar* ToolBar1;
    forms::ToolBar* ToolBar4;
    forms::ComboBox* cmbTB000;
    forms::ComboBox* cmbTB001;
    forms::ToolButton* TextColorButton;
    forms::ToolButton* BoldButton;
    forms::ToolButton* ItalicButton;
    forms::ToolButton* UnderlineButton;
    std::array<forms::ToolButton*, 3> AlignButton{};  // left, centre, right
    forms::ToolButton* ToolButton20;
    forms::Panel* Panel11;
    forms::Panel* Panel9;
    forms::Button* Command1000;
    forms::Button* Command1001;
    forms::Button* Command6;
    forms::Timer* Timer1;
    forms::Timer* Timer2;
    forms::PopupMenu* HelpTopicsMenu;

private:
    // Construction, one page or bar each.
    void CreateAppearancePage();
    void CreateGraphicalPage(forms::Panel* page);
    void CreateWindowsPage(forms::Panel* page);
    void CreateTextPage(forms::Panel* page);
    void CreateExecutionPage();
    void CreateDescriptionPage();
    void CreateViewerPage();
    void CreatePositionPage();
    void CreatePictureBar(forms::ImageList* glyphs);
    void CreateFormattingBar(forms::ImageList* glyphs);
    // The toolbars and panels shown above the tabs for the tab and kind.
    void ShowBars();
    // Applies an operation to the rich edit's selection (all of its text when
    // nothing is selected, the caret then back at 0).
    void FormatSelection(const std::function<void()>& apply);
    void StyleClick(forms::ToolButton* button, unsigned bit);
    // Applies the font list's row, or the size box's text (a text that is
    // no size beeps and shows the selection's size again).
    void FontBoxChange(bool size);
    // The font of the default object, in which new texts start.
    forms::Font DefaultTextFont() const;
    void REProp1Change();
    // Opens the colour chooser for target at a screen point.
    void AskColor(int32_t target, forms::Color start, int x, int y);
    // OK's checks, in order; false when the dialog stays open.
    bool CheckPictures();
    bool CheckCommand();
    bool CheckShortcut();
    bool CheckAnimation();
    bool CheckSizes(int& left, int& top, int& width, int& height);
    // The picked picture: its folder (with one trailing "\") and name.
    std::string PickedFolder_;
    std::string PickedName_;
    // Reads a picture file into the scratch bitmap.
    bool ReadPicture(const std::string& path);
    // The picture toolbar's frame move outcome shown to the user.
    void ShowFrameLimit();

    TAQMenu& Menu_;
    int Object_;
    TAQButton& DefButton_;
    std::vector<std::string> Fonts_;
    std::vector<std::string> Sizes_;
    TAQButton WorkButton_;
    std::array<int, 4> CurFrame_{};
    int CurState_ = Up;
    int Kind_ = GraphicalButton;
    std::string AccRTF_;
    std::string CaptionRTF_;
    // The viewer boxes' texts as the dialog opened.
    std::string ShownViewerName_;
    std::string ShownViewerVersion_;
    int RTFMode_ = -10;
    uint8_t Busy_ = 0;
    uint8_t Loaded_ = 0;
    uint8_t Opening_ = 0;
    uint8_t ManualBack_ = 0;
    bool SavedMinimise_ = false;
    bool SavedRestore_ = false;
    forms::Bitmap Scratch_;
    forms::ImageList* Glyphs_ = nullptr;
    int TextColorGlyph_ = 0;
};
