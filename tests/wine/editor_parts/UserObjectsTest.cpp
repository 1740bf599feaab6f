// The editor holds up to 100 documents of up to 200 objects, each object with
// a push-button control: 20,000 buttons, where a Windows process may own at
// most 10,000 USER objects (windows, menus, cursors...). Controls get their
// windows only when first shown, and a page that is no longer shown gives up
// its buttons' windows, so hidden documents cost none, whichever were shown
// before. This suite builds that many through the forms layer and counts.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "forms/win32/Button.h"
#include "forms/win32/Form.h"
#include "forms/win32/PageControl.h"

namespace {

constexpr int kDocuments = 100;
constexpr int kButtonsPerDocument = 200;
constexpr int kProcessLimit = 10000;

BOOL CALLBACK CountWindow(HWND, LPARAM counter) {
    ++*reinterpret_cast<int*>(counter);
    return TRUE;
}

// A top-level window and all its descendants.
BOOL CALLBACK CountTopWindow(HWND hwnd, LPARAM counter) {
    ++*reinterpret_cast<int*>(counter);
    EnumChildWindows(hwnd, CountWindow, counter);
    return TRUE;
}

// The process's USER objects as the system counts them; where the system
// does not say (Wine answers 0), the windows of this thread and their
// children, which are what the controls create.
int UserObjects() {
    const DWORD reported = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
    if (reported > 0) return static_cast<int>(reported);
    int windows = 0;
    EnumThreadWindows(GetCurrentThreadId(), CountTopWindow, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

TEST(UserObjectsTest, HundredDocumentsOfTwoHundredButtonsStayFarBelowTheLimit) {
    forms::Form window;
    forms::Form* main = &window;
    main->SetBounds(0, 0, 800, 600);
    main->Show();
    const int before = UserObjects();

    // One tab page per document, as the editor's main window has them.
    auto* pages = new forms::PageControl(main, main);
    pages->SetAlign(forms::Align::Client);
    std::vector<std::vector<forms::Button*>> buttons(kDocuments);
    for (int d = 0; d < kDocuments; ++d) {
        auto* page = new forms::TabSheet(main, pages);
        page->SetCaption("Menu " + std::to_string(d + 1));
        for (int b = 0; b < kButtonsPerDocument; ++b) {
            auto* button = new forms::Button(main, page);
            button->SetVisible(false);
            button->SetBounds((b % 10) * 80, (b / 10) * 28, 75, 25);
            button->SetCaption("Button");
            buttons[static_cast<size_t>(d)].push_back(button);
        }
    }
    const int allHidden = UserObjects();
    std::printf("USER objects: %d before, %d with %d hidden documents of %d hidden buttons\n", before, allHidden,
                kDocuments, kButtonsPerDocument);
    EXPECT_LT(allHidden - before, kProcessLimit / 10);

    // The user visits every document once; each shows its page and every
    // object's button, and the last one stays current.
    int lastBeforeShown = 0;
    for (int d = 0; d < kDocuments; ++d) {
        pages->SetActivePage(pages->Pages(d));
        if (d == kDocuments - 1) lastBeforeShown = UserObjects();
        for (forms::Button* button : buttons[static_cast<size_t>(d)]) button->SetVisible(true);
    }
    const int visitedAll = UserObjects();
    std::printf("USER objects: %d with every document shown once, the last one current\n", visitedAll);
    EXPECT_GE(visitedAll - lastBeforeShown, kButtonsPerDocument);
    EXPECT_LT(visitedAll - before, kProcessLimit / 4);

    // Going back to a visited document brings its buttons back as they were.
    pages->SetActivePage(pages->Pages(0));
    forms::Button* first = buttons[0][0];
    ASSERT_TRUE(first->HandleAllocated());
    EXPECT_TRUE(IsWindowVisible(first->Handle()));
    EXPECT_EQ(first->Caption(), "Button");
    EXPECT_FALSE(buttons[kDocuments - 1][0]->HandleAllocated());
    EXPECT_LT(UserObjects() - before, kProcessLimit / 4);
}

}  // namespace
