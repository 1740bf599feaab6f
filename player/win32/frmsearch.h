// The progress window of a long target search: shows the folder being
// searched and offers Cancel.
#pragma once
#include "forms/win32/Button.h"
#include "forms/win32/Form.h"
#include "forms/win32/Label.h"

class TfrmSearchCls : public forms::Form {
public:
    TfrmSearchCls();

    void Command1_Click(forms::Component& sender);

    forms::Label* lblDir = nullptr;
    forms::Button* Command1 = nullptr;
};

// Set by the Cancel button; cleared when a search starts.
extern bool SearchCancelFlag;
