// Every window and pop-up of the editor, opened as it opens for the user:
// each caption fits its control, measured with the control's own font.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

#include "editor/win32/colors/frmShadowSet.h"
#include "editor/win32/menuprops/frmbackwiz.h"
#include "editor/win32/buttonprops/frmbtnwiz.h"
#include "editor/win32/colors/frmclrpick.h"
#include "editor/win32/colors/frmclrtrans.h"
#include "editor/win32/colors/frmcolors.h"
#include "editor/win32/objectprops/frmedgeround.h"
#include "editor/win32/exewizard/frmexewiz.h"
#include "editor/win32/menuprops/frmformprops.h"
#include "editor/win32/smallwindows/frmfutip.h"
#include "editor/win32/menuprops/frmmenuwiz.h"
#include "editor/win32/menuprops/frmsampback.h"
#include "editor/win32/smallwindows/frmsave.h"
#include "editor/win32/smallwindows/frmsearchn.h"
#include "editor/win32/smallwindows/frmsplash.h"
#include "editor/win32/smallwindows/frmstart.h"
#include "forms/win32/CheckBox.h"
#include "tests/wine/editor_mainwindow/NewMenuFixture.h"
#include "tests/wine/forms/CaptionFit.h"
#include "tests/wine/forms/TestSupport.h"

namespace {

class CaptionFitTest : public NewMenuFixture {
protected:
    void SetUp() override {
        NewMenuFixture::SetUp();
        // No tip pops up over the windows while they are looked at.
        std::fill(std::begin(EditorOptions.TipShown), std::end(EditorOptions.TipShown), 1);
    }
    // Shows the window as the editor does (without waiting on it), then lists
    // the captions that do not fit.
    void ExpectCaptionsFit(forms::Form& window) {
        window.Show();
        formstest::PumpFor(30);
        EXPECT_EQ(formstest::CaptionOverflows(window), "");
    }
};

TEST_F(CaptionFitTest, EveryWindowOfTheEditorShowsItsCaptionsWhole) {
    ExpectCaptionsFit(*form_);
    {
        TAQButton defButton;
        Doc().Menu.BtnCount = 1;
        Obj(1).ObjectKind = GraphicalButton;
        Obj(1).ObjWidth = 89;
        Obj(1).ObjHeight = 25;
        TfrmPropertiesCls buttonProps(Doc().Menu, 1, defButton, {}, {});
        buttonProps.Timer2Timer();
        ExpectCaptionsFit(buttonProps);
        TfrmBtnWizCls commandWizard(*buttonProps.Text2000, *buttonProps.Text2001, *buttonProps.Check1[0],
                                    *buttonProps.Check1[1], *buttonProps.Check1[2], *buttonProps.Check1[3]);
        ExpectCaptionsFit(commandWizard);
    }
    Doc().Menu.BtnCount = 0;
    {
        TAQButton shape;
        shape.ObjectKind = PlcShape;
        shape.ObjWidth = 250;
        shape.ObjHeight = 100;
        TForm2 objectProps(shape, nullptr, "");
        objectProps.Timer2Timer();
        ExpectCaptionsFit(objectProps);
        objectProps.ToolButton7Click();
        ASSERT_NE(objectProps.EdgeRound, nullptr);
        ExpectCaptionsFit(*objectProps.EdgeRound);
    }
    {
        TfrmFormPropsCls menuProps(*form_);
        ExpectCaptionsFit(menuProps);
        TfrmBackWizCls backgroundWizard(menuProps);
        ExpectCaptionsFit(backgroundWizard);
        ASSERT_NE(backgroundWizard.Preview(), nullptr);
        ExpectCaptionsFit(*backgroundWizard.Preview());
    }
    {
        TfrmMenuWizCls menuWizard(*form_);
        ExpectCaptionsFit(menuWizard);
    }
    {
        TfrmEXEWizCls exeWizard("C:\\", "alpha.mnu");
        ExpectCaptionsFit(exeWizard);
    }
    // The splash and the colour pop-ups free themselves when closed, the
    // colour pop-ups also when they lose the activation (the chooser to its
    // own Color Picker too).
    for (forms::Form* popup : {static_cast<forms::Form*>(forms::Application().CreateForm<TfrmSplashCls>()),
                               static_cast<forms::Form*>(forms::Application().CreateForm<TfrmColorsCls>()),
                               static_cast<forms::Form*>(forms::Application().CreateForm<TfrmClrTransCls>()),
                               static_cast<forms::Form*>(
                                   forms::Application().CreateForm<TfrmShadowSets>(form_, 5, [](int) {}))}) {
        bool gone = false;
        popup->OnDestroy = [&gone](forms::Component&) { gone = true; };
        ExpectCaptionsFit(*popup);
        if (auto* colours = dynamic_cast<TfrmColorsCls*>(popup))
            ExpectCaptionsFit(*new TfrmClrPickCls(*colours, forms::Bitmap(20, 10, 0xFF000000)));
        if (!gone) popup->Close();
        EXPECT_TRUE(formstest::PumpUntil([&gone] { return gone; }));
    }
    {
        TfrmStartCls start;
        ExpectCaptionsFit(start);
    }
    {
        TfrmSplashCls about(TfrmSplashCls::Use::About);
        ExpectCaptionsFit(about);
    }
    {
        TfrmFUTipCls tip;
        ExpectCaptionsFit(tip);
        TfrmSaveCls saving;
        ExpectCaptionsFit(saving);
        TfrmSearchnCls searching;
        ExpectCaptionsFit(searching);
    }
}

}  // namespace
