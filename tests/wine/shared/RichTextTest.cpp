#include "shared/win32/RichText.h"

#include <richedit.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// No \plain: the text before "\b" must not take the control's default effects
// (a new control's default font is bold under Wine).
const char kBoldRtf[] = "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 plain \\b heavy\\b0  end\\par}";

class RichTextTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_NE(LoadLibraryA("Riched20.dll"), nullptr); }

    HWND NewEdit()
    {
        HWND edit = CreateWindowExA(0, "RichEdit20A", "", WS_POPUP | ES_MULTILINE, 0, 0, 300, 200, nullptr,
                                    nullptr, GetModuleHandleA(nullptr), nullptr);
        EXPECT_NE(edit, nullptr);
        edits_.push_back(edit);
        return edit;
    }

    void TearDown() override
    {
        for (HWND edit : edits_) DestroyWindow(edit);
    }

    static std::string Text(HWND edit)
    {
        char text[256] = {};
        GetWindowTextA(edit, text, sizeof(text));
        return text;
    }

    // True when every character from start to end is bold.
    static bool IsBold(HWND edit, LONG start, LONG end)
    {
        CHARRANGE range{start, end};
        SendMessageA(edit, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
        CHARFORMATA format{};
        format.cbSize = sizeof(format);
        SendMessageA(edit, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
        return (format.dwMask & CFM_BOLD) && (format.dwEffects & CFE_BOLD);
    }

private:
    std::vector<HWND> edits_;
};

}  // namespace

// Loading replaces what the control held; the RTF read back carries the text
// and the bold run into another control.
TEST_F(RichTextTest, RoundTripKeepsTextAndBold)
{
    HWND source = NewEdit();
    SetWindowTextA(source, "previous content");
    SetRTF(source, kBoldRtf);
    EXPECT_EQ(Text(source).substr(0, 15), "plain heavy end");
    EXPECT_FALSE(IsBold(source, 0, 5));
    EXPECT_TRUE(IsBold(source, 6, 11));
    const std::string rtf = GetRTF(source);
    EXPECT_EQ(rtf.rfind("{\\rtf", 0), 0u);
    EXPECT_NE(rtf.find("heavy"), std::string::npos);
    EXPECT_NE(rtf.find("\\b"), std::string::npos);

    HWND copy = NewEdit();
    SetRTF(copy, rtf);
    EXPECT_EQ(Text(copy).substr(0, 15), "plain heavy end");
    EXPECT_FALSE(IsBold(copy, 0, 5));
    EXPECT_TRUE(IsBold(copy, 6, 11));
    EXPECT_FALSE(IsBold(copy, 12, 15));
}

TEST_F(RichTextTest, PlainTextControlIsSwitchedToRichText)
{
    HWND edit = NewEdit();
    SendMessageA(edit, EM_SETTEXTMODE, TM_PLAINTEXT, 0);
    SetWindowTextA(edit, "typed as plain text");
    SetRTF(edit, kBoldRtf);
    EXPECT_TRUE(SendMessageA(edit, EM_GETTEXTMODE, 0, 0) & TM_RICHTEXT);
    EXPECT_TRUE(IsBold(edit, 6, 11));
}

TEST_F(RichTextTest, TextThatIsNotRtfLoadsAsPlainText)
{
    HWND edit = NewEdit();
    SetRTF(edit, "just words");
    EXPECT_EQ(Text(edit).substr(0, 10), "just words");
    EXPECT_NE(GetRTF(edit).find("just words"), std::string::npos);
}
