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

// One resource of an executable file. Types and names that are numbers are written "#10".
struct FileResource {
    std::string type;
    std::string name;
    uint16_t language = 0;
    MappedBytes bytes;  // keeps the file loaded as data
};

// A change to an executable's resources: its bytes, or none to remove it.
struct ResourceChange {
    std::string type;
    std::string name;
    uint16_t language = 0;
    const uint8_t* data = nullptr;
    size_t size = 0;
};

struct ResourceApi {
    // FindResourceA (RT_RCDATA, name without regard to case) + LoadResource + LockResource +
    // SizeofResource in the running executable; false when there is no such resource.
    std::function<bool(const std::string& name, ResourceBytes* bytes)> findOwnRcData;
    // The same in an executable file loaded as data, which stays loaded while the bytes are kept;
    // false when the file or resource is missing.
    std::function<bool(const std::string& file, const std::string& name, MappedBytes* bytes)> readFileRcData;
    // LoadLibraryExA as data + EnumResourceTypesA/NamesA/LanguagesA: every resource of an
    // executable file; false when the file cannot be loaded as data.
    std::function<bool(const std::string& file, std::vector<FileResource>* resources)> listFileResources;
    // BeginUpdateResourceA, UpdateResourceA for each change, EndUpdateResourceA: false when one of
    // them fails, and the file then keeps its resources.
    std::function<bool(const std::string& file, const std::vector<ResourceChange>& changes)> updateFileResources;
    // LoadStringA from the running executable's string table; empty when there is no such entry.
    std::function<std::string(uint32_t id)> loadString;
};

ResourceApi& Resources();

}  // namespace platform
