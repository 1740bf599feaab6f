// Shared by the fuzz targets: a new menu file object on each input, so
// nothing the previous input left behind is seen.
#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>

#include "forms/portable/Stream.h"
#include "shared/MenuType.h"
#include "shared/mdlfilebin.h"
#include "tests/support/FakeDialogs.h"

namespace fuzzing {

// Stops the run where an invariant of the code under test does not hold.
inline void Check(bool ok) {
    if (!ok) __builtin_trap();
}

inline std::unique_ptr<TMenuFile> MenuFileOn(const uint8_t* data, size_t size) {
    qvfake::ResetDialogs();
    auto file = std::make_unique<TMenuFile>(qvfake::Host());
    file->SetMnuStream(std::make_unique<forms::MemoryStream>(data, size));
    return file;
}

// A menu record as a new one is, made without building a new one: the
// records of a menu are large (every object slot with its pictures), and
// allocating and clearing them anew for each input costs more than reading
// the input. The record returned is reused by the next call on that slot.
inline TAQMenu& FreshMenu(int slot) {
    static const TAQMenu blank;
    static TAQMenu menus[2];
    TAQMenu& menu = menus[slot];
    menu = blank;
    return menu;
}

}  // namespace fuzzing
