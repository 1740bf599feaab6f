// The editor holds up to 100 documents of up to 200 objects, each object with
// a push-button control: 20,000 buttons, where a Windows process may own at
// most 10,000 USER objects (windows, menus, cursors...). Controls get their
// windows only when first shown, so hidden documents cost none. This suite
// builds that many through the forms layer and counts.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <string>

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
    for (int d = 0; d < kDocuments; ++d) {
        auto* page = new forms::TabSheet(main, pages);
        page->SetCaption("Menu " + std::to_string(d + 1));
        for (int b = 0; b < kButtonsPerDocument; ++b) {
            auto* button = new forms::Button(main, page);
            button->SetVisible(false);
            button->SetBounds((b % 10) * 80, (b / 10) * 28, 75, 25);
            button->SetCaption("Button");
        }
    }
    const int allHidden = UserObjects();
    std::printf("USER objects: %d before, %d with %d hidden documents of %d hidden buttons\n", before, allHidden,
                kDocuments, kButtonsPerDocument);
    EXPECT_LT(allHidden - before, kProcessLimit / 10);

    // The current document shows its page and every object's button.
    forms::TabSheet* current = pages->Pages(kDocuments - 1);
    pages->SetActivePage(current);
    for (int i = 0; i < main->ComponentCount(); ++i)
        if (auto* button = dynamic_cast<forms::Button*>(main->GetComponent(i)); button && button->Parent() == current)
            button->SetVisible(true);
    const int oneShown = UserObjects();
    std::printf("USER objects: %d with one document's buttons shown\n", oneShown);
    EXPECT_GE(oneShown - allHidden, kButtonsPerDocument);
    EXPECT_LT(oneShown, kProcessLimit / 4);
}

}  // namespace
