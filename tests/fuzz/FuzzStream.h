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

// The header and block values of the previous input are forgotten too: the
// block readers depend on the header's version, so a target that reads
// blocks without a valid header would otherwise see the last input's.
inline void UseAsMenuStream(const uint8_t* data, size_t size) {
    qvfake::ResetDialogs();
    SetMnuStream(std::make_unique<forms::MemoryStream>(data, size));
    ResetMnuReadState();
    ClearMnuError();
}

}  // namespace fuzzing
