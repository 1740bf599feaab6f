// A main window (without its start-up sequence) holding one new menu with a
// 400 x 300 grey background, the editor-wide state reset, and every message
// the editor would show recorded in asked_ and answered with OK; the
// properties dialog of an added object is accepted with OK, Button
// Properties as it opens (a graphical button given a plain Up picture of its
// size). The window and its snapshot files go at the end of each test.
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor/win32/common/EditorGlobals.h"
#include "editor/win32/buttonprops/frmproperties.h"
#include "editor/win32/mainwindow/mdiform1.h"
#include "editor/win32/objectprops/objprops.h"
#include "forms/win32/Application.h"
#include "forms/win32/Button.h"
#include "forms/win32/Command.h"
#include "forms/win32/Edit.h"
#include "forms/win32/Image.h"
#include "forms/win32/Panel.h"
#include "forms/win32/Shape.h"
#include "tests/wine/editor_mainwindow/ButtonPropsAnswer.h"

class NewMenuFixture : public ::testing::Test {
protected:
    void SetUp() override {
        MenuCounter = 0;
        UndoBusy = 0;
        EditorMsg = [this](const std::string& text, TMsgDlgType, TMsgDlgButtons) {
            asked_.push_back(text);
            return mrOk;
        };
        keptButtonDialog_ = RunButtonPropertiesDialog;
        keptObjDialog_ = RunObjPropsDialog;
        RunButtonPropertiesDialog = AcceptButtonProperties;
        // The properties dialog of an added object is accepted as it opens.
        RunObjPropsDialog = [](TForm2& dialog) {
            dialog.Timer2Timer();
            dialog.Command1000->Click();
            return dialog.ModalResult();
        };
        form_ = forms::Application().CreateForm<TMDIForm1Cls>(false);
        ASSERT_NE(form_, nullptr);
        form_->NewMenu(0);
        ASSERT_NE(form_->CurrentDoc(), nullptr);
        // A known background on the surface (the menu record keeps none):
        // objects are kept on it while dragged. A new menu shows its
        // background, frame and shadow once Menu Properties has set them.
        Doc().BackImage->SetPicture(forms::Bitmap(400, 300, 0x808080));
        for (forms::Control* part : {static_cast<forms::Control*>(Doc().BackImage),
                                     static_cast<forms::Control*>(Doc().FramePanel),
                                     static_cast<forms::Control*>(Doc().ShadowShape)})
            part->SetVisible(true);
    }
    void TearDown() override {
        form_->DeleteUndoFiles();
        delete form_;
        forms::Application().ProcessMessages();
        // Suites that run the dialogs themselves find them as the editor has them.
        RunButtonPropertiesDialog = keptButtonDialog_;
        RunObjPropsDialog = keptObjDialog_;
    }

    forms::Command& Cmd(const std::string& name) { return *dynamic_cast<forms::Command*>(form_->FindComponent(name)); }
    TMenuDocument& Doc() { return *form_->CurrentDoc(); }
    TAQButton& Obj(int n) { return Doc().Menu.Buttons[static_cast<size_t>(n)]; }

    TMDIForm1Cls* form_ = nullptr;
    std::function<int(TfrmPropertiesCls&)> keptButtonDialog_;
    std::function<int(TForm2&)> keptObjDialog_;
    std::vector<std::string> asked_;
};
