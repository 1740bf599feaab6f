#include "editor/win32/common/RichTextPicture.h"

#include <windows.h>
#include <richedit.h>

#include <algorithm>
#include <cstdint>

#include "forms/win32/GdiScope.h"
#include "forms/win32/PaintBuffer.h"
#include "shared/UBmpArray.h"

namespace editor {
namespace {

// The text colour of the shadow pass; its level becomes the shadow's opacity.
constexpr forms::Color ShadowMaskGrey = 0x606060;

constexpr int kTwipsPerInch = 1440;

int TwipsPerPixel() {
    forms::ScopedGetDC screen(nullptr);
    const int pixelsPerInch = GetDeviceCaps(screen, LOGPIXELSY);
    return pixelsPerInch > 0 ? kTwipsPerInch / pixelsPerInch : 15;
}

// A work bitmap of the picture's size, every pixel the given colour.
bool MakeSurface(forms::DibBuffer& surface, int width, int height, forms::Color fill) {
    if (!surface.Create(width, height)) return false;
    std::fill_n(surface.bits(), static_cast<size_t>(width) * static_cast<size_t>(height),
                forms::ColorToPixel(fill));
    return true;
}

// Lays the text out through the control's page rendering; false when it drew
// nothing although there is text (the system does not render pages).
bool RenderPage(HWND edit, HDC dc, const RECT& area, int twipsPerPixel) {
    const int length = GetWindowTextLengthA(edit);
    FORMATRANGE range{};
    range.hdc = dc;
    range.hdcTarget = dc;
    range.rc = RECT{area.left * twipsPerPixel, area.top * twipsPerPixel, area.right * twipsPerPixel,
                    area.bottom * twipsPerPixel};
    range.rcPage = range.rc;
    range.chrg.cpMin = 0;
    range.chrg.cpMax = length;
    const LRESULT laidOut = SendMessageA(edit, EM_FORMATRANGE, TRUE, reinterpret_cast<LPARAM>(&range));
    // Lets the control drop the layout it cached for the device context.
    SendMessageA(edit, EM_FORMATRANGE, FALSE, 0);
    return laidOut > 0 || length == 0;
}

// Sizes the control so that its client area is the area, shows its text from
// the top and has it paint itself into the area of the surface.
void PaintSelf(forms::RichEdit& render, HDC dc, const RECT& area) {
    HWND edit = render.Handle();
    RECT window, client;
    GetWindowRect(edit, &window);
    GetClientRect(edit, &client);
    const int frameWidth = (window.right - window.left) - client.right;
    const int frameHeight = (window.bottom - window.top) - client.bottom;
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    render.SetBounds(render.Left(), render.Top(), width + frameWidth, height + frameHeight);
    RECT format{0, 0, width, height};
    SendMessageA(edit, EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(&format));
    // A caret at the start keeps the first line in view and no selection
    // highlight in the picture.
    render.SetSelection(0, 0);
    SendMessageA(edit, WM_VSCROLL, SB_TOP, 0);

    POINT oldOrigin;
    SetViewportOrgEx(dc, area.left, area.top, &oldOrigin);
    SendMessageA(edit, WM_PRINT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT | PRF_ERASEBKGND);
    SetViewportOrgEx(dc, oldOrigin.x, oldOrigin.y, nullptr);
}

// Draws the render control's text into the area (pixels) of the surface.
void RenderPass(forms::RichEdit& render, forms::DibBuffer& surface, const RECT& area, int twipsPerPixel) {
    if (area.right <= area.left || area.bottom <= area.top) return;
    if (!RenderPage(render.Handle(), surface.dc(), area, twipsPerPixel)) PaintSelf(render, surface.dc(), area);
    GdiFlush();
}

void SetAllTextColor(forms::RichEdit& render, forms::Color color) {
    render.SelectAll();
    render.SetSelectionColor(color);
}

// Round((blue + green + red) / 3), halves to the even neighbour.
uint8_t GreyLevel(uint32_t pixel) {
    const int sum = static_cast<int>((pixel & 0xFF) + ((pixel >> 8) & 0xFF) + ((pixel >> 16) & 0xFF));
    int level = sum / 3;
    if (sum % 3 == 2) ++level;  // thirds never fall on a half
    return static_cast<uint8_t>(level);
}

}  // namespace

forms::PngImage RenderRTFToPNG(forms::RichEdit& render, const forms::RichEdit& source, int width,
                               int height, int shadowOffset, forms::Color shadowColor) {
    width = std::clamp(width, 1, static_cast<int>(kMaxPictureSide));
    height = std::clamp(height, 1, static_cast<int>(kMaxPictureSide));
    shadowOffset = std::max(shadowOffset, 0);
    const int twipsPerPixel = TwipsPerPixel();
    render.SetRTF(source.RTF());

    forms::DibBuffer colourBmp, maskBmp;
    if (!MakeSurface(colourBmp, width, height, shadowColor) || !MakeSurface(maskBmp, width, height, forms::clBlack))
        return forms::PngImage();
    const RECT textArea{1, 1, width - shadowOffset, height - shadowOffset};
    const RECT shadowArea{shadowOffset + 1, shadowOffset + 1, width, height};

    // Colours: the text in its own colours over the shadow colour.
    render.SetBackgroundColor(shadowColor);
    RenderPass(render, colourBmp, textArea, twipsPerPixel);

    // Shadow: the text's shape in grey, offset, over black.
    render.SelectAll();
    render.SetBackgroundColor(forms::clBlack);
    SetAllTextColor(render, ShadowMaskGrey);
    RenderPass(render, maskBmp, shadowArea, twipsPerPixel);

    forms::Bitmap colours(width, height);
    std::copy_n(colourBmp.bits(), colours.PixelCount(), colours.Data());
    forms::PngImage picture;
    picture.AssignBitmap(colours);
    for (int y = 0; y < height; ++y) {
        uint8_t* out = picture.Row(y);
        const uint32_t* mask = maskBmp.bits() + static_cast<size_t>(y) * width;
        for (int x = 0; x < width; ++x) out[4 * x + 3] = static_cast<uint8_t>(mask[x]);
    }

    // Text shape in white over the shadow: text pixels become as opaque as
    // they are bright.
    SetAllTextColor(render, forms::clWhite);
    RenderPass(render, maskBmp, textArea, twipsPerPixel);
    for (int y = 0; y < height; ++y) {
        uint8_t* out = picture.Row(y);
        const uint32_t* mask = maskBmp.bits() + static_cast<size_t>(y) * width;
        for (int x = 0; x < width; ++x) out[4 * x + 3] = std::max(out[4 * x + 3], GreyLevel(mask[x]));
    }
    render.SelectAll();
    return picture;
}

}  // namespace editor
