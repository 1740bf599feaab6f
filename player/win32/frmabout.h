// The About window: the program's name and icon on a soft gradient, a notice
// and a link to the maker's web page. Each request opens a new window, which
// frees itself when closed.
#pragma once
#include "forms/win32/Bevel.h"
#include "forms/win32/Button.h"
#include "forms/win32/Form.h"
#include "forms/win32/Image.h"
#include "forms/win32/Label.h"
#include "forms/win32/Picture.h"

class TfrmAboutCls : public forms::Form {
public:
    // icon: the picture of the menu window's program icon.
    explicit TfrmAboutCls(const forms::Picture& icon);

    void Form_Load(forms::Component& sender);
    void Command1_Click(forms::Component& sender);
    void Label5_Click(forms::Component& sender);

    forms::Image* Picture2 = nullptr;
    forms::Bevel* Bevel1 = nullptr;
    forms::Image* Image1 = nullptr;
    forms::Label* Label1 = nullptr;
    forms::Label* Label2 = nullptr;
    forms::Bevel* Bevel2 = nullptr;
    forms::Image* Picture3 = nullptr;
    forms::Label* Label3002 = nullptr;
    forms::Label* Label5 = nullptr;
    forms::Button* Command1 = nullptr;

private:
    forms::Picture icon_;
};

// The maker's web address that the About window shows and opens.
extern const char* const kMakerWebAddress;
// Colour of row i of a gradient of height h (0x00BBGGRR).
uint32_t AboutGradientRow(int i, int h);
