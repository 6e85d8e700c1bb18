// A file table for builds without Windows whose every operation fails the way Win32 reports
// failure. The native fuzzing build reads streams from memory only; code that would touch the
// file system there gets a clean error instead of an empty function call.
#include "platform/Files.h"

namespace platform {

namespace {

FileApi MakeUnavailableFiles() {
    FileApi api;
    api.createFile = [](const std::string&, uint32_t, uint32_t, uint32_t, uint32_t) { return InvalidHandle; };
    api.readFile = [](Handle, void*, uint32_t, uint32_t* done) { *done = 0; return false; };
    api.writeFile = [](Handle, const void*, uint32_t, uint32_t* done) { *done = 0; return false; };
    api.seek = [](Handle, int64_t, SeekOrigin) -> int64_t { return -1; };
    api.closeHandle = [](Handle) { return false; };
    api.getLastWriteDosTime = [](Handle, uint32_t*) { return false; };
    api.setLastWriteDosTime = [](Handle, uint32_t) { return false; };
    api.mapFile = [](const std::string&, MappedBytes*) { return false; };
    api.deleteFile = [](const std::string&) { return false; };
    api.createDirectory = [](const std::string&) { return false; };
    api.removeDirectory = [](const std::string&) { return false; };
    api.copyFile = [](const std::string&, const std::string&, bool) { return false; };
    api.replaceFile = [](const std::string&, const std::string&) { return false; };
    api.getAttributes = [](const std::string&) -> uint32_t { return attr::Invalid; };
    api.setAttributes = [](const std::string&, uint32_t) { return false; };
    api.findFirst = [](const std::string&, FindData*) { return InvalidHandle; };
    api.findNext = [](Handle, FindData*) { return false; };
    api.findClose = [](Handle) { return false; };
    api.setCurrentDirectory = [](const std::string&) { return false; };
    api.getCurrentDirectory = [] { return std::string(); };
    api.getSystemDirectory = [] { return std::string(); };
    api.getProgramFilesFolder = [] { return std::string(); };
    api.getTempFolder = [] { return std::string(); };
    api.deleteAtRestart = [](const std::string&) { return false; };
    api.getModuleFileName = [] { return std::string(); };
    api.getShortPathName = [](const std::string&) { return std::string(); };
    return api;
}

}  // namespace

FileApi& Files() {
    static FileApi api = MakeUnavailableFiles();
    return api;
}

}  // namespace platform
