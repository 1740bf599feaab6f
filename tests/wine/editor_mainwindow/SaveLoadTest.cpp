// Menus saved and loaded through the editor's main window, and undo and redo
// through its snapshot files. Records are compared whole, through the bytes
// the menu writer makes of them.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "editor/logic/UndoSnapshots.h"
#include "editor/win32/common/EditorGlobals.h"
#include "editor/win32/common/EditorMenuFileHost.h"
#include "editor/win32/mainwindow/mdiform1.h"
#include "forms/portable/FileSystem.h"
#include "forms/win32/Application.h"
#include "forms/win32/Button.h"
#include "forms/win32/Command.h"
#include "forms/win32/Image.h"
#include "forms/win32/PageControl.h"
#include "forms/win32/Panel.h"
#include "shared/MenuBody.h"

namespace {

using Bytes = std::vector<uint8_t>;

Bytes ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const std::string& path, const Bytes& bytes) {
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                static_cast<std::streamsize>(bytes.size()));
}

// Runs write on a menu file over a memory stream and returns the bytes.
template <class Write>
Bytes MemoryFile(Write write) {
    EditorMenuFileHost host;
    TMenuFile file(host);
    auto stream = std::make_unique<forms::MemoryStream>();
    forms::MemoryStream* memory = stream.get();
    file.SetMnuStream(std::move(stream));
    write(file, *memory);
    EXPECT_EQ(file.MnuError(), 0);
    return memory->Bytes();
}

// The whole record as a menu file; quiet leaves out the rendered pictures
// (texts and shapes), which snapshots do not carry.
Bytes RecordBytes(const TAQMenu& menu, bool quiet = false) {
    MenuWriteOptions options;
    options.Quiet = quiet;
    return MemoryFile([&](TMenuFile& file, forms::MemoryStream&) { WriteMenuFile(file, menu, options); });
}

PicRef Pic(int w, int h, uint32_t colour) { return std::make_shared<forms::Bitmap>(w, h, colour); }

// A background, a graphical button, an exit button and a placed shape.
void FillMenu(TAQMenu& m) {
    m.MenuTitle = "Round Trip";
    m.ScreenPos = 3;
    m.TransColor = 5;
    m.DefaultBtn = 2;
    m.TimeVisible = true;
    m.AccRTF = "{\\rtf1 menu}";
    m.AccPNG = forms::PngImage::CreateBlank(m.AccTextWidth, m.AccTextHeight);  // as rendered for its box
    m.Buttons[0].Pics[Up][0] = Pic(60, 40, 0x336699);
    m.BtnCount = 3;
    TAQButton& b1 = m.Buttons[1];
    b1.Left = 5;
    b1.ObjWidth = 20;
    b1.ObjHeight = 10;
    b1.ButtonCommand = "setup.exe";
    b1.AccRTF = "{\\rtf1 one}";
    b1.Pics[Up][0] = Pic(20, 10, 0xFF0000);
    b1.Pics[Up][1] = Pic(20, 10, 0x00FF00);
    b1.Pics[Active][0] = Pic(20, 10, 0x0000FF);
    TAQButton& b2 = m.Buttons[2];
    b2.ObjectKind = WindowsButton;
    b2.ObjWidth = 25;
    b2.ObjHeight = 12;
    b2.Caption = "Close";
    b2.ExitOnClick = -1;
    TAQButton& b3 = m.Buttons[3];
    b3.ObjectKind = PlcShape;
    b3.ObjWidth = 30;
    b3.ObjHeight = 8;
    b3.ShapeRec.ShapeKind = 3;
    b3.ShapeRec.FillType = 1;
    b3.LookPNG = forms::PngImage::CreateBlank(30, 8);
}

// A version 7 file: plain accessory texts with their fonts, one text button
// with its caption font, and a 30 x 20 background.
Bytes Version7File() {
    return MemoryFile([](TMenuFile& file, forms::MemoryStream& memory) {
        const uint8_t head[11] = {'M', 'E', 'N', 'U', 1, 7, 0, 0, 1, 1, 0};
        memory.Write(head, sizeof head);
        auto s = [&file](const std::string& t) { file.WriteMnuField(mftString, 0, t); };
        auto i = [&file](std::initializer_list<int32_t> values) {
            for (int32_t v : values) file.WriteMnuField(mftInt, v, "");
        };
        auto font = [&](const char* name, int32_t size) {
            s(name);
            file.WriteMnuField(mftLong, size, "");
        };
        s("Old Menu");
        i({2});
        s("menu text");
        font("Arial", 11);
        i({-1, 0, 0, 0, 0, 128, 10, 12, 150, 60, kAlignCenter});           // styles, colour, box, alignment
        i({-1, 0, 0, 0, 0, 20, 200, 95, 200, 1, 3, 0, 0, 100, 0});         // labels .. scroll title
        s("NULL");
        for (int k = 0; k < 2; ++k) font("Arial", 8), i({0, 0, 0});
        i({3, 0, 0, 0});  // shadow
        for (const char* text : {"run.exe", "", "", "", "", "", "button text"}) s(text);
        i({4, 5, 0, -1, 0});
        s("A");
        i({0, 0, TextButton});
        s("Caption");
        i({90, 20});
        s("Arial");
        i({14, 255, kAlignLeft, -1, 0, 0, 0});
        s("");
        s("");
        i({0});
        file.WriteMnuBitmap(1, 0, Up, 0, forms::Bitmap(30, 20, 0x808080), "", false);
        file.WriteMnuEnd();
    });
}

class SaveLoadTest : public ::testing::Test {
protected:
    void SetUp() override {
        MenuCounter = 0;
        UndoBusy = 0;
        EditorMsg = [this](const std::string& text, TMsgDlgType, TMsgDlgButtons) {
            asked_.push_back(text);
            captions_.push_back(DlgCaption);
            return mrOk;
        };
        AskOpenMenuPath = [this](std::string& path) { return path = openPath_, !path.empty(); };
        AskSaveMenuPath = [this](std::string& path) { return path = savePath_, !path.empty(); };
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        folder_ = std::string(temp) + "qvsave-" + std::to_string(GetCurrentProcessId()) + "-" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name() + "\\";
        CreateDirectoryA(folder_.c_str(), nullptr);
        form_ = forms::Application().CreateForm<TMDIForm1Cls>(false);
        ASSERT_NE(form_, nullptr);
    }
    void TearDown() override {
        delete form_;
        forms::Application().ProcessMessages();
        WIN32_FIND_DATAA data;
        HANDLE find = FindFirstFileA((folder_ + "*").c_str(), &data);
        if (find != INVALID_HANDLE_VALUE) {
            do DeleteFileA((folder_ + data.cFileName).c_str());
            while (FindNextFileA(find, &data));
            FindClose(find);
        }
        RemoveDirectoryA(folder_.c_str());
    }

    forms::Command& Cmd(const std::string& name) { return *dynamic_cast<forms::Command*>(form_->FindComponent(name)); }
    TAQMenu& Menu() { return form_->CurrentDoc()->Menu; }
    bool SaveAs(const std::string& name) {
        savePath_ = folder_ + name;
        return form_->mnuSaveAsClick();
    }
    std::string Undo(const std::string& file) const { return form_->DataFolders().Undo + file; }

    TMDIForm1Cls* form_ = nullptr;
    std::vector<std::string> asked_, captions_;
    std::string folder_, savePath_, openPath_;
};

TEST_F(SaveLoadTest, ASavedMenuLoadsBackWholeWithItsControlsShown) {
    form_->NewMenu(0);
    FillMenu(Menu());
    ASSERT_TRUE(SaveAs("trip.mnu"));
    EXPECT_TRUE(asked_.empty());  // it has an exit button
    TMenuDocument& saved = *form_->CurrentDoc();
    EXPECT_EQ(saved.Modified, 0);
    EXPECT_EQ(saved.TabSheet->Caption(), "trip.mnu (Round Trip)");

    openPath_ = folder_ + "trip.mnu";
    Cmd("cmdOpen").Execute();
    ASSERT_EQ(form_->CurMenu(), 2);
    TMenuDocument& loaded = *form_->CurrentDoc();
    EXPECT_EQ(loaded.TabSheet->Caption(), "trip.mnu (Round Trip)");
    EXPECT_EQ(loaded.Folder + loaded.FileName, folder_ + "trip.mnu");
    EXPECT_EQ(loaded.Modified, 0);
    EXPECT_EQ(RecordBytes(loaded.Menu), RecordBytes(saved.Menu));
    EXPECT_TRUE(loaded.Ctl[1].ImgBtn->Visible());
    EXPECT_EQ(loaded.Ctl[1].ImgBtn->Width(), 20);
    EXPECT_TRUE(loaded.Ctl[2].WinBtn->Visible());
    EXPECT_FALSE(loaded.Ctl[2].ImgBtn->Visible());
    EXPECT_EQ(loaded.Ctl[2].WinBtn->Caption(), "Close");
    EXPECT_EQ(loaded.FramePanel->Width(), 64);

    // Without an exit button the file is written, then the warning shows.
    Menu().Buttons[2].ExitOnClick = 0;
    ASSERT_TRUE(form_->mnuSaveClick());
    ASSERT_EQ(asked_.size(), 1u);
    EXPECT_EQ(asked_[0].rfind("An exit button was not found on this menu.\r\r", 0), 0u);
    // A folder that does not exist: nothing written, still modified.
    asked_.clear();
    loaded.Modified = 1;
    EXPECT_FALSE(SaveAs("missing\\trip.mnu"));
    EXPECT_EQ(loaded.Modified, 1);
    EXPECT_EQ(asked_, (std::vector<std::string>{"A problem occured when saving the menu."}));
}

TEST_F(SaveLoadTest, AVersion7MenuGetsRichTextsRenderedWithItsSettings) {
    WriteBytes(folder_ + "old.mnu", Version7File());
    ASSERT_TRUE(form_->LoadMenu("old.mnu", folder_, false));
    EXPECT_TRUE(asked_.empty());
    const TAQMenu& menu = Menu();
    EXPECT_EQ(menu.SoundsOn, 1);
    EXPECT_EQ(menu.AccRTF.rfind("{\\rtf", 0), 0u);
    EXPECT_NE(menu.AccRTF.find("menu text"), std::string::npos);
    const TAQButton& button = menu.Buttons[1];
    EXPECT_NE(button.AccRTF.find("button text"), std::string::npos);
    EXPECT_EQ(button.AccDirty, 0);
    EXPECT_EQ(button.AccPNG.Width(), 150);  // the accessory box's size
    EXPECT_EQ(button.AccPNG.Height(), 60);
    EXPECT_EQ(button.Caption.rfind("{\\rtf", 0), 0u);
    EXPECT_NE(button.Caption.find("Caption"), std::string::npos);
    EXPECT_EQ(button.LookPNG.Width(), 90);
    // Saved again, it is a version 8 file that reads back the same.
    ASSERT_TRUE(SaveAs("new.mnu"));
    ASSERT_TRUE(form_->LoadMenu("new.mnu", folder_, false));
    EXPECT_EQ(RecordBytes(Menu()), RecordBytes(form_->MenuDoc(1)->Menu));
}

TEST_F(SaveLoadTest, DamagedFilesAreReportedAndLeaveNoDocumentBehind) {
    form_->NewMenu(0);
    FillMenu(Menu());
    ASSERT_TRUE(SaveAs("good.mnu"));
    const Bytes good = ReadBytes(folder_ + "good.mnu");
    Bytes wrongType = good;
    wrongType[11] = mftBitmap;  // the title, the first field after the header
    const std::vector<std::pair<std::string, Bytes>> refused = {
        {"gone.mnu", {}}, {"text.mnu", {'n', 'o', ' ', 'm', 'e', 'n', 'u', ' ', 'f', 'i', 'l', 'e'}},
        {"cut.mnu", Bytes(good.begin(), good.begin() + 60)}, {"type.mnu", wrongType}};
    const std::vector<std::string> said = {"Menu not found.", "Menu file could not be read.",
                                           "Error loading binary menu data.", "Error loading binary menu data."};
    for (size_t k = 0; k < refused.size(); ++k) {
        SCOPED_TRACE(refused[k].first);
        if (!refused[k].second.empty()) WriteBytes(folder_ + refused[k].first, refused[k].second);
        asked_.clear();
        EXPECT_FALSE(form_->LoadMenu(refused[k].first, folder_, false));
        EXPECT_EQ(MenuCounter, 1);
        EXPECT_EQ(form_->MenuLoading(), 0);
        ASSERT_FALSE(asked_.empty());
        EXPECT_EQ(asked_.back(), said[k]);
    }

    // A damaged picture: reported, the menu loads with the others.
    Bytes badPixels = good;
    for (size_t i = good.size() - 30; i < good.size() - 2; ++i) badPixels[i] ^= 0x5A;  // the last block
    WriteBytes(folder_ + "pixels.mnu", badPixels);
    asked_.clear();
    EXPECT_TRUE(form_->LoadMenu("pixels.mnu", folder_, false));
    EXPECT_EQ(asked_, (std::vector<std::string>{"Only 3 of 4 images loaded.", "Error loading binary menu data."}));
    EXPECT_FALSE(Menu().Buttons[1].Pics[Active][0]);

    // A rendered picture that cannot be decoded is rendered again before a save.
    Bytes badPng = good;
    const uint8_t signature[4] = {0x89, 'P', 'N', 'G'};
    const auto png = std::search(badPng.begin(), badPng.end(), signature, signature + 4);
    for (auto byte = png + 41; byte < png + 47; ++byte) *byte ^= 0x5A;  // the menu's image data
    WriteBytes(folder_ + "png.mnu", badPng);
    asked_.clear();
    EXPECT_TRUE(form_->LoadMenu("png.mnu", folder_, false));
    EXPECT_EQ(asked_, (std::vector<std::string>{"Error loading binary menu data."}));
    ASSERT_TRUE(SaveAs("png-saved.mnu"));
    EXPECT_EQ(Menu().AccPNG.Width(), Menu().AccTextWidth);

    // Without its background the menu is not loaded at all.
    form_->NewMenu(0);
    Menu().Buttons[0].Pics[Up][0] = Pic(30, 20, 0x123456);
    ASSERT_TRUE(SaveAs("bg.mnu"));
    Bytes badBackground = ReadBytes(folder_ + "bg.mnu");
    for (size_t i = badBackground.size() - 20; i < badBackground.size() - 2; ++i) badBackground[i] ^= 0x5A;
    WriteBytes(folder_ + "bg.mnu", badBackground);
    asked_.clear();
    captions_.clear();
    EXPECT_FALSE(form_->LoadMenu("bg.mnu", folder_, false));
    EXPECT_EQ(asked_, (std::vector<std::string>{"Only 0 of 1 images loaded.", "Error loading binary menu data.",
                                                "No background image could be found, menu could not be loaded."}));
    // The two warnings take the dialog's own caption, the others the title.
    EXPECT_EQ(captions_, (std::vector<std::string>{DlgCaption, "", ""}));
    EXPECT_EQ(MenuCounter, 4);
    EXPECT_EQ(form_->MenuLoading(), 0);

    // After all of that a good file still loads.
    asked_.clear();
    EXPECT_TRUE(form_->LoadMenu("good.mnu", folder_, false));
    EXPECT_TRUE(asked_.empty());
    EXPECT_EQ(RecordBytes(Menu()), RecordBytes(form_->MenuDoc(1)->Menu));
}

TEST_F(SaveLoadTest, UndoAndRedoWalkTheSnapshotStacksOfTheirOwnDocument) {
    form_->NewMenu(0);
    FillMenu(Menu());
    TMenuDocument& doc = *form_->CurrentDoc();
    const Bytes start = RecordBytes(Menu(), true);
    form_->PushUndo(1);
    Menu().Buttons[1].Left = 40;  // a move: its snapshot holds no pictures
    const Bytes afterFirst = RecordBytes(Menu(), true);
    form_->PushUndo(0);
    Menu().BtnCount = 2;  // an object deleted
    EXPECT_TRUE(forms::FileExists(Undo("UD001002.und")));

    Cmd("cmdUndo").Execute();
    Cmd("cmdUndo").Execute();
    EXPECT_EQ(RecordBytes(Menu(), true), start);
    Cmd("cmdRedo").Execute();
    EXPECT_EQ(RecordBytes(Menu(), true), afterFirst);
    EXPECT_EQ(doc.UndoCount, 1);
    EXPECT_EQ(doc.RedoCount, 1);
    EXPECT_EQ(doc.TabSheet->Caption(), "Menu 1");
    EXPECT_TRUE(doc.Ctl[3].ImgBtn->Visible());

    // Saved, then undone: modified again. Nothing left to undo; a step that
    // arrives while one runs is ignored.
    ASSERT_TRUE(SaveAs("u.mnu"));
    Cmd("cmdUndo").Execute();
    EXPECT_EQ(doc.Modified, 1);
    Cmd("cmdUndo").Execute();
    EXPECT_EQ(doc.RedoCount, 2);
    UndoBusy = 1;
    Cmd("cmdRedo").Execute();
    UndoBusy = 0;
    EXPECT_EQ(doc.RedoCount, 2);

    // A snapshot that cannot be read leaves the document and the stacks alone.
    WriteBytes(Undo(editor::RedoSnapshotName(1, 2)), {1, 2, 3});
    const Bytes before = RecordBytes(Menu(), true);
    asked_.clear();
    Cmd("cmdRedo").Execute();
    EXPECT_FALSE(asked_.empty());
    EXPECT_EQ(RecordBytes(Menu(), true), before);
    EXPECT_EQ(doc.RedoCount, 2);
    EXPECT_EQ(doc.UndoCount, 0);
    EXPECT_EQ(form_->MenuLoading(), 0);

    // A new edit empties the redo stack.
    form_->PushUndo(1);
    EXPECT_EQ(doc.RedoCount, 0);

    // Closing a document removes its snapshots and no other document's.
    form_->NewMenu(0);
    form_->PushUndo(1);
    dynamic_cast<forms::PageControl*>(form_->FindComponent("PageControl1"))->SetActivePage(doc.TabSheet);
    form_->PageControl1Change();
    ASSERT_EQ(form_->CurMenu(), 1);
    form_->FreeMenu();
    EXPECT_FALSE(forms::FileExists(Undo("UD001001.und")));
    EXPECT_FALSE(forms::FileExists(Undo("RD001001.und")));
    EXPECT_TRUE(forms::FileExists(Undo("UD002001.und")));
}

TEST_F(SaveLoadTest, TextsCarriedByNoSnapshotAreRenderedAgainBeforeTheyAreSaved) {
    form_->NewMenu(0);
    FillMenu(Menu());
    TAQButton& text = Menu().Buttons[3];
    text.ObjectKind = TextButton;
    text.Caption = "{\\rtf1 Press}";
    text.ObjWidth = 50;
    form_->PushUndo(1);
    Cmd("cmdUndo").Execute();
    EXPECT_EQ(Menu().Buttons[3].LookPNG.Width(), 50);  // drawn again from its caption
    EXPECT_EQ(Menu().Buttons[1].AccDirty, 1);
    ASSERT_TRUE(SaveAs("texts.mnu"));
    EXPECT_EQ(Menu().Buttons[1].AccDirty, 0);
    EXPECT_EQ(Menu().Buttons[1].AccPNG.Width(), Menu().AccTextWidth);
    EXPECT_EQ(Menu().AccPNG.Width(), Menu().AccTextWidth);
}

}  // namespace
