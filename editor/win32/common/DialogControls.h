// The labels and push buttons the editor's dialogs lay out by hand: a
// fixed-size, word-wrapping label and a named button that takes the Tab key;
// a font list showing the font of a text; the keyboard for the box a page
// of a wizard asks the user to fill; and the file types of the picture Open
// dialogs.
#pragma once
#include <string>

namespace forms {
class Button;
class ComboBox;
class Component;
class Edit;
class Form;
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
// The box that a page just shown asks the user to fill takes the keyboard
// (at once when the form is showing, else when it is next activated), its
// text selected so that typing replaces it.
void FocusEntry(forms::Form& form, forms::Edit& box);
// The filter of a picture Open dialog: every picture file the editor reads
// (BMP, JPEG, PNG, and the patterns of moreTypes, such as ";*.gif") on one
// line headed caption ("All Images"), then PNG pictures on a line of their own.
std::string PictureOpenFilter(const std::string& caption, const std::string& moreTypes = "");
