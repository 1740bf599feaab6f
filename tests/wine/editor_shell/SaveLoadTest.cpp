// Menus saved and loaded through the editor's main window, and undo and redo
// through its snapshot files. Records are compared whole, through the bytes
// the menu writer makes of them.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "editor/logic/UndoSnapshots.h"
#include "editor/win32/EditorGlobals.h"
#include "editor/win32/EditorMenuFileHost.h"
#include "editor/win32/mdiform1.h"
#include "forms/portable/FileSystem.h"
#include "forms/win32/Application.h"
#include "forms/win32/Button.h"
#include "forms/win32/Command.h"
#include "forms/win32/Image.h"
#include "forms/win32/PageControl.h"
#include "forms/win32/Panel.h"
#include "shared/MenuBody.h"

namespace {

std::vector<uint8_t> ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                static_cast<std::streamsize>(bytes.size()));
}

// The whole record as the menu writer puts it in a file; quiet leaves out
// the rendered pictures (texts and shapes), which snapshots do not carry.
std::vector<uint8_t> RecordBytes(const TAQMenu& menu, bool quiet = false) {
    EditorMenuFileHost host;
    TMenuFile file(host);
    auto stream = std::make_unique<forms::MemoryStream>();
    forms::MemoryStream* memory = stream.get();
    file.SetMnuStream(std::move(stream));
    MenuWriteOptions options;
    options.Quiet = quiet;
    EXPECT_TRUE(WriteMenuFile(file, menu, options));
    return memory->Bytes();
}

forms::PngImage SomePng(int w, int h, uint8_t seed) {
    forms::PngImage png = forms::PngImage::CreateBlank(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w * 4; ++x) png.Row(y)[x] = static_cast<uint8_t>(seed + x * 7 + y * 13);
    return png;
}

// A background, a graphical button, an exit button and a placed shape.
void FillMenu(TAQMenu& m) {
    m.MenuTitle = "Round Trip";
    m.ScreenPos = 3;
    m.TransColor = 5;
    m.DefaultBtn = 2;
    m.TimeVisible = true;
    m.TimeFont = {"Arial", 9, true, false, false};
    m.DateFont = {"Arial", 8, false, true, false};
    m.ShadowDepth = 2;
    m.AccRTF = "{\\rtf1 menu}";
    m.AccPNG = SomePng(6, 5, 1);
    m.Buttons[0].Pics[Up][0] = std::make_shared<forms::Bitmap>(60, 40, 0x00336699u);
    m.BtnCount = 3;
    TAQButton& b1 = m.Buttons[1];
    b1.ObjectKind = GraphicalButton;
    b1.Left = 5;
    b1.Top = 6;
    b1.ObjWidth = 20;
    b1.ObjHeight = 10;
    b1.ButtonCommand = "setup.exe";
    b1.Caption = "One";
    b1.ShortcutKey = "A";
    b1.AccRTF = "{\\rtf1 one}";
    b1.AccPNG = SomePng(4, 3, 9);
    b1.Pics[Up][0] = std::make_shared<forms::Bitmap>(20, 10, 0x00FF0000u);
    b1.Pics[Up][1] = std::make_shared<forms::Bitmap>(20, 10, 0x0000FF00u);
    b1.Pics[Active][0] = std::make_shared<forms::Bitmap>(20, 10, 0x000000FFu);
    TAQButton& b2 = m.Buttons[2];
    b2.ObjectKind = WindowsButton;
    b2.Left = 30;
    b2.Top = 20;
    b2.ObjWidth = 25;
    b2.ObjHeight = 12;
    b2.Caption = "Close";
    b2.ExitOnClick = -1;
    b2.ShortcutKey = "none";
    TAQButton& b3 = m.Buttons[3];
    b3.ObjectKind = PlcShape;
    b3.Left = 2;
    b3.Top = 30;
    b3.ObjWidth = 30;
    b3.ObjHeight = 8;
    b3.ShapeRec.ShapeKind = 3;
    b3.ShapeRec.LineThickness = 1;
    b3.ShapeRec.FillType = 1;
    b3.ShapeRec.FillColor = 0x00E5E5E5;
    b3.LookPNG = SomePng(30, 8, 4);
}

// A version 7 file: plain accessory texts with their fonts, one text button
// with its caption font, and a 30 x 20 background.
std::vector<uint8_t> Version7File() {
    EditorMenuFileHost host;
    TMenuFile file(host);
    auto stream = std::make_unique<forms::MemoryStream>();
    forms::MemoryStream* memory = stream.get();
    file.SetMnuStream(std::move(stream));
    const uint8_t head[11] = {'M', 'E', 'N', 'U', 1, 7, 0, 0, 1, 1, 0};
    memory->Write(head, sizeof head);
    auto s = [&file](const std::string& t) { file.WriteMnuField(mftString, 0, t); };
    auto i = [&file](int32_t v) { file.WriteMnuField(mftInt, v, ""); };
    auto l = [&file](int32_t v) { file.WriteMnuField(mftLong, v, ""); };
    s("Old Menu");
    i(2);
    s("menu text");
    s("Arial");
    l(11);
    for (int32_t v : {-1, 0, 0, 0, 0, 128, 10, 12, 150, 60, kAlignCenter}) i(v);  // styles, colour, box, alignment
    for (int32_t v : {-1, 0, 0, 0, 0, 20, 200, 95, 200, 1, 3, 0, 0, 100, 0}) i(v);  // labels .. scroll title
    s("NULL");
    for (int font = 0; font < 2; ++font) {
        s("Arial");
        l(8);
        for (int k = 0; k < 3; ++k) i(0);
    }
    for (int32_t v : {3, 0, 0, 0}) i(v);  // shadow depth and colour
    for (int k = 0; k < 4; ++k) s("");
    s("run.exe");
    s("");
    s("button text");
    for (int32_t v : {4, 5, 0, -1, 0}) i(v);
    s("A");
    i(0);
    i(0);
    i(TextButton);
    s("Caption");
    i(90);
    i(20);
    s("Arial");
    for (int32_t v : {14, 255, kAlignLeft, -1, 0, 0}) i(v);
    i(0);
    s("");
    s("");
    i(0);
    file.WriteMnuBitmap(1, 0, Up, 0, forms::Bitmap(30, 20, 0x00808080u), "", false);
    file.WriteMnuEnd();
    EXPECT_EQ(file.MnuError(), 0);
    return memory->Bytes();
}

class SaveLoadTest : public ::testing::Test {
protected:
    void SetUp() override {
        MenuCounter = 0;
        UndoBusy = 0;
        EditorMsg = [this](const std::string& text, TMsgDlgType, TMsgDlgButtons) {
            asked_.push_back(text);
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
            do {
                DeleteFileA((folder_ + data.cFileName).c_str());
            } while (FindNextFileA(find, &data));
            FindClose(find);
        }
        RemoveDirectoryA(folder_.c_str());
    }

    forms::Command& Cmd(const std::string& name) {
        return *dynamic_cast<forms::Command*>(form_->FindComponent(name));
    }
    TAQMenu& Menu() { return form_->CurrentDoc()->Menu; }
    // A new document holding the test menu, saved as name in the folder.
    void NewSavedMenu(const std::string& name) {
        Cmd("cmdNew").Execute();
        FillMenu(Menu());
        savePath_ = folder_ + name;
        ASSERT_TRUE(form_->mnuSaveAsClick());
    }
    bool Open(const std::string& name) {
        openPath_ = folder_ + name;
        const int before = MenuCounter;
        Cmd("cmdOpen").Execute();
        return MenuCounter == before + 1;
    }
    std::string Undo(const std::string& file) const { return form_->DataFolders().Undo + file; }

    TMDIForm1Cls* form_ = nullptr;
    std::vector<std::string> asked_;
    std::string folder_;
    std::string savePath_;
    std::string openPath_;
};

TEST_F(SaveLoadTest, ASavedMenuLoadsBackWholeWithItsControlsShown) {
    NewSavedMenu("trip.mnu");
    EXPECT_TRUE(asked_.empty());  // it has an exit button
    TMenuDocument& saved = *form_->CurrentDoc();
    EXPECT_EQ(saved.Modified, 0);
    EXPECT_EQ(saved.HasFile, 1);
    EXPECT_EQ(saved.TabSheet->Caption(), "trip.mnu (Round Trip)");

    ASSERT_TRUE(Open("trip.mnu"));
    TMenuDocument& loaded = *form_->CurrentDoc();
    EXPECT_EQ(form_->CurMenu(), 2);
    EXPECT_EQ(loaded.TabSheet->Caption(), "trip.mnu (Round Trip)");
    EXPECT_EQ(loaded.FileName, "trip.mnu");
    EXPECT_EQ(loaded.Folder, folder_);
    EXPECT_EQ(loaded.Modified, 0);
    EXPECT_EQ(form_->MenuLoading(), 0);
    EXPECT_EQ(RecordBytes(loaded.Menu), RecordBytes(saved.Menu));
    ASSERT_NE(loaded.Ctl[1].ImgBtn, nullptr);
    EXPECT_TRUE(loaded.Ctl[1].ImgBtn->Visible());
    EXPECT_EQ(loaded.Ctl[1].ImgBtn->Width(), 20);
    EXPECT_TRUE(loaded.Ctl[2].WinBtn->Visible());
    EXPECT_FALSE(loaded.Ctl[2].ImgBtn->Visible());
    EXPECT_EQ(loaded.Ctl[2].WinBtn->Caption(), "Close");
    EXPECT_TRUE(loaded.Ctl[3].ImgBtn->Visible());
    EXPECT_EQ(loaded.FramePanel->Width(), 64);

    // A menu without an exit button is saved, then the warning shows.
    Menu().Buttons[2].ExitOnClick = 0;
    ASSERT_TRUE(form_->mnuSaveClick());
    ASSERT_EQ(asked_.size(), 1u);
    EXPECT_EQ(asked_[0].rfind("An exit button was not found on this menu.\r\r", 0), 0u);

    // A folder that does not exist: nothing written, the document stays modified.
    asked_.clear();
    form_->CurrentDoc()->Modified = 1;
    savePath_ = folder_ + "missing\\trip.mnu";
    EXPECT_FALSE(form_->mnuSaveAsClick());
    EXPECT_EQ(form_->CurrentDoc()->Modified, 1);
    EXPECT_EQ(asked_, (std::vector<std::string>{"A problem occured when saving the menu."}));
}

TEST_F(SaveLoadTest, AVersion7MenuGetsRichTextsRenderedWithItsSettings) {
    WriteBytes(folder_ + "old.mnu", Version7File());
    ASSERT_TRUE(form_->LoadMenu("old.mnu", folder_, false));
    EXPECT_TRUE(asked_.empty());
    TMenuDocument& doc = *form_->CurrentDoc();
    EXPECT_EQ(doc.Modified, 0);
    EXPECT_EQ(doc.TabSheet->Caption(), "old.mnu (Old Menu)");
    const TAQMenu& menu = doc.Menu;
    EXPECT_EQ(menu.SoundsOn, 1);
    EXPECT_EQ(menu.ScreenPos, 2);
    EXPECT_EQ(menu.AccRTF.rfind("{\\rtf", 0), 0u);
    EXPECT_NE(menu.AccRTF.find("menu text"), std::string::npos);
    EXPECT_EQ(menu.AccPNG.Width(), 150);
    const TAQButton& button = menu.Buttons[1];
    EXPECT_NE(button.AccRTF.find("button text"), std::string::npos);
    EXPECT_EQ(button.AccDirty, 0);
    EXPECT_EQ(button.AccPNG.Width(), 150);
    EXPECT_EQ(button.AccPNG.Height(), 60);
    EXPECT_NE(button.Caption.find("Caption"), std::string::npos);
    EXPECT_EQ(button.Caption.rfind("{\\rtf", 0), 0u);
    EXPECT_EQ(button.LookPNG.Width(), 90);
    EXPECT_TRUE(doc.Ctl[1].ImgBtn->Visible());
    // Saved again, it is a version 8 file that reads back the same.
    savePath_ = folder_ + "new.mnu";
    ASSERT_TRUE(form_->mnuSaveAsClick());
    ASSERT_TRUE(form_->LoadMenu("new.mnu", folder_, false));
    EXPECT_EQ(RecordBytes(form_->CurrentDoc()->Menu), RecordBytes(form_->MenuDoc(1)->Menu));
}

TEST_F(SaveLoadTest, DamagedFilesAreReportedAndLeaveNoDocumentBehind) {
    NewSavedMenu("good.mnu");
    const std::vector<uint8_t> good = ReadBytes(folder_ + "good.mnu");
    ASSERT_GT(good.size(), 200u);

    struct Case {
        std::string name;
        std::vector<uint8_t> bytes;
        std::vector<std::string> messages;
    };
    std::vector<uint8_t> cutInBody(good.begin(), good.begin() + 60);
    std::vector<uint8_t> wrongType = good;
    wrongType[11] = mftBitmap;  // the title, the first field after the header
    std::vector<uint8_t> badPixels = good;
    // The last picture block's compressed data: the background is written first.
    for (size_t i = badPixels.size() - 30; i < badPixels.size() - 2; ++i) badPixels[i] ^= 0x5A;
    const std::vector<Case> cases = {
        {"gone.mnu", {}, {"Menu not found."}},
        {"text.mnu", {'h', 'e', 'l', 'l', 'o', ' ', 'm', 'e', 'n', 'u', ' ', 'f', 'i', 'l', 'e'}, {}},
        {"cut.mnu", cutInBody, {"Error loading binary menu data."}},
        {"type.mnu", wrongType, {"Error loading binary menu data."}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (!c.bytes.empty()) WriteBytes(folder_ + c.name, c.bytes);
        asked_.clear();
        const int pages = form_->CurMenu();
        form_->LoadMenu(c.name, folder_, false);
        EXPECT_EQ(form_->CurMenu(), pages);
        EXPECT_EQ(MenuCounter, 1);
        EXPECT_EQ(form_->MenuLoading(), 0);
        ASSERT_FALSE(asked_.empty());
        if (c.messages.empty())
            EXPECT_EQ(asked_.back(), "Menu file could not be read.");
        else
            EXPECT_EQ(asked_, c.messages);
    }

    // A damaged picture is reported; the menu loads with the pictures that
    // could be read.
    WriteBytes(folder_ + "pixels.mnu", badPixels);
    asked_.clear();
    EXPECT_TRUE(form_->LoadMenu("pixels.mnu", folder_, false));
    EXPECT_EQ(asked_, (std::vector<std::string>{"Only 3 of 4 images loaded.", "Error loading binary menu data."}));
    EXPECT_EQ(form_->MenuLoading(), 0);
    EXPECT_EQ(MenuCounter, 2);
    EXPECT_FALSE(form_->CurrentDoc()->Menu.Buttons[1].Pics[Active][0]);

    // A rendered picture that cannot be decoded is rendered again before a save.
    std::vector<uint8_t> badPng = good;
    const uint8_t signature[4] = {0x89, 'P', 'N', 'G'};
    const auto png = std::search(badPng.begin(), badPng.end(), signature, signature + 4);
    ASSERT_NE(png, badPng.end());
    for (auto byte = png + 41; byte < png + 47; ++byte) *byte ^= 0x5A;  // the first image data
    WriteBytes(folder_ + "png.mnu", badPng);
    asked_.clear();
    EXPECT_TRUE(form_->LoadMenu("png.mnu", folder_, false));
    EXPECT_EQ(asked_, (std::vector<std::string>{"Error loading binary menu data."}));
    EXPECT_EQ(form_->CurrentDoc()->AccPNGDirty, 1);
    savePath_ = folder_ + "png-saved.mnu";
    ASSERT_TRUE(form_->mnuSaveAsClick());
    EXPECT_EQ(Menu().AccPNG.Width(), Menu().AccTextWidth);
    EXPECT_EQ(Menu().Buttons[1].AccDirty, 0);

    // Without its background the menu is not loaded at all.
    Cmd("cmdNew").Execute();
    Menu().Buttons[0].Pics[Up][0] = std::make_shared<forms::Bitmap>(30, 20, 0x00123456u);
    savePath_ = folder_ + "bg.mnu";
    ASSERT_TRUE(form_->mnuSaveAsClick());
    std::vector<uint8_t> badBackground = ReadBytes(folder_ + "bg.mnu");
    for (size_t i = badBackground.size() - 20; i < badBackground.size() - 2; ++i) badBackground[i] ^= 0x5A;
    WriteBytes(folder_ + "bg.mnu", badBackground);
    asked_.clear();
    EXPECT_FALSE(form_->LoadMenu("bg.mnu", folder_, false));
    EXPECT_EQ(asked_, (std::vector<std::string>{"Only 0 of 1 images loaded.", "Error loading binary menu data.",
                                                "No background image could be found, menu could not be loaded."}));
    EXPECT_EQ(MenuCounter, 4);
    EXPECT_EQ(form_->MenuLoading(), 0);

    // After all of that a good file still loads.
    asked_.clear();
    EXPECT_TRUE(form_->LoadMenu("good.mnu", folder_, false));
    EXPECT_TRUE(asked_.empty());
    EXPECT_EQ(RecordBytes(form_->CurrentDoc()->Menu), RecordBytes(form_->MenuDoc(1)->Menu));
}

TEST_F(SaveLoadTest, UndoAndRedoWalkTheSnapshotStacksOfTheirOwnDocument) {
    Cmd("cmdNew").Execute();
    FillMenu(Menu());
    const std::vector<uint8_t> start = RecordBytes(Menu(), true);
    form_->PushUndo(1);
    Menu().Buttons[1].Left = 40;  // a move: snapshot without pictures
    const std::vector<uint8_t> afterFirst = RecordBytes(Menu(), true);
    form_->PushUndo(0);
    Menu().BtnCount = 2;  // an object deleted
    TMenuDocument& doc = *form_->CurrentDoc();
    EXPECT_EQ(doc.UndoCount, 2);
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

    // Saved, then undone: the document is modified again.
    savePath_ = folder_ + "u.mnu";
    ASSERT_TRUE(form_->mnuSaveAsClick());
    EXPECT_EQ(doc.Modified, 0);
    Cmd("cmdUndo").Execute();
    EXPECT_EQ(doc.Modified, 1);
    EXPECT_EQ(doc.UndoCount, 0);
    // Nothing left to undo; a step arriving while one runs is ignored.
    Cmd("cmdUndo").Execute();
    EXPECT_EQ(doc.RedoCount, 2);
    UndoBusy = 1;
    Cmd("cmdRedo").Execute();
    EXPECT_EQ(doc.RedoCount, 2);
    UndoBusy = 0;

    // A snapshot that cannot be read leaves the document and the stacks alone.
    WriteBytes(Undo(editor::RedoSnapshotName(1, 2)), {1, 2, 3});
    const std::vector<uint8_t> before = RecordBytes(Menu(), true);
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
    Cmd("cmdRedo").Execute();
    EXPECT_EQ(doc.UndoCount, 1);

    // Closing the document removes its snapshots and no other document's.
    Cmd("cmdNew").Execute();
    form_->PushUndo(1);
    ASSERT_TRUE(forms::FileExists(Undo("UD002001.und")));
    form_->PageControl1Change();
    forms::PageControl& pages = *dynamic_cast<forms::PageControl*>(form_->FindComponent("PageControl1"));
    pages.SetActivePage(form_->MenuDoc(1)->TabSheet);
    form_->PageControl1Change();
    ASSERT_EQ(form_->CurMenu(), 1);
    form_->FreeMenu();
    EXPECT_FALSE(forms::FileExists(Undo("UD001001.und")));
    EXPECT_FALSE(forms::FileExists(Undo("RD001001.und")));
    EXPECT_TRUE(forms::FileExists(Undo("UD002001.und")));
}

TEST_F(SaveLoadTest, TextsCarriedByNoSnapshotAreRenderedAgainBeforeTheyAreSaved) {
    Cmd("cmdNew").Execute();
    FillMenu(Menu());
    TAQButton& text = Menu().Buttons[3];
    text.ObjectKind = TextButton;
    text.Caption = "{\\rtf1 Press}";
    text.ObjWidth = 50;
    text.ObjHeight = 20;
    form_->PushUndo(1);
    Cmd("cmdUndo").Execute();
    TAQButton& back = Menu().Buttons[3];
    EXPECT_EQ(back.LookPNG.Width(), 50);  // drawn again from its caption
    EXPECT_EQ(Menu().Buttons[1].AccDirty, 1);
    savePath_ = folder_ + "texts.mnu";
    ASSERT_TRUE(form_->mnuSaveAsClick());
    EXPECT_EQ(Menu().Buttons[1].AccDirty, 0);
    EXPECT_EQ(Menu().Buttons[1].AccPNG.Width(), Menu().AccTextWidth);
    EXPECT_EQ(Menu().AccPNG.Width(), Menu().AccTextWidth);
}

}  // namespace
