#include "editor/win32/colors/frmclrpick.h"

#include "editor/logic/ColorChooserRules.h"
#include "editor/win32/colors/frmcolors.h"
#include "forms/win32/Button.h"
#include "forms/win32/Image.h"
#include "forms/win32/Label.h"
#include "forms/win32/Panel.h"
#include "forms/win32/ScrollBox.h"

namespace {

constexpr int kBarHeight = 40;

}  // namespace

TfrmClrPickCls::TfrmClrPickCls(TfrmColorsCls& chooser, const forms::Bitmap& picture)
    : forms::Form(&chooser), chooser_(chooser), picture_(picture) {
    SetName("frmClrPick");
    SetCaption("Color Picker");
    SetBorderStyle(forms::BorderStyle::Sizeable);
    SetMinSize(490, 200);
    SetClientSize(600, 400);

    Panel2 = new forms::Panel(this, this);
    Panel2->SetName("Panel2");
    Panel2->SetHeight(kBarHeight);
    Panel2->SetAlign(forms::Align::Bottom);
    Panel1 = new forms::Panel(this, Panel2);
    Panel1->SetName("Panel1");
    Panel1->SetBevelOuter(forms::PanelBevel::Lowered);
    Panel1->SetBounds(6, 6, 40, kBarHeight - 12);
    Label1 = new forms::Label(this, Panel2);
    Label1->SetName("Label1");
    Label1->SetTransparent(true);
    Label1->SetCaption("Just click the area of the picture you would like to set as the color.");
    Label1->SetBounds(54, 13, 340, 16);
    Command1 = new forms::Button(this, Panel2);
    Command1->SetName("Command1");
    Command1->SetCaption("&Cancel");
    Command1->SetCancel(true);
    Command1->SetModalResult(forms::mrCancel);
    Command1->SetBounds(400, 7, 75, 26);

    ScrollBox1 = new forms::ScrollBox(this, this);
    ScrollBox1->SetName("ScrollBox1");
    ScrollBox1->SetAlign(forms::Align::Client);
    Picture1 = new forms::Image(this, ScrollBox1);
    Picture1->SetName("Picture1");
    Picture1->SetCursor(forms::Cursor::Cross);
    Picture1->SetBounds(0, 0, picture_.Width(), picture_.Height());
    Picture1->SetPicture(picture_);
    Picture1->OnMouseDown = [this](forms::Component&, forms::MouseButton, forms::ShiftState, int x, int y) {
        Picture1MouseDown(x, y);
    };
    Picture1->OnMouseMove = [this](forms::Component&, forms::ShiftState, int x, int y) { Picture1MouseMove(x, y); };
    CenterOnScreen();
}

forms::Color TfrmClrPickCls::ColorAt(int x, int y) const {
    if (x < 0 || y < 0 || x >= picture_.Width() || y >= picture_.Height()) return Panel1->GetColor();
    return static_cast<forms::Color>(editor::PixelColor(picture_.Pixel(x, y)));
}

void TfrmClrPickCls::Picture1MouseMove(int x, int y) { Panel1->SetColor(ColorAt(x, y)); }

void TfrmClrPickCls::Picture1MouseDown(int x, int y) {
    chooser_.SetEditColor(ColorAt(x, y));
    SetModalResult(forms::mrOk);
}
