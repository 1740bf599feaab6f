// Text formatting and the in-place text box driven through the main window:
// a font command without a selection formats the whole text and reaches the
// saved file, the text box's Previous and Next store each text where it
// belongs, a selection change commits the edit to its own text, and a
// changed text is rendered again.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor/win32/common/EditorGlobals.h"
#include "editor/win32/mainwindow/mdiform1.h"
#include "forms/win32/Application.h"
#include "forms/win32/ComboBox.h"
#include "forms/win32/Command.h"
#include "forms/win32/Image.h"
#include "forms/win32/Label.h"
#include "forms/win32/Menus.h"
#include "forms/win32/RichEdit.h"
#include "forms/win32/ImageList.h"
#include "forms/win32/ToolBar.h"
#include "forms/win32/ToolButton.h"
#include "tests/wine/editor_mainwindow/NewMenuFixture.h"
#include "tests/wine/forms/TestSupport.h"

namespace {

class TextFormatTest : public NewMenuFixture {
protected:
    void SetUp() override {
        LastBtnKind = GraphicalButton;
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        folder_ = std::string(temp) + "qvtext-" + std::to_string(GetCurrentProcessId()) + "\\";
        CreateDirectoryA(folder_.c_str(), nullptr);
        NewMenuFixture::SetUp();
    }
    void TearDown() override {
        NewMenuFixture::TearDown();
        DeleteFileA((folder_ + "bold.mnu").c_str());
        RemoveDirectoryA(folder_.c_str());
    }

    forms::RichEdit& Box() { return *dynamic_cast<forms::RichEdit*>(form_->FindComponent("RichAccEdit")); }
    // A right click on the accessory text box opens the text box.
    void OpenTextBox() { Doc().AccessoryText->MouseDown(forms::MouseButton::Right, 0, 2, 2); }
    // A toolbar check button: the click gives the command its new state first.
    void PressCheck(const std::string& name) {
        Cmd(name).SetChecked(!Cmd(name).Checked());
        Cmd(name).Execute();
    }
    // The style of the first character of an RTF text.
    forms::FontStyles StyleOf(const std::string& rtf) {
        auto& trans = *dynamic_cast<forms::RichEdit*>(form_->FindComponent("RichEditTrans"));
        trans.SetRTF(rtf);
        trans.SetSelection(0, 1);
        return trans.SelectionFormat().style;
    }
    std::string Caption(const char* name) {
        return dynamic_cast<forms::Label*>(form_->FindComponent(name))->Caption();
    }

    std::string folder_;
};

TEST_F(TextFormatTest, BoldWithNoSelectionBoldsTheWholeTextAndReachesTheSavedFile) {
    EXPECT_FALSE(Cmd("cmdBold").Enabled());
    OpenTextBox();
    ASSERT_TRUE(Box().Visible());
    EXPECT_TRUE(Cmd("cmdBold").Enabled());
    EXPECT_EQ(Caption("Label4"), "Default Text");
    Box().SetText("Welcome aboard");
    Box().SetSelection(3, 0);
    PressCheck("cmdBold");
    // The caret went back to the start, nothing selected.
    EXPECT_EQ(Box().SelStart(), 0);
    EXPECT_EQ(Box().SelLength(), 0);
    Cmd("cmdCloseTextBox").Execute();
    EXPECT_FALSE(Box().Visible());
    EXPECT_FALSE(Cmd("cmdBold").Enabled());
    EXPECT_TRUE(Doc().AccessoryText->Visible());
    EXPECT_NE(Doc().Menu.AccRTF.find("aboard"), std::string::npos);
    EXPECT_TRUE(StyleOf(Doc().Menu.AccRTF) & forms::fsBold);

    const std::string path = folder_ + "bold.mnu";
    AskSaveMenuPath = [path](std::string& chosen) { return chosen = path, true; };
    AskOpenMenuPath = [path](std::string& chosen) { return chosen = path, true; };
    ASSERT_TRUE(form_->mnuSaveAsClick());
    Cmd("cmdOpen").Execute();
    ASSERT_EQ(form_->CurMenu(), 2) << (asked_.empty() ? "" : asked_.back());
    EXPECT_TRUE(StyleOf(Doc().Menu.AccRTF) & forms::fsBold);
    EXPECT_FALSE(StyleOf(Doc().Menu.AccRTF) & forms::fsItalic);
}

TEST_F(TextFormatTest, FormatMenuItemsAndTypedNamesPickTheFontAndBadSizesAndNamesAreRefused) {
    OpenTextBox();
    Box().SetText("sized");
    auto& font = *dynamic_cast<forms::MenuItem*>(form_->FindComponent("Font1"));
    font.Item(12)->Click();  // Impact
    auto& size = *dynamic_cast<forms::MenuItem*>(form_->FindComponent("Size1"));
    size.Item(5)->Click();  // 18
    Box().SetSelection(0, 2);
    forms::CharFormat format = Box().SelectionFormat();
    EXPECT_EQ(format.size, 18);
    EXPECT_EQ(format.fontName, "Impact");
    // Typed sizes apply as typed; text that is no number changes nothing.
    auto& sizeBox = *dynamic_cast<forms::ComboBox*>(form_->FindComponent("cmbTB001"));
    sizeBox.SetText("big");
    form_->cmbTB001Change();
    EXPECT_EQ(asked_.size(), 1u);
    Box().SetSelection(0, 2);
    EXPECT_EQ(Box().SelectionFormat().size, 18);

    // Names typed with real keys: one the list holds applies on Enter (one
    // undo step); an unknown one, on Tab, is refused and the box shows it again.
    form_->Show();
    SetForegroundWindow(form_->Handle());
    const int undoBefore = Doc().UndoCount;
    auto& fonts = *dynamic_cast<forms::ComboBox*>(form_->FindComponent("cmbTB000"));
    for (const std::string typed : {"Liberation Serif\r", "No Such Font\t"}) {
        fonts.SetFocus();
        SendMessageA(fonts.Handle(), CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
        for (char c : typed) {
            const auto vk = static_cast<WORD>(VkKeyScanA(c) & 0xFF);
            (VkKeyScanA(c) & 0x100) ? formstest::QueueKeys({VK_SHIFT, vk}) : formstest::QueueKeys({vk});
        }
        formstest::PumpFor(200);
        EXPECT_EQ(fonts.Text(), "Liberation Serif");
    }
    Box().SelectAll();
    EXPECT_EQ(Box().SelectionFormat().fontName, "Liberation Serif");
    EXPECT_EQ(Doc().UndoCount, undoBefore + 1);
}

TEST_F(TextFormatTest, ASelectedClockLabelTakesTheFontCommandsAndTheSeparatorRowMeansTheFirstFont) {
    forms::Label& time = *Doc().TimeLabel;
    time.SetVisible(true);
    time.MouseDown(forms::MouseButton::Left, forms::ssLeft, 1, 1);
    time.MouseUp(forms::MouseButton::Left, 0, 1, 1);
    ASSERT_EQ(Doc().SelObject, kSelTimeLabel);
    EXPECT_TRUE(Cmd("cmdBold").Enabled());
    PressCheck("cmdBold");
    EXPECT_TRUE(time.GetFont().Bold());
    EXPECT_FALSE(Doc().DateLabel->GetFont().Bold());
    auto& fonts = *dynamic_cast<forms::ComboBox*>(form_->FindComponent("cmbTB000"));
    fonts.SetItemIndex(13);
    form_->cmbTB000Change();
    EXPECT_EQ(fonts.ItemIndex(), 0);
    EXPECT_EQ(time.GetFont().Name(), fonts.Item(0));
    auto& sizes = *dynamic_cast<forms::ComboBox*>(form_->FindComponent("cmbTB001"));
    sizes.SetText("30");
    form_->cmbTB001Change();
    EXPECT_EQ(time.GetFont().Size(), 30);
    // The frame is fitted around the label again.
    auto& frame = *dynamic_cast<forms::Control*>(form_->FindComponent("shpSelection"));
    EXPECT_EQ(frame.Width(), time.Width() + 4);
    // Leaving the label ends it as the target.
    form_->MenPnlClick();
    EXPECT_FALSE(Cmd("cmdBold").Enabled());
}

TEST_F(TextFormatTest, AColourBarIsPaintedAlongTheGlyphsBottom) {
    auto& bar = *dynamic_cast<forms::ToolBar*>(form_->FindComponent("ToolBar2"));
    const int index = dynamic_cast<forms::ToolButton*>(form_->FindComponent("ToolButton27"))->ImageIndex();
    form_->SetClrBar(0x0000FF, 1);  // red
    const forms::Bitmap cell = bar.Images()->GetBitmap(index, 0xFFFFFF);
    ASSERT_GE(cell.Height(), 16);
    EXPECT_EQ(cell.Pixel(3, 14) & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(cell.Pixel(15, 12) & 0xFFFFFF, 0xFF0000u);
}

TEST_F(TextFormatTest, SteppingStoresEachTextWhereItBelongsAndSkipsPlacedObjects) {
    Cmd("cmdInsertBtn").Execute();
    Cmd("cmdAddText").Execute();
    Cmd("cmdInsertBtn").Execute();
    ASSERT_EQ(Doc().Menu.BtnCount, 3);
    const std::string placedText = Obj(2).AccRTF;
    Obj(1).AccDirty = 0;
    Obj(3).AccDirty = 0;
    OpenTextBox();
    Box().SetText("menu text");
    EXPECT_EQ(Doc().AccPNGDirty, 1);
    Cmd("cmdTextNext").Execute();
    EXPECT_EQ(Caption("Label4"), "Object 1");
    // Loading a text marks nothing; typing does.
    EXPECT_EQ(Obj(1).AccDirty, 0);
    Box().SetText("first button");
    EXPECT_EQ(Obj(1).AccDirty, 1);
    Cmd("cmdTextNext").Execute();
    EXPECT_EQ(Caption("Label4"), "Object 3");
    EXPECT_EQ(Obj(3).AccDirty, 0);
    Box().SetText("third button");
    Cmd("cmdTextNext").Execute();  // wraps to the menu's own text
    EXPECT_EQ(Caption("Label4"), "Default Text");
    EXPECT_NE(Box().Text().find("menu text"), std::string::npos);
    Cmd("cmdTextPrevious").Execute();  // wraps back to the last button
    EXPECT_EQ(Caption("Label4"), "Object 3");
    EXPECT_NE(Box().Text().find("third button"), std::string::npos);
    Cmd("cmdCloseTextBox").Execute();

    EXPECT_NE(Doc().Menu.AccRTF.find("menu text"), std::string::npos);
    EXPECT_NE(Obj(1).AccRTF.find("first button"), std::string::npos);
    EXPECT_NE(Obj(3).AccRTF.find("third button"), std::string::npos);
    EXPECT_EQ(Obj(2).AccRTF, placedText);
}

TEST_F(TextFormatTest, ChangingTheSelectionCommitsTheTextToItsOwnObjectOnly) {
    Cmd("cmdInsertBtn").Execute();
    Cmd("cmdInsertBtn").Execute();
    const std::string secondText = Obj(2).AccRTF;
    OpenTextBox();
    Cmd("cmdTextNext").Execute();  // object 1
    Box().SetText("belongs to one");
    // Pressing the other button selects it; the edit goes to object 1.
    Doc().Ctl[2].ImgBtn->MouseDown(forms::MouseButton::Left, forms::ssLeft, 1, 1);
    Doc().Ctl[2].ImgBtn->MouseUp(forms::MouseButton::Left, 0, 1, 1);
    EXPECT_FALSE(Box().Visible());
    EXPECT_NE(Obj(1).AccRTF.find("belongs to one"), std::string::npos);
    EXPECT_EQ(Obj(2).AccRTF, secondText);
    EXPECT_EQ(Doc().SelObject, 2);
    EXPECT_EQ(Doc().Menu.AccRTF.find("belongs to one"), std::string::npos);
}

TEST_F(TextFormatTest, UndoWhileEditingClosesTheBoxAndRedoBringsTheTextBack) {
    Cmd("cmdInsertBtn").Execute();
    OpenTextBox();
    Cmd("cmdTextNext").Execute();  // object 1
    Box().SetText("typed before undo");
    Cmd("cmdUndo").Execute();  // takes the button away again
    EXPECT_FALSE(Box().Visible());
    EXPECT_EQ(form_->EditedAccText(), -1);
    EXPECT_EQ(Doc().Menu.BtnCount, 0);
    Cmd("cmdRedo").Execute();
    ASSERT_EQ(Doc().Menu.BtnCount, 1);
    EXPECT_NE(Obj(1).AccRTF.find("typed before undo"), std::string::npos);
}

TEST_F(TextFormatTest, AChangedTextIsRenderedAgainWhenShown) {
    Cmd("cmdInsertBtn").Execute();
    forms::Image& box = *Doc().AccessoryText;
    OpenTextBox();
    Cmd("cmdTextNext").Execute();
    Box().SetText("hover text");
    Cmd("cmdCloseTextBox").Execute();
    EXPECT_EQ(Obj(1).AccDirty, 1);
    // The pointer over the button shows its text, rendered at the box's size.
    Doc().Ctl[1].ImgBtn->MouseMove(0, 2, 2);
    EXPECT_EQ(Obj(1).AccDirty, 0);
    EXPECT_EQ(Obj(1).AccPNG.Width(), box.Width());
    EXPECT_EQ(Obj(1).AccPNG.Height(), box.Height());
    EXPECT_EQ(box.Tag(), 1);
    // Back over the background: the menu's own text again.
    Doc().BackImage->MouseMove(0, 300, 250);
    EXPECT_EQ(box.Tag(), 0);

    // A text button whose look has another size is rendered again.
    LastBtnKind = TextButton;
    Cmd("cmdInsertBtn").Execute();
    TAQButton& textButton = Obj(2);
    textButton.LookPNG = forms::PngImage::CreateBlank(15, 15);
    form_->RenderObjText(2);
    EXPECT_EQ(textButton.LookPNG.Width(), textButton.ObjWidth);
    EXPECT_EQ(textButton.LookPNG.Height(), textButton.ObjHeight);
}

}  // namespace

namespace {

class ClockLabelTest : public NewMenuFixture {
protected:
    forms::MenuItem& Item(const std::string& name) {
        return *dynamic_cast<forms::MenuItem*>(form_->FindComponent(name));
    }
    std::string MenuCaption(const std::string& name) {
        form_->Menu1Click();  // runs as the Menu menu opens
        return Item(name).Caption();
    }
};

TEST_F(ClockLabelTest, ShowTimeTogglesTheLabelAndItsMenuCaptionAndUndoBringsTheOldStateBack) {
    ASSERT_FALSE(Doc().TimeLabel->Visible());
    EXPECT_EQ(MenuCaption("N8"), "Show Time");
    Item("N8").Click();
    EXPECT_TRUE(Doc().TimeLabel->Visible());
    EXPECT_TRUE(Doc().Menu.TimeVisible);
    EXPECT_TRUE(Cmd("cmdShowTime").Checked());
    EXPECT_EQ(MenuCaption("N8"), "Hide Time");
    EXPECT_EQ(Doc().UndoCount, 1);

    Cmd("cmdUndo").Execute();
    EXPECT_FALSE(Doc().TimeLabel->Visible());
    EXPECT_FALSE(Cmd("cmdShowTime").Checked());
    EXPECT_EQ(MenuCaption("N8"), "Show Time");
    EXPECT_FALSE(Doc().DateLabel->Visible());
}

TEST_F(ClockLabelTest, DeletingTheSelectedDateLabelHidesItAndRaisesItsButton) {
    Item("ShowDate1").Click();
    forms::Label& date = *Doc().DateLabel;
    ASSERT_TRUE(date.Visible());
    date.MouseDown(forms::MouseButton::Left, forms::ssLeft, 1, 1);
    date.MouseUp(forms::MouseButton::Left, 0, 1, 1);
    ASSERT_EQ(Doc().SelObject, kSelDateLabel);
    Cmd("cmdDelete").Execute();
    EXPECT_FALSE(date.Visible());
    EXPECT_FALSE(Doc().Menu.DateVisible);
    EXPECT_FALSE(Cmd("cmdShowDate").Checked());
    EXPECT_EQ(Doc().SelObject, kSelNone);
    EXPECT_EQ(MenuCaption("ShowDate1"), "Show Date");
}

}  // namespace
