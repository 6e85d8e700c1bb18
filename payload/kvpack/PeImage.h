#pragma once
// What bind needs to know of an executable's headers: whether it carries a signature, and where
// its sections lie in the file (for the page-aligned layout that lets Wine map them).
#include <cstddef>
#include <cstdint>
#include <vector>

namespace kvpack {

struct PeImage {
    uint32_t fileAlignment = 0;
    uint32_t sectionAlignment = 0;
    uint32_t certificateTableSize = 0;  // the Authenticode signature's directory entry
    uint32_t checksum = 0;
    size_t checksumOffset = 0;
    std::vector<uint32_t> sectionFileOffsets;  // of sections with bytes in the file
};

// False when the bytes are no 32- or 64-bit PE image.
bool ReadPeImage(const uint8_t* bytes, size_t size, PeImage* image);

// Every section starts at a multiple of the file alignment, and that alignment is the one of
// the sections in memory, so that the loader can map the file as it lies.
bool IsPageAligned(const PeImage& image);

// The image laid out again with every section at a multiple of alignment in the file: the
// headers and each section's bytes (those within its size in memory) padded to it, FileAlignment
// set to it and the checksum made afresh; what follows the last section stays after it. The
// program is the same: only offsets in the file change. False when the image has a
// debug directory or a signature, whose file offsets would be left pointing elsewhere.
bool WithFileAlignment(const uint8_t* bytes, size_t size, uint32_t alignment, std::vector<uint8_t>* out);

// The optional header's checksum as the loader's image helper computes it.
uint32_t PeChecksum(const uint8_t* bytes, size_t size, size_t checksumOffset);

}  // namespace kvpack
