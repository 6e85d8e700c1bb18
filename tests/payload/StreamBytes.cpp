#include "tests/payload/StreamBytes.h"

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

std::string LoadError(const std::string& bytes) {
    payload::TInstallerData data(nullptr);
    try {
        ReadFromBytes(bytes, data);
    } catch (const rtl::Exception& e) {
        return e.Message();
    }
    return "(loaded)";
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
