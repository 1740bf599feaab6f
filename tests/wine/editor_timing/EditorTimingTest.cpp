// Timing figures of the editor on a large menu (a 1024 x 768 background and
// 100 graphical buttons of 3 states x 5 frames of 200 x 60), measured beside
// the shared menu reader and writer on the same file: opening, saving, undo
// snapshots and undo, and the rendering of a text box and a gradient shape.
//
// Each figure is the median of a few runs. Every ratio is printed with its
// target; the assertions use bounds well above the targets, so that a busy
// machine does not fail the suite while a fault that multiplies the cost
// (pixels moved one by one, snapshots compressed) still does.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "editor/logic/PNGDraw.h"
#include "editor/logic/UndoSnapshots.h"
#include "editor/win32/common/EditorGlobals.h"
#include "editor/win32/common/EditorMenuFileHost.h"
#include "editor/win32/common/RichTextPicture.h"
#include "editor/win32/mainwindow/mdiform1.h"
#include "forms/portable/FileSystem.h"
#include "forms/win32/Application.h"
#include "forms/win32/Command.h"
#include "forms/win32/Forms.h"
#include "shared/MenuBody.h"
#include "tests/bench/BenchPictures.h"

namespace {

constexpr int kStates = 3;
constexpr int kFrames = 5;
constexpr int kRuns = 3;

// Seconds taken by fn, by the performance counter.
template <class Fn>
double Seconds(Fn&& fn) {
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    fn();
    QueryPerformanceCounter(&end);
    return static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Median seconds of runs calls of fn.
template <class Fn>
double MedianSeconds(int runs, Fn&& fn) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) times.push_back(Seconds(fn));
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// Prints a ratio beside its target; true when it is within bound.
bool Report(const char* what, double seconds, double baseSeconds, double target) {
    const double ratio = seconds / baseSeconds;
    std::printf("%-40s %8.1f ms / %8.1f ms = %5.2f x (target <= %.1f: %s)\n", what, seconds * 1000,
                baseSeconds * 1000, ratio, target, ratio <= target ? "met" : "MISSED");
    std::fflush(stdout);
    return ratio <= target;
}

void ReportTime(const char* what, double seconds, double limit) {
    std::printf("%-40s %8.1f ms (limit %.0f ms)\n", what, seconds * 1000, limit * 1000);
    std::fflush(stdout);
}

std::unique_ptr<TAQMenu> LargeMenu() {
    auto m = std::make_unique<TAQMenu>();
    m->MenuTitle = "Large";
    m->TransColor = 15;
    m->Buttons[0].Pics[Up][0] = bench::GradientPicture(1024, 768, 1);
    for (int n = 1; n <= 100; ++n) {
        TAQButton& b = m->Buttons[n];
        b.ObjectKind = GraphicalButton;
        b.Left = (n - 1) % 5 * 204;
        b.Top = (n - 1) / 5 * 38;
        b.ObjWidth = 200;
        b.ObjHeight = 60;
        for (int s = 0; s < kStates; ++s)
            for (int f = 0; f < kFrames; ++f)
                b.Pics[s][f] = bench::GradientPicture(200, 60, static_cast<uint32_t>(n * 1000 + s * 100 + f));
    }
    m->Buttons[100].ExitOnClick = -1;
    m->BtnCount = 100;
    return m;
}

// True when every picture slot of a and b holds equal pixels.
bool SamePictures(const TAQMenu& a, const TAQMenu& b) {
    for (int n = 0; n <= 100; ++n)
        for (int s = 0; s < kPicStates; ++s)
            for (int f = 0; f <= kFrames; ++f) {
                const PicRef& x = a.Buttons[n].Pics[s][f];
                const PicRef& y = b.Buttons[n].Pics[s][f];
                if (HasPic(x) != HasPic(y)) return false;
                if (!HasPic(x)) continue;
                if (x->Width() != y->Width() || x->Height() != y->Height() ||
                    !std::equal(x->Data(), x->Data() + x->PixelCount(), y->Data()))
                    return false;
            }
    return true;
}

// The shared writer alone: the menu written to a file of the folder.
bool WriteShared(const std::string& folder, const std::string& name, const TAQMenu& menu) {
    EditorMenuFileHost host;
    TMenuFile file(host);
    file.ClearMnuError();
    if (!file.OpenMnuFile(name, folder, 1, 0)) return false;
    WriteMenuFile(file, menu, MenuWriteOptions{});
    file.CloseMnuFile();
    return file.MnuError() == 0;
}

int64_t FileSize(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return -1;
    return static_cast<int64_t>(data.nFileSizeHigh) << 32 | data.nFileSizeLow;
}

// The large menu and its file, made once for the suite in a folder of its
// own (removed with everything in it at the end).
class EditorTimingTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        menu_ = LargeMenu().release();
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        folder_ = std::string(temp) + "qvtiming-" + std::to_string(GetCurrentProcessId()) + "\\";
        CreateDirectoryA(folder_.c_str(), nullptr);
        fileWritten_ = WriteShared(folder_, "large.mnu", *menu_);
    }
    static void TearDownTestSuite() {
        delete menu_;
        menu_ = nullptr;
        WIN32_FIND_DATAA data;
        HANDLE find = FindFirstFileA((folder_ + "*").c_str(), &data);
        if (find != INVALID_HANDLE_VALUE) {
            do DeleteFileA((folder_ + data.cFileName).c_str());
            while (FindNextFileA(find, &data));
            FindClose(find);
        }
        RemoveDirectoryA(folder_.c_str());
    }

    void SetUp() override {
        ASSERT_TRUE(fileWritten_);
        MenuCounter = 0;
        UndoBusy = 0;
        EditorMsg = [](const std::string&, TMsgDlgType, TMsgDlgButtons) { return mrOk; };
        form_ = forms::Application().CreateForm<TMDIForm1Cls>(false);
        ASSERT_NE(form_, nullptr);
        form_->Show();
    }
    void TearDown() override {
        delete form_;
        forms::Application().ProcessMessages();
    }

    // The shared reader alone: the file read into a record of its own.
    bool ReadShared(const std::string& name, TAQMenu& menu) {
        EditorMenuFileHost host;
        TMenuFile file(host);
        file.ClearMnuError();
        const bool read = file.OpenMnuFile(name, folder_, 0, 0) && file.ReadMnuHeader() &&
                          ReadMenuBody(file, menu, MenuReadOptions{});
        file.CloseMnuFile();
        return read;
    }
    bool UserSave(const std::string& name) { return form_->SaveMenu(folder_, name, true, false); }
    // Median seconds of opening the large menu in the editor, each time in a
    // new document after the last one was closed; the last stays open.
    double OpenMedian() {
        std::vector<double> opens;
        for (int i = 0; i < kRuns; ++i) {
            if (i > 0) form_->FreeMenu();
            opens.push_back(Seconds([&] { EXPECT_TRUE(form_->LoadMenu("large.mnu", folder_, false)); }));
        }
        std::sort(opens.begin(), opens.end());
        return opens[kRuns / 2];
    }

    static TAQMenu* menu_;
    static std::string folder_;
    static bool fileWritten_;
    TMDIForm1Cls* form_ = nullptr;
};

TAQMenu* EditorTimingTest::menu_ = nullptr;
std::string EditorTimingTest::folder_;
bool EditorTimingTest::fileWritten_ = false;

TEST_F(EditorTimingTest, OpeningAndSavingCostLittleMoreThanTheSharedReaderAndWriter) {
    const double read = MedianSeconds(kRuns, [&] {
        TAQMenu menu;
        EXPECT_TRUE(ReadShared("large.mnu", menu));
    });
    const double written = MedianSeconds(kRuns, [&] { EXPECT_TRUE(WriteShared(folder_, "shared.mnu", *menu_)); });
    const double opened = OpenMedian();
    TMenuDocument& doc = *form_->CurrentDoc();
    EXPECT_TRUE(SamePictures(doc.Menu, *menu_));
    // Buttons of pictures make no windows: the hidden push buttons have none.
    for (int n = 1; n <= doc.Menu.BtnCount; ++n) EXPECT_FALSE(doc.Ctl[n].WinBtn->HandleAllocated()) << n;
    const double saved = MedianSeconds(kRuns, [&] { EXPECT_TRUE(UserSave("editor.mnu")); });
    EXPECT_EQ(FileSize(folder_ + "editor.mnu"), FileSize(folder_ + "large.mnu"));

    Report("open in the editor / shared reader", opened, read, 1.5);
    Report("save in the editor / shared writer", saved, written, 1.2);
    EXPECT_LE(opened / read, 2.0);
    EXPECT_LE(saved / written, 1.6);
}

TEST_F(EditorTimingTest, UndoSnapshotsAreRawAndCheapAndAnUndoRestoresThePictures) {
    const double opened = OpenMedian();
    // Far below its target, the snapshot needs a single save to compare with.
    const double saved = Seconds([&] { EXPECT_TRUE(UserSave("user.mnu")); });

    // Each snapshot is taken before an edit that replaces pictures.
    TMenuDocument& current = *form_->CurrentDoc();
    std::vector<double> snapshots;
    for (int i = 0; i < kRuns; ++i) {
        snapshots.push_back(Seconds([&] { form_->PushUndo(0); }));
        current.Menu.Buttons[7].Pics[Active][2] = bench::GradientPicture(200, 60, 99 + i);
        current.Menu.Buttons[0].Pics[Up][0] = bench::GradientPicture(1024, 768, 99 + i);
    }
    std::sort(snapshots.begin(), snapshots.end());
    ASSERT_EQ(current.UndoCount, kRuns);
    // Raw pixels: the snapshot is larger than all the pictures' pixels.
    const int64_t pixelBytes = (1024 * 768 + 100 * kStates * kFrames * 200 * 60) * 4ll;
    EXPECT_GT(FileSize(form_->DataFolders().Undo + editor::UndoSnapshotName(form_->CurMenu(), 1)), pixelBytes);

    std::vector<double> undos;
    for (int i = 0; i < kRuns; ++i) undos.push_back(Seconds([&] { form_->DoUndo(); }));
    std::sort(undos.begin(), undos.end());
    EXPECT_EQ(current.UndoCount, 0);
    EXPECT_TRUE(SamePictures(form_->CurrentDoc()->Menu, *menu_));

    Report("undo snapshot with pictures / user save", snapshots[kRuns / 2], saved, 0.2);
    Report("undo / opening the saved file", undos[kRuns / 2], opened, 0.5);
    EXPECT_LE(snapshots[kRuns / 2] / saved, 0.3);
    EXPECT_LE(undos[kRuns / 2] / opened, 0.8);
}

TEST_F(EditorTimingTest, ATextBoxAndAGradientShapeRenderWellUnderTheirLimit) {
    constexpr double kLimit = 0.4;
    forms::Form host;
    auto* render = new forms::RichEdit(&host, &host);
    render->SetVisible(false);
    auto* source = new forms::RichEdit(&host, &host);
    source->SetRTF(
        "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red200\\green30\\blue30;}"
        "\\f0\\fs28\\b\\cf1 Install the program\\par\\b0 and read the notes that come with it.\\par}");
    forms::PngImage text;
    const double rendered =
        MedianSeconds(5, [&] { text = editor::RenderRTFToPNG(*render, *source, 300, 100, 2, 0x404040); });
    ASSERT_EQ(text.Width(), 300);
    ASSERT_EQ(text.Height(), 100);
    int opaque = 0;
    for (int y = 0; y < text.Height(); ++y)
        for (int x = 0; x < text.Width(); ++x) opaque += text.Row(y)[4 * x + 3] == 255;
    EXPECT_GT(opaque, 100);  // the text was drawn

    TAQButton shape;
    shape.ObjectKind = PlcShape;
    shape.ObjWidth = 800;
    shape.ObjHeight = 600;
    shape.ShapeRec.ShapeKind = editor::ShapeRoundRect;
    shape.ShapeRec.LineThickness = 4;
    shape.ShapeRec.LineColor = 0x202020;
    shape.ShapeRec.FillType = editor::FillGradient;
    shape.ShapeRec.FillColor = 0x0000FF;
    shape.ShapeRec.GradientColor = 0xFF8000;
    shape.ShapeRec.CornerRounding = 40;
    bool drawn = false;
    const double shaped = MedianSeconds(5, [&] { drawn = editor::DrawShape(shape); });
    EXPECT_TRUE(drawn);
    EXPECT_EQ(shape.LookPNG.Width(), 800);

    ReportTime("RenderRTFToPNG 300 x 100", rendered, kLimit);
    ReportTime("DrawShape 800 x 600 gradient", shaped, kLimit);
    EXPECT_LT(rendered, kLimit);
    EXPECT_LT(shaped, kLimit);
}

}  // namespace
