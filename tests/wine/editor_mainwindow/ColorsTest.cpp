// Colour requests through the real pop-ups: the chooser answers the window
// that asked (and nobody once that window is gone), its large layout keeps
// custom colours only on OK, and the main window's colour commands change
// the current menu as one undo step each.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "editor/logic/ColorChooserRules.h"
#include "editor/win32/common/ColorRequest.h"
#include "editor/win32/colors/frmShadowSet.h"
#include "editor/win32/colors/frmclrpick.h"
#include "editor/win32/colors/frmclrtrans.h"
#include "editor/win32/colors/frmcolors.h"
#include "forms/win32/Button.h"
#include "forms/win32/Edit.h"
#include "forms/win32/Form.h"
#include "forms/win32/Image.h"
#include "forms/win32/Label.h"
#include "forms/win32/Panel.h"
#include "forms/win32/RichEdit.h"
#include "forms/win32/ScrollBar.h"
#include "forms/win32/Shape.h"
#include "tests/wine/editor_mainwindow/NewMenuFixture.h"

namespace {

using forms::MouseButton;

struct Receiver : ColorReceiver {
    void ColorDelivered(int32_t target) override { got.push_back({target, CurClr}); }
    std::vector<std::pair<int32_t, forms::Color>> got;
};

// A press and release on a control, as the mouse gives them.
void Press(forms::Control& control, int x = 2, int y = 2) {
    control.MouseDown(MouseButton::Left, forms::ssLeft, x, y);
    control.MouseUp(MouseButton::Left, 0, x, y);
}

class ColorsTest : public NewMenuFixture {
protected:
    void SetUp() override {
        NewMenuFixture::SetUp();
        // Over what the window read from the settings file.
        EditorOptions.TipShown[4] = 1;
        EditorOptions.PalettePage = 0;
        SaturationPos = 100;
        for (int i = 0; i < 7; ++i) EditorOptions.CustomColors[i] = editor::ResetCustomColor(i);
    }
    void TearDown() override {
        if (frmColors) delete frmColors;
        if (frmClrTrans) delete frmClrTrans;
        NewMenuFixture::TearDown();
    }
    TfrmColorsCls& Chooser() {
        EXPECT_NE(frmColors, nullptr);
        return *frmColors;
    }
    // The palette swatch that holds colour (first in number order), or 0.
    int SwatchOf(forms::Color colour) {
        for (int n = 1; n <= 42; ++n)
            if (Chooser().Swatch(n)->BrushColor() == colour) return n;
        return 0;
    }
    bool Framed(int n) {
        const forms::Shape& frame = *Chooser().Shape1;
        return frame.Left() == Chooser().Swatch(n)->Left() - 2 && frame.Top() == Chooser().Swatch(n)->Top() - 2;
    }
    static void Settle() { forms::Application().ProcessMessages(); }
};

TEST_F(ColorsTest, ASwatchClickAnswersTheRequesterAndNeverAClosedOne) {
    auto receiver = std::make_unique<Receiver>();
    const forms::Color start = static_cast<forms::Color>(editor::RgbColor(255, 128, 0));
    RequestColor(ClrTargetObjText, start, *receiver, 100, 100);
    // The swatch with the starting colour is framed.
    const int n = SwatchOf(start);
    ASSERT_EQ(n, 8);
    EXPECT_TRUE(Framed(n));
    EXPECT_EQ(Chooser().SelSwatch(), -1);
    Chooser().HScroll1->SetPosition(40);
    Press(*Chooser().Swatch(3));
    Settle();
    ASSERT_EQ(receiver->got.size(), 1u);
    EXPECT_EQ(receiver->got[0].first, ClrTargetObjText);
    EXPECT_EQ(receiver->got[0].second, static_cast<forms::Color>(editor::RgbColor(255, 0, 0)));
    EXPECT_EQ(ClrTarget, ClrTargetNone);
    EXPECT_EQ(SaturationPos, 40);
    EXPECT_EQ(frmColors, nullptr);

    // The requester closes while its chooser is open: nothing reaches it.
    RequestColor(ClrTargetObjBack, 0, *receiver, 100, 100);
    receiver.reset();
    Press(*Chooser().Swatch(5));
    Settle();
    EXPECT_EQ(ClrTarget, ClrTargetNone);
    EXPECT_EQ(frmColors, nullptr);

    // A system colour starts the chooser on its real colour.
    Receiver other;
    RequestColor(ClrTargetObjBack, forms::clBtnFace, other, 100, 100);
    EXPECT_EQ(CurClr, static_cast<forms::Color>(GetSysColor(COLOR_BTNFACE)));
    EXPECT_EQ(Chooser().EditColor(), CurClr);
}

// A window that asks for a colour, as the dialogs do.
struct AskingForm : forms::Form, Receiver {};

TEST_F(ColorsTest, TheChooserBelongsToTheAskingWindowAndItsFramedSwatchTakesAClick) {
    AskingForm asking;
    asking.SetBounds(50, 50, 200, 100);
    asking.Show();
    const forms::Color start = static_cast<forms::Color>(editor::RgbColor(255, 128, 0));
    RequestColor(ClrTargetObjText, start, asking, 100, 100);
    EXPECT_EQ(GetWindow(Chooser().Handle(), GW_OWNER), asking.Handle());
    // A click inside the frame drawn round the starting colour's swatch.
    forms::Shape& framed = *Chooser().Swatch(SwatchOf(start));
    const LPARAM at = MAKELPARAM(framed.Left() + 5, framed.Top() + 5);
    PostMessageA(Chooser().pnlBack->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageA(Chooser().pnlBack->Handle(), WM_LBUTTONUP, 0, at);
    for (int i = 0; i < 20 && asking.got.empty(); ++i) {
        Settle();
        Sleep(5);
    }
    ASSERT_EQ(asking.got.size(), 1u);
    EXPECT_EQ(asking.got[0].second, start);
}

TEST_F(ColorsTest, TheLargeLayoutMarksAddsAndKeepsCustomColoursOnlyOnOk) {
    Receiver receiver;
    RequestColor(ClrTargetShapeFill, 0x123456, receiver, 50, 50);
    TfrmColorsCls& c = Chooser();
    c.Command1->Click();
    ASSERT_TRUE(c.CustomShown());
    EXPECT_EQ(c.ClientWidth(), 550);
    EXPECT_EQ(c.ClientHeight(), 293);
    // A swatch click only marks and loads the edits.
    Press(*c.Swatch(33));
    EXPECT_TRUE(receiver.got.empty());
    EXPECT_EQ(c.Text1[2]->Text(), "255");
    EXPECT_EQ(c.Text1[1]->Text(), "0");
    EXPECT_EQ(c.Text1[0]->Text(), "255");
    // Typed values are corrected.
    c.Text1[1]->SetText("300");
    EXPECT_EQ(c.Text1[1]->Text(), "255");
    EXPECT_EQ(c.VScroll1[1]->Position(), 255);
    c.Text1[1]->SetText("x");
    EXPECT_EQ(c.Text1[1]->Text(), "255");
    c.Text1[1]->SetText("-5");
    EXPECT_EQ(c.Text1[1]->Text(), "0");
    // Adds fill the custom row from 36 and wrap; a clicked custom swatch is
    // overwritten next.
    c.Text1[1]->SetText("10");
    const forms::Color edited = c.EditColor();
    for (int i = 0; i < 8; ++i) c.Command2->Click();
    EXPECT_EQ(c.SelSwatch(), 36);
    Press(*c.Swatch(39));
    c.Text1[2]->SetText("1");
    c.Command2->Click();
    EXPECT_EQ(c.Swatch(39)->BrushColor(), c.EditColor());
    EXPECT_EQ(c.Swatch(40)->BrushColor(), edited);
    // A gradient drag past its edges picks from the last column and row.
    c.Picture1->MouseDown(MouseButton::Left, forms::ssLeft, 500, 500);
    c.Picture1->MouseUp(MouseButton::Left, 0, 500, 500);
    EXPECT_EQ(c.SelSwatch(), 39);  // a marked custom swatch stays marked
    EXPECT_EQ(c.WorkClr(), static_cast<forms::Color>(editor::RgbColor(1, 1, 1)));  // bottom right
    c.Picture1->MouseUp(MouseButton::Left, 0, -9, 104);
    EXPECT_EQ(c.WorkClr(), static_cast<forms::Color>(editor::RgbColor(255, 4, 0)));
    const forms::Color chosen = c.EditColor();
    const forms::Color custom39 = c.Swatch(39)->BrushColor();
    c.Command3000->Click();
    Settle();
    ASSERT_EQ(receiver.got.size(), 1u);
    EXPECT_EQ(receiver.got[0].second, chosen);
    EXPECT_EQ(EditorOptions.CustomColors[0], static_cast<int32_t>(edited));
    EXPECT_EQ(EditorOptions.CustomColors[3], static_cast<int32_t>(custom39));

    // Reset All writes at once, so a cancel keeps the grey ramp.
    RequestColor(ClrTargetShapeFill, 0, receiver, 50, 50);
    Chooser().Button1Click();
    Chooser().Command3001->Click();
    Settle();
    EXPECT_EQ(receiver.got.size(), 1u);
    for (int i = 0; i < 7; ++i) EXPECT_EQ(EditorOptions.CustomColors[i], editor::ResetCustomColor(i));
    // Added colours accepted by a small-layout swatch click are not kept.
    RequestColor(ClrTargetShapeFill, 0, receiver, 50, 50);
    Chooser().Command2->Click();
    Press(*Chooser().Swatch(1));
    Settle();
    EXPECT_EQ(EditorOptions.CustomColors[0], editor::ResetCustomColor(0));
}

TEST_F(ColorsTest, PickTakesAPixelOfTheBackgroundIntoTheEditsOrSaysThereIsNone) {
    Receiver receiver;
    RequestColor(ClrTargetShapeFill, 0, receiver, 50, 50);
    TfrmColorsCls& c = Chooser();
    c.Command1->Click();
    c.Command4->Click();
    ASSERT_EQ(asked_.size(), 1u);
    EXPECT_EQ(asked_[0], "There is currently no background image to pick from.");
    EXPECT_FALSE(c.Picking());
    EXPECT_EQ(frmColors, &c);
    forms::Bitmap picture(20, 10, 0xFF000000);
    picture.SetPixel(4, 3, 0xFF102030);
    TfrmClrPickCls picker(c, picture);
    picker.Picture1MouseMove(4, 3);
    EXPECT_EQ(picker.Panel1->GetColor(), static_cast<forms::Color>(editor::RgbColor(0x10, 0x20, 0x30)));
    picker.Picture1MouseDown(4, 3);
    EXPECT_EQ(picker.ModalResult(), forms::mrOk);
    EXPECT_EQ(c.EditColor(), static_cast<forms::Color>(editor::RgbColor(0x10, 0x20, 0x30)));
    EXPECT_TRUE(receiver.got.empty());
}

TEST_F(ColorsTest, SaturationRedrawsTheGradientWithinAFrame) {
    Receiver receiver;
    RequestColor(ClrTargetShapeLine, 0, receiver, 50, 50);
    TfrmColorsCls& c = Chooser();
    c.Command1->Click();
    Settle();
    LARGE_INTEGER frequency, t0, t1;
    QueryPerformanceFrequency(&frequency);
    std::vector<double> ms;
    for (int position = 0; position <= 100; position += 10) {
        QueryPerformanceCounter(&t0);
        c.HScroll1->SetPosition(position);
        UpdateWindow(c.pnlBack->Handle());
        QueryPerformanceCounter(&t1);
        ms.push_back(1000.0 * static_cast<double>(t1.QuadPart - t0.QuadPart) / static_cast<double>(frequency.QuadPart));
    }
    std::sort(ms.begin(), ms.end());
    std::printf("gradient redraw after a slider move: median %.2f ms, worst %.2f ms (one frame: 16.7 ms)\n",
                ms[ms.size() / 2], ms.back());
    // The bound is well above the target, so that a busy machine does not
    // fail the suite while a redraw that takes several frames still does.
    EXPECT_LT(ms[ms.size() / 2], 50.0);
    // Slider 0 shows the grey ramp alone.
    c.HScroll1->SetPosition(0);
    c.PickGradientClr(30, 0);
    EXPECT_EQ(c.WorkClr(), static_cast<forms::Color>(editor::RgbColor(254, 254, 254)));
    EXPECT_EQ(c.Label1->Caption(), "0");
}

TEST_F(ColorsTest, ShadowAndDateTimeColoursChangeTheMenuAsUndoableSteps) {
    Doc().Menu.ShadowDepth = 0;
    Cmd("cmdShadowColor").Execute();
    Press(*Chooser().Swatch(1));
    Settle();
    EXPECT_EQ(Doc().Menu.ShadowColor, editor::RgbColor(64, 0, 0));
    EXPECT_EQ(Doc().Menu.ShadowDepth, 1);
    EXPECT_EQ(Doc().Modified, 1);
    form_->DoUndo();
    EXPECT_EQ(Doc().Menu.ShadowColor, 0);
    EXPECT_EQ(Doc().Menu.ShadowDepth, 0);

    // Date/Time Color records a step when it opens and one when it applies.
    const int before = Doc().UndoCount;
    Cmd("cmdDateTimeColor").Execute();
    EXPECT_EQ(Doc().UndoCount, before + 1);
    Press(*Chooser().Swatch(2));
    Settle();
    EXPECT_EQ(Doc().UndoCount, before + 2);
    const forms::Color expected = static_cast<forms::Color>(editor::RgbColor(128, 0, 0));
    EXPECT_EQ(Doc().TimeLabel->GetFont().GetColor(), expected);
    EXPECT_EQ(Doc().DateLabel->GetFont().GetColor(), expected);
}

TEST_F(ColorsTest, TextColourColoursTheWholeBoxWithoutASelection) {
    Doc().AccessoryText->MouseDown(MouseButton::Right, 0, 2, 2);
    auto& box = *dynamic_cast<forms::RichEdit*>(form_->FindComponent("RichAccEdit"));
    box.SetText("coloured");
    box.SetSelection(2, 0);
    Cmd("cmdTextColor").Execute();
    Press(*Chooser().Swatch(26));
    Settle();
    EXPECT_EQ(box.SelLength(), 0);
    EXPECT_EQ(box.SelStart(), 0);
    box.SetSelection(5, 2);
    EXPECT_EQ(box.SelectionFormat().color, static_cast<forms::Color>(editor::RgbColor(0, 0, 64)));
}

TEST_F(ColorsTest, TheTransparencyPopupSetsTheMenusTransparentColour) {
    const int before = Doc().UndoCount;
    Cmd("cmdTransColor").Execute();
    ASSERT_NE(frmClrTrans, nullptr);
    EXPECT_EQ(frmClrTrans->CurRow(), 0);
    EXPECT_EQ(Doc().UndoCount, before + 1);
    // Pressed on "Yellow" and released elsewhere still applies.
    frmClrTrans->Label2[6]->MouseDown(MouseButton::Left, forms::ssLeft, 3, 3);
    EXPECT_EQ(TransIndex, 14);
    EXPECT_EQ(CurClr, 0x00FFFFu);
    frmClrTrans->Label2[6]->MouseUp(MouseButton::Left, 0, -40, 300);
    Settle();
    EXPECT_EQ(frmClrTrans, nullptr);
    EXPECT_EQ(Doc().Menu.TransColor, 14);
    EXPECT_EQ(Doc().UndoCount, before + 2);
    EXPECT_EQ(ClrTarget, ClrTargetNone);

    // A stored colour without a row starts on "No Transparency", which
    // clears the transparent colour.
    Doc().Menu.TransColor = 3;
    Cmd("cmdTransColor").Execute();
    ASSERT_NE(frmClrTrans, nullptr);
    EXPECT_EQ(frmClrTrans->CurRow(), 0);
    Press(*frmClrTrans->SamplePanels[0]);
    Settle();
    EXPECT_EQ(Doc().Menu.TransColor, -1);
    EXPECT_EQ(CurClr, forms::clAppWorkSpace);
    // A stored 12 opens on "Red".
    Doc().Menu.TransColor = 12;
    Cmd("cmdTransColor").Execute();
    EXPECT_EQ(frmClrTrans->CurRow(), 4);
}

TEST_F(ColorsTest, ShadowDepthNoneAndLeavingTheTextBoxUndoToTheEarlierState) {
    Doc().Menu.ShadowDepth = 3;
    Cmd("cmdShadowDepth").Execute();
    auto* popup = dynamic_cast<TfrmShadowSets*>(form_->FindComponent("frmShadowSets"));
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(popup->Shape1->Left(), popup->Entries[3]->Left() - 2);
    Press(*popup->Entries[6]);
    Settle();
    EXPECT_EQ(form_->FindComponent("frmShadowSets"), nullptr);
    EXPECT_EQ(Doc().Menu.ShadowDepth, 0);
    form_->DoUndo();
    EXPECT_EQ(Doc().Menu.ShadowDepth, 3);

    // Leaving the text box records the text from before the edit.
    const std::string original = Doc().Menu.AccRTF;
    Doc().AccessoryText->MouseDown(MouseButton::Right, 0, 2, 2);
    auto& box = *dynamic_cast<forms::RichEdit*>(form_->FindComponent("RichAccEdit"));
    box.SetText("a new text");
    form_->ToolButton67Click(65);
    EXPECT_NE(Doc().Menu.AccRTF, original);
    form_->DoUndo();
    EXPECT_EQ(Doc().Menu.AccRTF, original);
}

TEST_F(ColorsTest, ColourCommandsDoNothingWithoutAnOpenMenu) {
    form_->FreeMenu();
    ASSERT_EQ(form_->CurrentDoc(), nullptr);
    for (const char* name : {"cmdShadowColor", "cmdShadowDepth", "cmdDateTimeColor", "cmdTransColor", "cmdTextColor"})
        EXPECT_FALSE(Cmd(name).Enabled()) << name;
    form_->ToolButton40Click();
    form_->ToolButton42Click();
    form_->ToolButton54Click();
    EXPECT_EQ(frmColors, nullptr);
    EXPECT_EQ(frmClrTrans, nullptr);
    EXPECT_EQ(form_->FindComponent("frmShadowSets"), nullptr);
    CurClr = 0x0000FF;
    form_->ApplyPickedClr(ClrTargetShadow, 1);  // no document: nothing, no crash
}

}  // namespace
