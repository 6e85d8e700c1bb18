#include "rtl/Streams.h"

#include <algorithm>
#include <cstring>

#include "rtl/Consts.h"
#include "rtl/Exceptions.h"
#include "rtl/Format.h"
#include "rtl/Int32Size.h"

namespace rtl {

int64_t TStream::Size() {
    int64_t pos = Seek(0, SeekOrigin::Current);
    int64_t size = Seek(0, SeekOrigin::End);
    Seek(pos, SeekOrigin::Begin);
    return size;
}

void TStream::ReadBuffer(void* buffer, int32_t count) {
    if (count != 0 && Read(buffer, count) != count) throw EReadError(consts::SReadError);
}

void TStream::WriteBuffer(const void* buffer, int32_t count) {
    if (count != 0 && Write(buffer, count) != count) throw EWriteError(consts::SWriteError);
}

namespace {
int64_t NewPosition(int64_t pos, int64_t size, int64_t offset, SeekOrigin origin) {
    switch (origin) {
        case SeekOrigin::Begin: return offset;
        case SeekOrigin::Current: return pos + offset;
        case SeekOrigin::End: return size + offset;
    }
    return pos;
}
}  // namespace

int32_t TMemoryStream::Read(void* buffer, int32_t count) {
    if (count <= 0 || pos_ >= static_cast<int64_t>(data_.size())) return 0;
    int64_t n = std::min<int64_t>(count, static_cast<int64_t>(data_.size()) - pos_);
    std::memcpy(buffer, data_.data() + pos_, static_cast<size_t>(n));
    pos_ += n;
    return static_cast<int32_t>(n);
}

int32_t TMemoryStream::Write(const void* buffer, int32_t count) {
    if (count <= 0) return 0;
    size_t end = static_cast<size_t>(pos_) + static_cast<size_t>(count);
    if (end > data_.size()) data_.resize(end);
    std::memcpy(data_.data() + pos_, buffer, static_cast<size_t>(count));
    pos_ = static_cast<int64_t>(end);
    return count;
}

int64_t TMemoryStream::Seek(int64_t offset, SeekOrigin origin) {
    int64_t p = NewPosition(pos_, static_cast<int64_t>(data_.size()), offset, origin);
    if (p >= 0) pos_ = p;
    return pos_;
}

void TMemoryStream::SetSize(int64_t size) {
    data_.resize(static_cast<size_t>(size));
    if (pos_ > size) pos_ = size;
}

int32_t TReadOnlyMemoryStream::Read(void* buffer, int32_t count) {
    if (count <= 0 || pos_ >= size_) return 0;
    int64_t n = std::min<int64_t>(count, size_ - pos_);
    std::memcpy(buffer, data_ + pos_, static_cast<size_t>(n));
    pos_ += n;
    return static_cast<int32_t>(n);
}

int32_t TReadOnlyMemoryStream::Write(const void*, int32_t) { return 0; }

TReadOnlyMemoryStream::TReadOnlyMemoryStream(SharedBytes bytes)
    : data_(bytes.data()), size_(static_cast<int64_t>(bytes.size())), lends_(true), lent_(std::move(bytes)) {}

bool TReadOnlyMemoryStream::LendBytes(int64_t count, SharedBytes* bytes) {
    if (!lends_ || count < 0 || pos_ > size_ || count > size_ - pos_) return false;
    *bytes = lent_.Slice(static_cast<size_t>(pos_), static_cast<size_t>(count));
    pos_ += count;
    return true;
}

TReadOnlyMemoryStream TReadOnlyMemoryStream::Part(int64_t offset, int64_t count) const {
    offset = std::clamp<int64_t>(offset, 0, size_);
    count = std::clamp<int64_t>(count, 0, size_ - offset);
    if (lends_) return TReadOnlyMemoryStream(lent_.Slice(static_cast<size_t>(offset), static_cast<size_t>(count)));
    return TReadOnlyMemoryStream(data_ + offset, count);
}

int64_t TReadOnlyMemoryStream::Seek(int64_t offset, SeekOrigin origin) {
    int64_t p = NewPosition(pos_, size_, offset, origin);
    if (p >= 0) pos_ = p;
    return pos_;
}

int32_t THandleStream::Read(void* buffer, int32_t count) {
    uint32_t done = 0;
    if (count <= 0 || !platform::Files().readFile(handle_.Get(), buffer, static_cast<uint32_t>(count), &done)) return 0;
    return static_cast<int32_t>(done);
}

int32_t THandleStream::Write(const void* buffer, int32_t count) {
    uint32_t done = 0;
    if (count <= 0 || !platform::Files().writeFile(handle_.Get(), buffer, static_cast<uint32_t>(count), &done))
        return 0;
    return static_cast<int32_t>(done);
}

int64_t THandleStream::Seek(int64_t offset, SeekOrigin origin) {
    return platform::Files().seek(handle_.Get(), offset, origin);
}

namespace {
platform::FileHandle OpenFile(const std::string& path, FileMode mode) {
    using namespace platform;
    switch (mode) {
        case FileMode::Create: {
            FileHandle h(Files().createFile(path, access::Read | access::Write, share::None, disposition::CreateAlways,
                                            attr::Normal));
            if (!h.Valid()) throw EFCreateError(Format(consts::SFCreateError, path));
            return h;
        }
        case FileMode::OpenRead:
        case FileMode::OpenReadShared: {
            uint32_t shr = mode == FileMode::OpenReadShared ? share::Read : share::None;
            FileHandle h(Files().createFile(path, access::Read, shr, disposition::OpenExisting, attr::Normal));
            if (!h.Valid()) throw EFOpenError(Format(consts::SFOpenError, path));
            return h;
        }
    }
    return FileHandle();
}
}  // namespace

TFileStream::TFileStream(const std::string& path, FileMode mode) : THandleStream(OpenFile(path, mode)) {}

std::string ReadFileBytes(const std::string& path) {
    TFileStream file(path, FileMode::OpenReadShared);
    const int64_t size = file.Size();
    if (size < 0 || size > kMaxInt32Size) throw EReadError(consts::SReadError);
    std::string bytes(static_cast<size_t>(size), '\0');
    file.SetPosition(0);
    file.ReadBuffer(bytes.data(), static_cast<int32_t>(size));
    return bytes;
}

}  // namespace rtl
