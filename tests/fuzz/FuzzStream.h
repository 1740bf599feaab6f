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

inline void UseAsMenuStream(const uint8_t* data, size_t size) {
    qvfake::ResetDialogs();
    SetMnuStream(std::make_unique<forms::MemoryStream>(data, size));
    ClearMnuError();
}

}  // namespace fuzzing
