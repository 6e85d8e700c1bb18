#pragma once
// Watches the program's allocations: the largest single request made while a probe is alive;
// and a memory that runs out, for the code that must meet that with a clear message.
#include <cstddef>

namespace test {

class AllocationProbe {
public:
    AllocationProbe();
    ~AllocationProbe();
    AllocationProbe(const AllocationProbe&) = delete;
    AllocationProbe& operator=(const AllocationProbe&) = delete;
    size_t Largest() const;
};

// While alive, every single request of more than maxBytes fails with std::bad_alloc.
class AllocationLimit {
public:
    explicit AllocationLimit(size_t maxBytes);
    ~AllocationLimit();
    AllocationLimit(const AllocationLimit&) = delete;
    AllocationLimit& operator=(const AllocationLimit&) = delete;
};

}  // namespace test
