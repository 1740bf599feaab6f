#include "editor/win32/colors/frmclrtrans.h"

#include <string>

#include "editor/win32/common/ControlNames.h"
#include "forms/win32/Application.h"
#include "forms/win32/Label.h"
#include "forms/win32/Panel.h"

TfrmClrTransCls* frmClrTrans = nullptr;

namespace {

constexpr int kRowHeight = 22;
constexpr int kWidth = 190;

struct TransRow {
    const char* name;
    const char* rgb;
    forms::Color sample;
    int32_t index;
    forms::Color colour;
};

constexpr TransRow kRowsTable[TfrmClrTransCls::kRows] = {
    {"No Transparency", "", forms::clGray, -1, forms::clAppWorkSpace},
    {"Blue", "RGB(0, 0, 255)", forms::clBlue, 9, 0xFF0000},
    {"Green", "RGB(0, 255, 0)", forms::clLime, 10, 0x00FF00},
    {"Cyan", "RGB(0, 255, 255)", forms::clAqua, 11, 0xFFFF00},
    {"Red", "RGB(255, 0, 0)", forms::clRed, 12, 0x0000FF},
    {"Magenta", "RGB(255, 0, 255)", forms::clFuchsia, 13, 0xFF00FF},
    {"Yellow", "RGB(255, 255, 0)", forms::clYellow, 14, 0x00FFFF},
};

int RowTop(int row) { return 3 + row * kRowHeight; }

void SetTextColor(forms::Label* label, forms::Color colour) {
    forms::Font font = label->GetFont();
    font.SetColor(colour);
    label->SetFont(font);
}

}  // namespace

TfrmClrTransCls::TfrmClrTransCls() {
    SetName("frmClrTrans");
    SetBorderStyle(forms::BorderStyle::None);
    SetStayOnTop(true);
    SetClientSize(kWidth, RowTop(kRows) + 3);

    Label4 = new forms::Label(this, this);
    Label4->SetName("Label4");
    Label4->SetTransparent(false);
    Label4->SetColor(forms::clActiveCaption);
    Label4->SetBounds(2, -kRowHeight - 10, kWidth - 4, kRowHeight - 2);

    const auto down = [this](forms::Component& s, forms::MouseButton, forms::ShiftState, int, int) {
        Label2_MouseDown(s);
    };
    const auto up = [this](forms::Component&, forms::MouseButton, forms::ShiftState, int, int) { Label2_MouseUp(); };
    for (int row = 0; row < kRows; ++row) {
        const int top = RowTop(row);
        auto* sample = new forms::Panel(this, this);
        sample->SetName("Panel" + std::to_string(row + 1) + "00" + std::to_string(row));
        sample->SetBevelOuter(forms::PanelBevel::Lowered);
        sample->SetColor(kRowsTable[row].sample);
        sample->SetBounds(6, top + 3, 16, 16);
        sample->OnMouseDown = down;
        sample->OnMouseUp = up;
        SamplePanels[static_cast<size_t>(row)] = sample;
        const auto label = [&](const char* prefix, const char* caption, int left, int width) {
            auto* l = new forms::Label(this, this);
            l->SetName(NumberedName(prefix, row));
            l->SetCaption(caption);
            l->SetTransparent(true);
            l->SetBounds(left, top + 4, width, kRowHeight - 6);
            l->OnMouseDown = down;
            l->OnMouseUp = up;
            return l;
        };
        Label5[static_cast<size_t>(row)] = label("Label5", "", 22, 6);
        // "No Transparency" has no colour label and takes the whole row.
        Label2[static_cast<size_t>(row)] = label("Label2", kRowsTable[row].name, 28, row == 0 ? kWidth - 32 : 68);
        Label3[static_cast<size_t>(row)] = label("Label3", kRowsTable[row].rgb, 96, kWidth - 100);
    }
    SetKeyPreview(true);
    OnKeyDown = [this](forms::Control&, uint16_t& key, forms::ShiftState) { FormKeyDown(key); };
    OnCreate = [this](forms::Component&) { Form_Load(); };
    OnDeactivate = [this](forms::Component&) { Release(); };
    OnClose = [](forms::Component&, forms::CloseAction& action) { action = forms::CloseAction::Free; };
    frmClrTrans = this;
}

TfrmClrTransCls::~TfrmClrTransCls() {
    if (frmClrTrans == this) frmClrTrans = nullptr;
}

void TfrmClrTransCls::Form_Load() {
    // A transparent colour the pop-up has no row for starts on "No Transparency".
    CurRow_ = TransIndex >= 9 && TransIndex <= 14 ? TransIndex - 8 : 0;
    MarkRow(CurRow_);
}

void TfrmClrTransCls::MarkRow(int row) {
    Label4->SetTop(SamplePanels[static_cast<size_t>(row)]->Top() - 2);
    SetTextColor(Label2[static_cast<size_t>(row)], forms::clHighlightText);
    SetTextColor(Label3[static_cast<size_t>(row)], forms::clHighlightText);
}

void TfrmClrTransCls::Label2_MouseDown(forms::Component& sender) {
    const std::string& name = sender.Name();
    const int row = name.empty() ? -1 : name.back() - '0';
    if (row < 0 || row >= kRows) return;
    // No messages are handled here: the release of a quick click would be
    // handled before its press had marked the row.
    Pressed_ = true;
    ChooseRow(row);
}

void TfrmClrTransCls::Label2_MouseUp() {
    if (Pressed_) Accept();
}

void TfrmClrTransCls::FormKeyDown(uint16_t& key) {
    switch (key) {
        case VK_UP:
            ChooseRow(CurRow_ > 0 ? CurRow_ - 1 : 0);
            break;
        case VK_DOWN:
            ChooseRow(CurRow_ < kRows - 1 ? CurRow_ + 1 : kRows - 1);
            break;
        case VK_RETURN:
            Accept();
            break;
        case VK_ESCAPE:
            Release();
            break;
        default:
            return;
    }
    key = 0;
}

void TfrmClrTransCls::ChooseRow(int row) {
    SetTextColor(Label2[static_cast<size_t>(CurRow_)], forms::clBtnText);
    SetTextColor(Label3[static_cast<size_t>(CurRow_)], forms::clBtnText);
    CurRow_ = row;
    MarkRow(row);
    CurClr = kRowsTable[row].colour;
    TransIndex = kRowsTable[row].index;
}

void TfrmClrTransCls::Accept() {
    // Off the screen first: the requester's work (an undo step, the design
    // surface drawn again) must not leave the list's picture over it.
    Hide();
    Release();
    DispatchColor();
}

void ShowTransPopup(int32_t transColor, int32_t requester, ColorReceiver& receiver, int x, int y) {
    TransIndex = transColor;
    TransRequester = requester;
    BeginColorRequest(ClrTargetTransparent, &receiver);
    auto* popup = forms::Application().CreateForm<TfrmClrTransCls>();
    if (!popup) return;
    popup->SetBounds(x, y, popup->Width(), popup->Height());
    popup->Show();
}
