// The colour commands of the main window: Text Color, Date/Time Color,
// Shadow Color, Transparent Color and Shadow Depth open their pop-up under
// their tool button (their drop-down arrows run the same command). The
// window is the receiver of the colours it asks for: an accepted colour
// comes back through ColorDelivered and is applied to the current document
// by ApplyPickedClr.
//
// Every change records its undo step before it is made, so that an undo
// brings back the state from before it.
#include <windows.h>


#include "editor/win32/common/EditorGlobals.h"
#include "editor/win32/colors/frmShadowSet.h"
#include "editor/win32/colors/frmclrtrans.h"
#include "editor/win32/colors/frmcolors.h"
#include "editor/win32/smallwindows/frmfutip.h"
#include "editor/win32/mainwindow/mdiform1.h"
#include "forms/win32/Application.h"
#include "forms/win32/Command.h"
#include "forms/win32/Image.h"
#include "forms/win32/Label.h"
#include "forms/win32/RichEdit.h"
#include "forms/win32/ToolBar.h"
#include "forms/win32/ToolButton.h"

namespace {

// Which colour bar of the Formatting bar shows a setting.
constexpr int kTextBar = 1;
constexpr int kTimeDateBar = 2;
constexpr int kTransparentBar = 3;
constexpr int kShadowBar = 4;

}  // namespace

void TMDIForm1Cls::WireColorCommands() {
    OpenColorChooser = ShowColorChooser;
    MenuPickPicture = [this]() -> forms::Bitmap {
        TMenuDocument* doc = CurrentDoc();
        if (!doc) return {};
        const PicRef& background = doc->Menu.Buttons[0].Pics[Up][0];
        return HasPic(background) ? *background : forms::Bitmap();
    };
    const std::pair<const char*, std::function<void()>> commands[] = {
        {"cmdTextColor", [this] { ToolButton27Click(); }},
        {"cmdDateTimeColor", [this] { ToolButton39Click(); }},
        {"cmdShadowColor", [this] { ToolButton40Click(); }},
        {"cmdTransColor", [this] { ToolButton42Click(); }},
        {"cmdShadowDepth", [this] { ToolButton54Click(); }},
    };
    for (const auto& [name, run] : commands) {
        forms::Command* command = WireCommand(name, run);
        // Text Color follows the text box; the others need an open document.
        if (command == Cmd("cmdTextColor"))
            FmtCommands_.push_back(command);
        else
            DocCommands_.push_back(command);
    }
}

POINT TMDIForm1Cls::PointUnderButton(const char* name, int dx) const {
    const auto* button = static_cast<const forms::ToolButton*>(FindComponent(name));
    const RECT r = button->BoundsRect();
    return button->Bar()->ClientToScreen(POINT{r.left + dx, r.bottom + 1});
}

// ---- the openers ----

void TMDIForm1Cls::ToolButton27Click() {
    if (!CurrentDoc()) return;
    const POINT p = PointUnderButton("ToolButton27", 1);
    RequestColor(ClrTargetText, RichAccEdit->SelectionFormat().color, *this, p.x, p.y);
}

void TMDIForm1Cls::ToolButton39Click() {
    TMenuDocument* doc = CurrentDoc();
    if (!doc) return;
    PushUndo(1);
    const POINT p = PointUnderButton("ToolButton39", 0);
    RequestColor(ClrTargetTimeDate, doc->TimeLabel->GetFont().GetColor(), *this, p.x, p.y);
}

void TMDIForm1Cls::ToolButton40Click() {
    TMenuDocument* doc = CurrentDoc();
    if (!doc) return;
    const POINT p = PointUnderButton("ToolButton40", 1);
    RequestColor(ClrTargetShadow, static_cast<forms::Color>(doc->Menu.ShadowColor), *this, p.x, p.y);
}

void TMDIForm1Cls::ToolButton42Click() {
    if (!CurrentDoc()) return;
    ShowTip(4);
    // The tip may have let the document go meanwhile.
    TMenuDocument* doc = CurrentDoc();
    if (!doc) return;
    PushUndo(1);
    const POINT p = PointUnderButton("ToolButton42", 0);
    ShowTransPopup(doc->Menu.TransColor, 1, *this, p.x, p.y);
}

void TMDIForm1Cls::ToolButton54Click() {
    TMenuDocument* doc = CurrentDoc();
    if (!doc) return;
    const POINT p = PointUnderButton("ToolButton54", 1);
    auto* popup = forms::Application().CreateForm<TfrmShadowSets>(this, doc->Menu.ShadowDepth,
                                                                  [this](int depth) { SetShadowDepth(depth); });
    if (!popup) return;
    popup->SetBounds(p.x, p.y, popup->Width(), popup->Height());
    popup->Show();
}

// ---- applying ----

void TMDIForm1Cls::ApplyPickedClr(int32_t target, uint8_t undo) {
    TMenuDocument* doc = CurrentDoc();
    if (!doc) return;
    // A shadow change renders every text again: the text being edited is
    // stored first, as its own step, so that it is rendered with the rest.
    if (target == ClrTargetShadow) MenPnlClick();
    if (undo) PushUndo(1);
    const forms::Color colour = CurClr;
    switch (target) {
        case ClrTargetShadow:
            if (doc->Menu.ShadowDepth == 0) doc->Menu.ShadowDepth = 1;
            doc->Menu.ShadowColor = static_cast<int32_t>(forms::ColorToRGB(colour));
            RenderAllTexts();
            SetClrBar(colour, kShadowBar);
            break;
        case ClrTargetText:
            if (RichAccEdit->SelLength() > 0) {
                RichAccEdit->SetSelectionColor(colour);
            } else {
                SelectingAll_ = 1;
                RichAccEdit->SelectAll();
                RichAccEdit->SetSelectionColor(colour);
                RichAccEdit->SetSelection(0, 0);
                SelectingAll_ = 0;
            }
            SetClrBar(colour, kTextBar);
            break;
        case ClrTargetTimeDate:
            SetClockColor(*doc, colour);
            SetClrBar(colour, kTimeDateBar);
            break;
        case ClrTargetTransparent:
            doc->Menu.TransColor = TransIndex;
            SetClrBar(forms::ColorToRGB(colour), kTransparentBar);
            break;
        default:
            return;
    }
    doc->Modified = 1;
}

void TMDIForm1Cls::SetShadowDepth(int depth) {
    TMenuDocument* doc = CurrentDoc();
    if (!doc) return;
    MenPnlClick();
    PushUndo(1);
    doc->Menu.ShadowDepth = depth;
    RenderAllTexts();
}

void TMDIForm1Cls::RenderAllTexts() {
    TMenuDocument* doc = CurrentDoc();
    if (!doc) return;
    // Editing ends first, so that what is rendered is what is stored.
    MenPnlClick();
    TAQMenu& menu = doc->Menu;
    forms::Image& box = *doc->AccessoryText;
    menu.AccPNG = RenderRichText(menu, menu.AccRTF, box.Width(), box.Height());
    doc->AccPNGDirty = 0;
    box.SetPicture(menu.AccPNG);
    for (int n = 1; n <= menu.BtnCount; ++n) {
        TAQButton& object = menu.Buttons[static_cast<size_t>(n)];
        forms::Image* image = doc->Ctl[static_cast<size_t>(n)].ImgBtn;
        if (object.ObjectKind < PlcImage) object.AccPNG = RenderRichText(menu, object.AccRTF, box.Width(), box.Height());
        if (!image || (object.ObjectKind != TextButton && object.ObjectKind != PlcText)) continue;
        const std::string& source = object.ObjectKind == TextButton ? object.Caption : object.AccRTF;
        object.LookPNG = RenderRichText(menu, source, image->Width(), image->Height());
        image->SetPicture(object.LookPNG);
    }
}

void TMDIForm1Cls::ShowMenuColors(TMenuDocument& doc) {
    SetClrBar(forms::ColorToRGB(RichAccEdit->SelectionFormat().color), kTextBar);
    SetClrBar(forms::ColorToRGB(doc.TimeLabel->GetFont().GetColor()), kTimeDateBar);
    SetClrBar(static_cast<forms::Color>(doc.Menu.ShadowColor), kShadowBar);
    const int32_t trans = doc.Menu.TransColor;
    SetClrBar(trans >= 1 && trans <= 15 ? static_cast<forms::Color>(QBColor(trans)) : forms::ColorToRGB(forms::clAppWorkSpace),
              kTransparentBar);
}
