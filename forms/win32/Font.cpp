#include "forms/win32/Font.h"

#include "forms/win32/GdiScope.h"

#include <cstring>

namespace forms {

Font::Font(const std::string& name, int sizeInPoints, bool bold, bool italic, bool underline, Color color)
    : name_(name), size_(sizeInPoints), bold_(bold), italic_(italic), underline_(underline), color_(color) {}

void Font::SetName(const std::string& name) {
    if (name == name_) return;
    name_ = name;
    Changed();
}

void Font::SetSize(int points) {
    if (points == size_ && pixelHeight_ == 0) return;
    size_ = points;
    pixelHeight_ = 0;
    Changed();
}

void Font::SetPixelHeight(int pixels) {
    if (pixels == pixelHeight_) return;
    pixelHeight_ = pixels;
    Changed();
}

void Font::SetBold(bool on) {
    if (on == bold_) return;
    bold_ = on;
    Changed();
}

void Font::SetItalic(bool on) {
    if (on == italic_) return;
    italic_ = on;
    Changed();
}

void Font::SetUnderline(bool on) {
    if (on == underline_) return;
    underline_ = on;
    Changed();
}

HFONT Font::Handle() const {
    if (!handle_) {
        LOGFONTA lf{};
        if (pixelHeight_ > 0) {
            lf.lfHeight = -pixelHeight_;
        } else {
            ScopedGetDC screen(nullptr);
            lf.lfHeight = -MulDiv(size_ > 0 ? size_ : 8, GetDeviceCaps(screen, LOGPIXELSY), 72);
        }
        lf.lfWeight = bold_ ? FW_BOLD : FW_NORMAL;
        lf.lfItalic = italic_ ? TRUE : FALSE;
        lf.lfUnderline = underline_ ? TRUE : FALSE;
        lf.lfCharSet = DEFAULT_CHARSET;
        lf.lfQuality = DEFAULT_QUALITY;
        std::strncpy(lf.lfFaceName, name_.c_str(), LF_FACESIZE - 1);
        HFONT font = CreateFontIndirectA(&lf);
        handle_ = std::shared_ptr<void>(font, [](void* h) {
            if (h) DeleteObject(static_cast<HFONT>(h));
        });
    }
    return static_cast<HFONT>(handle_.get());
}

bool Font::operator==(const Font& o) const {
    return name_ == o.name_ && size_ == o.size_ && pixelHeight_ == o.pixelHeight_ && bold_ == o.bold_ &&
           italic_ == o.italic_ && underline_ == o.underline_ && color_ == o.color_;
}

}  // namespace forms
