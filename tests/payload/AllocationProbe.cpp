#include "tests/payload/AllocationProbe.h"

#include <cstdint>
#include <cstdlib>
#include <new>

namespace {
bool g_watching = false;
size_t g_largest = 0;
size_t g_limit = SIZE_MAX;

void* Allocate(size_t size) {
    if (g_watching && size > g_largest) g_largest = size;
    if (size > g_limit) throw std::bad_alloc();
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
}  // namespace

// Every allocation of this test program goes through here.
void* operator new(size_t size) { return Allocate(size); }
void* operator new[](size_t size) { return Allocate(size); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, size_t) noexcept { std::free(p); }
void operator delete[](void* p, size_t) noexcept { std::free(p); }

namespace test {

AllocationProbe::AllocationProbe() {
    g_largest = 0;
    g_watching = true;
}
AllocationProbe::~AllocationProbe() { g_watching = false; }
size_t AllocationProbe::Largest() const { return g_largest; }

AllocationLimit::AllocationLimit(size_t maxBytes) { g_limit = maxBytes; }
AllocationLimit::~AllocationLimit() { g_limit = SIZE_MAX; }

}  // namespace test
