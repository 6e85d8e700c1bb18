#pragma once
// The sizes that the component stream, the resource file and the platform's calls hold in 32
// bits. A size beyond them is refused, never cut: a length field that wrapped would describe
// other bytes, and a stream that one bitness writes must be one that the other reads.
#include <cstdint>
#include <limits>

#include "rtl/Consts.h"
#include "rtl/Exceptions.h"
#include "rtl/Format.h"

namespace rtl {

// The most bytes that one stream, resource entry, string or binary value holds.
inline constexpr int64_t kMaxInt32Size = std::numeric_limits<int32_t>::max();

// size as a 32-bit count; EWriteError "%s bytes do not fit a 32-bit size ..." when it does not fit.
inline int32_t Int32Size(uint64_t size) {
    if (size > static_cast<uint64_t>(kMaxInt32Size))
        throw EWriteError(Format(consts::SSizeTooLarge, static_cast<int64_t>(size > INT64_MAX ? INT64_MAX : size)));
    return static_cast<int32_t>(size);
}

}  // namespace rtl
