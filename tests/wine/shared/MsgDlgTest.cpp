// The real modal dialog, driven from a timer (DialogDriver.h): it records what
// the dialog shows and presses a button or key.
#include "shared/TarvikUtils.h"
#include "tests/wine/forms/CaptionFit.h"
#include "tests/wine/shared/DialogDriver.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::string TextOf(HWND window)
{
    char text[256] = {};
    GetWindowTextA(window, text, sizeof(text));
    return text;
}

bool IsPushButton(HWND window)
{
    char cls[16] = {};
    GetClassNameA(window, cls, sizeof(cls));
    return lstrcmpiA(cls, "Button") == 0;
}

std::vector<HWND> PushButtons(HWND dialog)
{
    std::vector<HWND> buttons;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (IsPushButton(child)) buttons.push_back(child);
    }
    return buttons;
}

bool IsDefault(HWND button)
{
    return (GetWindowLongA(button, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
}

void PressKey(WPARAM key)
{
    PostMessageA(GetFocus(), WM_KEYDOWN, key, 0);
    PostMessageA(GetFocus(), WM_KEYUP, key, 0xC0000000);
}

struct Seen {
    std::string caption;
    std::vector<std::string> buttons;
    int defaultIndex = -1;  // the one button drawn as default; -2 when several are
    int focusIndex = -1;
    int defId = 0;
};

Seen Inspect(HWND dialog)
{
    Seen seen;
    seen.caption = TextOf(dialog);
    const std::vector<HWND> buttons = PushButtons(dialog);
    for (size_t i = 0; i < buttons.size(); ++i) {
        seen.buttons.push_back(TextOf(buttons[i]));
        if (IsDefault(buttons[i])) seen.defaultIndex = seen.defaultIndex == -1 ? static_cast<int>(i) : -2;
        if (GetFocus() == buttons[i]) seen.focusIndex = static_cast<int>(i);
    }
    const LRESULT def = SendMessageA(dialog, DM_GETDEFID, 0, 0);
    if (HIWORD(def) == DC_HASDEFID) seen.defId = LOWORD(def);
    return seen;
}

int Confirm(int defaultButton, const std::string& caption = "Menu Editor")
{
    return ShowMsgDlg("File exists, do you wish to overwrite it?", TMsgDlgType::mtConfirmation,
                      TMsgDlgButtons::mbYesNoCancel, caption, defaultButton, 0);
}

}  // namespace

// Index -1 keeps the dialog's own default (Yes); 0..2 pick Yes, No, Cancel.
// Enter presses whichever is default.
TEST(ShowMsgDlgTest, ConfirmationWithChosenDefaultButton)
{
    const int expected[4] = {mrYes, mrYes, mrNo, mrCancel};
    for (int index = -1; index < 3; ++index) {
        Seen seen;
        const int result = RunDialog([index] { return Confirm(index); },
                                     [&](HWND dialog) {
                                         seen = Inspect(dialog);
                                         PressKey(VK_RETURN);
                                     });
        const int want = index < 0 ? 0 : index;
        EXPECT_EQ(seen.caption, "Menu Editor");
        EXPECT_EQ(seen.buttons, (std::vector<std::string>{"&Yes", "&No", "Cancel"}));
        EXPECT_EQ(seen.defaultIndex, want) << "index " << index;
        EXPECT_EQ(seen.focusIndex, want) << "index " << index;
        EXPECT_EQ(seen.defId, expected[index + 1]) << "index " << index;
        EXPECT_EQ(result, expected[index + 1]) << "index " << index;
    }
}

TEST(ShowMsgDlgTest, EscapeIsCancelOrTheOnlyButton)
{
    EXPECT_EQ(RunDialog([] { return Confirm(-1); }, [](HWND) { PressKey(VK_ESCAPE); }), mrCancel);
    EXPECT_EQ(RunDialog([] { return ShowMsgDlg("Done.", TMsgDlgType::mtInformation, TMsgDlgButtons::mbOK, "T"); },
                        [](HWND) { PressKey(VK_ESCAPE); }),
              mrOk);
}

// A Yes/No question has no Cancel: Escape answers No, never Yes.
TEST(ShowMsgDlgTest, YesNoQuestionTakesEscapeAsNo)
{
    Seen seen;
    const int result = RunDialog(
        [] { return ShowMsgDlg("Continue?", TMsgDlgType::mtConfirmation, TMsgDlgButtons::mbYesNo, "T"); },
        [&](HWND dialog) {
            seen = Inspect(dialog);
            PressKey(VK_ESCAPE);
        });
    EXPECT_EQ(seen.buttons, (std::vector<std::string>{"&Yes", "&No"}));
    EXPECT_EQ(result, mrNo);
}

TEST(ShowMsgDlgTest, EmptyCaptionShowsStandardCaptionOfType)
{
    const struct {
        TMsgDlgType type;
        const char* caption;
    } cases[] = {{TMsgDlgType::mtWarning, "Warning"},
                 {TMsgDlgType::mtError, "Error"},
                 {TMsgDlgType::mtInformation, "Information"},
                 {TMsgDlgType::mtConfirmation, "Confirm"}};
    for (const auto& c : cases) {
        Seen seen;
        const int result = RunDialog([&] { return ShowMsgDlg("Something happened.", c.type, TMsgDlgButtons::mbOK, ""); },
                                     [&](HWND dialog) {
                                         seen = Inspect(dialog);
                                         SendMessageA(PushButtons(dialog)[0], BM_CLICK, 0, 0);
                                     });
        EXPECT_EQ(seen.caption, c.caption);
        EXPECT_EQ(seen.buttons, std::vector<std::string>{"OK"});
        EXPECT_EQ(seen.defaultIndex, 0);
        EXPECT_EQ(result, mrOk);
    }
}

// The text control holds every line of the text, and the buttons sit inside
// the window below it.
TEST(ShowMsgDlgTest, DialogIsSizedToText)
{
    const std::string text =
        "A long message that goes on so that it has to wrap, because no screen is wide enough for all "
        "of it on one line, no screen at all, not even a very wide one.\nTwo.\nThree.\nFour.";
    RECT client{}, label{};
    std::vector<RECT> buttons;
    LONG lineHeight = 0;
    RunDialog([&] { return ShowMsgDlg(text, TMsgDlgType::mtError, TMsgDlgButtons::mbYesNoCancel, "Sizes"); },
              [&](HWND dialog) {
                  GetClientRect(dialog, &client);
                  HDC dc = GetDC(dialog);
                  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(dialog, WM_GETFONT, 0, 0)));
                  TEXTMETRICA tm{};
                  GetTextMetricsA(dc, &tm);
                  lineHeight = tm.tmHeight;
                  SelectObject(dc, old);
                  ReleaseDC(dialog, dc);
                  for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
                      RECT r;
                      GetWindowRect(child, &r);
                      MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
                      if (TextOf(child) == text) label = r;
                      if (IsPushButton(child)) buttons.push_back(r);
                  }
                  PressKey(VK_ESCAPE);
              });
    ASSERT_GT(lineHeight, 0);
    EXPECT_GE(label.bottom - label.top, 5 * lineHeight);  // the first line wraps, then three more
    ASSERT_EQ(buttons.size(), 3u);
    for (const RECT& r : buttons) {
        EXPECT_GE(r.left, 0);
        EXPECT_LE(r.right, client.right);
        EXPECT_LE(r.bottom, client.bottom);
        EXPECT_GE(r.top, label.bottom);
    }
}

// The question's last character and the buttons' captions are not clipped,
// for a one-line and a wrapping text alike.
TEST(ShowMsgDlgTest, TextAndButtonsAreShownWhole)
{
    for (const std::string text : {"File exists, do you wish to overwrite it?",
                                   "The selected keyboard shortcut is already in use by another button, it will "
                                   "therefore be set to \"none\". Continue?"}) {
        std::string overflows = "not shown";
        RunDialog([&] { return ShowMsgDlg(text, TMsgDlgType::mtWarning, TMsgDlgButtons::mbYesNoCancel, "Fit"); },
                  [&](HWND dialog) {
                      overflows = formstest::DialogCaptionOverflows(dialog);
                      PressKey(VK_ESCAPE);
                  });
        EXPECT_EQ(overflows, "");
    }
}
