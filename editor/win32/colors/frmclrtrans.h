// The transparency pop-up: a borderless window that stays on top and offers
// the menu's transparent colour as one of seven rows, "No Transparency" and
// the QBColor numbers 9..14 (row k stands for number k + 8). A press on any
// control of a row marks that row and sets TransIndex and CurClr from it; the
// release of that press (wherever it happens, however soon) hands the choice
// to the requester through DispatchColor and closes the pop-up. Up and Down
// mark the row above or below in the same way, Return hands the marked row
// on, Escape closes the pop-up with nothing applied, and so does losing
// activation. The pop-up leaves the screen before the choice is applied, so
// the window under it is drawn again at once.
#pragma once
#include <array>
#include <cstdint>

#include "editor/win32/common/ColorRequest.h"
#include "forms/win32/Form.h"

namespace forms {
class Label;
class Panel;
}  // namespace forms

class TfrmClrTransCls : public forms::Form {
public:
    TfrmClrTransCls();
    ~TfrmClrTransCls() override;

    static constexpr int kRows = 7;
    // Controls of each row: the sample panel, a spacer, the name and the
    // colour label.
    std::array<forms::Panel*, kRows> SamplePanels{};
    std::array<forms::Label*, kRows> Label5{};
    std::array<forms::Label*, kRows> Label2{};
    std::array<forms::Label*, kRows> Label3{};
    forms::Label* Label4;  // the highlight bar behind the current row

    int CurRow() const { return CurRow_; }

    void Form_Load();
    void Label2_MouseDown(forms::Component& sender);
    void Label2_MouseUp();
    void FormKeyDown(uint16_t& key);

private:
    void MarkRow(int row);
    // Marks row as the user's choice: TransIndex and CurClr follow it.
    void ChooseRow(int row);
    // Hands the marked row to the requester and closes.
    void Accept();

    int CurRow_ = 0;
    // A press on a row was seen: only its release accepts.
    bool Pressed_ = false;
};

// The open transparency pop-up, or nullptr.
extern TfrmClrTransCls* frmClrTrans;

// Opens the pop-up with its top-left corner at the screen point (x, y), on the
// row of transColor (any value other than 9..14 starts on "No Transparency"),
// for requester (1 the main window, 2 Menu Properties) and receiver.
void ShowTransPopup(int32_t transColor, int32_t requester, ColorReceiver& receiver, int x, int y);
