#include "forms/win32/Edit.h"

namespace forms {

Edit::Edit(Component* owner, WinControl* parent) : WinControl(owner, parent) {
    SetTabStop(true);
    StoreBounds(0, 0, 121, 21);
    SetColor(clWindow);
    CreateChildWindow("EDIT", ES_AUTOHSCROLL, WS_EX_CLIENTEDGE);
    // Created at once: every change of the text, set by the program too,
    // reaches OnChange through the window's own change notification.
    CreateHandle();
}

void Edit::SelectAll() { SendMessageA(Handle(), EM_SETSEL, 0, -1); }

void Edit::CommandNotify(WORD code) {
    if (code != EN_CHANGE || inChange_) return;
    auto handler = OnChange;
    if (!handler) return;
    inChange_ = true;
    struct Reset {
        bool& flag;
        ~Reset() { flag = false; }
    } reset{inChange_};
    handler(*this);
}

}  // namespace forms
