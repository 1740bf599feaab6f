// A text box of several lines (Win32 "EDIT", ES_MULTILINE). Enter starts a
// new line instead of pressing the form's default button; lines are
// separated by CR LF in Text(). OnChange as for Edit.
#pragma once
#include "forms/win32/Edit.h"

namespace forms {

class Memo : public Edit {
public:
    Memo(Component* owner, WinControl* parent);
};

}  // namespace forms
