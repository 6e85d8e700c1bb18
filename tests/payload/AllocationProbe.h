#pragma once
// Watches the program's allocations: the largest single request made while a probe is alive.
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

}  // namespace test
