#include "forms/win32/Memo.h"

namespace forms {

Memo::Memo(Component* owner, WinControl* parent)
    : Edit(owner, parent, ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL | WS_VSCROLL) {}

}  // namespace forms
