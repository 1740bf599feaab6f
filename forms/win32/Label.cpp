#include "forms/win32/Label.h"

#include "forms/win32/GdiScope.h"
#include "forms/win32/PaintBuffer.h"

namespace forms {

Label::Label(Component* owner, WinControl* parent) : GraphicControl(owner, parent) { StoreBounds(0, 0, 65, 17); }

void Label::SetCaption(const std::string& caption) {
    if (caption == caption_) return;
    caption_ = caption;
    TextChanged();
}

void Label::SetFont(const Font& font) {
    if (font == font_) return;
    font_ = font;
    TextChanged();
}

void Label::SetAutoSize(bool on) {
    if (on == autoSize_) return;
    autoSize_ = on;
    TextChanged();
}

void Label::SetTransparent(bool on) {
    if (on == transparent_) return;
    transparent_ = on;
    Invalidate();
}

void Label::SetColor(Color color) {
    if (color == color_) return;
    color_ = color;
    Invalidate();
}

void Label::SetAlignment(Alignment alignment) {
    if (alignment == alignment_) return;
    alignment_ = alignment;
    Invalidate();
}

void Label::SetWordWrap(bool on) {
    if (on == wordWrap_) return;
    wordWrap_ = on;
    TextChanged();
}

void Label::SetShowAccelChar(bool on) {
    if (on == showAccelChar_) return;
    showAccelChar_ = on;
    TextChanged();
}

UINT Label::DrawFlags() const {
    UINT flags = DT_EXPANDTABS;
    if (!showAccelChar_) flags |= DT_NOPREFIX;
    if (wordWrap_) flags |= DT_WORDBREAK;
    if (alignment_ == Alignment::Center) flags |= DT_CENTER;
    if (alignment_ == Alignment::Right) flags |= DT_RIGHT;
    return flags;
}

void Label::TextChanged() {
    Invalidate();
    if (!autoSize_) return;
    RECT r{0, 0, wordWrap_ ? Width() : 0, 0};
    {
        MemoryDC dc;
        ScopedSelectObject font(dc, font_.Handle());
        // An empty caption still measures one line of height.
        DrawTextA(dc, caption_.empty() ? " " : caption_.c_str(), -1, &r, DrawFlags() | DT_CALCRECT);
    }
    // Smoothed glyphs can reach a pixel or two beyond the measured advance:
    // the room keeps the last letter's edge from being cut off.
    constexpr int kInkRoom = 2;
    const int width = wordWrap_ ? Width() : (caption_.empty() ? 0 : r.right + kInkRoom);
    SetBounds(Left(), Top(), width, r.bottom);
}

void Label::Paint(PaintTarget& target, int x, int y) {
    RECT r{x, y, x + Width(), y + Height()};
    if (!transparent_) {
        RECT fill;
        if (IntersectRect(&fill, &r, &target.clip)) {
            GdiFlush();
            FillPixels(target, fill, ColorToPixel(color_));
        }
    }
    if (caption_.empty()) return;
    ScopedSelectObject font(target.dc, font_.Handle());
    SetTextColor(target.dc, ColorToRGB(font_.GetColor()));
    SetBkMode(target.dc, TRANSPARENT);
    DrawTextA(target.dc, caption_.c_str(), -1, &r, DrawFlags());
}

}  // namespace forms
