#include "tests/payload/StreamBytes.h"

#include <gtest/gtest.h>

#include <vector>

#include "rtl/Streaming.h"
#include "rtl/Exceptions.h"
#include "rtl/Streams.h"

namespace test {

Bytes& Bytes::Raw(std::initializer_list<int> bytes) {
    for (int b : bytes) s_ += static_cast<char>(b);
    return *this;
}

Bytes& Bytes::Name(const std::string& name) {
    s_ += static_cast<char>(name.size());
    s_ += name;
    return *this;
}

Bytes& Bytes::Int32Le(int32_t v) {
    auto u = static_cast<uint32_t>(v);
    for (int i = 0; i < 4; ++i) s_ += static_cast<char>(u >> (8 * i));
    return *this;
}

Bytes& Bytes::Str(const std::string& text) {
    s_ += '\x06';
    return Name(text);
}

std::string WriteToBytes(const rtl::TComponent& root) {
    rtl::TMemoryStream out;
    rtl::WriteComponentStream(out, root);
    return std::string(out.Bytes().begin(), out.Bytes().end());
}

void ReadFromBytes(const std::string& bytes, rtl::TComponent& root) {
    rtl::TReadOnlyMemoryStream in(bytes.data(), static_cast<int64_t>(bytes.size()));
    rtl::ReadComponentStream(in, root);
}

namespace {

std::string LoadMessage(rtl::TStream& source) {
    payload::TInstallerData data(nullptr);
    try {
        rtl::ReadComponentStream(source, data);
    } catch (const rtl::Exception& e) {
        return e.Message();
    }
    return "(loaded)";
}

}  // namespace

std::string LoadError(const std::string& bytes) {
    // The reader copies a binary value out of a plain stream, hands it over where it lies in
    // memory, or lends it from memory that may be kept: all three must judge alike.
    rtl::TReadOnlyMemoryStream viewed(bytes.data(), static_cast<int64_t>(bytes.size()));
    const std::string message = LoadMessage(viewed);
    rtl::TReadOnlyMemoryStream lent(rtl::SharedBytes(std::vector<uint8_t>(bytes.begin(), bytes.end())));
    EXPECT_EQ(LoadMessage(lent), message) << "lent";
    rtl::TMemoryStream copied;
    copied.WriteBuffer(bytes.data(), static_cast<int32_t>(bytes.size()));
    copied.SetPosition(0);
    EXPECT_EQ(LoadMessage(copied), message) << "copied";
    return message;
}

payload::TFileHolder& AddFile(payload::TFileCollection& files, const std::string& name, int32_t size, int32_t age,
                              int32_t attr) {
    payload::TFileHolder& item = files.Add();
    item.Name = name;
    item.Age = age;
    item.Size = size;
    item.Attr = attr;
    std::vector<uint8_t> content(static_cast<size_t>(size));
    for (int32_t i = 0; i < size; ++i) content[static_cast<size_t>(i)] = static_cast<uint8_t>(i * 7 + 1);
    item.Content = std::move(content);
    return item;
}

}  // namespace test
