#pragma once
// Bytes that a platform object keeps alive (a mapped view of a file, a module loaded as data): the
// object is released when the last copy of data goes.
#include <cstddef>
#include <cstdint>
#include <memory>

namespace platform {

struct MappedBytes {
    std::shared_ptr<const uint8_t> data;
    size_t size = 0;
};

}  // namespace platform
