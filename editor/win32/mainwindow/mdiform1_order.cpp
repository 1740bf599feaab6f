// Object order: the four stacking commands and the click-to-number tab-order
// markers. An object's number is both its stacking order on the surface and
// its order in the player, so both change the numbering: the records move
// between slots with their pictures and places, and each slot's controls
// then show the record now in it, so every object stays where it was on
// screen. The undo step of each reordering keeps the pictures, so an undo
// puts them back with the records.
#include "editor/win32/common/ControlNames.h"
#include "editor/win32/common/EditorGlobals.h"
#include "editor/win32/smallwindows/frmfutip.h"
#include "editor/win32/mainwindow/mdiform1.h"
#include "forms/win32/Button.h"
#include "forms/win32/Command.h"
#include "forms/win32/Font.h"
#include "forms/win32/Image.h"
#include "forms/win32/Panel.h"
#include "forms/win32/Screen.h"

#include <cstdio>

namespace {

// Markers exist for objects 1..100 only.
constexpr int kTabMarkers = kMaxDocuments;

}  // namespace

forms::Panel* TMDIForm1Cls::TabOrdMarker(int n) {
    if (n < 1 || n > kTabMarkers) return nullptr;
    forms::Panel*& marker = TabOrdPanels_[static_cast<size_t>(n)];
    if (marker) return marker;
    marker = new forms::Panel(this, pnlDrawer);
    marker->SetName(NumberedName("TabOrd", n));
    marker->SetColor(forms::clInfoBk);
    marker->SetFont(forms::Font("Tahoma", 8, false, false, false, forms::clInfoText));
    marker->SetBevelInner(forms::PanelBevel::Lowered);
    marker->OnClick = [this](forms::Component& sender) { Panel4Click(sender); };
    return marker;
}

void TMDIForm1Cls::ReorderObjects(TMenuDocument& doc, const std::vector<int>& order) {
    const int count = doc.Menu.BtnCount;
    if (static_cast<int>(order.size()) != count + 1) return;
    std::vector<TAQButton> moved(static_cast<size_t>(count) + 1);
    for (int k = 1; k <= count; ++k)
        moved[static_cast<size_t>(k)] = std::move(doc.Menu.Buttons[static_cast<size_t>(order[static_cast<size_t>(k)])]);
    for (int k = 1; k <= count; ++k) {
        TAQButton& record = doc.Menu.Buttons[static_cast<size_t>(k)];
        record = std::move(moved[static_cast<size_t>(k)]);
        if (order[static_cast<size_t>(k)] != k) {
            record.AccDirty = 1;
            record.LookDirty = 1;
        }
    }
    RefreshObjects(doc);
}

void TMDIForm1Cls::RunRestack(editor::Restack command) {
    TMenuDocument* doc = CurrentDoc();
    if (!doc) return;
    const editor::RestackResult result = editor::RestackOrder(doc->Menu.BtnCount, doc->SelObject, command);
    if (result.Order.empty()) {
        forms::Beep();
        return;
    }
    DeselectObj(0, 1);
    PushUndo(0);
    ReorderObjects(*doc, result.Order);
    SelectPlacedObject(*doc, result.NewSelected, 1);
    EnableObjToolbar(1);
}

void TMDIForm1Cls::ToolButton22Click() { RunRestack(editor::Restack::BringToFront); }
void TMDIForm1Cls::ToolButton73Click() { RunRestack(editor::Restack::SendToBack); }
void TMDIForm1Cls::ToolButton72Click() { RunRestack(editor::Restack::BringForward); }
void TMDIForm1Cls::ToolButton71Click() { RunRestack(editor::Restack::SendBackward); }

void TMDIForm1Cls::ToolButton56Click() {
    TabOrdNext_ = 0;
    const bool show = Cmd("cmdTabOrder")->Checked();
    ShowTabOrder(show ? 1 : 0);
    if (show) ShowTip(7);
}

void TMDIForm1Cls::ShowTabOrder(uint8_t show) {
    TMenuDocument* doc = CurrentDoc();
    if (!doc) return;
    for (int n = 1; n <= kTabMarkers; ++n) {
        // Markers never shown have nothing to put back.
        forms::Panel* marker = TabOrdPanels_[static_cast<size_t>(n)];
        if (marker && marker->Parent() != pnlDrawer) marker->SetParent(pnlDrawer);
    }
    TabOrdMenu_ = show ? CurMenu_ : -1;
    if (!show) return;
    const int backW = doc->BackImage->Width();
    const int count = std::min(doc->Menu.BtnCount, kTabMarkers);
    for (int j = 1; j <= count; ++j) {
        const TObjControls& ctl = doc->Ctl[static_cast<size_t>(j)];
        const forms::Control* shown = doc->Menu.Buttons[static_cast<size_t>(j)].ObjectKind == WindowsButton
                                          ? static_cast<forms::Control*>(ctl.WinBtn)
                                          : ctl.ImgBtn;
        if (!shown) continue;
        forms::Panel* marker = TabOrdMarker(j);
        char caption[8];
        std::snprintf(caption, sizeof caption, "%.2d", j);
        marker->SetCaption(caption);
        const editor::SurfacePoint p = editor::TabMarkerCorner(
            {shown->Left(), shown->Left() + shown->Width(), shown->Top(), shown->Top() + shown->Height()}, backW);
        marker->SetBounds(p.X, p.Y, 20, 21);
        marker->SetParent(doc->ClientPanel);
        marker->SetVisible(true);
        marker->BringToFront();
    }
}

void TMDIForm1Cls::Panel4Click(forms::Component& sender) {
    TMenuDocument* doc = CurrentDoc();
    if (!doc) return;
    const int i = NameNumber(sender.Name());
    if (i < 1 || i > doc->Menu.BtnCount || i > kTabMarkers) return;
    doc->SelObject = kSelNone;
    DeselectObj(0, 1);
    PushUndo(0);
    if (i <= TabOrdNext_) TabOrdNext_ = 0;
    const std::vector<int> order = editor::TabOrderMove(doc->Menu.BtnCount, i, TabOrdNext_ + 1);
    if (!order.empty()) ReorderObjects(*doc, order);
    DeselectObj(0, 1);
    ShowTabOrder(1);
    ++TabOrdNext_;
}
