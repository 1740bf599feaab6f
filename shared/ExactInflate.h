// One-shot inflating of a zlib stream (RFC 1950) whose decoded size is known
// in advance, as for picture blocks that store their raw size.
//
// Contract: InflateExact decodes the stream at in[0..inSize) into exactly
// outSize bytes at out. It succeeds only when the stream is complete, its
// checksum matches and it decodes to exactly outSize bytes; bytes after the
// end of the stream are ignored. Corrupt, short or longer data gives false
// (out may then hold partial data). Never reads or writes outside the two
// ranges. Thread-safe: each thread keeps its own decompressor.
#pragma once

#include <cstddef>
#include <cstdint>

bool InflateExact(const uint8_t* in, size_t inSize, uint8_t* out, size_t outSize);
