#pragma once
// The executable's own resources, and those of another executable file (for the packing tool).
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/MappedBytes.h"

namespace platform {

struct ResourceBytes {
    const uint8_t* data = nullptr;
    uint32_t size = 0;
};

struct ResourceApi {
    // FindResourceA (RT_RCDATA, name without regard to case) + LoadResource + LockResource +
    // SizeofResource in the running executable; false when there is no such resource.
    std::function<bool(const std::string& name, ResourceBytes* bytes)> findOwnRcData;
    // The same in an executable file loaded as data, which stays loaded while the bytes are kept;
    // false when the file or resource is missing.
    std::function<bool(const std::string& file, const std::string& name, MappedBytes* bytes)> readFileRcData;
    // LoadStringA from the running executable's string table; empty when there is no such entry.
    std::function<std::string(uint32_t id)> loadString;
};

ResourceApi& Resources();

}  // namespace platform
