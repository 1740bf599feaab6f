// The Menu Properties dialog: the settings of the whole current menu — its
// title, animation rate, caption animation, built-in sounds, default text,
// transparent colour, screen position and, above all, its background
// picture, whose size is the size of the menu.
//
// The main window's ShowMenuProps makes the dialog for one showing and runs
// it modally. The dialog reads the current document when it loads and
// writes it back only on a valid OK: the background goes into the menu, the
// other fields into its record, and the main window shows the new
// background (ShowMenuBack). OK never closes the dialog without a
// background or with an animation rate that is no whole number.
//
// The background travels through SharedBmp: the menu's picture is copied
// into it when the dialog loads, the dialog keeps its own copy, and OK hands
// that copy back through SharedBmp to the menu. Pictures come from a file,
// the clipboard or the Background Wizard, each through SetBackImage, which
// gives it the stored pixel layout; a picture that cannot be read, or is
// larger than a menu file holds, is reported and changes nothing.
//
// Colours: the default text's colour comes from the colour chooser (code
// ClrTargetMenuText); a right click on the text box asks for the box's
// background colour (code ClrTargetObjBack, answered by this dialog itself:
// a preview aid, not stored); the transparent colour comes from the
// transparency pop-up (code ClrTargetTransparent, reading TransIndex). A
// request still open when the dialog closes is withdrawn.
#pragma once
#include <array>
#include <cstdint>
#include <functional>

#include "editor/win32/menuprops/BackImageTarget.h"
#include "editor/win32/common/ColorRequest.h"
#include "forms/portable/Bitmap.h"
#include "forms/win32/Form.h"

namespace forms {
class Button;
class CheckBox;
class ComboBox;
class Edit;
class GroupBox;
class Image;
class ImageList;
class Label;
class OpenDialog;
class Panel;
class RadioButton;
class RichEdit;
class SaveDialog;
class Timer;
class ToolBar;
class ToolButton;
}  // namespace forms

class MenuPropsHost;

// 1 from the dialog's load until a valid OK; stays 1 after a cancel. The
// main window reads it after the dialog has closed.
extern uint8_t MenuPropsCancelled;

// The system's picture dialogs, the Background Wizard and the transparency
// pop-up as the dialog reaches them; tests answer them instead. The file
// dialogs return true when a file was chosen (then in their FileName).
extern std::function<bool(forms::OpenDialog& dialog)> RunBackOpenDialog;
extern std::function<bool(forms::SaveDialog& dialog)> RunBackSaveDialog;
// Shows the Background Wizard for target, modally.
extern std::function<void(BackImageTarget& target)> RunBackWizard;
// Opens the transparency pop-up with its top-left corner at the screen
// point (x, y), starting from transColor, for requester 2 (this dialog).
extern std::function<void(int32_t transColor, ColorReceiver& receiver, int x, int y)> RunTransPicker;

class TfrmFormPropsCls : public forms::Form, public BackImageTarget, public ColorReceiver {
public:
    explicit TfrmFormPropsCls(MenuPropsHost& main);
    ~TfrmFormPropsCls() override;

    // ---- the background ----
    // False without a picture; else SharedBmp := the dialog's picture, true.
    bool HasBackImage();
    bool SetBackImage(const forms::Bitmap& picture) override;
    void ShowBackPreview() override;
    // The dialog's own copy of the background (empty when none).
    const forms::Bitmap& BackImage() const { return back_; }
    // Open, Save, Copy, Paste and Wizard of the background bar.
    void OpenBackImage();
    void SaveBackImage();
    void ToolButton5Click();
    void ToolButton6Click();
    void ToolButton8Click();

    // ---- colours ----
    void ColorDelivered(int32_t target) override;
    // The transparent colour number becomes index (below 1: none).
    void UpdateTransColor(int32_t index);
    // The default text's selection (all of it when none) takes CurClr.
    void UpdateColor();
    // Paints colour as the bar under the Text Color glyph (which 1), or
    // under glyph 0 otherwise.
    void SetBoxColor(forms::Color colour, int which);
    int32_t TransNumber() const { return transNumber_; }
    void BitBtn9Click();
    void ToolButton27Click();

    // ---- default text formatting ----
    void ShowSelFormat();
    // Paragraph alignment: 0 left, 1 right, 2 centre.
    void SetTextAlign(uint8_t alignment);
    // The font list's row and the size box's text; a typed name or size
    // applies once confirmed (FontBoxes.h).
    void cmbTB000Change();
    void cmbTB001Change();

    // ---- the dialog ----
    void Form_Load();
    // OK ("Command1000") and Cancel ("Command1001").
    void Command1_Click(forms::Component& sender);
    void Command6_Click();
    void Option1_Click(forms::Component& sender);
    void Text7_LostFocus();
    void Timer1_Timer();
    // The screen position selected: 0..10.
    int SelectedPosition() const;

    forms::Edit* Text1 = nullptr;
    forms::Edit* Text7 = nullptr;
    forms::CheckBox* Check1 = nullptr;
    forms::CheckBox* CheckBox1 = nullptr;
    forms::RichEdit* RichEdit1 = nullptr;
    forms::Panel* Panel7 = nullptr;
    forms::Button* BitBtn9 = nullptr;
    std::array<forms::RadioButton*, 11> Options{};
    forms::Image* picMonitor = nullptr;
    forms::Label* PosiLabel = nullptr;
    forms::Panel* picBack = nullptr;
    forms::Image* Image1 = nullptr;
    forms::Label* lblNoImage = nullptr;
    forms::ToolBar* ToolBar1 = nullptr;
    forms::ToolButton* ToolButton1 = nullptr;  // Open
    forms::ToolButton* ToolButton3 = nullptr;  // Save
    forms::ToolButton* ToolButton5 = nullptr;  // Copy
    forms::ToolButton* ToolButton6 = nullptr;  // Paste
    forms::ToolButton* ToolButton8 = nullptr;  // Wizard
    forms::ToolBar* ToolBar4 = nullptr;
    forms::ComboBox* cmbTB000 = nullptr;
    forms::ComboBox* cmbTB001 = nullptr;
    forms::ToolButton* ToolButton27 = nullptr;  // Text Color
    forms::ToolButton* ToolButton29 = nullptr;  // Bold
    forms::ToolButton* ToolButton30 = nullptr;  // Italic
    forms::ToolButton* ToolButton31 = nullptr;  // Underline
    forms::ToolButton* ToolButton33 = nullptr;  // Align Left
    forms::ToolButton* ToolButton34 = nullptr;  // Center
    forms::ToolButton* ToolButton35 = nullptr;  // Align Right
    forms::Button* ToolButton20 = nullptr;      // Select All
    forms::Button* Command1000 = nullptr;       // OK
    forms::Button* Command1001 = nullptr;       // Cancel
    forms::Button* Command6 = nullptr;          // Help
    forms::Timer* Timer1 = nullptr;

private:
    void CreateBackgroundGroup();
    void CreateLocationGroup();
    void CreateTextGroup();
    // Runs change on the text box's selection, or on all its text (the
    // caret back at 0 afterwards) when nothing is selected.
    void FormatText(const std::function<void(forms::RichEdit&)>& change);
    void StyleButtonClick(forms::ToolButton* button, unsigned bit);
    void RichEdit1MouseDown(int x, int y);
    // Loads a picture file into the dialog; false (with a message) when it
    // cannot be read, the dialog then as it was.
    bool LoadBackFile(const std::string& path);

    MenuPropsHost& main_;
    forms::Bitmap back_;
    forms::Bitmap saveCopy_;
    int32_t transNumber_ = -1;
    bool formatting_ = false;
    forms::ImageList* textGlyphs_ = nullptr;
};
