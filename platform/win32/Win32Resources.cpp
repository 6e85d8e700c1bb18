#include <windows.h>

#include <memory>

#include "platform/Resources.h"

namespace platform {
namespace {

bool CopyRcData(HMODULE module, const std::string& name, const uint8_t** data, uint32_t* size) {
    HRSRC info = FindResourceA(module, name.c_str(), MAKEINTRESOURCEA(10) /* RT_RCDATA */);
    if (!info) return false;
    HGLOBAL loaded = LoadResource(module, info);
    if (!loaded) return false;
    *data = static_cast<const uint8_t*>(LockResource(loaded));
    *size = SizeofResource(module, info);
    return *data != nullptr || *size == 0;
}

// A module loaded as a data file, released when the last holder of it goes.
std::shared_ptr<const void> LoadDataModule(const std::string& file) {
    HMODULE module = LoadLibraryExA(file.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!module) return nullptr;
    return std::shared_ptr<const void>(module, [](const void* m) { FreeLibrary(static_cast<HMODULE>(const_cast<void*>(m))); });
}

ResourceApi MakeWin32Resources() {
    ResourceApi api;
    api.findOwnRcData = [](const std::string& name, ResourceBytes* bytes) {
        return CopyRcData(GetModuleHandleA(nullptr), name, &bytes->data, &bytes->size);
    };
    api.readFileRcData = [](const std::string& file, const std::string& name, MappedBytes* bytes) {
        std::shared_ptr<const void> module = LoadDataModule(file);
        if (!module) return false;
        const uint8_t* data = nullptr;
        uint32_t size = 0;
        if (!CopyRcData(static_cast<HMODULE>(const_cast<void*>(module.get())), name, &data, &size)) return false;
        bytes->data = std::shared_ptr<const uint8_t>(module, data);  // keeps the module loaded
        bytes->size = size;
        return true;
    };
    api.loadString = [](uint32_t id) {
        char text[4096];
        int n = LoadStringA(GetModuleHandleA(nullptr), id, text, sizeof text);
        return std::string(text, n > 0 ? static_cast<size_t>(n) : 0);
    };
    return api;
}

}  // namespace

ResourceApi& Resources() {
    static ResourceApi api = MakeWin32Resources();
    return api;
}

}  // namespace platform
