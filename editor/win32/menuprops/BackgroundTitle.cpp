#include "editor/win32/menuprops/BackgroundTitle.h"

#include <windows.h>

#include <algorithm>
#include <cstring>

#include "forms/win32/Font.h"
#include "forms/win32/PaintBuffer.h"

namespace {

forms::Font DesignFont(const editor::BackgroundDesign& design) {
    return forms::Font(design.fontName, std::clamp(design.fontSize, 1, 1000), design.bold, design.italic,
                       design.underline);
}

SIZE TextExtent(const editor::BackgroundDesign& design, const std::string& text) {
    SIZE size{0, 0};
    HDC dc = CreateCompatibleDC(nullptr);
    if (!dc) return size;
    const forms::Font font = DesignFont(design);
    HGDIOBJ old = SelectObject(dc, font.Handle());
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, old);
    DeleteDC(dc);
    return size;
}

// Draws text on bmp at (x, y) in the colour value color, through a DIB of the
// picture's size (the text's background left as it is).
void DrawText(forms::Bitmap& bmp, const editor::BackgroundDesign& design, int x, int y, uint32_t color) {
    if (bmp.Empty() || design.title.empty()) return;
    forms::DibBuffer dib;
    if (!dib.Create(bmp.Width(), bmp.Height())) return;
    const size_t bytes = bmp.PixelCount() * sizeof(uint32_t);
    std::memcpy(dib.bits(), bmp.Data(), bytes);
    const forms::Font font = DesignFont(design);
    HGDIOBJ old = SelectObject(dib.dc(), font.Handle());
    SetBkMode(dib.dc(), TRANSPARENT);
    SetTextColor(dib.dc(), color & 0xFFFFFF);
    TextOutA(dib.dc(), x, y, design.title.c_str(), static_cast<int>(design.title.size()));
    GdiFlush();
    SelectObject(dib.dc(), old);
    std::memcpy(bmp.Data(), dib.bits(), bytes);
}

}  // namespace

int TitleLetterHeight(const editor::BackgroundDesign& design) { return TextExtent(design, "T").cy; }

int TitleTextWidth(const editor::BackgroundDesign& design) { return TextExtent(design, design.title).cx; }

void DrawTitle(forms::Bitmap& work, forms::Bitmap& shown, const editor::BackgroundDesign& design, int borderUsed) {
    if (work.Width() <= 0) {
        shown = work;
        return;
    }
    const editor::TitlePoint p = editor::TitleOrigin(design, work.Width(), borderUsed, TitleTextWidth(design));
    if (design.shadow && !design.title.empty()) {
        const int d = design.shadowDepth;
        forms::Bitmap mask(work.Width(), work.Height(), 0xFFFFFF);
        DrawText(mask, design, p.x + d, p.y + d, 0);
        editor::ApplyTitleShadow(work, mask, p.x + d, p.y + d, TextExtent(design, design.title).cy);
    }
    shown = work;
    DrawText(shown, design, p.x, p.y, design.titleColor);
}

forms::Bitmap DrawDesign(const editor::BackgroundDesign& design) {
    forms::Bitmap work(design.width, design.height);
    editor::DrawBaseFill(work, design);
    const int borderUsed = editor::DrawBorder(work, design.border, design.borderThickness);
    editor::DrawBanner(work, design, borderUsed, TitleLetterHeight(design));
    forms::Bitmap shown;
    DrawTitle(work, shown, design, borderUsed);
    return shown;
}
