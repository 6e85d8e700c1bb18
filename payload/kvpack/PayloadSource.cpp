#include "payload/kvpack/PayloadSource.h"

#include <cstdint>
#include <cstring>

#include "payload/kvpack/KvpackConsts.h"
#include "platform/Files.h"
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

bool StartsWith(const rtl::SharedBytes& bytes, const uint8_t* prefix, size_t length) {
    return bytes.size() >= length && std::memcmp(bytes.data(), prefix, length) == 0;
}

uint32_t LittleEndian32(const uint8_t* p) {
    return p[0] | (uint32_t{p[1]} << 8) | (uint32_t{p[2]} << 16) | (uint32_t{p[3]} << 24);
}

rtl::SharedBytes StreamOfResourceFile(const std::string& path, const rtl::SharedBytes& bytes) {
    const size_t nameStart = sizeof ResourceSignature;
    const auto terminator = static_cast<const uint8_t*>(
        std::memchr(bytes.data() + nameStart, 0, bytes.size() - nameStart));
    if (terminator == nullptr) throw rtl::EReadError(rtl::Format(kvpack::consts::SBadResourceFile, path));
    const size_t flags = static_cast<size_t>(terminator - bytes.data()) + 1;
    const size_t dataStart = flags + ResourceFlagsAndLength;
    if (dataStart > bytes.size()) throw rtl::EReadError(rtl::Format(kvpack::consts::SBadResourceFile, path));
    const uint32_t length = LittleEndian32(bytes.data() + dataStart - 4);
    if (length > bytes.size() - dataStart) throw rtl::EReadError(rtl::Format(kvpack::consts::SBadResourceFile, path));
    return bytes.Slice(dataStart, length);
}

rtl::SharedBytes StreamOfExecutable(const std::string& path) {
    platform::MappedBytes bytes;
    if (!platform::Resources().readFileRcData(path, consts::SPayloadResource, &bytes))
        throw rtl::EResNotFound(rtl::Format(rtl::consts::SResNotFound, consts::SPayloadResource));
    return rtl::SharedBytes(std::move(bytes.data), bytes.size);
}

rtl::SharedBytes StreamOf(const std::string& file, bool bareAllowed) {
    static const uint8_t executableSignature[] = {'M', 'Z'};
    const rtl::SharedBytes bytes = MapWholeFile(file);
    if (StartsWith(bytes, executableSignature, sizeof executableSignature)) return StreamOfExecutable(file);
    if (StartsWith(bytes, ResourceSignature, sizeof ResourceSignature)) return StreamOfResourceFile(file, bytes);
    if (bareAllowed) return bytes;
    throw rtl::EReadError(rtl::Format(consts::SNotPayloadFile, file));
}

}  // namespace

rtl::SharedBytes MapWholeFile(const std::string& path) {
    platform::MappedBytes mapped;
    if (!platform::Files().mapFile(path, &mapped)) throw rtl::EFOpenError(rtl::Format(rtl::consts::SFOpenError, path));
    if (mapped.size > INT32_MAX) throw rtl::EReadError(rtl::consts::SReadError);
    return rtl::SharedBytes(std::move(mapped.data), mapped.size);
}

rtl::SharedBytes ReadPayloadStream(const std::string& file) { return StreamOf(file, false); }

rtl::SharedBytes ReadPayloadStreamOrBare(const std::string& file) { return StreamOf(file, true); }

}  // namespace kvpack
