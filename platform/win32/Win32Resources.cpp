#include <windows.h>

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

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

// A module loaded as a data file, released when the last holder of it goes. By its full path: a
// relative one would be looked for along the DLL search path, which the programs restrict to the
// system folder, instead of in the current folder.
std::shared_ptr<const void> LoadDataModule(const std::string& file) {
    char full[MAX_PATH];
    const DWORD length = GetFullPathNameA(file.c_str(), sizeof full, full, nullptr);
    if (length == 0 || length >= sizeof full) return nullptr;
    HMODULE module = LoadLibraryExA(full, nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!module) return nullptr;
    return std::shared_ptr<const void>(module, [](const void* m) { FreeLibrary(static_cast<HMODULE>(const_cast<void*>(m))); });
}

// A type or name as the enumeration hands it: a number (written "#10") or a string.
std::string ResourceId(LPCSTR id) {
    return IS_INTRESOURCE(id) ? "#" + std::to_string(reinterpret_cast<uintptr_t>(id)) : std::string(id);
}

// The other way: "#10" back to the number the functions take. Anything else after "#" (no
// digits, a number beyond 16 bits) is the name as it stands, as the functions read it then.
LPCSTR ResourceIdArgument(const std::string& id) {
    if (id.size() < 2 || id.size() > 6 || id[0] != '#' ||
        id.find_first_not_of("0123456789", 1) != std::string::npos)
        return id.c_str();
    const unsigned long number = std::strtoul(id.c_str() + 1, nullptr, 10);
    return number <= 0xFFFF ? MAKEINTRESOURCEA(number) : id.c_str();
}

// BeginUpdateResourceA ... EndUpdateResourceA: the changes are discarded, and the file let go,
// unless they are committed.
class ResourceUpdate {
public:
    explicit ResourceUpdate(const std::string& file) : update_(BeginUpdateResourceA(file.c_str(), FALSE)) {}
    ~ResourceUpdate() { if (update_) EndUpdateResourceA(update_, TRUE); }
    ResourceUpdate(const ResourceUpdate&) = delete;
    ResourceUpdate& operator=(const ResourceUpdate&) = delete;
    HANDLE Get() const { return update_; }
    bool Commit() {
        HANDLE update = update_;
        update_ = nullptr;
        return EndUpdateResourceA(update, FALSE) != FALSE;
    }

private:
    HANDLE update_;
};

struct Listing {
    std::shared_ptr<const void> module;
    std::vector<FileResource>* resources;
    bool complete = true;
};

BOOL CALLBACK ListLanguage(HMODULE module, LPCSTR type, LPCSTR name, WORD language, LONG_PTR param) {
    Listing& listing = *reinterpret_cast<Listing*>(param);
    HRSRC info = FindResourceExA(module, type, name, language);
    HGLOBAL loaded = info ? LoadResource(module, info) : nullptr;
    const void* data = loaded ? LockResource(loaded) : nullptr;
    const DWORD size = info ? SizeofResource(module, info) : 0;
    if (!data && size != 0) {
        listing.complete = false;
        return FALSE;
    }
    FileResource resource;
    resource.type = ResourceId(type);
    resource.name = ResourceId(name);
    resource.language = language;
    resource.bytes.data = std::shared_ptr<const uint8_t>(listing.module, static_cast<const uint8_t*>(data));
    resource.bytes.size = size;
    listing.resources->push_back(std::move(resource));
    return TRUE;
}

BOOL CALLBACK ListName(HMODULE module, LPCSTR type, LPSTR name, LONG_PTR param) {
    EnumResourceLanguagesA(module, type, name, ListLanguage, param);
    return reinterpret_cast<Listing*>(param)->complete;
}

BOOL CALLBACK ListType(HMODULE module, LPSTR type, LONG_PTR param) {
    EnumResourceNamesA(module, type, ListName, param);
    return reinterpret_cast<Listing*>(param)->complete;
}

bool ListFileResources(const std::string& file, std::vector<FileResource>* resources) {
    Listing listing{LoadDataModule(file), resources};
    if (!listing.module) return false;
    resources->clear();
    HMODULE module = static_cast<HMODULE>(const_cast<void*>(listing.module.get()));
    EnumResourceTypesA(module, ListType, reinterpret_cast<LONG_PTR>(&listing));
    return listing.complete;
}

bool UpdateFileResources(const std::string& file, const std::vector<ResourceChange>& changes) {
    ResourceUpdate update(file);
    if (!update.Get()) return false;
    for (const ResourceChange& change : changes)
        // A resource's size is a 32-bit field: a larger one is refused, not cut.
        if (change.size > INT32_MAX ||
            !UpdateResourceA(update.Get(), ResourceIdArgument(change.type), ResourceIdArgument(change.name),
                             change.language, const_cast<uint8_t*>(change.data), static_cast<DWORD>(change.size)))
            return false;
    return update.Commit();
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
    api.listFileResources = ListFileResources;
    api.updateFileResources = UpdateFileResources;
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
