// The Button Properties dialog, opened by Insert Button and Object
// Properties on a new menu, and driven directly for its OK checks and
// AutoFill over picture files the test writes.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>

#include "editor/win32/buttonprops/frmproperties.h"
#include "forms/portable/FileSystem.h"
#include "forms/portable/Stream.h"
#include "forms/win32/Button.h"
#include "forms/win32/CheckBox.h"
#include "forms/win32/ComboBox.h"
#include "forms/win32/Edit.h"
#include "forms/win32/Image.h"
#include "forms/win32/Label.h"
#include "forms/win32/Panel.h"
#include "forms/win32/RadioButton.h"
#include "forms/win32/RichEdit.h"
#include "forms/win32/TabControl.h"
#include "forms/win32/ToolBar.h"
#include "forms/win32/ToolButton.h"
#include "forms/win32/Timer.h"
#include "tests/wine/editor_mainwindow/NewMenuFixture.h"
#include "tests/wine/forms/TestSupport.h"

namespace {

// A 32-bit bottom-up BMP of one colour.
void WriteBmp(const std::string& path, int width, int height, uint32_t pixel) {
    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 32;
    const DWORD bytes = static_cast<DWORD>(width * height * 4);
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + bytes;
    std::string data(reinterpret_cast<const char*>(&file), sizeof file);
    data.append(reinterpret_cast<const char*>(&info), sizeof info);
    for (DWORD i = 0; i < bytes / 4; ++i) data.append(reinterpret_cast<const char*>(&pixel), 4);
    ASSERT_TRUE(forms::WriteWholeFile(path, data.data(), data.size()));
}

class ButtonPropsTest : public NewMenuFixture {
protected:
    void SetUp() override {
        NewMenuFixture::SetUp();
        RunButtonPropertiesDialog = [](TfrmPropertiesCls& dialog) { return dialog.ShowModal(); };
        std::fill(std::begin(EditorOptions.TipShown), std::end(EditorOptions.TipShown), 1);
        LastBtnKind = GraphicalButton;
    }
    // Inserts a Windows button through the dialog and its OK.
    void InsertWindowsButton() {
        DialogAnswer answer([](TfrmPropertiesCls& d) {
            d.BtnType[WindowsButton]->Click();
            d.Command1000->Click();
        });
        Cmd("cmdInsertBtn").Execute();
        ASSERT_TRUE(answer.Answered());
    }
    std::unique_ptr<TfrmPropertiesCls> OpenDirect(int n) {
        auto dialog = std::make_unique<TfrmPropertiesCls>(Doc().Menu, n, defButton_, std::vector<std::string>{},
                                                          std::vector<std::string>{});
        dialog->Timer2Timer();
        return dialog;
    }
    TAQButton defButton_;
};

TEST_F(ButtonPropsTest, InsertButtonKeepsWhatOkWritesAndCancelLeavesNothing) {
    const int undoBefore = Doc().UndoCount;
    {
        DialogAnswer answer([](TfrmPropertiesCls& d) { d.Command1001->Click(); });
        Cmd("cmdInsertBtn").Execute();
        EXPECT_TRUE(answer.Answered());
    }
    EXPECT_EQ(Doc().Menu.BtnCount, 0);
    EXPECT_EQ(Doc().UndoCount, undoBefore);
    EXPECT_EQ(Doc().Ctl[1].WinBtn, nullptr);
    EXPECT_EQ(ObjPropsCancelled, 1);

    {
        DialogAnswer answer([](TfrmPropertiesCls& d) {
            d.BtnType[WindowsButton]->Click();
            d.Text4->SetText("Go");
            d.Text2000->SetText("notepad.exe");
            d.Check1[2]->Click();  // restore ticks minimise too
            d.Combo3->SetItemIndex(d.Combo3->IndexOf("G"));
            d.Text1[2]->SetText("120");
            d.Command1000->Click();
        });
        Cmd("cmdInsertBtn").Execute();
        EXPECT_TRUE(answer.Answered());
    }
    ASSERT_EQ(Doc().Menu.BtnCount, 1);
    EXPECT_EQ(Doc().UndoCount, undoBefore + 1);
    EXPECT_EQ(Obj(1).ObjectKind, WindowsButton);
    EXPECT_EQ(Obj(1).Caption, "Go");
    EXPECT_EQ(Obj(1).ButtonCommand, "notepad.exe");
    EXPECT_EQ(Obj(1).RestoreOnClose, -1);
    EXPECT_EQ(Obj(1).MinimizeOnClick, -1);
    EXPECT_EQ(Obj(1).ExitOnClick, 0);
    EXPECT_EQ(Obj(1).ShortcutKey, "G");
    EXPECT_EQ(Obj(1).ObjWidth, 120);
    EXPECT_TRUE(Doc().Ctl[1].WinBtn->Visible());
    EXPECT_EQ(Doc().Ctl[1].WinBtn->Caption(), "Go");
    EXPECT_EQ(Doc().Ctl[1].WinBtn->Width(), 120);

    // Object Properties, edited and cancelled: the object stays as it was.
    {
        DialogAnswer answer([](TfrmPropertiesCls& d) {
            d.Text2000->SetText("other.exe");
            d.Check1[1]->Click();  // exit clears and disables the others
            EXPECT_FALSE(d.Check1[0]->Checked());
            EXPECT_FALSE(d.Check1[2]->Enabled());
            d.Command1001->Click();
        });
        Cmd("cmdBtnProps").Execute();
        EXPECT_TRUE(answer.Answered());
    }
    EXPECT_EQ(Obj(1).ButtonCommand, "notepad.exe");
    EXPECT_EQ(Obj(1).ExitOnClick, 0);
    EXPECT_EQ(ObjPropsCancelled, 1);
}

TEST_F(ButtonPropsTest, OkRefusesBadSizesAndGraphicalButtonsWithoutPicture) {
    InsertWindowsButton();
    ASSERT_EQ(Doc().Menu.BtnCount, 1);
    auto dialog = OpenDirect(1);
    for (const char* bad : {"0", "-5", "100000"}) {
        asked_.clear();
        dialog->Text1[3]->SetText(bad);
        dialog->Command1000->Click();
        EXPECT_EQ(dialog->ModalResult(), forms::mrNone) << bad;
        ASSERT_EQ(asked_.size(), 1u) << bad;
        EXPECT_EQ(asked_[0], "The width and height must be whole numbers from 1 to 2000.");
        EXPECT_EQ(Obj(1).ObjHeight, 25) << bad;
    }
    // Not a number at all: put back at once.
    dialog->Text1[3]->SetText("abc");
    EXPECT_EQ(dialog->Text1[3]->Text(), "25");

    dialog->BtnType[GraphicalButton]->Click();
    asked_.clear();
    dialog->Command1000->Click();
    EXPECT_EQ(dialog->ModalResult(), forms::mrNone);
    ASSERT_EQ(asked_.size(), 1u);
    EXPECT_EQ(asked_[0], "You must have at least one default Up image for a graphical button.");

    dialog->BtnType[WindowsButton]->Click();
    dialog->Text1[3]->SetText("40");
    dialog->Command1000->Click();
    EXPECT_EQ(dialog->ModalResult(), forms::mrOk);
    EXPECT_EQ(Obj(1).ObjHeight, 40);
}

// Typed as a user types, each keystroke checked: "10" and "40" first, then
// "$" before them. Enter is OK, which reads the boxes as the check read them
// (an error before: the reader refused what the check let through).
// A typed font size applies once, on Tab or Enter, never digit by digit;
// Retrieve finds the viewer of the command's file type by its extension.
TEST_F(ButtonPropsTest, TypedValuesAreReadAsTypedAndRetrieveFindsTheViewerByType) {
    InsertWindowsButton();
    std::string viewer;
    std::vector<int> sizes;
    DialogAnswer answer([&](TfrmPropertiesCls& d) {
        HWND tabs = d.TabControl1->Handle();
        RECT position{};
        SendMessageA(tabs, TCM_GETITEMRECT, 4, reinterpret_cast<LPARAM>(&position));
        const LPARAM at = MAKELPARAM((position.left + position.right) / 2, (position.top + position.bottom) / 2);
        SendMessageA(tabs, WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageA(tabs, WM_LBUTTONUP, 0, at);
        SetForegroundWindow(d.Handle());
        for (auto [box, digit] : {std::make_pair(d.Text1[0], WORD{'1'}), std::make_pair(d.Text1[2], WORD{'4'})}) {
            box->SetFocus();
            SendMessageA(box->Handle(), EM_SETSEL, 0, -1);
            for (std::initializer_list<WORD> keys :
                 {std::initializer_list<WORD>{digit}, {'0'}, {VK_HOME}, {VK_SHIFT, '4'}})
                formstest::QueueKeys(keys);
            formstest::PumpFor(100);
        }
        const auto press = [](forms::WinControl& box, std::initializer_list<WORD> keys) {
            box.SetFocus();
            SendMessageA(box.Handle(), CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
            for (WORD key : keys) formstest::QueueKeys({key});
            formstest::PumpFor(150);
        };
        const auto page = [&d](int tab) { d.TabControl1->SetTabIndex(tab), d.TabControl1Change(); };
        page(3);
        d.Text2000->SetText("docs\\readme.txt");
        press(*d.CheckBox5, {VK_SPACE});
        viewer = d.Edit9->Text();
        page(2);
        d.REProp1->SetText("Sized");
        for (auto keys : {std::initializer_list<WORD>{}, {'2', '0'}, {'2', '0', VK_TAB}}) {
            press(*d.cmbTB001, keys);
            d.REProp1->SelectAll();
            sizes.push_back(d.REProp1->SelectionFormat().size);
        }
        press(*d.cmbTB001, {'1', '4', VK_RETURN});
    });
    Cmd("cmdBtnProps").Execute();
    ASSERT_TRUE(answer.Answered());
    EXPECT_EQ(ObjPropsCancelled, 0);
    EXPECT_TRUE(asked_.empty());
    EXPECT_EQ(Obj(1).ObjWidth, 64);
    EXPECT_EQ(Doc().Ctl[1].WinBtn->Width(), 64);
    EXPECT_NE(viewer, "No Viewer Found");
    EXPECT_EQ(sizes, (std::vector<int>{sizes[0], sizes[0], 20}));
    EXPECT_NE(Obj(1).AccRTF.find("\\fs28"), std::string::npos);
}

TEST_F(ButtonPropsTest, AutoFillReadsTheNamedSetAndKeepsWhatItReadBeforeAnError) {
    InsertWindowsButton();
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    const std::string folder = std::string(temp) + "qv-autofill-" + std::to_string(GetCurrentProcessId()) + "\\";
    CreateDirectoryA(folder.c_str(), nullptr);
    const std::vector<std::string> files = {"btnu.bmp", "btna.bmp", "btnd.bmp", "btnu1.bmp", "btnu2.bmp", "btna1.bmp"};
    WriteBmp(folder + "btnu.bmp", 60, 20, 0xFF0000FF);
    WriteBmp(folder + "btna.bmp", 60, 20, 0xFF00FF00);
    WriteBmp(folder + "btnd.bmp", 300, 20, 0xFFFF0000);
    WriteBmp(folder + "btnu1.bmp", 61, 20, 0xFF000001);
    WriteBmp(folder + "btnu2.bmp", 62, 20, 0xFF000002);
    ASSERT_TRUE(forms::WriteWholeFile(folder + "btna1.bmp", "not a picture", 13));
    AskPicturePath = [&folder](const std::string&, std::string& path) {
        path = folder + "btnu.bmp";
        return true;
    };

    auto dialog = OpenDirect(1);
    dialog->BtnType[GraphicalButton]->Click();
    asked_.clear();
    dialog->AutoFill();
    const TAQButton& work = dialog->WorkButton();
    ASSERT_TRUE(HasPic(work.Pics[Up][2]));
    EXPECT_EQ(work.Pics[Up][2]->Width(), 62);
    EXPECT_EQ(work.Pics[Down][0]->Width(), 300);
    EXPECT_FALSE(HasPic(work.Pics[Up][3]));
    EXPECT_FALSE(HasPic(work.Pics[Active][1]));
    EXPECT_FALSE(HasPic(work.Pics[Accessory][0]));
    EXPECT_EQ(dialog->Text1[2]->Text(), "60");
    EXPECT_TRUE(dialog->picBtn[Down]->Visible());
    ASSERT_EQ(asked_.size(), 2u);
    EXPECT_EQ(asked_[0], "The image \"btna1.bmp\" could not be read.");
    EXPECT_EQ(asked_[1],
              "Loaded default up image: btnu.bmp\rLoaded default active image: btna.bmp\r"
              "Loaded default down image: btnd.bmp\r\r--- Looking for image animation frames ---\r"
              "Loaded up animation frame 1: btnu1.bmp\rLoaded up animation frame 2: btnu2.bmp\r");

    // OK stores the frames with the animation chosen.
    dialog->Combo2->SetItemIndex(AnimScrollLoop);
    dialog->Command1000->Click();
    EXPECT_EQ(dialog->ModalResult(), forms::mrOk);
    EXPECT_EQ(Obj(1).ObjectKind, GraphicalButton);
    EXPECT_EQ(Obj(1).AnimMode, AnimScrollLoop);
    ASSERT_TRUE(HasPic(Obj(1).Pics[Up][1]));
    EXPECT_EQ(Obj(1).Pics[Up][1]->Width(), 61);
    EXPECT_EQ(Obj(1).ObjWidth, 60);
    for (const std::string& name : files) forms::RemoveFile(folder + name);
    RemoveDirectoryA(folder.c_str());
}

}  // namespace

namespace {

TEST_F(ButtonPropsTest, TextColourSetAsDefaultAndTheCommandCheck) {
    InsertWindowsButton();
    auto dialog = OpenDirect(1);
    dialog->BtnType[TextButton]->Click();
    // A dark text colour gives the preview a white background; a chosen
    // background then stays.
    OpenColorChooser = [](int, int) {
        CurClr = 0x000080;
        DispatchColor();
    };
    dialog->TextColorButton->Click();
    EXPECT_EQ(dialog->REProp1->BackgroundColor(), 0xFFFFFFu);
    dialog->REProp1->SelectAll();
    EXPECT_EQ(dialog->REProp1->SelectionFormat().color, 0x000080u);
    OpenColorChooser = [](int, int) {
        CurClr = 0x00FFFF;
        DispatchColor();
    };
    dialog->Panel7->MouseDown(forms::MouseButton::Right, 0, 2, 2);
    EXPECT_EQ(dialog->REProp1->BackgroundColor(), 0x00FFFFu);
    dialog->TextColorButton->Click();
    EXPECT_EQ(dialog->REProp1->BackgroundColor(), 0x00FFFFu);
    OpenColorChooser = nullptr;

    dialog->ToolButton20->Click();
    EXPECT_EQ(defButton_.ObjectKind, TextButton);
    EXPECT_EQ(defButton_.Caption, dialog->CaptionRTF());

    // "%CD%" belongs in the arguments: a leading one is taken off, with both
    // messages, and the dialog stays open.
    dialog->Text2000->SetText("%CD%setup.exe");
    asked_.clear();
    dialog->Command1000->Click();
    EXPECT_EQ(dialog->ModalResult(), forms::mrNone);
    EXPECT_EQ(dialog->Text2000->Text(), "setup.exe");
    EXPECT_EQ(asked_.size(), 2u);
    dialog->Command1000->Click();
    EXPECT_EQ(dialog->ModalResult(), forms::mrOk);
    EXPECT_EQ(Obj(1).ObjectKind, TextButton);
    EXPECT_EQ(Obj(1).Caption, dialog->CaptionRTF());
}

}  // namespace

namespace {

TEST_F(ButtonPropsTest, PickedPicturesFillTheFramesThroughTheToolbar) {
    InsertWindowsButton();
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    const std::string folder = std::string(temp) + "qv-pick-" + std::to_string(GetCurrentProcessId()) + "\\";
    CreateDirectoryA(folder.c_str(), nullptr);
    WriteBmp(folder + "wide.bmp", 1600, 400, 0xFF102030);
    WriteBmp(folder + "thin.bmp", 2000, 1, 0xFF405060);
    std::string answer;
    AskPicturePath = [&answer](const std::string&, std::string& path) {
        path = answer;
        return !answer.empty();
    };
    auto dialog = OpenDirect(1);
    dialog->BtnType[GraphicalButton]->Click();
    const TAQButton& work = dialog->WorkButton();
    // The Appearance tab of a graphical button shows the picture tools.
    EXPECT_TRUE(dialog->ToolBar1->Visible());
    EXPECT_FALSE(dialog->Panel9->Visible());

    // A picture over 800 pixels is brought down to 800, never below 1 pixel;
    // Up frame 0 gives the size boxes its size.
    answer = folder + "wide.bmp";
    dialog->SetCurrentImage();
    ASSERT_TRUE(HasPic(work.Pics[Up][0]));
    EXPECT_EQ(work.Pics[Up][0]->Width(), 800);
    EXPECT_EQ(work.Pics[Up][0]->Height(), 200);
    EXPECT_EQ(dialog->Text1[2]->Text(), "800");
    // A double click on a preview's picture, or on the text of an empty one,
    // asks for a picture as one on the panel does.
    int asks = 0;
    AskPicturePath = [&asks](const std::string&, std::string&) {
        ++asks;
        return false;
    };
    const auto doubleClick = [](forms::Panel& panel, const forms::Control& on) {
        const LPARAM at = MAKELPARAM(on.Left() + on.Width() / 2, on.Top() + on.Height() / 2);
        for (UINT msg : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP})
            PostMessageA(panel.Handle(), msg, msg == WM_LBUTTONUP ? 0 : MK_LBUTTON, at);
        forms::Application().ProcessMessages();
    };
    ASSERT_TRUE(dialog->lblNotSet[Down]->Visible());
    doubleClick(*dialog->pnlBtnCon[Down], *dialog->lblNotSet[Down]);
    ASSERT_TRUE(dialog->picBtn[Up]->Visible());
    doubleClick(*dialog->pnlBtnCon[Up], *dialog->picBtn[Up]);
    EXPECT_EQ(asks, 2);
    AskPicturePath = [&answer](const std::string&, std::string& path) {
        path = answer;
        return !answer.empty();
    };
    answer = folder + "thin.bmp";
    dialog->SetNewImage();
    EXPECT_EQ(dialog->CurFrame(Up), 1);
    ASSERT_TRUE(HasPic(work.Pics[Up][1]));
    EXPECT_EQ(work.Pics[Up][1]->Height(), 1);

    // A cancelled insertion leaves no copy behind; a vanished file is said.
    answer.clear();
    dialog->SetNewImage();
    EXPECT_EQ(dialog->CurFrame(Up), 1);
    EXPECT_FALSE(HasPic(work.Pics[Up][2]));
    asked_.clear();
    answer = folder + "gone.bmp";
    dialog->SetCurrentImage();
    ASSERT_EQ(asked_.size(), 1u);
    EXPECT_EQ(asked_[0], "The image \"" + answer + "\" could not be found.");
    EXPECT_EQ(work.Pics[Up][1]->Height(), 1);

    // Moving and deleting keep the run contiguous.
    dialog->MoveImageBack();
    EXPECT_EQ(work.Pics[Up][0]->Height(), 1);
    dialog->DeleteCurrentImage();
    EXPECT_EQ(work.Pics[Up][0]->Width(), 800);
    EXPECT_FALSE(HasPic(work.Pics[Up][1]));
    asked_.clear();
    dialog->MoveImageForward();
    EXPECT_EQ(asked_, (std::vector<std::string>{"Image at end of list."}));

    forms::RemoveFile(folder + "wide.bmp");
    forms::RemoveFile(folder + "thin.bmp");
    RemoveDirectoryA(folder.c_str());
}

}  // namespace
