#pragma once
// Bytes that do not change once made: owned, or lent by whatever keeps them alive (a mapped file,
// a module loaded as data, the program's own resources). Copies share the bytes. A payload read
// from memory that outlives it refers to its files' bytes where they lie instead of copying them.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

namespace rtl {

class SharedBytes {
public:
    SharedBytes() = default;
    // Takes the bytes over.
    SharedBytes(std::vector<uint8_t> owned) {  // implicit: content is most often made as a vector
        auto keeper = std::make_shared<const std::vector<uint8_t>>(std::move(owned));
        data_ = std::shared_ptr<const uint8_t>(keeper, keeper->data());
        size_ = keeper->size();
    }
    // size bytes at data, alive while data's owner is. A pointer without owner stands for memory
    // that lives as long as the process.
    SharedBytes(std::shared_ptr<const uint8_t> data, size_t size) : data_(std::move(data)), size_(size) {}
    static SharedBytes ProcessLifetime(const uint8_t* data, size_t size) {
        return {std::shared_ptr<const uint8_t>(std::shared_ptr<const uint8_t>(), data), size};
    }

    const uint8_t* data() const { return data_.get(); }
    size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    const uint8_t* begin() const { return data(); }
    const uint8_t* end() const { return data() + size_; }
    // count bytes from offset on, kept alive with these.
    SharedBytes Slice(size_t offset, size_t count) const {
        return {std::shared_ptr<const uint8_t>(data_, data() + offset), count};
    }

    friend bool operator==(const SharedBytes& a, const SharedBytes& b) {
        return a.size_ == b.size_ && (a.size_ == 0 || std::memcmp(a.data(), b.data(), a.size_) == 0);
    }
    friend bool operator!=(const SharedBytes& a, const SharedBytes& b) { return !(a == b); }

private:
    std::shared_ptr<const uint8_t> data_;
    size_t size_ = 0;
};

}  // namespace rtl
