// The player's own windows: each caption fits its control, measured with the
// control's own font.
#include <gtest/gtest.h>

#include <functional>

#include "player/win32/frmabout.h"
#include "player/win32/frmsearch.h"
#include "tests/wine/forms/CaptionFit.h"
#include "tests/wine/forms/TestSupport.h"

TEST(PlayerCaptionFitTest, AboutAndSearchWindowsShowTheirCaptionsWhole) {
    // Each made as the player makes it, so that its load handler runs.
    const std::function<forms::Form*()> windows[] = {
        [] { return forms::Application().CreateForm<TfrmAboutCls>(forms::Picture()); },
        [] {
            auto* search = forms::Application().CreateForm<TfrmSearchCls>();
            search->lblDir->SetCaption("C:\\");
            return search;
        }};
    for (const auto& make : windows) {
        forms::Form* window = make();
        window->Show();
        formstest::PumpFor(30);
        EXPECT_EQ(formstest::CaptionOverflows(*window), "");
        delete window;
    }
}
