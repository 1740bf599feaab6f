// The properties dialog of the placed objects: a picture (PlcImage), a rich
// text (PlcText) or a drawn shape (PlcShape). It edits WorkObj, a copy of the
// object with pictures of its own, and writes it back into the object only
// on an OK whose width and height are acceptable; Cancel, or closing the
// window, leaves the object untouched and ObjPropsCancelled at 1.
//
// One panel per kind fills the dialog; the strip at the bottom holds the
// position (read-only boxes), the size edits and OK / Cancel. The shape panel
// also carries the shape presets (objprops_presets.cpp) and opens the
// edge-rounding pop-up (frmedgeround.h). Colours are asked for through the
// editor's colour requests: a request still open when the dialog closes is
// withdrawn, so no colour reaches a closed dialog.
//
// The work is split by panel: objprops.cpp (set-up, sizes, OK and Cancel,
// the picture panel), objprops_text.cpp, objprops_shape.cpp,
// objprops_presets.cpp.
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
class RichEdit;
class ScrollBar;
class ScrollBox;
class Shape;
class Timer;
class ToolBar;
class ToolButton;
}  // namespace forms

class TForm5;

// Options of the dialog kept while the editor runs: the aspect-ratio lock,
// the smooth picture scaling, and the preset range shown (1..3).
extern uint8_t LockAspect;
extern uint8_t HQScaling;
extern int32_t PresetRange;
// Resizes a placed image's picture by the method HQScaling chooses: smooth
// (area-weighted) when it is 1, nearest pixel otherwise. False on failure.
bool ScalePlacedPicture(const forms::Bitmap& source, forms::Bitmap& dest, int width, int height);

// The text a new placed text starts with: "Type Here..." in Arial 10 pt, black.
extern const char* const kTypeHereRTF;
// Fills list with the dialog's tool-button glyphs.
void LoadObjPropsGlyphs(forms::ImageList& list);

class TForm2;
// Shows the dialog modally and returns its modal result; tests replace it to
// drive the dialog without a person.
extern std::function<int(TForm2& dialog)> RunObjPropsDialog;
// Asks for the picture file of a placed image; false when cancelled.
extern std::function<bool(std::string& path)> AskObjImagePath;

class TForm2 : public forms::Form, public ColorReceiver {
public:
    // object: the record edited, written back on a valid OK. background: the
    // menu's background picture (a new text's preview takes its average
    // colour under the object). presetsFolder: the folder whose "pss"
    // subfolder holds the preset files.
    TForm2(TAQButton& object, const forms::Bitmap* background, std::string presetsFolder);
    ~TForm2() override;

    // ---- set-up, sizes, OK and Cancel (objprops.cpp) ----
    // The set-up pass (run once by Timer2 after the dialog is shown).
    void Timer2Timer();
    // A size edit changed: which 3 width, 4 height.
    void Edit3Change(int which);
    void ScrollBar2Change(forms::ScrollBar& bar);
    void ScrollBar1Change(forms::ScrollBar& bar);
    void CheckBox1Click();
    // OK: refuses a size outside 1..4000 with a message (the dialog stays);
    // otherwise writes WorkObj (and its pictures) into the object.
    void Command1000Click();
    void Command1001Click();
    // Picture panel.
    void GetPlcImage();
    void Button2Click();
    void Button3Click();
    void ShowPic();

    // ---- text panel (objprops_text.cpp) ----
    void SetFormatStates();
    void ApplyToSelection(const std::function<void(forms::RichEdit&)>& apply, bool busy);
    void ToolButton29Click(int bit);
    void SetAccAlignment(int alignment);
    void UpdateColor();
    void UpdateColorBack();
    void Button5Click();

    // ---- shape panel (objprops_shape.cpp) ----
    void ComboBox1Change();
    void ComboBox2Change();
    void FillButtonClick(int fillType);
    void EnableToolbar();
    void DoPNGShape();
    void Timer1Timer();
    // Takes a shape colour that was delivered (ClrTarget -301..-303) and
    // redraws; with any other target it only redraws.
    void UpdateShapeColor();
    // Corner Rounding: the edge-rounding pop-up under its button.
    void ToolButton7Click();
    // Paints colour into the bottom of colour button bar's glyph (1 Text,
    // 2 Line, 3 Fill, 4 Gradient Color).
    void SetBoxColor(forms::Color colour, int bar);
    void ShowShapeSettings();
    void ColorDelivered(int32_t target) override;

    // ---- presets (objprops_presets.cpp) ----
    void LoadPresets();
    // False (and said so) when the file or its folder cannot be written.
    bool SavePresets();
    void AddPreset();
    void ToolButton14Click();
    void ComboBox3Change();
    void Image3MouseEnter(int n);
    void Image3Click();
    void CheckPresetSelection();
    void ScrollBox1Resize();
    // The preset file of the current range.
    std::string PresetFilePath() const;

    TAQButton WorkObj;
    TAQButton PreviewObj;
    std::array<TShapeRec, 101> PresetRecs{};
    std::array<forms::Image*, 101> PresetImgs{};
    // Rows of ranges 1..3 (index 0 unused).
    std::array<std::vector<std::string>, 4> PresetLists;
    int SelPreset = -1;
    uint8_t DlgReady = 0;
    int ShapeDelayTicks = -1;
    uint8_t SelectAllBusy = 0;
    // 1 while Image1 shows the Preview result.
    uint8_t Previewing = 0;
    TForm5* EdgeRound = nullptr;

    forms::Panel* pnlProp00 = nullptr;
    forms::Panel* pnlProp01 = nullptr;
    forms::Panel* pnlProp02 = nullptr;
    forms::Panel* Panel7 = nullptr;
    forms::Edit* Edit1 = nullptr;
    forms::Edit* Edit2 = nullptr;
    forms::Edit* Edit3 = nullptr;
    forms::Edit* Edit4 = nullptr;
    forms::Button* Command1000 = nullptr;
    forms::Button* Command1001 = nullptr;
    std::array<forms::ScrollBar*, 7> ScrollBars{};  // ScrollBar1..ScrollBar6
    forms::CheckBox* CheckBox1 = nullptr;
    forms::CheckBox* CheckBox2 = nullptr;
    forms::Timer* Timer1 = nullptr;
    forms::Timer* Timer2 = nullptr;
    forms::ImageList* ImageList1 = nullptr;
    // Picture panel.
    forms::ScrollBox* ScrollBox3 = nullptr;
    forms::Image* Image1 = nullptr;
    forms::Label* lblNotSet = nullptr;
    forms::Button* Button1 = nullptr;
    forms::Button* Button2 = nullptr;
    forms::Button* Button3 = nullptr;
    // Text panel.
    forms::ToolBar* ToolBar4 = nullptr;
    forms::ComboBox* cmbTB000 = nullptr;
    forms::ComboBox* cmbTB001 = nullptr;
    forms::ToolButton* ToolButton27 = nullptr;
    std::array<forms::ToolButton*, 3> StyleButtons{};  // Bold, Italic, Underline
    std::array<forms::ToolButton*, 3> AlignButtons{};  // left, centre, right
    forms::RichEdit* RichEdit1 = nullptr;
    forms::RichEdit* RichEdit2 = nullptr;
    forms::Label* Label9 = nullptr;
    forms::Button* Button5 = nullptr;
    // Shape panel.
    forms::ToolBar* ToolBar1 = nullptr;
    forms::ComboBox* ComboBox1 = nullptr;
    forms::ComboBox* ComboBox2 = nullptr;
    forms::ComboBox* ComboBox3 = nullptr;
    forms::ToolButton* ToolButton2 = nullptr;
    forms::ToolButton* ToolButton4 = nullptr;
    forms::ToolButton* ToolButton6 = nullptr;
    forms::ToolButton* ToolButton7 = nullptr;
    std::array<forms::ToolButton*, 3> FillButtons{};  // ToolButton8..10
    forms::ToolButton* ToolButton13 = nullptr;
    forms::ToolButton* ToolButton14 = nullptr;
    forms::ScrollBox* ScrollBox4 = nullptr;
    forms::Image* Image2 = nullptr;
    forms::ScrollBox* ScrollBox1 = nullptr;
    forms::Shape* Shape1 = nullptr;

private:
    void CreateBottomStrip();
    void CreatePicturePanel();
    void CreateTextPanel();
    void CreateShapePanel();
    void CreatePresetImages();
    forms::Panel* NewPanel(const char* name);
    forms::ToolBar* NewToolBar(forms::Panel* panel, const char* name);
    // A tool button (glyph -1: a separator) and a separator holding control.
    forms::ToolButton* NewToolButton(forms::ToolBar* bar, const char* name, int glyph, const char* hint,
                                     std::function<void()> onClick);
    void NewToolControl(forms::ToolBar* bar, forms::WinControl* control, int width);
    // Width and height scroll bars of a panel.
    void AddSizeBars(forms::Panel* panel, int widthBar, int heightBar);
    // The screen point under toolbar button index of bar (1, height + 1).
    POINT UnderButton(forms::ToolBar& bar, int index) const;
    void ResizePicture(TAQButton& obj);

    TAQButton& Object_;
    const forms::Bitmap* Background_;
    std::string PresetsFolder_;
};
