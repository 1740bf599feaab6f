// A windowless text control: a caption drawn in its font (and font colour),
// by default on a transparent background. AutoSize fits the control to the
// text (one line, or the wrapped text's height when WordWrap is on). "&" is
// shown as it is, unless ShowAccelChar is on.
#pragma once
#include <string>

#include "forms/win32/Control.h"
#include "forms/win32/Font.h"

namespace forms {

class Label : public GraphicControl {
public:
    Label(Component* owner, WinControl* parent);

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    const Font& GetFont() const { return font_; }
    void SetFont(const Font& font);

    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool on);
    // Off: the label fills its area with Color first.
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool on);
    Color GetColor() const { return color_; }
    void SetColor(Color color);
    Alignment GetAlignment() const { return alignment_; }
    void SetAlignment(Alignment alignment);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool on);
    // On: the caption is written with accelerator marks, as a button's is
    // ("&&" shows one ampersand, a single "&" underlines the next letter).
    bool ShowAccelChar() const { return showAccelChar_; }
    void SetShowAccelChar(bool on);

    void Paint(PaintTarget& target, int x, int y) override;

protected:
    bool ShowsSomething() const override { return !caption_.empty() || !transparent_; }

private:
    void TextChanged();
    UINT DrawFlags() const;

    std::string caption_;
    Font font_;
    bool autoSize_ = true;
    bool transparent_ = true;
    Color color_ = clBtnFace;
    Alignment alignment_ = Alignment::Left;
    bool wordWrap_ = false;
    bool showAccelChar_ = false;
};

}  // namespace forms
