// The editor's main window. It holds the open menu documents; for now it is
// the empty frame they will be shown in.
#pragma once
#include "forms/win32/Form.h"

class TMDIForm1Cls : public forms::Form {
public:
    TMDIForm1Cls();
};
