#pragma once
// The common base of the component stream reader and writer: the byte stream they work on
// (the caller creates and frees it) and a 4096-byte buffer of their own.
#include <array>
#include <cstdint>
#include <string>

#include "rtl/Component.h"
#include "rtl/Streams.h"

namespace rtl {

// The tag byte in front of every value.
enum class ValueTag : uint8_t {
    Null = 0, List = 1, Int8 = 2, Int16 = 3, Int32 = 4, Extended = 5, String = 6, Ident = 7, False = 8,
    True = 9, Binary = 10, Set = 11, LongString = 12, Nil = 13, Collection = 14, Single = 15, Currency = 16,
    Date = 17, WideString = 18, Int64 = 19
};

inline constexpr char kSignature[4] = {'T', 'P', 'F', '0'};
inline constexpr size_t kFilerBufferSize = 4096;

class TFiler : public TPropertyDefiner {
public:
    explicit TFiler(TStream& stream) : stream_(stream) {}
    TFiler(const TFiler&) = delete;
    TFiler& operator=(const TFiler&) = delete;

protected:
    ~TFiler() = default;

    TStream& stream_;
    std::array<uint8_t, kFilerBufferSize> buffer_{};
    size_t bufPos_ = 0;
    size_t bufEnd_ = 0;
};

// The name under which errors about an object's properties are reported: its component name,
// or its class name when it has none.
std::string ObjectDisplayName(const TPersistent& object);

}  // namespace rtl
