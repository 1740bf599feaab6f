// Watches the test program's operator new: keeps the
// largest request and can make one allocation throw std::bad_alloc, so that
// tests can check what code does when memory runs out at any point.
//
// Exactly one source file of a test program defines QV_REPLACE_OPERATOR_NEW
// before including this header; it then holds the replacement operators.
#pragma once
#include <cstddef>
#include <cstdlib>
#include <new>

namespace qvtest {

struct AllocationProbeState {
    bool active = false;
    long failAt = -1;
    long count = 0;
    size_t largest = 0;
    bool failed = false;
};
inline AllocationProbeState g_allocationProbe;

// Active from construction to destruction; probes do not nest.
class AllocationProbe {
public:
    // failAt: the number (from 0) of the allocation that throws; -1 for none.
    explicit AllocationProbe(long failAt = -1) {
        g_allocationProbe = AllocationProbeState();
        g_allocationProbe.failAt = failAt;
        g_allocationProbe.active = true;
    }
    ~AllocationProbe() { g_allocationProbe.active = false; }
    AllocationProbe(const AllocationProbe&) = delete;
    AllocationProbe& operator=(const AllocationProbe&) = delete;

    size_t Largest() const { return g_allocationProbe.largest; }
    // The chosen allocation was reached and failed.
    bool Failed() const { return g_allocationProbe.failed; }
};

// malloc, or null when the probe makes this allocation fail.
inline void* ProbedAllocate(size_t size) {
    AllocationProbeState& p = g_allocationProbe;
    if (p.active) {
        const long number = p.count++;
        if (size > p.largest) p.largest = size;
        if (number == p.failAt) {
            p.failed = true;
            return nullptr;
        }
    }
    return std::malloc(size ? size : 1);
}

}  // namespace qvtest

#ifdef QV_REPLACE_OPERATOR_NEW
// Every form that a sanitizer runtime would otherwise provide is replaced, so
// that allocation and release always pair as malloc and free. (GCC, seeing
// both in one file, takes free() for a mismatch with the standard new.)
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
#endif
void* operator new(size_t size) {
    if (void* p = qvtest::ProbedAllocate(size)) return p;
    throw std::bad_alloc();
}
void* operator new[](size_t size) { return ::operator new(size); }
void* operator new(size_t size, const std::nothrow_t&) noexcept { return qvtest::ProbedAllocate(size); }
void* operator new[](size_t size, const std::nothrow_t&) noexcept { return qvtest::ProbedAllocate(size); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, size_t) noexcept { std::free(p); }
void operator delete[](void* p, size_t) noexcept { std::free(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { std::free(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { std::free(p); }
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic pop
#endif
#endif
