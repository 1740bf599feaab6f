// One menu document of the editor: the menu record (what the menu file
// carries) together with the document's design-time controls on its tab and
// the editor's own bookkeeping (file name, modified flag, selection, undo
// counts). The main window owns one per slot taken (slots 1..100) and keeps
// closed slots, never reusing them. The controls belong to the main window
// (their owner) and are freed when the document closes.
#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "shared/MenuType.h"

namespace forms {
class Button;
class Image;
class Label;
class Panel;
class ScrollBox;
class Shape;
class TabSheet;
}  // namespace forms

// Selection codes of a document.
constexpr int32_t kSelNone = -1;
constexpr int32_t kSelAccessoryText = 0;
constexpr int32_t kSelTimeLabel = -4;
constexpr int32_t kSelDateLabel = -5;

// The two design-time controls of one object: the push button a Windows
// button shows and the picture every other kind shows. Null while the
// object has none.
struct TObjControls {
    forms::Button* WinBtn = nullptr;
    forms::Image* ImgBtn = nullptr;
};

struct TMenuDocument {
    TAQMenu Menu;
    // Controls of objects 1..Menu.BtnCount, indexed by object number.
    std::array<TObjControls, kButtonSlots> Ctl{};

    // Controls on the document's tab, in the order they are created.
    forms::TabSheet* TabSheet = nullptr;        // Tag = slot; caption = FileName
    forms::ScrollBox* ScrollBox = nullptr;      // client-aligned on the tab
    forms::Shape* ShadowShape = nullptr;        // drop shadow behind the menu
    forms::Panel* FramePanel = nullptr;         // frame around the menu
    forms::Panel* ClientPanel = nullptr;        // parent of everything below
    forms::Image* BackImage = nullptr;          // background picture
    forms::Image* AccessoryImage = nullptr;     // accessory image box
    forms::Image* AccessoryText = nullptr;      // accessory text box
    forms::Label* TimeLabel = nullptr;          // "TimLbl" + slot
    forms::Label* DateLabel = nullptr;          // "DatLbl" + slot

    uint8_t AccPNGDirty = 0;    // the accessory text must be rendered again
    uint8_t Modified = 0;       // unsaved changes
    std::string FileName;       // "Menu " + slot until saved or loaded
    uint8_t HasFile = 0;        // loaded from or saved to a file
    std::string Folder;         // that file's folder, with its trailing "\"
    int32_t SelObject = kSelNone;
    uint8_t TabOrderShown = 0;
    int32_t UndoCount = 0;
    int32_t RedoCount = 0;
    uint8_t Closed = 0;         // the slot's document was closed
};
