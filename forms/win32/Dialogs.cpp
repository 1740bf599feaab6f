#include "forms/win32/Dialogs.h"

#include <algorithm>

#include "forms/win32/Application.h"
#include "forms/win32/Button.h"
#include "forms/win32/Edit.h"
#include "forms/win32/Form.h"
#include "forms/win32/Label.h"

namespace forms {
namespace {

// The input form: prompt, one edit box, OK and Cancel. Control names are
// fixed so that scripts and tests can find them.
class InputForm : public Form {
public:
    InputForm(const std::string& caption, const std::string& prompt, const std::string& value) {
        SetBorderStyle(BorderStyle::Dialog);
        SetBorderIcons(biSystemMenu);
        SetCaption(caption);
        auto* label = new Label(this, this);
        label->SetName("PromptLabel");
        label->SetCaption(prompt);
        label->SetBounds(8, 8, label->Width(), label->Height());
        const int width = std::max(260, label->Width() + 16);
        edit = new Edit(this, this);
        edit->SetName("ValueEdit");
        edit->SetBounds(8, label->Top() + label->Height() + 6, width - 16, 21);
        edit->SetText(value);
        const int buttonsTop = edit->Top() + edit->Height() + 12;
        auto* ok = new Button(this, this);
        ok->SetName("OkButton");
        ok->SetCaption("OK");
        ok->SetDefault(true);
        ok->SetModalResult(mrOk);
        ok->SetBounds(width - 8 - 75 - 6 - 75, buttonsTop, 75, 25);
        auto* cancel = new Button(this, this);
        cancel->SetName("CancelButton");
        cancel->SetCaption("Cancel");
        cancel->SetCancel(true);
        cancel->SetModalResult(mrCancel);
        cancel->SetBounds(width - 8 - 75, buttonsTop, 75, 25);
        SetClientSize(width, buttonsTop + 25 + 8);
        CenterOnScreen();
        SetActiveControl(edit);
        edit->SelectAll();
    }
    Edit* edit;
};

}  // namespace

bool InputQuery(const std::string& caption, const std::string& prompt, std::string& value) {
    InputForm form(caption, prompt, value);
    if (form.ShowModal() != mrOk) return false;
    value = form.edit->Text();
    return true;
}

std::string InputBox(const std::string& caption, const std::string& prompt, const std::string& defaultValue) {
    std::string value = defaultValue;
    InputQuery(caption, prompt, value);
    return value;
}

}  // namespace forms
