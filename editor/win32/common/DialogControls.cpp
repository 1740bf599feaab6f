#include "editor/win32/common/DialogControls.h"

#include "forms/win32/Button.h"
#include "forms/win32/ComboBox.h"
#include "forms/win32/Edit.h"
#include "forms/win32/Form.h"
#include "forms/win32/Label.h"

forms::Label* NewLabel(forms::Component* owner, forms::WinControl* parent, const std::string& caption, int left,
                       int top, int width, int height) {
    auto* label = new forms::Label(owner, parent);
    label->SetAutoSize(false);
    label->SetWordWrap(true);
    label->SetBounds(left, top, width, height);
    label->SetCaption(caption);
    return label;
}

forms::Button* NewButton(forms::Component* owner, forms::WinControl* parent, const std::string& name,
                         const std::string& caption, int left, int top, int width, int height) {
    auto* button = new forms::Button(owner, parent);
    button->SetName(name);
    button->SetCaption(caption);
    button->SetBounds(left, top, width, height);
    button->SetTabStop(true);
    return button;
}

void ShowFontName(forms::ComboBox& fonts, const std::string& name) {
    const int row = fonts.IndexOf(name);
    if (row >= 0)
        fonts.SetItemIndex(row);
    else
        fonts.SetText(name);
}

void FocusEntry(forms::Form& form, forms::Edit& box) {
    box.SelectAll();
    form.SetActiveControl(&box);
}

std::string PictureOpenFilter(const std::string& caption, const std::string& moreTypes) {
    const std::string types = "*.bmp;*.jpg;*.jpeg;*.png" + moreTypes;
    return caption + " (" + types + ")|" + types + "|PNG Images (*.png)|*.png";
}
