#include "payload/kvpack/PayloadSource.h"

#include <cstdint>
#include <cstring>

#include "payload/kvpack/KvpackConsts.h"
#include "platform/Resources.h"
#include "rtl/Consts.h"
#include "rtl/Exceptions.h"
#include "rtl/Format.h"
#include "rtl/Streams.h"

namespace kvpack {
namespace {

// A 16-bit resource file entry: FF, the type as a number (2 bytes), the name up to a 0 byte, the
// memory flags (2 bytes) and the data length (4 bytes), then the data.
constexpr uint8_t ResourceSignature[] = {0xFF, 0x0A, 0x00};
constexpr size_t ResourceFlagsAndLength = 6;

std::vector<uint8_t> ReadWholeFile(const std::string& path) {
    rtl::TFileStream file(path, rtl::FileMode::OpenReadShared);
    const int64_t size = file.Size();
    if (size < 0 || size > INT32_MAX) throw rtl::EReadError(rtl::consts::SReadError);
    std::vector<uint8_t> bytes(static_cast<size_t>(size));
    file.SetPosition(0);
    file.ReadBuffer(bytes.data(), static_cast<int32_t>(size));
    return bytes;
}

bool StartsWith(const std::vector<uint8_t>& bytes, const uint8_t* prefix, size_t length) {
    return bytes.size() >= length && std::memcmp(bytes.data(), prefix, length) == 0;
}

uint32_t LittleEndian32(const uint8_t* p) {
    return p[0] | (uint32_t{p[1]} << 8) | (uint32_t{p[2]} << 16) | (uint32_t{p[3]} << 24);
}

std::vector<uint8_t> StreamOfResourceFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    const size_t nameStart = sizeof ResourceSignature;
    const auto terminator = static_cast<const uint8_t*>(
        std::memchr(bytes.data() + nameStart, 0, bytes.size() - nameStart));
    if (terminator == nullptr) throw rtl::EReadError(rtl::Format(kvpack::consts::SBadResourceFile, path));
    const size_t flags = static_cast<size_t>(terminator - bytes.data()) + 1;
    const size_t dataStart = flags + ResourceFlagsAndLength;
    if (dataStart > bytes.size()) throw rtl::EReadError(rtl::Format(kvpack::consts::SBadResourceFile, path));
    const uint32_t length = LittleEndian32(bytes.data() + dataStart - 4);
    if (length > bytes.size() - dataStart) throw rtl::EReadError(rtl::Format(kvpack::consts::SBadResourceFile, path));
    return std::vector<uint8_t>(bytes.begin() + static_cast<std::ptrdiff_t>(dataStart),
                                bytes.begin() + static_cast<std::ptrdiff_t>(dataStart + length));
}

// The loader searches the program's folder and the system folders for a bare file name; a path
// relative to the current folder must say so.
std::string AsLoadablePath(const std::string& path) {
    return path.find_first_of("\\/:") == std::string::npos ? ".\\" + path : path;
}

std::vector<uint8_t> StreamOfExecutable(const std::string& path) {
    std::vector<uint8_t> bytes;
    if (!platform::Resources().readFileRcData(AsLoadablePath(path), consts::SPayloadResource, &bytes))
        throw rtl::EResNotFound(rtl::Format(rtl::consts::SResNotFound, consts::SPayloadResource));
    return bytes;
}

}  // namespace

std::vector<uint8_t> ReadPayloadStream(const std::string& file) {
    static const uint8_t executableSignature[] = {'M', 'Z'};
    const std::vector<uint8_t> bytes = ReadWholeFile(file);
    if (StartsWith(bytes, executableSignature, sizeof executableSignature)) return StreamOfExecutable(file);
    if (StartsWith(bytes, ResourceSignature, sizeof ResourceSignature)) return StreamOfResourceFile(file, bytes);
    throw rtl::EReadError(rtl::Format(consts::SNotPayloadFile, file));
}

}  // namespace kvpack
