// A rich text box (Win32 "RichEdit20A" from Riched20.dll): multi-line text
// with character and paragraph formats, kept as RTF. Formatting works on the
// selection, as the control does; a program that wants to format the whole
// text selects all first. OnChange runs for every change of the text (typed
// or set by the program; a change made by an OnChange handler of the same box
// does not run it again), OnSelectionChange whenever the selection or caret
// moves; both keep coming wherever the box is moved (SetParent). PaintTo draws the content into a bitmap through WM_PRINT, which also
// works for a hidden box (a render surface). The window is created when the
// box is first shown or asked for.
#pragma once
#include <string>

#include "forms/portable/Bitmap.h"
#include "forms/win32/TextKeys.h"
#include "forms/win32/WinControl.h"

namespace forms {

// Font style bits of a character format.
using FontStyles = unsigned;
constexpr FontStyles fsBold = 1;
constexpr FontStyles fsItalic = 2;
constexpr FontStyles fsUnderline = 4;

// The character format of a selection. A selection that mixes values gives
// the format of its first character.
struct CharFormat {
    std::string fontName;
    int size = 0;  // points
    FontStyles style = 0;
    Color color = clBlack;

    bool operator==(const CharFormat& o) const {
        return fontName == o.fontName && size == o.size && style == o.style && color == o.color;
    }
    bool operator!=(const CharFormat& o) const { return !(*this == o); }
};

class RichEdit : public WinControl {
public:
    RichEdit(Component* owner, WinControl* parent);

    // The plain text (paragraphs separated by "\r\n" as the control gives
    // them) and the whole content as RTF. SetRTF loads a text that is not
    // RTF as plain text.
    std::string Text() const { return Caption(); }
    void SetText(const std::string& text) { SetCaption(text); }
    std::string RTF() const;
    void SetRTF(const std::string& rtf);

    // Selection in characters; a length of 0 is a caret.
    int SelStart() const;
    int SelLength() const;
    void SetSelection(int start, int length);
    void SelectAll();

    CharFormat SelectionFormat() const;
    void SetSelectionFontName(const std::string& name);
    void SetSelectionSize(int points);
    // Sets bold, italic and underline all three to the bits of style.
    void SetSelectionStyle(FontStyles style);
    void SetSelectionColor(Color color);
    // Paragraph alignment of the paragraphs the selection touches (of the
    // first of them when reading).
    Alignment SelectionAlignment() const;
    void SetSelectionAlignment(Alignment alignment);

    Color BackgroundColor() const { return background_; }
    void SetBackgroundColor(Color color);
    // A sunken border (the default) or none.
    bool Border() const { return border_; }
    void SetBorder(bool on);

    // Draws the client area (background and text) into out, resized to the
    // client size; every pixel opaque. False, out empty, when the box has no
    // area or GDI refuses.
    bool PaintTo(Bitmap& out) const;

    NotifyEvent OnChange;
    NotifyEvent OnSelectionChange;

    bool WantsChars() const override { return true; }
    // The editing keys (TextKeys.h) act on the text.
    bool WantsKey(const MSG& msg) const override { return IsTextEditingKey(msg); }

protected:
    bool Notification(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void BeforeHandleCreated() override;
    void HandleCreated() override;

private:
    void FireChange();
    void SetCharFormat(DWORD mask, const void* format);

    Color background_ = clWindow;
    bool border_ = true;
    bool inChange_ = false;
};

}  // namespace forms
