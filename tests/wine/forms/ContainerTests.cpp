// Containers: alignment, panels (bevels, caption, colour, clicks), group
// boxes, scroll boxes (range from the children, scrolling, OnResize), page
// controls with sheets added and freed at run time, tab controls, bevels.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "forms/win32/Forms.h"

using namespace forms;

namespace {

RECT BoundsOf(const Control& c) { return RECT{c.Left(), c.Top(), c.Left() + c.Width(), c.Top() + c.Height()}; }

bool SameRect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

std::unique_ptr<Form> PlainForm(int width, int height) {
    std::unique_ptr<Form> form(new Form());
    form->SetBorderStyle(BorderStyle::None);
    form->SetBounds(0, 0, width, height);
    return form;
}

TEST(AlignTest, EdgesThenClientFollowTheContainer) {
    auto form = PlainForm(300, 200);
    auto make = [&form](Align align, int w, int h) {
        auto* p = new Panel(form.get(), form.get());
        p->SetBounds(0, 0, w, h);
        p->SetAlign(align);
        return p;
    };
    Panel* client = make(Align::Client, 10, 10);
    Panel* bottom = make(Align::Bottom, 10, 20);
    Panel* top2 = make(Align::Top, 10, 25);
    Panel* top1 = make(Align::Top, 10, 30);
    top1->SetTop(-1);  // nearer the top edge than top2: stays above it
    Panel* left = make(Align::Left, 50, 10);
    EXPECT_TRUE(SameRect(BoundsOf(*top1), RECT{0, 0, 300, 30}));
    EXPECT_TRUE(SameRect(BoundsOf(*top2), RECT{0, 30, 300, 55}));
    EXPECT_TRUE(SameRect(BoundsOf(*bottom), RECT{0, 180, 300, 200}));
    EXPECT_TRUE(SameRect(BoundsOf(*left), RECT{0, 55, 50, 180}));
    EXPECT_TRUE(SameRect(BoundsOf(*client), RECT{50, 55, 300, 180}));

    // The window's resizing and a hidden bar both give the room back.
    form->Show();
    form->SetBounds(0, 0, 400, 300);
    top2->Hide();
    EXPECT_TRUE(SameRect(BoundsOf(*client), RECT{50, 30, 400, 280}));
    top2->Show();
    EXPECT_TRUE(SameRect(BoundsOf(*top2), RECT{0, 30, 400, 55}));

    // Inside a panel, aligned children keep off its bevels.
    client->SetBevelOuter(PanelBevel::Raised);
    client->SetBevelInner(PanelBevel::Lowered);
    client->SetBevelWidth(2);
    auto* inner = new Panel(form.get(), client);
    inner->SetAlign(Align::Client);
    EXPECT_TRUE(SameRect(BoundsOf(*inner), RECT{4, 4, client->Width() - 4, client->Height() - 4}));
}

TEST(PanelTest, ColourBevelsCaptionAndClicks) {
    auto form = PlainForm(200, 100);
    form->SetColor(clWhite);
    auto* panel = new Panel(form.get(), form.get());
    panel->SetBounds(10, 10, 100, 60);
    panel->SetColor(clInfoBk);
    panel->SetBevelOuter(PanelBevel::None);
    panel->SetBevelInner(PanelBevel::Lowered);
    Bitmap out;
    form->PaintTo(out);
    EXPECT_EQ(out.Pixel(12, 12), ColorToPixel(clInfoBk));
    EXPECT_EQ(out.Pixel(10, 10), ColorToPixel(clBtnShadow));      // lowered: dark top-left
    EXPECT_EQ(out.Pixel(109, 69), ColorToPixel(clBtnHighlight));  // light bottom-right

    panel->SetCaption("01");
    Font font("Arial", 20, true);
    font.SetColor(clRed);
    panel->SetFont(font);
    form->PaintTo(out);
    int red = 0;
    for (int y = 10; y < 70; ++y)
        for (int x = 10; x < 110; ++x) red += out.Pixel(x, y) == ColorToPixel(clRed);
    EXPECT_GT(red, 20);
    EXPECT_EQ(out.Pixel(12, 12), ColorToPixel(clInfoBk));  // centred: corners stay clear

    panel->SetParentBackground(true);
    form->PaintTo(out);
    EXPECT_EQ(out.Pixel(12, 12), ColorToPixel(clWhite));
    // A caption set on the window from outside is the caption.
    SetWindowTextA(panel->Handle(), "02");
    EXPECT_EQ(panel->Caption(), "02");

    std::vector<std::string> events;
    panel->OnClick = [&events](Component&) { events.push_back("click"); };
    panel->OnDblClick = [&events](Component&) { events.push_back("dbl"); };
    form->Show();
    HWND hwnd = panel->Handle();
    SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageA(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    SendMessageA(hwnd, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageA(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(events, (std::vector<std::string>{"click", "dbl", "click"}));
}

TEST(GroupBoxTest, ChildrenSitInsideTheFrameBelowTheCaption) {
    auto form = PlainForm(200, 150);
    auto* group = new GroupBox(form.get(), form.get());
    group->SetCaption("Menu - Location");
    group->SetBounds(10, 10, 150, 100);
    auto* inside = new Panel(form.get(), group);
    inside->SetAlign(Align::Client);
    EXPECT_GT(inside->Top(), 8);
    EXPECT_EQ(inside->Left(), 2);
    EXPECT_EQ(inside->Left() + inside->Width(), 148);
    Bitmap out;
    form->PaintTo(out);
    // The frame's left edge runs down the box below the caption's middle.
    EXPECT_EQ(out.Pixel(10, 100), ColorToPixel(clBtnShadow));
}

TEST(ScrollBoxTest, RangeFollowsTheChildrenAndScrollingMovesThem) {
    auto form = PlainForm(300, 200);
    auto* box = new ScrollBox(form.get(), form.get());
    box->SetBounds(0, 0, 200, 150);
    box->SetColor(clWindow);
    int resized = 0;
    box->OnResize = [&resized](Component&) { ++resized; };
    form->Show();
    auto* nearChild = new Image(form.get(), box);
    nearChild->SetBounds(10, 10, 50, 50);
    EXPECT_FALSE(box->HorzScrollBarVisible());
    EXPECT_FALSE(box->VertScrollBarVisible());

    auto* farChild = new Panel(form.get(), box);
    farChild->SetBounds(400, 20, 100, 30);  // reaches 500 wide: horizontal bar only
    EXPECT_TRUE(box->HorzScrollBarVisible());
    EXPECT_FALSE(box->VertScrollBarVisible());
    EXPECT_GE(resized, 1);  // the bar took room from the client area

    SendMessageA(box->Handle(), WM_HSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(box->HorzPosition(), 8);
    EXPECT_EQ(nearChild->Left(), 2);
    EXPECT_EQ(farChild->Left(), 392);
    box->ScrollTo(10000, 10000);  // kept inside the range
    RECT client;
    GetClientRect(box->Handle(), &client);
    EXPECT_EQ(farChild->Left() + farChild->Width(), client.right);
    EXPECT_EQ(box->VertPosition(), 0);

    // Once everything fits again the bar goes and the children come back.
    delete farChild;
    EXPECT_FALSE(box->HorzScrollBarVisible());
    EXPECT_EQ(box->HorzPosition(), 0);
    EXPECT_EQ(nearChild->Left(), 10);
}

class PageControlTest : public ::testing::Test {
protected:
    void SetUp() override {
        form = PlainForm(400, 300);
        pages = new PageControl(form.get(), form.get());
        pages->SetAlign(Align::Client);
        for (int i = 1; i <= 3; ++i) {
            auto* sheet = new TabSheet(form.get(), pages);
            sheet->SetCaption("Menu" + std::to_string(i));
            sheet->SetTag(i);
        }
        pages->OnChange = [this](Component&) { changes.push_back(pages->ActivePage()->Tag()); };
        form->Show();
    }
    HWND Tabs() { return pages->Handle(); }
    int TabCount() { return static_cast<int>(SendMessageA(Tabs(), TCM_GETITEMCOUNT, 0, 0)); }
    void ClickTab(int index) {
        RECT r;
        SendMessageA(Tabs(), TCM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
        const LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
        SendMessageA(Tabs(), WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageA(Tabs(), WM_LBUTTONUP, 0, at);
    }

    std::unique_ptr<Form> form;
    PageControl* pages = nullptr;
    std::vector<int> changes;
};

TEST_F(PageControlTest, OneSheetShowsAndFillsTheArea) {
    ASSERT_EQ(TabCount(), 3);
    EXPECT_EQ(pages->ActivePage()->Tag(), 1);  // the first one added
    EXPECT_TRUE(pages->Pages(0)->Visible());
    EXPECT_FALSE(pages->Pages(1)->Visible());
    RECT area = pages->DisplayRect();
    EXPECT_TRUE(SameRect(BoundsOf(*pages->Pages(0)), area));
    EXPECT_GT(area.top, 10);  // below the tabs

    pages->SetActivePage(pages->Pages(2));
    EXPECT_EQ(SendMessageA(Tabs(), TCM_GETCURSEL, 0, 0), 2);
    EXPECT_TRUE(changes.empty());  // the program's change is no user's
    EXPECT_TRUE(SameRect(BoundsOf(*pages->Pages(2)), area));

    ClickTab(1);
    EXPECT_EQ(changes, (std::vector<int>{2}));
    EXPECT_EQ(pages->ActivePageIndex(), 1);
    EXPECT_TRUE(pages->Pages(1)->Visible());
    EXPECT_FALSE(pages->Pages(2)->Visible());

    pages->Pages(0)->SetCaption("Renamed");
    char text[32] = {};
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = sizeof(text);
    SendMessageA(Tabs(), TCM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    EXPECT_STREQ(text, "Renamed");
    // A shorter text repaints the row as far as the old tabs reached.
    RECT last{}, update{};
    UpdateWindow(Tabs());
    SendMessageA(Tabs(), TCM_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&last));
    pages->Pages(0)->SetCaption("R");
    GetUpdateRect(Tabs(), &update, FALSE);
    EXPECT_GE(update.right, last.right);
}

TEST_F(PageControlTest, FreeingTheActiveSheetActivatesTheNext) {
    pages->SetActivePageIndex(1);
    // Freed from its own handler, as a close button on the sheet does.
    auto* sheet = pages->Pages(1);
    auto* close = new Button(form.get(), sheet);
    close->OnClick = [sheet](Component&) { sheet->Free(); };
    SendMessageA(close->Handle(), BM_CLICK, 0, 0);
    ASSERT_EQ(pages->PageCount(), 2);
    EXPECT_EQ(TabCount(), 2);
    EXPECT_EQ(pages->ActivePage()->Tag(), 3);
    EXPECT_TRUE(pages->ActivePage()->Visible());
    // The last one going wraps round to the first.
    delete pages->ActivePage();
    EXPECT_EQ(pages->ActivePage()->Tag(), 1);
    delete pages->ActivePage();
    EXPECT_EQ(pages->ActivePage(), nullptr);
    EXPECT_EQ(TabCount(), 0);
    // A new sheet in the empty control shows at once.
    auto* again = new TabSheet(form.get(), pages);
    EXPECT_EQ(pages->ActivePage(), again);
    EXPECT_EQ(TabCount(), 1);
}

TEST_F(PageControlTest, AHiddenPageGivesUpItsButtonWindowsAndGetsThemBackAsTheyWere) {
    auto* sheet = pages->Pages(1);
    auto* panel = new Panel(form.get(), sheet);
    panel->SetBounds(0, 0, 300, 200);
    auto* back = new Button(form.get(), panel);
    back->SetBounds(10, 10, 100, 30);
    back->SetCaption("Back");
    auto* front = new Button(form.get(), panel);
    front->SetBounds(20, 20, 100, 30);
    front->SetCaption("Front");
    front->SetDefault(true);
    back->SetEnabled(false);
    pages->SetActivePage(sheet);
    ASSERT_TRUE(front->HandleAllocated());

    pages->SetActivePageIndex(0);
    EXPECT_FALSE(back->HandleAllocated());
    EXPECT_FALSE(front->HandleAllocated());
    EXPECT_TRUE(panel->HandleAllocated());  // containers keep theirs
    EXPECT_EQ(front->Caption(), "Front");
    front->SetCaption("Renamed");
    front->SetBounds(30, 40, 90, 25);
    EXPECT_FALSE(front->HandleAllocated());  // changes while hidden need none

    pages->SetActivePage(sheet);
    ASSERT_TRUE(front->HandleAllocated());
    ASSERT_TRUE(back->HandleAllocated());
    char text[32] = {};
    GetWindowTextA(front->Handle(), text, sizeof(text));
    EXPECT_STREQ(text, "Renamed");
    EXPECT_TRUE(SameRect(BoundsOf(*front), RECT{30, 40, 120, 65}));
    EXPECT_FALSE(IsWindowEnabled(back->Handle()));
    EXPECT_EQ(GetWindowLongA(front->Handle(), GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
    // Front stays above Back.
    EXPECT_EQ(GetWindow(front->Handle(), GW_HWNDNEXT), back->Handle());
    bool clicked = false;
    front->OnClick = [&](Component&) { clicked = true; };
    SendMessageA(front->Handle(), BM_CLICK, 0, 0);
    EXPECT_TRUE(clicked);
}

TEST(TabControlTest, TabsKeptBeforeTheWindowAndPickedByTheUser) {
    auto form = PlainForm(400, 300);
    auto* tabs = new TabControl(form.get(), form.get());
    tabs->SetBounds(0, 0, 380, 200);
    for (const char* t : {"Appearance", "Execution", "Description", "Viewer", "Position"}) tabs->AddTab(t);
    tabs->SetTabIndex(2);
    int changes = 0;
    tabs->OnChange = [&changes](Component&) { ++changes; };
    form->Show();  // the window is made now, with the tabs kept so far
    HWND hwnd = tabs->Handle();
    EXPECT_EQ(SendMessageA(hwnd, TCM_GETITEMCOUNT, 0, 0), 5);
    EXPECT_EQ(SendMessageA(hwnd, TCM_GETCURSEL, 0, 0), 2);
    RECT r;
    SendMessageA(hwnd, TCM_GETITEMRECT, 4, reinterpret_cast<LPARAM>(&r));
    const LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageA(hwnd, WM_LBUTTONUP, 0, at);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(tabs->TabIndex(), 4);
    tabs->DeleteTab(4);
    EXPECT_EQ(tabs->TabIndex(), -1);
    EXPECT_EQ(SendMessageA(hwnd, TCM_GETITEMCOUNT, 0, 0), 4);
}

TEST(BevelTest, BoxAndLineColoursFollowTheStyle) {
    auto form = PlainForm(100, 100);
    form->SetColor(clGreen);
    auto* box = new Bevel(form.get(), form.get(), BevelShape::Box, BevelStyle::Raised);
    box->SetBounds(10, 10, 40, 30);
    auto* line = new Bevel(form.get(), form.get(), BevelShape::TopLine);
    line->SetBounds(10, 60, 40, 3);
    Bitmap out;
    form->PaintTo(out);
    EXPECT_EQ(out.Pixel(10, 10), ColorToPixel(clBtnHighlight));
    EXPECT_EQ(out.Pixel(49, 39), ColorToPixel(clBtnShadow));
    EXPECT_EQ(out.Pixel(30, 25), ColorToPixel(clGreen));  // a box has no fill
    EXPECT_EQ(out.Pixel(30, 60), ColorToPixel(clBtnShadow));
    EXPECT_EQ(out.Pixel(30, 61), ColorToPixel(clBtnHighlight));
    EXPECT_EQ(out.Pixel(30, 62), ColorToPixel(clGreen));
}

}  // namespace
