// A small, fast random generator (xorshift) for test pictures: the same
// sequence on every run and every platform. The state must not be 0.
#pragma once
#include <cstdint>

namespace qvtest {

struct XorShift {
    uint32_t state;
    uint32_t Next() {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return state;
    }
};

}  // namespace qvtest
