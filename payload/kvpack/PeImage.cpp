#include "payload/kvpack/PeImage.h"

#include <algorithm>

namespace kvpack {
namespace {

uint16_t Read16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }
uint32_t Read32(const uint8_t* p) { return p[0] | (uint32_t{p[1]} << 8) | (uint32_t{p[2]} << 16) | (uint32_t{p[3]} << 24); }

constexpr size_t DosHeaderPeOffset = 0x3C;
constexpr size_t FileHeaderSize = 20;
constexpr size_t SectionHeaderSize = 40;
constexpr uint16_t Pe32Magic = 0x10B, Pe32PlusMagic = 0x20B;
constexpr uint32_t CertificateTableIndex = 4;
constexpr uint32_t DebugDirectoryIndex = 6;

void Write32(uint8_t* p, uint32_t v) {
    for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(v >> (8 * i));
}

uint32_t RoundUp(uint32_t value, uint32_t alignment) { return (value + alignment - 1) / alignment * alignment; }

// Where the headers of an image lie, found once the image is known to be a PE image.
struct HeaderOffsets {
    size_t optional, directories, sections;
    uint32_t directoryCount;
    uint16_t sectionCount;
};

HeaderOffsets Offsets(const uint8_t* bytes) {
    const size_t file = Read32(bytes + DosHeaderPeOffset) + 4;
    HeaderOffsets o;
    o.sectionCount = Read16(bytes + file + 2);
    o.optional = file + FileHeaderSize;
    const size_t countOffset = Read16(bytes + o.optional) == Pe32Magic ? 92 : 108;
    o.directoryCount = Read32(bytes + o.optional + countOffset);
    o.directories = o.optional + countOffset + 4;
    o.sections = o.optional + Read16(bytes + file + 16);
    return o;
}

}  // namespace

bool ReadPeImage(const uint8_t* bytes, size_t size, PeImage* image) {
    if (size < DosHeaderPeOffset + 4 || bytes[0] != 'M' || bytes[1] != 'Z') return false;
    const size_t pe = Read32(bytes + DosHeaderPeOffset);
    if (pe > size || size - pe < 4 + FileHeaderSize + 2) return false;
    if (Read32(bytes + pe) != 0x00004550) return false;  // "PE\0\0"
    const uint8_t* file = bytes + pe + 4;
    const uint16_t sections = Read16(file + 2);
    const uint16_t optionalSize = Read16(file + 16);
    const uint8_t* optional = file + FileHeaderSize;
    const size_t optionalOffset = static_cast<size_t>(optional - bytes);
    if (size - optionalOffset < optionalSize + size_t{sections} * SectionHeaderSize) return false;
    const uint16_t magic = Read16(optional);
    if (magic != Pe32Magic && magic != Pe32PlusMagic) return false;
    // The data directories follow the count of them; PE32+ has 16 more bytes before.
    const size_t countOffset = magic == Pe32Magic ? 92 : 108;
    if (optionalSize < countOffset + 4) return false;
    image->sectionAlignment = Read32(optional + 32);
    image->fileAlignment = Read32(optional + 36);
    image->checksumOffset = optionalOffset + 64;
    image->checksum = Read32(optional + 64);
    const uint32_t directories = Read32(optional + countOffset);
    const size_t certificateEntry = countOffset + 4 + CertificateTableIndex * 8;
    image->certificateTableSize =
        directories > CertificateTableIndex && optionalSize >= certificateEntry + 8 ? Read32(optional + certificateEntry + 4) : 0;
    image->sectionFileOffsets.clear();
    const uint8_t* section = optional + optionalSize;
    for (uint16_t i = 0; i < sections; ++i, section += SectionHeaderSize) {
        if (Read32(section + 16) != 0) image->sectionFileOffsets.push_back(Read32(section + 20));
    }
    return true;
}

bool IsPageAligned(const PeImage& image) {
    if (image.fileAlignment == 0 || image.fileAlignment != image.sectionAlignment) return false;
    for (uint32_t offset : image.sectionFileOffsets) {
        if (offset % image.fileAlignment != 0) return false;
    }
    return true;
}

uint32_t PeChecksum(const uint8_t* bytes, size_t size, size_t checksumOffset) {
    uint64_t sum = 0;
    for (size_t i = 0; i < size; i += 2) {
        if (i == checksumOffset || i == checksumOffset + 2) continue;
        sum += bytes[i] | (i + 1 < size ? bytes[i + 1] << 8 : 0);
        sum = (sum & 0xFFFF) + (sum >> 16);
    }
    sum = (sum & 0xFFFF) + (sum >> 16);
    return static_cast<uint32_t>(sum + size);
}

bool WithFileAlignment(const uint8_t* bytes, size_t size, uint32_t alignment, std::vector<uint8_t>* out) {
    PeImage image;
    if (!ReadPeImage(bytes, size, &image) || image.certificateTableSize != 0) return false;
    const HeaderOffsets o = Offsets(bytes);
    if (o.directoryCount > DebugDirectoryIndex && Read32(bytes + o.directories + DebugDirectoryIndex * 8 + 4) != 0)
        return false;
    const uint32_t headersSize = Read32(bytes + o.optional + 60);
    if (headersSize > size) return false;
    out->assign(bytes, bytes + headersSize);
    out->resize(RoundUp(headersSize, alignment));
    uint8_t* optional = out->data() + o.optional;
    Write32(optional + 36, alignment);
    Write32(optional + 60, RoundUp(headersSize, alignment));

    // Sections in the order they lie in the file; what follows the last one is kept.
    std::vector<uint16_t> order;
    size_t end = headersSize;
    for (uint16_t i = 0; i < o.sectionCount; ++i) {
        const uint8_t* section = bytes + o.sections + i * SectionHeaderSize;
        const uint32_t rawSize = Read32(section + 16), rawOffset = Read32(section + 20);
        if (rawSize == 0) continue;
        if (rawOffset > size || rawSize > size - rawOffset) return false;
        order.push_back(i);
        end = std::max(end, size_t{rawOffset} + rawSize);
    }
    std::sort(order.begin(), order.end(), [&](uint16_t a, uint16_t b) {
        return Read32(bytes + o.sections + a * SectionHeaderSize + 20) < Read32(bytes + o.sections + b * SectionHeaderSize + 20);
    });
    for (uint16_t i : order) {
        const uint8_t* section = bytes + o.sections + i * SectionHeaderSize;
        const uint32_t virtualSize = Read32(section + 8), rawSize = Read32(section + 16), rawOffset = Read32(section + 20);
        // Bytes past the size in memory are never loaded; a size in memory of 0 means the raw size.
        const uint32_t kept = virtualSize != 0 ? std::min(rawSize, virtualSize) : rawSize;
        const uint32_t newOffset = static_cast<uint32_t>(out->size());
        out->insert(out->end(), bytes + rawOffset, bytes + rawOffset + kept);
        out->resize(newOffset + RoundUp(kept, alignment));
        uint8_t* header = out->data() + o.sections + i * SectionHeaderSize;
        Write32(header + 16, RoundUp(kept, alignment));
        Write32(header + 20, newOffset);
    }
    out->insert(out->end(), bytes + end, bytes + size);
    Write32(out->data() + o.optional + 64, PeChecksum(out->data(), out->size(), o.optional + 64));
    return true;
}

}  // namespace kvpack
