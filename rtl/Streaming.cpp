#include "rtl/Streaming.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "platform/Resources.h"
#include "rtl/Consts.h"
#include "rtl/Exceptions.h"
#include "rtl/Format.h"
#include "rtl/Int32Size.h"
#include "rtl/Reader.h"
#include "rtl/TextRules.h"
#include "rtl/Writer.h"

namespace rtl {

namespace {

inline constexpr uint16_t kRtRcData = 10;
inline constexpr uint16_t kResourceMemoryFlags = 0x1030;  // moveable, pure, discardable
inline constexpr size_t kMaxResourceNameLength = 63;

void PutUInt16(std::vector<uint8_t>& out, uint16_t v) {
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}

// A 16-bit resource file entry header: type by number, name by text, flags, and a length that
// is filled in once the data has been written.
std::vector<uint8_t> ResourceHeader(const std::string& name) {
    std::vector<uint8_t> header{0xFF};
    PutUInt16(header, kRtRcData);
    for (char c : name.substr(0, kMaxResourceNameLength))
        header.push_back(static_cast<uint8_t>(UpperAscii(c)));
    header.push_back(0);
    PutUInt16(header, kResourceMemoryFlags);
    header.insert(header.end(), 4, 0);
    return header;
}

}  // namespace

void ReadComponentStream(TStream& source, TComponent& root, const ClassList* classes) {
    TReader reader(source);
    reader.ReadSignature();
    reader.ReadRootComponent(root, classes);
}

void WriteComponentStream(TStream& target, const TComponent& root) {
    const int64_t start = target.Position();
    {
        TWriter writer(target);
        writer.WriteSignature();
        writer.WriteRootComponent(root);
        writer.FlushBuffer();
    }
    // A longer stream would be one that no reader takes, nor a resource file's length describes.
    Int32Size(static_cast<uint64_t>(target.Position() - start));
}

void WriteResourceFile(TStream& target, const std::string& name, const TComponent& root) {
    std::vector<uint8_t> header = ResourceHeader(name);
    target.WriteBuffer(header.data(), Int32Size(header.size()));
    int64_t dataStart = target.Position();
    WriteComponentStream(target, root);  // its writer has emptied its buffer when this returns
    int64_t length = target.Position() - dataStart;
    auto u = static_cast<uint32_t>(Int32Size(static_cast<uint64_t>(length)));
    uint8_t lengthBytes[4] = {static_cast<uint8_t>(u), static_cast<uint8_t>(u >> 8), static_cast<uint8_t>(u >> 16),
                              static_cast<uint8_t>(u >> 24)};
    target.SetPosition(dataStart - 4);
    target.WriteBuffer(lengthBytes, sizeof lengthBytes);
    target.SetPosition(dataStart + length);
}

void ReadComponentResource(const std::string& name, TComponent& root, const ClassList* classes) {
    platform::ResourceBytes bytes;
    if (!platform::Resources().findOwnRcData(name, &bytes))
        throw EResNotFound(Format(consts::SResNotFound, name));
    // The module's resources stay mapped while the program runs: what is read may keep them.
    TReadOnlyMemoryStream source(SharedBytes::ProcessLifetime(bytes.data, bytes.size));
    ReadComponentStream(source, root, classes);
}

}  // namespace rtl
