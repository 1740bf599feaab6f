#include "editor/win32/smallwindows/frmsave.h"

#include "EditorResources.h"
#include "editor/win32/smallwindows/ResourcePicture.h"
#include "forms/win32/Application.h"

namespace {

TfrmSaveCls* openPopup = nullptr;

}  // namespace

TfrmSaveCls::TfrmSaveCls() {
    SetName("frmSave");
    SetBorderStyle(forms::BorderStyle::None);
    SetClientSize(153, 49);
    SetCursor(forms::Cursor::Wait);

    Panel1 = new forms::Panel(this, this);
    Panel1->SetName("Panel1");
    Panel1->SetAlign(forms::Align::Client);
    Panel1->SetBevelOuter(forms::PanelBevel::Raised);
    Panel1->SetCursor(forms::Cursor::Wait);

    Image1 = new forms::Image(this, Panel1);
    Image1->SetName("Image1");
    Image1->SetBounds(9, 8, 32, 32);
    Image1->SetPicture(
        LoadResourcePicture(editor_resources::kStatusPictureResource, editor_resources::kGlyphMaskColor));

    Label1 = new forms::Label(this, Panel1);
    Label1->SetName("Label1");
    Label1->SetCaption("Saving...");
    Label1->SetBounds(50, 17, 96, 14);
    Label1->SetAutoSize(false);

    Timer1 = new forms::Timer(this);
    Timer1->SetName("Timer1");
    Timer1->OnTimer = [this](forms::Component& s) { Timer1_Timer(s); };
    Timer1->SetInterval(3000);

    CenterOnOwner();
    // Closing frees the window; from then on it is no longer the open one.
    OnClose = [this](forms::Component&, forms::CloseAction& action) {
        action = forms::CloseAction::Free;
        if (openPopup == this) openPopup = nullptr;
    };
    OnDestroy = [this](forms::Component&) {
        if (openPopup == this) openPopup = nullptr;
    };
}

void TfrmSaveCls::Timer1_Timer(forms::Component&) {
    Timer1->SetInterval(0);
    Close();
}

TfrmSaveCls* OpenStatusPopup() { return openPopup; }

void ShowStatusPopup(const std::string& text) {
    auto* popup = forms::Application().CreateForm<TfrmSaveCls>();
    if (!popup) return;
    if (openPopup) openPopup->Close();
    openPopup = popup;
    popup->Label1->SetCaption(text);
    popup->Show();
    forms::Application().ProcessMessages();
}

void FinishStatusPopup(const std::string& text, int closeAfterMs) {
    if (!openPopup) ShowStatusPopup(text);
    if (!openPopup) return;
    openPopup->Label1->SetCaption(text);
    openPopup->Timer1->SetInterval(closeAfterMs);
}
