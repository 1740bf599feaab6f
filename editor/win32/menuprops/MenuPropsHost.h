// What Menu Properties and the Menu Creation Wizard ask of the window that
// opens them (the main window): the current document, its background picture
// (object 0), showing that background again, and Insert Button. The dialogs
// know only this, so the main window depends on them and not the reverse.
#pragma once
#include <cstdint>

#include "editor/win32/common/EditorDocument.h"

namespace forms {
class Bitmap;
}

class MenuPropsHost {
public:
    // The current document when one is open, else nullptr.
    virtual TMenuDocument* CurrentDoc() = 0;
    // 1 when that picture of the current document exists and has pixels;
    // copy 1 also copies it into SharedBmp.
    virtual uint8_t GetBtnPic(int object, int state, int frame, uint8_t copy) = 0;
    // Stores a copy of bitmap in that picture slot of the current document.
    virtual void SetBtnPic(int object, int state, int frame, const forms::Bitmap& bitmap) = 0;
    // Shows the current document's background, frame and shadow again.
    virtual void ShowMenuBack() = 0;
    // Insert Button: adds a button and opens Button Properties for it.
    virtual void AddButton() = 0;

protected:
    MenuPropsHost() = default;
    MenuPropsHost(const MenuPropsHost&) = delete;
    MenuPropsHost& operator=(const MenuPropsHost&) = delete;
    ~MenuPropsHost() = default;
};
