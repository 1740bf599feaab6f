#include "player/win32/frmabout.h"

#include <shellapi.h>

#include <cmath>
#include <string>

#include "player/win32/PlayerGlobals.h"

const char* const kMakerWebAddress = "http://www.tarvik.example";

namespace {

const char* const kNotice =
    "This program is protected by copyright law. Unauthorized reproduction or distribution of it, "
    "or of any part of it, may result in civil and criminal penalties.";

forms::Font ArialPixels(int pixels) {
    forms::Font font("Arial", 8);
    font.SetPixelHeight(pixels);
    return font;
}

}  // namespace

uint32_t AboutGradientRow(int i, int h) {
    const float a = h > 0 ? static_cast<float>(i) / static_cast<float>(h) : 0.0f;
    const int red = static_cast<int>(std::lround(244.0f * a + 252.0f * (1.0f - a)));
    const int green = static_cast<int>(243.0f * a + 252.0f * (1.0f - a));
    const int blue = static_cast<int>(238.0f * a + 254.0f * (1.0f - a));
    return static_cast<uint32_t>(red) | (static_cast<uint32_t>(green) << 8) | (static_cast<uint32_t>(blue) << 16);
}

TfrmAboutCls::TfrmAboutCls(const forms::Picture& icon) : icon_(icon) {
    SetName("frmAbout");
    SetCaption("About");
    SetBorderStyle(forms::BorderStyle::Dialog);
    SetBorderIcons(forms::biSystemMenu);
    SetFont(forms::Font("Tahoma", 8));
    SetClientSize(441, 289);
    CenterOnScreen();

    Bevel1 = new forms::Bevel(this, this, forms::BevelShape::Box, forms::BevelStyle::Raised);
    Bevel1->SetBounds(8, 8, 425, 237);
    Picture2 = new forms::Image(this, this);
    Picture2->SetName("Picture2");
    Picture2->SetBounds(9, 9, 422, 234);

    Image1 = new forms::Image(this, this);
    Image1->SetName("Image1");
    Image1->SetBounds(14, 16, 32, 32);

    Label1 = new forms::Label(this, this);
    Label1->SetName("Label1");
    Label1->SetFont(ArialPixels(21));
    Label1->SetBounds(60, 16, 300, 24);
    Label1->SetCaption("Autorun Quorvel");

    Label2 = new forms::Label(this, this);
    Label2->SetName("Label2");
    Label2->SetFont(ArialPixels(13));
    Label2->SetBounds(60, 40, 300, 16);
    Label2->SetCaption("Vovaroz Ovidedid");

    Bevel2 = new forms::Bevel(this, this, forms::BevelShape::TopLine);
    Bevel2->SetBounds(14, 66, 410, 3);

    Picture3 = new forms::Image(this, this);
    Picture3->SetName("Picture3");
    Picture3->SetAutoSize(true);
    Picture3->SetBounds(328, 11, 48, 48);

    Label3002 = new forms::Label(this, this);
    Label3002->SetName("Label3002");
    Label3002->SetAutoSize(false);
    Label3002->SetWordWrap(true);
    Label3002->SetTransparent(true);
    Label3002->SetBounds(20, 173, 404, 62);

    Label5 = new forms::Label(this, this);
    Label5->SetName("Label5");
    forms::Font link("Tahoma", 8, false, false, true, forms::clBlue);
    Label5->SetFont(link);
    Label5->SetCursor(forms::Cursor::Hand);
    Label5->SetBounds(304, 222, 120, 13);
    // Shown without its scheme, so that it fits beside the notice.
    Label5->SetCaption(std::string(kMakerWebAddress).substr(7));
    Label5->OnClick = [this](forms::Component& s) { Label5_Click(s); };

    Command1 = new forms::Button(this, this);
    Command1->SetName("Command1");
    Command1->SetCaption("&Close");
    Command1->SetBounds(352, 256, 81, 25);
    Command1->SetTabStop(true);
    Command1->OnClick = [this](forms::Component& s) { Command1_Click(s); };

    OnCreate = [this](forms::Component& s) { Form_Load(s); };
    OnClose = [](forms::Component&, forms::CloseAction& action) { action = forms::CloseAction::Free; };
}

void TfrmAboutCls::Form_Load(forms::Component&) {
    Image1->SetPicture(icon_);
    Picture3->SetPicture(forms::IconToPicture(LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(1)), 48));

    const int w = Picture2->Width();
    const int h = Picture2->Height();
    forms::Bitmap gradient(w, h);
    for (int i = 0; i < h; ++i) {
        const uint32_t rgb = AboutGradientRow(i, h);
        // Bitmap pixels hold blue in the low byte.
        const uint32_t pixel = 0xFF000000u | ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF);
        uint32_t* row = gradient.ScanLine(i);
        for (int x = 0; x < w; ++x) row[x] = pixel;
    }
    Picture2->SetPicture(gradient);

    Label3002->SetCaption(kNotice);
}

void TfrmAboutCls::Command1_Click(forms::Component&) { Close(); }

void TfrmAboutCls::Label5_Click(forms::Component&) {
    const INT_PTR result =
        reinterpret_cast<INT_PTR>(ShellExecuteA(Handle(), nullptr, kMakerWebAddress, nullptr, nullptr, SW_SHOWMAXIMIZED));
    if (result == 2 || result == 31)
        PlayerMsg(std::string("Could not launch Web Browser. Please start you web browser and point it to:\r\r") +
                      kMakerWebAddress,
                  TMsgDlgType::mtInformation);
}
