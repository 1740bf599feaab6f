// Shared by the fuzz targets: a new menu file object on each input, so
// nothing the previous input left behind is seen.
#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>

#include "forms/portable/Stream.h"
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

}  // namespace fuzzing
