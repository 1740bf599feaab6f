// Painting of forms: opaque and alpha pictures, transparent labels, z-order,
// stretching and windowed children, checked through Form::PaintTo.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "TestSupport.h"
#include "forms/win32/Forms.h"

using namespace forms;
using formstest::Near;

namespace {

constexpr uint32_t kFormPixel = 0xFF00FF00;  // form colour clLime as a pixel
constexpr uint32_t kBackPixel = 0xFF336699;  // red 0x33, green 0x66, blue 0x99

// The straight-alpha "over" result of an RGBA pixel on an opaque pixel.
uint32_t Over(uint8_t r, uint8_t g, uint8_t b, uint8_t a, uint32_t dst) {
    auto mix = [a](int s, int d) { return static_cast<uint32_t>((s * a + d * (255 - a)) / 255.0 + 0.5); };
    return 0xFF000000u | mix(b, dst & 0xFF) | (mix(g, (dst >> 8) & 0xFF) << 8) | (mix(r, (dst >> 16) & 0xFF) << 16);
}

PngImage HalfRedPng() {
    // Left half red at alpha 128, right half fully transparent.
    PngImage png = PngImage::CreateBlank(20, 20);
    for (int y = 0; y < 20; ++y) {
        uint8_t* row = png.Row(y);
        for (int x = 0; x < 10; ++x) {
            row[x * 4 + 0] = 255;
            row[x * 4 + 3] = 128;
        }
    }
    return png;
}

class PaintTest : public ::testing::Test {
protected:
    void SetUp() override {
        form.reset(new Form());
        form->SetBorderStyle(BorderStyle::None);
        form->SetBounds(0, 0, 100, 80);
        form->SetColor(0x00FF00);
        back = new Image(form.get(), form.get());
        back->SetName("Back");
        back->SetAutoSize(true);
        back->SetPicture(Bitmap(60, 40, kBackPixel));
        png = new Image(form.get(), form.get());
        png->SetName("Png");
        png->SetBounds(10, 10, 20, 20);
        png->SetPicture(HalfRedPng());
        label = new Label(form.get(), form.get());
        label->SetBounds(5, 50, 10, 10);
        label->SetFont(Font("Arial", 14, true));
        label->SetCaption("WWWW");
    }

    Bitmap Paint() {
        Bitmap out;
        form->PaintTo(out);
        return out;
    }

    std::unique_ptr<Form> form;
    Image* back = nullptr;
    Image* png = nullptr;
    Label* label = nullptr;
};

TEST_F(PaintTest, LayersBlendInZOrder) {
    EXPECT_EQ(back->Width(), 60);  // AutoSize took the picture's size
    EXPECT_EQ(back->Height(), 40);
    Bitmap out = Paint();
    ASSERT_EQ(out.Width(), 100);
    ASSERT_EQ(out.Height(), 80);
    EXPECT_EQ(out.Pixel(90, 5), kFormPixel);
    EXPECT_EQ(out.Pixel(50, 5), kBackPixel);
    EXPECT_PRED3(Near, out.Pixel(12, 12), Over(255, 0, 0, 128, kBackPixel), 1);
    EXPECT_EQ(out.Pixel(25, 25), kBackPixel);  // transparent half shows the background

    back->BringToFront();
    out = Paint();
    EXPECT_EQ(out.Pixel(12, 12), kBackPixel);

    back->SendToBack();
    png->Hide();
    out = Paint();
    EXPECT_EQ(out.Pixel(12, 12), kBackPixel);
    png->Show();
    png->SetEnabled(false);  // disabled pictures still draw
    out = Paint();
    EXPECT_PRED3(Near, out.Pixel(12, 12), Over(255, 0, 0, 128, kBackPixel), 1);
}

TEST_F(PaintTest, LabelIsTransparentAndAutoSized) {
    EXPECT_GT(label->Width(), 30);  // fitted to "WWWW" in 14 pt bold
    EXPECT_GT(label->Height(), 12);
    Bitmap out = Paint();
    int text = 0, through = 0;
    for (int y = label->Top(); y < label->Top() + label->Height(); ++y) {
        for (int x = label->Left(); x < label->Left() + label->Width(); ++x) {
            if (Near(out.Pixel(x, y), 0xFF000000, 60)) ++text;
            if (out.Pixel(x, y) == kFormPixel) ++through;
        }
    }
    EXPECT_GT(text, 10);
    EXPECT_GT(through, 10);

    label->SetTransparent(false);
    label->SetColor(clBlue);
    out = Paint();
    EXPECT_EQ(out.Pixel(label->Left() + label->Width() - 1, label->Top()), 0xFF0000FF);
}

TEST_F(PaintTest, LabelWithAccelMarksShowsOneAmpersandForTwo) {
    label->SetCaption("&&&&");
    const int plain = label->Width();
    label->SetShowAccelChar(true);
    const int marked = label->Width();
    label->SetShowAccelChar(false);
    label->SetCaption("&&");
    EXPECT_EQ(marked, label->Width());
    EXPECT_LT(marked, plain);
}

TEST_F(PaintTest, StretchScalesOpaqueAndAlphaPictures) {
    Bitmap quad(2, 2);
    quad.SetPixel(0, 0, 0xFFFF0000);
    quad.SetPixel(1, 0, 0xFF0000FF);
    quad.SetPixel(0, 1, 0xFF00FF00);
    quad.SetPixel(1, 1, 0xFFFFFFFF);
    auto* img = new Image(form.get(), form.get());
    img->SetBounds(60, 40, 40, 40);
    img->SetStretch(true);
    img->SetPicture(quad);
    PngImage dot = PngImage::CreateBlank(1, 1);
    dot.Row(0)[2] = 255;  // blue, half covering
    dot.Row(0)[3] = 128;
    auto* glass = new Image(form.get(), form.get());
    glass->SetBounds(0, 60, 20, 20);
    glass->SetStretch(true);
    glass->SetPicture(dot);

    Bitmap out = Paint();
    EXPECT_EQ(out.Pixel(70, 50), 0xFFFF0000);
    EXPECT_EQ(out.Pixel(90, 50), 0xFF0000FF);
    EXPECT_EQ(out.Pixel(70, 70), 0xFF00FF00);
    EXPECT_EQ(out.Pixel(90, 70), 0xFFFFFFFF);
    EXPECT_PRED3(Near, out.Pixel(10, 70), Over(0, 0, 255, 128, kFormPixel), 2);

    img->SetStretch(false);  // unscaled: only the top-left 2 x 2 pixels
    out = Paint();
    EXPECT_EQ(out.Pixel(61, 41), 0xFFFFFFFF);
    EXPECT_EQ(out.Pixel(70, 50), kFormPixel);
}

TEST_F(PaintTest, WindowedChildrenArePaintedToo) {
    auto* button = new Button(form.get(), form.get());
    button->SetBounds(62, 2, 36, 30);
    Bitmap out = Paint();
    const uint32_t face = ColorToPixel(clBtnFace);
    EXPECT_EQ(out.Pixel(66, 20), face);
    EXPECT_EQ(out.Pixel(61, 20), kFormPixel);
}

TEST_F(PaintTest, ScreenShowsWhatPaintToDraws) {
    form->Show();
    png->SetLeft(30);  // repaint of the old and the new place
    UpdateWindow(form->Handle());
    DibBuffer shot;
    ASSERT_TRUE(shot.Create(100, 80));
    HDC dc = GetDC(form->Handle());
    BitBlt(shot.dc(), 0, 0, 100, 80, dc, 0, 0, SRCCOPY);
    ReleaseDC(form->Handle(), dc);
    GdiFlush();
    Bitmap out = Paint();
    int differing = 0;
    for (int y = 0; y < 80; ++y)
        for (int x = 0; x < 100; ++x)
            if ((shot.bits()[y * 100 + x] & 0xFFFFFF) != (out.Pixel(x, y) & 0xFFFFFF)) ++differing;
    EXPECT_EQ(differing, 0);
    EXPECT_EQ(out.Pixel(12, 12), kBackPixel);
}

TEST_F(PaintTest, ARepaintDrawsOnlyItsUpdateRegionAndValidatesIt) {
    form->Show();
    HWND hwnd = form->Handle();
    UpdateWindow(hwnd);
    const RECT all{0, 0, 100, 80};
    {
        ScopedGetDC dc(hwnd);
        ScopedGdiObject magenta(CreateSolidBrush(RGB(255, 0, 255)));
        FillRect(dc, &all, static_cast<HBRUSH>(magenta.get()));
    }
    // The old and new places of an object dragged a step diagonally: one
    // pass over their bounding box, yet nothing drawn outside the two.
    const RECT was{0, 0, 30, 30}, is{10, 10, 40, 40};
    InvalidateRect(hwnd, &was, FALSE);
    InvalidateRect(hwnd, &is, FALSE);
    UpdateWindow(hwnd);
    RECT update;
    EXPECT_FALSE(GetUpdateRect(hwnd, &update, FALSE));
    DibBuffer shot;
    ASSERT_TRUE(shot.Create(100, 80));
    {
        ScopedGetDC dc(hwnd);
        BitBlt(shot.dc(), 0, 0, 100, 80, dc, 0, 0, SRCCOPY);
    }
    GdiFlush();
    const Bitmap out = Paint();
    const auto screen = [&shot](int x, int y) { return shot.bits()[y * 100 + x] & 0xFFFFFF; };
    EXPECT_EQ(screen(5, 5), out.Pixel(5, 5) & 0xFFFFFF);
    EXPECT_EQ(screen(35, 35), out.Pixel(35, 35) & 0xFFFFFF);
    EXPECT_EQ(screen(35, 5), 0xFF00FFu);  // inside the box, outside both places
    EXPECT_EQ(screen(50, 50), 0xFF00FFu);
}

TEST_F(PaintTest, ShapesDrawInZOrderAndInvertWhatLiesBelow) {
    auto* frame = new Shape(form.get(), form.get());
    frame->SetBounds(40, 0, 30, 30);  // half over the background picture, half over the form
    frame->SetBrushStyle(BrushStyle::Clear);
    frame->SetPenMode(PenMode::Not);
    auto* swatch = new Shape(form.get(), form.get());
    swatch->SetBounds(0, 60, 10, 10);
    swatch->SetBrushColor(clRed);
    swatch->SetPenStyle(PenStyle::Clear);
    Bitmap out = Paint();
    const uint32_t inverted = 0xFF000000u | (~kBackPixel & 0xFFFFFF);
    EXPECT_EQ(out.Pixel(45, 0), inverted);
    EXPECT_EQ(out.Pixel(65, 0), 0xFFFF00FFu);  // lime inverted
    EXPECT_EQ(out.Pixel(45, 10), kBackPixel);  // clear brush: inside untouched
    EXPECT_EQ(out.Pixel(0, 60), 0xFFFF0000u);
    EXPECT_EQ(out.Pixel(9, 69), 0xFFFF0000u);  // no pen: filled to the edge

    frame->SetPenStyle(PenStyle::Clear);  // the flashing frame's "off" phase
    out = Paint();
    EXPECT_EQ(out.Pixel(45, 0), kBackPixel);
}

TEST(PictureTest, PremultipliedRoundTrip) {
    PngImage png = PngImage::CreateBlank(2, 1);
    uint8_t* row = png.Row(0);
    row[0] = 200, row[1] = 100, row[2] = 50, row[3] = 128;  // half covering
    row[7] = 0;                                              // fully transparent
    Picture pic(png);
    ASSERT_TRUE(pic.HasAlpha());
    EXPECT_EQ(pic.Pixels().Pixel(0, 0), (128u << 24) | (100u << 16) | (50u << 8) | 25u);
    Bitmap back = pic.ToBitmap();
    EXPECT_PRED3(Near, back.Pixel(0, 0), 0x80C86432u, 1);
    EXPECT_EQ(back.Pixel(1, 0), 0u);
    EXPECT_EQ(Picture(Bitmap(1, 1, 0x00123456)).Pixels().Pixel(0, 0), 0xFF123456u);  // opaque
}

TEST(PictureTest, IconKeepsItsAlpha) {
    // 16 x 16 icon: left half opaque red, right half transparent.
    Bitmap colour(16, 16);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 8; ++x) colour.SetPixel(x, y, 0xFFFF0000);
    const BITMAPINFO bi = TopDownDibInfo(16, 16);
    void* bits = nullptr;
    HBITMAP colourBitmap = CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    std::memcpy(bits, colour.Data(), colour.PixelCount() * 4);
    HBITMAP mask = CreateBitmap(16, 16, 1, 1, nullptr);
    ICONINFO info{TRUE, 0, 0, mask, colourBitmap};
    HICON icon = CreateIconIndirect(&info);
    ASSERT_NE(icon, nullptr);
    Picture pic = IconToPicture(icon, 16);
    DestroyIcon(icon);
    DeleteObject(colourBitmap);
    DeleteObject(mask);
    ASSERT_TRUE(pic.HasAlpha());
    EXPECT_EQ(pic.Pixels().Pixel(2, 2), 0xFFFF0000u);
    EXPECT_EQ(pic.Pixels().Pixel(12, 2) >> 24, 0u);
    EXPECT_TRUE(IconToPicture(nullptr, 16).Empty());
}

}  // namespace

namespace {

// An image that counts how often its parent paints it.
class CountingImage : public Image {
public:
    using Image::Image;
    void Paint(PaintTarget& target, int x, int y) override {
        ++paints;
        Image::Paint(target, x, y);
    }
    int paints = 0;
};

}  // namespace

TEST_F(PaintTest, ChangesFarApartRepaintOnlyTheirOwnPlaces) {
    auto* left = new CountingImage(form.get(), form.get());
    auto* middle = new CountingImage(form.get(), form.get());
    auto* right = new CountingImage(form.get(), form.get());
    left->SetBounds(0, 60, 10, 10);
    middle->SetBounds(45, 60, 10, 10);
    right->SetBounds(90, 60, 10, 10);
    form->Show();
    UpdateWindow(form->Handle());
    left->paints = middle->paints = right->paints = 0;
    left->Invalidate();
    right->Invalidate();
    UpdateWindow(form->Handle());
    EXPECT_EQ(left->paints, 1);
    EXPECT_EQ(right->paints, 1);
    EXPECT_EQ(middle->paints, 0);  // inside the bounding box, but unchanged
}

TEST_F(PaintTest, ChildWindowsAreCreatedWhenFirstNeeded) {
    auto* shown = new Button(form.get(), form.get());
    shown->SetBounds(62, 2, 36, 30);
    shown->SetCaption("&Go");
    auto* hidden = new Button(form.get(), form.get());
    hidden->Hide();
    auto* behind = new Button(form.get(), form.get());
    behind->SetBounds(62, 40, 36, 30);
    behind->SendToBack();
    // On a hidden form nothing needs a window yet; what was set is kept.
    EXPECT_FALSE(shown->HandleAllocated());
    EXPECT_EQ(shown->Caption(), "&Go");
    EXPECT_EQ(shown->AccelChar(), 'G');

    form->Show();
    ASSERT_TRUE(shown->HandleAllocated());
    ASSERT_TRUE(behind->HandleAllocated());
    EXPECT_FALSE(hidden->HandleAllocated());
    char text[16] = {};
    GetWindowTextA(shown->Handle(), text, sizeof text);
    EXPECT_STREQ(text, "&Go");
    RECT r;
    GetWindowRect(shown->Handle(), &r);
    EXPECT_EQ(r.right - r.left, 36);
    // The window order follows the controls' order: behind is at the bottom.
    EXPECT_EQ(GetWindow(behind->Handle(), GW_HWNDNEXT), nullptr);

    hidden->Show();
    EXPECT_TRUE(hidden->HandleAllocated());
    EXPECT_TRUE(IsWindowVisible(hidden->Handle()));
}
