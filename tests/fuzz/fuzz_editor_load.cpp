// The editor's portable load path on arbitrary bytes: a menu body read as the
// editor reads it (placed images also at frame 0; bit 0 of the first input
// byte asks for a reload of an undo snapshot), then the load rules that bring
// the read values into the ranges the editor indexes with. Whatever the
// file held, the result must be usable: every value in range, the rules
// settled (a second pass changes nothing) and each object's hint and exit
// state computable.
#include "FuzzStream.h"
#include "editor/logic/MenuLoadRules.h"
#include "shared/MenuBody.h"

using fuzzing::Check;

namespace {

// The fields the load rules may change, to see that a second pass keeps them.
std::vector<int> RuledValues(const TAQMenu& menu) {
    std::vector<int> values{menu.ScreenPos, menu.TransColor, menu.DefaultBtn};
    for (int n = 1; n <= menu.BtnCount; ++n) values.push_back(menu.Buttons[static_cast<size_t>(n)].ObjectKind);
    return values;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    MenuReadOptions options;
    options.Reload = data[0] & 1;
    options.PlcImageAlsoAtFrame0 = true;
    auto file = fuzzing::MenuFileOn(data + 1, size - 1);
    if (!file->ReadMnuHeader()) return 0;

    TAQMenu* menu = &fuzzing::FreshMenu(0);
    MenuReadReport report;
    ReadMenuBody(*file, *menu, options, &report);
    // The editor gives up on a body it could not read; a body read with
    // damaged pictures is still taken.
    if (!report.BodyOk) return 0;
    Check(menu->BtnCount >= 0 && menu->BtnCount <= kMaxObjects);
    Check(menu->Buttons.size() == static_cast<size_t>(kButtonSlots));

    editor::BringLoadedValuesInRange(*menu);
    Check(menu->ScreenPos >= 0 && menu->ScreenPos <= editor::kMaxScreenPos);
    Check(menu->TransColor == -1 || (menu->TransColor >= 1 && menu->TransColor <= 15));
    Check(menu->DefaultBtn >= 0 && menu->DefaultBtn <= menu->BtnCount);
    bool anyExit = false;
    for (int n = 1; n <= menu->BtnCount; ++n) {
        const TAQButton& object = menu->Buttons[static_cast<size_t>(n)];
        Check(object.ObjectKind >= GraphicalButton && object.ObjectKind <= PlcShape);
        Check(!editor::ObjectHintForKind(object.ObjectKind).empty());
        anyExit |= editor::IsExitButton(object);
    }
    Check(anyExit == editor::HasExitButton(*menu));

    const std::vector<int> settled = RuledValues(*menu);
    editor::BringLoadedValuesInRange(*menu);
    Check(RuledValues(*menu) == settled);
    return 0;
}
