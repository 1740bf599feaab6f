// Rich text boxes: RTF in and out, the character and paragraph format of the
// selection, the change events, and drawing a hidden box into a bitmap.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "forms/win32/Forms.h"
#include "forms/win32/RichEdit.h"

using namespace forms;

namespace {

const char kRtf[] =
    "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}{\\f1 Courier New;}}{\\colortbl;\\red255\\green0\\blue0;}"
    "\\f0\\fs24 plain \\b\\i heavy\\b0\\i0  \\f1\\cf1\\ul red\\ul0\\cf0\\par}";

class RichEditTest : public ::testing::Test {
protected:
    void SetUp() override {
        form.reset(new Form());
        form->SetBorderStyle(BorderStyle::None);
        form->SetBounds(0, 0, 300, 200);
        edit = new RichEdit(form.get(), form.get());
        edit->SetBounds(10, 10, 200, 100);
    }
    std::unique_ptr<Form> form;
    RichEdit* edit = nullptr;
};

TEST_F(RichEditTest, SelectionReportsItsFormatAndFormatsApplyToItOnly) {
    edit->SetRTF(kRtf);
    EXPECT_EQ(edit->Text(), "plain heavy red");
    edit->SetSelection(12, 3);  // "red"
    EXPECT_EQ(edit->SelectionFormat(), (CharFormat{"Courier New", 12, fsUnderline, 0x0000FF}));

    edit->SetSelection(0, 5);  // "plain"
    edit->SetSelectionFontName("Times New Roman");
    edit->SetSelectionSize(18);
    edit->SetSelectionStyle(fsUnderline | fsItalic);
    edit->SetSelectionColor(0x00FF00);
    EXPECT_EQ(edit->SelStart(), 0);
    EXPECT_EQ(edit->SelLength(), 5);
    CharFormat expected{"Times New Roman", 18, fsUnderline | fsItalic, 0x00FF00};
    EXPECT_EQ(edit->SelectionFormat(), expected);
    edit->SetSelection(6, 5);
    EXPECT_EQ(edit->SelectionFormat(), (CharFormat{"Arial", 12, fsBold | fsItalic, 0x000000}));

    // Styles set all three bits at once; the rest of the format stays.
    edit->SetSelectionStyle(0);
    EXPECT_EQ(edit->SelectionFormat(), (CharFormat{"Arial", 12, 0, 0x000000}));

    EXPECT_EQ(edit->SelectionAlignment(), Alignment::Left);
    edit->SelectAll();
    EXPECT_EQ(edit->SelStart(), 0);
    EXPECT_GE(edit->SelLength(), 15);  // the final paragraph mark may count
    edit->SetSelectionAlignment(Alignment::Center);
    edit->SetSelection(3, 0);
    EXPECT_EQ(edit->SelectionAlignment(), Alignment::Center);
    edit->SetSelectionAlignment(Alignment::Right);
    EXPECT_EQ(edit->SelectionAlignment(), Alignment::Right);
}

TEST_F(RichEditTest, HiddenBorderlessBoxPaintsItsBackgroundAndText) {
    edit->SetVisible(false);
    edit->SetBorder(false);
    edit->SetBackgroundColor(0x00FFFF);  // yellow
    edit->SetRTF("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0\\fs40 WWWW\\par}");
    Bitmap shot;
    ASSERT_TRUE(edit->PaintTo(shot));
    ASSERT_EQ(shot.Width(), 200);  // no border: the whole box is client area
    ASSERT_EQ(shot.Height(), 100);
    int yellow = 0, dark = 0;
    for (int y = 0; y < shot.Height(); ++y)
        for (int x = 0; x < shot.Width(); ++x) {
            const uint32_t p = shot.Pixel(x, y);
            if (p == 0xFFFFFF00) ++yellow;
            if ((p & 0xFFFFFF) < 0x404040) ++dark;
        }
    EXPECT_GT(yellow, 200 * 100 / 2);
    EXPECT_GT(dark, 50);
    EXPECT_EQ(shot.Pixel(199, 99), 0xFFFFFF00u);
}


TEST_F(RichEditTest, ChangeAndSelectionEventsReachTheBox) {
    std::vector<std::string> log;
    edit->OnChange = [this, &log](Component&) {
        log.push_back("change " + edit->Text());
        // A change made by the handler itself does not come back.
        if (edit->Text() == "ab") edit->SetText("abc");
    };
    edit->OnSelectionChange = [this, &log](Component&) {
        log.push_back("selection " + std::to_string(edit->SelStart()) + "+" + std::to_string(edit->SelLength()));
    };
    form->Show();
    edit->SetFocus();
    SendMessageA(edit->Handle(), WM_CHAR, 'a', 1);
    SendMessageA(edit->Handle(), WM_CHAR, 'b', 1);
    EXPECT_EQ(edit->Text(), "abc");
    ASSERT_FALSE(log.empty());
    EXPECT_NE(std::find(log.begin(), log.end(), "change a"), log.end());
    EXPECT_NE(std::find(log.begin(), log.end(), "change ab"), log.end());
    EXPECT_EQ(std::find(log.begin(), log.end(), "change abc"), log.end());

    log.clear();
    edit->SetSelection(1, 2);
    EXPECT_EQ(log, std::vector<std::string>{"selection 1+2"});

    // Loading a text is a change too.
    log.clear();
    edit->SetRTF("{\\rtf1\\ansi new\\par}");
    EXPECT_NE(std::find(log.begin(), log.end(), "change new"), log.end());

    // Made on one form, moved to another, the first form gone: the events
    // still come.
    Form other;
    auto* moved = new RichEdit(&other, form.get());
    moved->OnChange = [moved, &log](Component&) { log.push_back("change " + moved->Text()); };
    moved->OnSelectionChange = [moved, &log](Component&) {
        log.push_back("selection " + std::to_string(moved->SelStart()));
    };
    moved->SetParent(&other);
    form.reset();
    log.clear();
    moved->SetText("moved");
    moved->SetSelection(2, 0);
    EXPECT_NE(std::find(log.begin(), log.end(), "change moved"), log.end());
    EXPECT_NE(std::find(log.begin(), log.end(), "selection 2"), log.end());
}

}  // namespace
