#include <windows.h>

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

// Releases a module loaded as a data file, also when reading it fails.
class DataModule {
public:
    explicit DataModule(const std::string& file)
        : module_(LoadLibraryExA(file.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE)) {}
    ~DataModule() { if (module_) FreeLibrary(module_); }
    DataModule(const DataModule&) = delete;
    DataModule& operator=(const DataModule&) = delete;
    HMODULE Get() const { return module_; }

private:
    HMODULE module_;
};

ResourceApi MakeWin32Resources() {
    ResourceApi api;
    api.findOwnRcData = [](const std::string& name, ResourceBytes* bytes) {
        return CopyRcData(GetModuleHandleA(nullptr), name, &bytes->data, &bytes->size);
    };
    api.readFileRcData = [](const std::string& file, const std::string& name, std::vector<uint8_t>* bytes) {
        DataModule module(file);
        if (!module.Get()) return false;
        const uint8_t* data = nullptr;
        uint32_t size = 0;
        if (!CopyRcData(module.Get(), name, &data, &size)) return false;
        bytes->assign(data, data + size);
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
    api.loadString = [](uint32_t id) {
        char text[4096];
        int n = LoadStringA(GetModuleHandleA(nullptr), id, text, sizeof text);
        return std::string(text, n > 0 ? static_cast<size_t>(n) : 0);
    };
    return api;
}

}  // namespace platform
