// The labels and push buttons the editor's dialogs lay out by hand: a
// fixed-size, word-wrapping label and a named button that takes the Tab key;
// and a font list showing the font of a text.
#pragma once
#include <string>

namespace forms {
class Button;
class ComboBox;
class Component;
class Label;
class WinControl;
}  // namespace forms

forms::Label* NewLabel(forms::Component* owner, forms::WinControl* parent, const std::string& caption, int left,
                       int top, int width, int height = 16);
forms::Button* NewButton(forms::Component* owner, forms::WinControl* parent, const std::string& name,
                         const std::string& caption, int left, int top, int width, int height = 25);
// Shows a font's name in an editable font list: its row when the list holds
// it, else the name as the box's text (never an empty box).
void ShowFontName(forms::ComboBox& fonts, const std::string& name);
