// Shared by the fuzz targets: hands the input to the menu stream and forgets
// what the previous input left behind.
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

inline void UseAsMenuStream(const uint8_t* data, size_t size) {
    qvfake::ResetDialogs();
    SetMnuStream(std::make_unique<forms::MemoryStream>(data, size));
    ClearMnuError();
}

}  // namespace fuzzing
