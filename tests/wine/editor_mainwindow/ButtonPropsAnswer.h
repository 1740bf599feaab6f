// Answers Button Properties as it opens, with OK: a graphical button is given
// a plain Up picture of its size first, so that OK accepts it.
#pragma once
#include <string>

#include "editor/win32/buttonprops/frmproperties.h"
#include "forms/win32/Button.h"
#include "forms/win32/Edit.h"

inline int AcceptButtonProperties(TfrmPropertiesCls& dialog) {
    dialog.Timer2Timer();
    if (dialog.KindShown() == GraphicalButton && !dialog.HasFrame(Up, 0, 0))
        dialog.StoreFrame(forms::Bitmap(std::stoi(dialog.Text1[2]->Text()), std::stoi(dialog.Text1[3]->Text())));
    dialog.Command1000->Click();
    return dialog.ModalResult();
}
