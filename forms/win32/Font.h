// A font description (face name, size, styles, colour) as a value type. The
// GDI font is created on first use and shared by copies until one of them
// changes; the colour is not part of the GDI font.
#pragma once
#include <windows.h>

#include <memory>
#include <string>

#include "forms/win32/Types.h"

namespace forms {

class Font {
public:
    Font() = default;
    Font(const std::string& name, int sizeInPoints, bool bold = false, bool italic = false,
         bool underline = false, Color color = clWindowText);

    const std::string& Name() const { return name_; }
    void SetName(const std::string& name);
    // Size in points (positive). Setting it clears a pixel height.
    int Size() const { return size_; }
    void SetSize(int points);
    // Character height in pixels (the cell height minus its internal leading);
    // 0 means the size in points applies. Setting it overrides the size.
    int PixelHeight() const { return pixelHeight_; }
    void SetPixelHeight(int pixels);
    bool Bold() const { return bold_; }
    void SetBold(bool on);
    bool Italic() const { return italic_; }
    void SetItalic(bool on);
    bool Underline() const { return underline_; }
    void SetUnderline(bool on);
    Color GetColor() const { return color_; }
    void SetColor(Color color) { color_ = color; }

    // The GDI font for these settings; owned by the Font (valid while this
    // value or a copy of it lives unchanged).
    HFONT Handle() const;

    bool operator==(const Font& o) const;
    bool operator!=(const Font& o) const { return !(*this == o); }

private:
    void Changed() { handle_.reset(); }

    std::string name_ = "Tahoma";
    int size_ = 8;
    int pixelHeight_ = 0;
    bool bold_ = false;
    bool italic_ = false;
    bool underline_ = false;
    Color color_ = clWindowText;
    mutable std::shared_ptr<void> handle_;
};

}  // namespace forms
