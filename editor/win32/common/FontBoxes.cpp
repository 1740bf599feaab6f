#include "editor/win32/common/FontBoxes.h"

#include <windows.h>

#include <memory>
#include <utility>

#include "editor/logic/TextFormatRules.h"
#include "editor/win32/common/DialogControls.h"
#include "forms/win32/ComboBox.h"
#include "forms/win32/Form.h"
#include "forms/win32/Screen.h"

namespace {

// Picks apply at once; typed text waits for confirmTyped, which runs once
// per run of typing.
void WireBox(forms::ComboBox& box, const std::function<void()>& apply, const std::function<void()>& confirmTyped) {
    struct Typing {
        bool picked = false;
        bool pending = false;
    };
    auto typing = std::make_shared<Typing>();
    box.OnSelect = [typing, apply](forms::Component&) {
        typing->picked = true;
        typing->pending = false;
        apply();
    };
    box.OnChange = [typing](forms::Component&) {
        // A pick runs OnChange right after OnSelect: only typing waits.
        if (!std::exchange(typing->picked, false)) typing->pending = true;
    };
    const auto confirm = [typing, confirmTyped] {
        if (std::exchange(typing->pending, false)) confirmTyped();
    };
    box.OnKeyDown = [&box, confirm](forms::Control&, uint16_t& key, forms::ShiftState) {
        if (key != VK_RETURN && key != VK_TAB) return;
        confirm();
        const forms::Form* form = box.ParentForm();
        if (key == VK_RETURN && !(form && form->DefaultButton())) key = 0;
    };
    box.OnLeave = [confirm](forms::Component&) { confirm(); };
}

}  // namespace

void WireFontSizeBox(forms::ComboBox& box, std::function<void()> apply) { WireBox(box, apply, apply); }

void WireFontNameBox(forms::ComboBox& box, std::function<void()> apply, std::function<std::string()> nameInUse) {
    WireBox(box, apply, [&box, apply, nameInUse] {
        const int row = editor::TypedFontRow(box.Items(), box.Text());
        if (row < 0) {
            forms::Beep();
            ShowFontName(box, nameInUse());
            return;
        }
        box.SetItemIndex(row);
        apply();
    });
}
