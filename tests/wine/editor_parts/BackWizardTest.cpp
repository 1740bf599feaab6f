// The Background Wizard driven through its pages as a user would: the
// picture handed on Finish, Cancel, colour requests, photos (good, damaged,
// huge, GIF) and the aspect lock, and the time a full preview takes.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <deque>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "../forms/TestSupport.h"
#include "editor/logic/BackgroundDraw.h"
#include "editor/win32/common/EditorGlobals.h"
#include "editor/win32/menuprops/frmbackwiz.h"
#include "editor/win32/menuprops/frmsampback.h"
#include "forms/win32/Application.h"
#include "forms/win32/Button.h"
#include "forms/win32/CheckBox.h"
#include "forms/win32/Edit.h"
#include "forms/win32/FileDialogs.h"
#include "forms/win32/Panel.h"
#include "forms/win32/RadioButton.h"
#include "forms/win32/ScrollBar.h"
#include "forms/win32/Timer.h"
#include "forms/win32/ToolButton.h"

using editor::ColorToPixelWord;
using formstest::PumpUntil;

namespace {

class TestTarget : public BackImageTarget {
public:
    bool SetBackImage(const forms::Bitmap& picture) override {
        picture_ = picture;
        ++set_;
        return true;
    }
    void ShowBackPreview() override { ++previews_; }
    forms::Bitmap picture_;
    int set_ = 0;
    int previews_ = 0;
};

bool PreviewAlive() {
    for (forms::Form* f : forms::Application().Forms())
        if (dynamic_cast<TfrmSampBackCls*>(f)) return true;
    return false;
}

// A 24-bit bottom-up BMP of one colour (colour value, red low); a declared
// size can be given apart from the pixels written.
std::vector<uint8_t> BmpBytes(int w, int h, uint32_t color, int declaredW = 0, int declaredH = 0) {
    const int stride = (w * 3 + 3) & ~3;
    std::vector<uint8_t> b(54 + static_cast<size_t>(stride) * h, 0);
    auto put32 = [&b](size_t at, uint32_t v) {
        for (int i = 0; i < 4; ++i) b[at + i] = static_cast<uint8_t>(v >> (8 * i));
    };
    b[0] = 'B';
    b[1] = 'M';
    put32(2, static_cast<uint32_t>(b.size()));
    put32(10, 54);
    put32(14, 40);
    put32(18, static_cast<uint32_t>(declaredW ? declaredW : w));
    put32(22, static_cast<uint32_t>(declaredH ? declaredH : h));
    b[26] = 1;
    b[28] = 24;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            uint8_t* p = &b[54 + static_cast<size_t>(y) * stride + x * 3];
            p[0] = static_cast<uint8_t>(color >> 16);
            p[1] = static_cast<uint8_t>(color >> 8);
            p[2] = static_cast<uint8_t>(color);
        }
    return b;
}

class BackWizardTest : public ::testing::Test {
protected:
    void SetUp() override {
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        folder_ = std::string(temp) + "qv-backwiz-" + std::to_string(GetCurrentProcessId()) + "\\";
        CreateDirectoryA(folder_.c_str(), nullptr);
        EditorMsg = [this](const std::string& text, TMsgDlgType, TMsgDlgButtons) {
            messages_.push_back(text);
            return forms::mrOk;
        };
        RunPhotoOpenDialog = [this](forms::OpenDialog& dialog) {
            if (paths_.empty()) return false;
            dialog.SetFileName(paths_.front());
            paths_.pop_front();
            return true;
        };
        OpenColorChooser = [this](int, int) {
            if (!answerColors_) return;
            CurClr = nextColor_;
            DispatchColor();
        };
        SharedBmp = forms::Bitmap();
        wizard_ = std::make_unique<TfrmBackWizCls>(target_);
    }
    void TearDown() override {
        wizard_.reset();
        PumpUntil([] { return !PreviewAlive(); }, 1000);
        for (const std::string& name : written_) DeleteFileA(name.c_str());
        RemoveDirectoryA(folder_.c_str());
    }
    std::string Write(const std::string& name, const std::vector<uint8_t>& bytes) {
        const std::string path = folder_ + name;
        std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                    static_cast<std::streamsize>(bytes.size()));
        written_.push_back(path);
        return path;
    }
    void Next() { wizard_->Command1000->Click(); }
    void PickColor(int k, uint32_t color) {
        nextColor_ = color;
        wizard_->pnlColorClick(*wizard_->pnlColor[k]);
    }
    // The wizard on the Background page with a photo picked through Browse.
    void BrowsePhoto(const std::string& path) {
        paths_.push_back(path);
        wizard_->Button1->Click();
    }

    std::string folder_;
    std::vector<std::string> written_;
    TestTarget target_;
    std::deque<std::string> paths_;
    std::vector<std::string> messages_;
    bool answerColors_ = true;
    uint32_t nextColor_ = 0;
    std::unique_ptr<TfrmBackWizCls> wizard_;
};

TEST_F(BackWizardTest, ThroughThePagesFinishHandsThePictureOfTheFormulas) {
    TfrmBackWizCls& w = *wizard_;
    EXPECT_FALSE(w.Command1001->Enabled());
    int result = 0;
    auto* driver = new forms::Timer(&w);
    driver->OnTimer = [&](forms::Component&) {
        driver->SetEnabled(false);
        Next();
        EXPECT_EQ(w.WizPage(), 1);
        EXPECT_FALSE(w.CheckBox2->Enabled());  // the aspect lock is for photos
        w.HScroll1000->SetPosition(120);
        w.HScroll1001->SetPosition(90);
        PickColor(0, 0x306090);  // selects "Single" and renders again
        EXPECT_TRUE(w.Option2001->Checked());
        EXPECT_EQ(w.pnlColor[0]->GetColor(), 0x306090u);
        Next();
        EXPECT_EQ(w.Command1000->Caption(), "&Finish");
        w.Option5001->SetChecked(true);
        PickColor(5, 0x00C000);
        // Finish at once: the changes still waiting for the render timer
        // are in the picture handed on.
        ASSERT_TRUE(w.NeedsRender());
        Next();
    };
    driver->SetInterval(20);
    result = w.ShowModal();
    EXPECT_EQ(result, forms::mrOk);
    ASSERT_EQ(target_.set_, 1);
    EXPECT_EQ(target_.previews_, 1);
    const forms::Bitmap& pic = target_.picture_;
    ASSERT_EQ(pic.Width(), 120);
    ASSERT_EQ(pic.Height(), 90);
    EXPECT_EQ(pic, SharedBmp);
    const uint32_t base = ColorToPixelWord(0x306090);
    EXPECT_EQ(pic.Pixel(60, 60) & 0xFFFFFF, base);
    EXPECT_EQ(pic.Pixel(60, 0) & 0xFFFFFF, 0xFFFFFFu);      // rounded border, outer ring
    EXPECT_EQ(pic.Pixel(60, 89) & 0xFFFFFF, 0u);
    EXPECT_EQ(pic.Pixel(60, 12) & 0xFFFFFF, ColorToPixelWord(0x00C000));  // the banner (no title)
    EXPECT_EQ(pic.Pixel(60, 30) & 0xFFFFFF, ColorToPixelWord(0x00C000));  // as high as the 18 pt "T"
    EXPECT_EQ(pic.Pixel(112, 10) & 0xFFFFFF, base);                        // right of the banner
    // The preview goes within its timer's interval once the wizard closed.
    EXPECT_EQ(BackWizClosed, 1);
    EXPECT_TRUE(PumpUntil([] { return !PreviewAlive(); }, 1000));
}

TEST_F(BackWizardTest, CancelHandsNothingAndALateColourReachesNoClosedWindow) {
    TfrmBackWizCls& w = *wizard_;
    Next();
    ASSERT_TRUE(PumpUntil([&] { return w.Preview() && w.Preview()->Visible(); }));
    // The chooser is still open when the wizard is cancelled.
    answerColors_ = false;
    PickColor(2, 0);
    EXPECT_EQ(ClrTarget, ClrTargetWizPanel - 2);
    w.Command1002->Click();
    EXPECT_EQ(w.ModalResult(), forms::mrCancel);
    CurClr = 0x0000FF;
    DispatchColor();
    EXPECT_EQ(w.pnlColor[2]->GetColor(), 0xDDEFF2u);
    EXPECT_EQ(target_.set_, 0);
    EXPECT_EQ(target_.previews_, 0);
    EXPECT_TRUE(PumpUntil([] { return !PreviewAlive(); }, 100));
}

// The "..." beside a colour opens the same request as its swatch, and the
// pop-up that serves it stays open once the click is over.
TEST_F(BackWizardTest, TheDotsButtonBesideAColourOpensItsRequest) {
    TfrmBackWizCls& w = *wizard_;
    w.Show();
    Next();
    forms::Form popup(nullptr, forms::BorderStyle::None, 0);
    popup.SetBounds(0, 0, 40, 40);
    OpenColorChooser = [&popup](int, int) { popup.Show(); };
    const LPARAM at = MAKELPARAM(5, 5);
    PostMessageA(w.BitBtn[2]->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageA(w.BitBtn[2]->Handle(), WM_LBUTTONUP, 0, at);
    PumpUntil([] { return false; }, 100);
    EXPECT_EQ(ClrTarget, ClrTargetWizPanel - 2);
    EXPECT_TRUE(popup.Visible());
    EXPECT_EQ(GetActiveWindow(), popup.Handle());
    popup.Hide();
    w.Hide();
}

TEST_F(BackWizardTest, TitleTypingRedrawsAtOnceWithoutShadowAndWaitsWithIt) {
    TfrmBackWizCls& w = *wizard_;
    Next();
    Next();
    ASSERT_TRUE(PumpUntil([&] { return !w.NeedsRender(); }, 1500));
    const forms::Bitmap before = w.Picture();
    w.Text1->SetText("Menu");
    EXPECT_FALSE(w.NeedsRender());
    EXPECT_NE(w.Picture(), before);
    w.ScrollBar2->SetPosition(3);  // pushes the shadow button
    EXPECT_TRUE(w.ToolButton4->Down());
    ASSERT_TRUE(PumpUntil([&] { return !w.NeedsRender(); }, 1500));
    const forms::Bitmap plain = w.Picture();
    w.Text1->SetText("Menus");
    EXPECT_TRUE(w.NeedsRender());
    // The two quiet ticks of the render timer bring the change.
    EXPECT_TRUE(PumpUntil([&] { return !w.NeedsRender(); }, 1500));
    EXPECT_NE(w.Picture(), plain);
}

TEST_F(BackWizardTest, PhotosLockTheAspectAndBadFilesLeaveTheWizardAsItWas) {
    TfrmBackWizCls& w = *wizard_;
    Next();
    // Damaged, huge and missing pictures: a message each, nothing changes.
    std::vector<uint8_t> damaged = BmpBytes(4, 4, 0xFF);
    damaged.resize(40);
    BrowsePhoto(Write("damaged.bmp", damaged));
    BrowsePhoto(Write("huge.bmp", BmpBytes(2, 2, 0xFF, 100000, 100000)));
    BrowsePhoto(Write("damaged.jpg", {0xFF, 0xD8, 0xFF, 0xE0, 0, 0x10, 'J', 'F', 'I', 'F'}));
    BrowsePhoto(Write("damaged.gif", {'G', 'I', 'F', '8', '9', 'a', 1, 0}));
    EXPECT_EQ(messages_.size(), 4u);
    EXPECT_FALSE(w.Option2000->Checked());
    EXPECT_TRUE(w.Edit1->Text().empty());

    // Photo base with no photo and the lock on: the sizes move freely and
    // the base is the plain colour.
    paths_.clear();
    w.Option2000->SetChecked(true);  // runs Browse, which the test cancels
    ASSERT_TRUE(w.Option2000->Checked());
    EXPECT_TRUE(w.CheckBox2->Enabled());
    w.HScroll1000->SetPosition(300);
    EXPECT_EQ(w.HScroll1001->Position(), 320);
    w.Option3[0]->SetChecked(true);  // no border
    w.Option5000->SetChecked(true);  // no banner
    w.Render();
    EXPECT_EQ(w.Picture().Pixel(150, 300) & 0xFFFFFF, ColorToPixelWord(0xD8E9EC));

    // A 1000 x 500 photo sets the bars to 800 x 400 and fills the picture.
    BrowsePhoto(Write("wide.bmp", BmpBytes(1000, 500, 0x2040C0)));
    EXPECT_TRUE(w.Option2000->Checked());
    w.Render();
    EXPECT_EQ(w.HScroll1000->Position(), 800);
    EXPECT_EQ(w.HScroll1001->Position(), 400);
    ASSERT_EQ(w.Picture().Width(), 800);
    EXPECT_EQ(w.Picture().Pixel(400, 300) & 0xFFFFFF, ColorToPixelWord(0x2040C0));
    w.HScroll1001->SetPosition(200);  // the lock follows with the width
    EXPECT_EQ(w.HScroll1000->Position(), 400);

    // A shadowed title does not spoil the photo that later sizes scale.
    Next();
    w.Text1->SetText("Shadow");
    w.ToolButton4->SetDown(true);
    w.Render();
    w.HScroll1001->SetPosition(100);
    w.Render();
    ASSERT_EQ(w.Picture().Width(), 200);
    EXPECT_EQ(w.Picture().Pixel(100, 90) & 0xFFFFFF, ColorToPixelWord(0x2040C0));
    bool shaded = false;
    for (int x = 0; x < 200 && !shaded; ++x)
        for (int y = 0; y < 60 && !shaded; ++y)
            shaded = (w.Picture().Pixel(x, y) >> 16 & 0xFF) == static_cast<uint32_t>(0xC0 * 0.66);
    EXPECT_TRUE(shaded);
}

TEST_F(BackWizardTest, OwnPictureChoiceHandsTheFileAndAGifLoads) {
    TfrmBackWizCls& w = *wizard_;
    w.Option1000->SetChecked(true);
    // A 1 x 1 GIF whose one pixel is red.
    const std::vector<uint8_t> gif = {'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0x80, 0, 0, 0xFF, 0, 0, 0, 0, 0,
                                      ',', 0, 0, 0, 0, 1, 0, 1, 0, 0, 2, 2, 0x44, 1, 0, ';'};
    paths_.push_back(Write("red.gif", gif));
    Next();
    EXPECT_EQ(w.ModalResult(), forms::mrOk);
    ASSERT_EQ(target_.set_, 1);
    EXPECT_EQ(target_.previews_, 1);
    ASSERT_EQ(target_.picture_.Width(), 1);
    EXPECT_EQ(target_.picture_.Pixel(0, 0) & 0xFFFFFF, 0xFF0000u);
}

TEST_F(BackWizardTest, AFullPreviewRendersWellWithinTheRefreshInterval) {
    TfrmBackWizCls& w = *wizard_;
    Next();
    BrowsePhoto(Write("photo.bmp", BmpBytes(1024, 768, 0x406080)));
    w.Render();
    ASSERT_EQ(w.Picture().Width(), 800);
    w.HScroll1001->SetPosition(600);
    w.CheckBox3->SetChecked(true);  // high quality
    Next();
    w.Text1->SetText("A Title For The Menu");
    w.ToolButton4->SetDown(true);
    w.Option6001->SetChecked(true);
    w.Check1->SetChecked(true);
    double worst = 0;
    for (int round = 0; round < 3; ++round) {
        w.HScroll1001->SetPosition(600 - round);  // a new size every time
        const auto start = std::chrono::steady_clock::now();
        w.Render();
        worst = std::max(worst, std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                                    .count());
    }
    ASSERT_GE(w.Picture().Width(), 790);
    std::printf("preview render 800 x 600 (photo, border, banner, shadowed title): %.1f ms\n", worst);
    EXPECT_LT(worst, 400.0);
}

}  // namespace
