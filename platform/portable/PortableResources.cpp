// A resource table for builds without Windows: there is no executable resource section to look
// in, so every resource is missing (the caller raises its "not found" error).
#include "platform/Resources.h"

namespace platform {

namespace {

ResourceApi MakeNoResources() {
    ResourceApi api;
    api.findOwnRcData = [](const std::string&, ResourceBytes*) { return false; };
    api.readFileRcData = [](const std::string&, const std::string&, MappedBytes*) { return false; };
    api.listFileResources = [](const std::string&, std::vector<FileResource>*) { return false; };
    api.updateFileResources = [](const std::string&, const std::vector<ResourceChange>&) { return false; };
    api.loadString = [](uint32_t) { return std::string(); };
    return api;
}

}  // namespace

ResourceApi& Resources() {
    static ResourceApi api = MakeNoResources();
    return api;
}

}  // namespace platform
