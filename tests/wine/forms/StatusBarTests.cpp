// Status bar panels: widths with the last panel to the bar's end, texts kept
// without the control's alignment marks, and centred text drawn in the middle
// of its panel.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <vector>

#include "forms/win32/Forms.h"
#include "forms/win32/StatusBar.h"

using namespace forms;

namespace {

// Leftmost and rightmost column of dark (text) pixels within [x0, x1) of the
// rows [y0, y1); {-1, -1} when there is none.
std::pair<int, int> InkColumns(const Bitmap& b, int x0, int x1, int y0, int y1) {
    int first = -1, last = -1;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) {
            const uint32_t p = b.Pixel(x, y);
            if ((p & 0xFF) < 0x60 && ((p >> 8) & 0xFF) < 0x60 && ((p >> 16) & 0xFF) < 0x60) {
                if (first < 0 || x < first) first = x;
                last = std::max(last, x);
            }
        }
    return {first, last};
}

TEST(StatusBarTest, PanelsTextsAndCentredText) {
    Form form;
    form.SetBorderStyle(BorderStyle::None);
    form.SetBounds(0, 0, 400, 100);
    auto* bar = new StatusBar(&form, &form);
    bar->SetHeight(22);
    bar->SetPanels({100, 50});
    bar->SetPanelText(0, "Quorvel");
    bar->SetPanelAlignment(0, Alignment::Center);
    bar->SetPanelText(1, " Version: 1.2");
    bar->SetPanelText(2, "ignored");  // no such panel
    form.Show();

    ASSERT_EQ(bar->PanelCount(), 2);
    EXPECT_EQ(bar->PanelText(0), "Quorvel");
    EXPECT_EQ(bar->PanelAlignment(0), Alignment::Center);
    EXPECT_EQ(bar->PanelText(1), " Version: 1.2");
    EXPECT_EQ(bar->PanelText(2), "");
    int edges[4] = {0, 0, 0, 0};
    ASSERT_EQ(SendMessageA(bar->Handle(), SB_GETPARTS, 4, reinterpret_cast<LPARAM>(edges)), 2);
    EXPECT_EQ(edges[0], 100);
    EXPECT_EQ(edges[1], -1);  // the last panel runs to the end
    // The bar lies along the bottom edge, where its parent put it.
    RECT r;
    GetWindowRect(bar->Handle(), &r);
    MapWindowPoints(nullptr, form.Handle(), reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.top, 78);
    EXPECT_EQ(r.bottom - r.top, 22);
    EXPECT_EQ(r.right - r.left, 400);

    Bitmap shot;
    form.PaintTo(shot);
    const auto centred = InkColumns(shot, 2, 98, 80, 98);
    ASSERT_GE(centred.first, 0);
    EXPECT_NEAR((centred.first + centred.second) / 2.0, 50.0, 4.0);
    const auto left = InkColumns(shot, 102, 398, 80, 98);
    ASSERT_GE(left.first, 0);
    EXPECT_LT(left.first, 115);
}

}  // namespace
