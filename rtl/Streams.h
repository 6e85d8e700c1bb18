#pragma once
// Byte streams: the abstract stream, a growable memory stream, a read-only view of memory that
// someone else owns (a resource), and a file stream over a platform file handle.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/Files.h"
#include "rtl/SharedBytes.h"

namespace rtl {

using platform::SeekOrigin;

class TStream {
public:
    virtual ~TStream() = default;
    // Transfer up to count bytes; the number transferred comes back (0 at the end / on failure).
    virtual int32_t Read(void* buffer, int32_t count) = 0;
    virtual int32_t Write(const void* buffer, int32_t count) = 0;
    virtual int64_t Seek(int64_t offset, SeekOrigin origin) = 0;

    int64_t Position() { return Seek(0, SeekOrigin::Current); }
    void SetPosition(int64_t pos) { Seek(pos, SeekOrigin::Begin); }
    int64_t Size();
    // Exactly count bytes or EReadError "Stream read error" / EWriteError "Stream write error".
    void ReadBuffer(void* buffer, int32_t count);
    void WriteBuffer(const void* buffer, int32_t count);
    // The next count bytes without copying them, the position moved past them, where the stream's
    // memory may be kept beyond the stream's own life; false, and nothing moved, otherwise.
    virtual bool LendBytes(int64_t count, SharedBytes* bytes) { return false; }
};

class TMemoryStream : public TStream {
public:
    int32_t Read(void* buffer, int32_t count) override;
    int32_t Write(const void* buffer, int32_t count) override;
    int64_t Seek(int64_t offset, SeekOrigin origin) override;

    void Clear() { data_.clear(); pos_ = 0; }
    void SetSize(int64_t size);
    const uint8_t* Memory() const { return data_.data(); }
    uint8_t* Memory() { return data_.data(); }
    const std::vector<uint8_t>& Bytes() const { return data_; }
    std::vector<uint8_t> TakeBytes() { pos_ = 0; return std::move(data_); }

private:
    std::vector<uint8_t> data_;
    int64_t pos_ = 0;
};

// Reads memory that someone else owns.
class TReadOnlyMemoryStream : public TStream {
public:
    // Memory that outlives the stream (a buffer of the caller); what is read from it is copied.
    TReadOnlyMemoryStream(const void* data, int64_t size) : data_(static_cast<const uint8_t*>(data)), size_(size) {}
    // Memory that its keeper keeps alive: lent to what is read from it.
    explicit TReadOnlyMemoryStream(SharedBytes bytes);
    int32_t Read(void* buffer, int32_t count) override;
    int32_t Write(const void* buffer, int32_t count) override;
    int64_t Seek(int64_t offset, SeekOrigin origin) override;
    bool LendBytes(int64_t count, SharedBytes* bytes) override;
    // count bytes from offset on, without copying them, lent or not as this stream's are.
    TReadOnlyMemoryStream Part(int64_t offset, int64_t count) const;

private:
    const uint8_t* data_;
    int64_t size_;
    int64_t pos_ = 0;
    bool lends_ = false;
    SharedBytes lent_;  // what keeps data_ alive, where the stream lends it
};

// A stream over a file handle that the stream owns and closes.
class THandleStream : public TStream {
public:
    explicit THandleStream(platform::FileHandle handle) : handle_(std::move(handle)) {}
    int32_t Read(void* buffer, int32_t count) override;
    int32_t Write(const void* buffer, int32_t count) override;
    int64_t Seek(int64_t offset, SeekOrigin origin) override;
    platform::Handle Handle() const { return handle_.Get(); }

private:
    platform::FileHandle handle_;
};

enum class FileMode {
    Create,         // create or replace, read and write, shared with nobody
    OpenRead,       // existing file, read only, shared with nobody
    OpenReadShared  // existing file, read only, others may read
};

class TFileStream : public THandleStream {
public:
    // EFCreateError "Cannot create file %s" / EFOpenError "Cannot open file %s". A created file
    // gets FILE_ATTRIBUTE_NORMAL: other attributes are set after creation, which every file
    // system keeps.
    TFileStream(const std::string& path, FileMode mode);
};

// A whole file's bytes, read while others may read it too; EFOpenError when it cannot be opened,
// EReadError "Stream read error" when it cannot be read or is 2 GB or more.
std::string ReadFileBytes(const std::string& path);

}  // namespace rtl
