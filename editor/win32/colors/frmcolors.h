// The colour chooser: a borderless pop-up that answers the open colour
// request (ColorRequest.h). It starts with CurClr and offers a built-in
// palette of 35 swatches (four palettes, cycled by two arrow buttons), seven
// custom swatches kept in the settings, and on "C&ustom Colors" a larger
// layout with a hue-and-brightness gradient, a saturation slider, red, green
// and blue edits with spin bars, "&Add", "&Pick", "Reset All", "&OK" and
// "&Cancel".
//
// In the small layout a swatch click accepts its colour at once; in the large
// one it only marks the swatch and loads the edits, and "&OK" accepts the
// edits' colour (and keeps the custom swatches). Accepting stores the slider
// position in SaturationPos, puts the colour in CurClr and dispatches it to
// the requester. The chooser frees itself when it accepts, is cancelled, or
// loses activation (except while the Color Picker is open above it).
//
// ShowColorChooser is what the main window installs as OpenColorChooser.
#pragma once
#include <array>
#include <cstdint>
#include <functional>

#include "forms/portable/Bitmap.h"
#include "forms/win32/Form.h"

namespace forms {
class Button;
class Edit;
class Image;
class Label;
class Panel;
class ScrollBar;
class Shape;
}  // namespace forms

class TfrmColorsCls : public forms::Form {
public:
    TfrmColorsCls();
    ~TfrmColorsCls() override;

    forms::Panel* pnlBack;
    forms::Shape* Shape1;  // the selection frame
    forms::Button* Command1;  // "C&ustom Colors"
    forms::Button* Button2;   // next palette
    forms::Button* Button3;   // previous palette
    forms::Image* Picture1;   // the gradient
    forms::ScrollBar* HScroll1;  // saturation 0..100
    forms::Label* Label1;        // the slider's value
    forms::Panel* Panel1;        // the edits' colour
    forms::Shape* Shape2;        // pure red, green and blue of the edits
    forms::Shape* Shape4;
    forms::Shape* Shape5;
    // Channel edits and spin bars by the last digit of their names:
    // 0 blue, 1 green, 2 red.
    std::array<forms::Edit*, 3> Text1{};
    std::array<forms::ScrollBar*, 3> VScroll1{};
    forms::Button* Command2;     // "&Add"
    forms::Button* Command4;     // "&Pick"
    forms::Button* Button1;      // "Reset All"
    forms::Button* Command3000;  // "&OK"
    forms::Button* Command3001;  // "&Cancel"

    // Swatch n (1..35 the palette, 36..42 the custom colours).
    forms::Shape* Swatch(int n) const { return swatches_.at(static_cast<size_t>(n)); }

    void LoadClrPal();
    void BuildClrGradient();
    void ApplySaturation();
    void PickGradientClr(int x, int y);
    // Stores the slider position and hands CurClr to the open request.
    void DispatchColor();

    void Command1_Click();
    void Command2_Click();
    void Command3_Click(forms::Component& sender);
    void Command4_Click();
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void shpArray_MouseDown(forms::Component& sender);
    void shpArray_MouseUp();
    void HScroll1Change();
    void Text1_Change(forms::Component& sender);
    void Text1_GotFocus(forms::Component& sender);

    int SelSwatch() const { return SelSwatch_; }
    bool CustomShown() const { return CustomShown_ != 0; }
    bool Picking() const { return Picking_ == 1; }
    forms::Color WorkClr() const { return WorkClr_; }
    // The colour of the three edits.
    forms::Color EditColor() const;
    // Puts a colour's channels in the edits (as the Color Picker does).
    void SetEditColor(forms::Color colour);

private:
    void FormLoad();
    void FormDeactivate();
    void CreateSwatches();
    void CreateCustomPart();
    void FrameSwatch(int n);
    void ParkFrame();
    void ShowLayout(bool custom);
    void ChannelChanged(int i);

    std::array<forms::Shape*, 43> swatches_{};
    int SelSwatch_ = -1;
    int LastEditVal_ = 0;
    int Picking_ = -1;
    uint8_t AddAdvance_ = 0;
    uint8_t GradTracking_ = 0;
    uint8_t CustomShown_ = 0;
    forms::Color WorkClr_ = 0;
    forms::Bitmap MixArr_;
};

// The open chooser, or nullptr.
extern TfrmColorsCls* frmColors;

// Creates a chooser for the open request with its top-left corner at the
// screen point (x, y) and shows it without waiting.
void ShowColorChooser(int x, int y);

// The pictures "&Pick" offers: the current menu's background (set by the
// main window) and, for a Background Wizard request, the wizard's preview
// (set by the wizard while it is open). An empty bitmap when there is none.
extern std::function<forms::Bitmap()> MenuPickPicture;
extern std::function<forms::Bitmap()> WizardPickPicture;
