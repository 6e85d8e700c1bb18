#include "rtl/Writer.h"

#include <algorithm>
#include <cstring>

#include "rtl/Consts.h"
#include "rtl/Exceptions.h"
#include "rtl/Int32Size.h"

namespace rtl {

namespace {
inline constexpr size_t kMaxShortLength = 255;
}  // namespace

TWriter::~TWriter() {
    try {
        FlushBuffer();
    } catch (...) {
    }
}

void TWriter::FlushBuffer() {
    size_t n = bufPos_;
    bufPos_ = 0;  // what failed to go out is not retried
    stream_.WriteBuffer(buffer_.data(), Int32Size(n));
}

void TWriter::Write(const void* data, size_t count) {
    auto* in = static_cast<const uint8_t*>(data);
    while (count > 0) {
        if (bufPos_ == buffer_.size()) FlushBuffer();
        size_t n = std::min(count, buffer_.size() - bufPos_);
        std::memcpy(buffer_.data() + bufPos_, in, n);
        bufPos_ += n;
        in += n;
        count -= n;
    }
}

void TWriter::WriteInt32(int32_t v) {
    auto u = static_cast<uint32_t>(v);
    uint8_t b[4] = {static_cast<uint8_t>(u), static_cast<uint8_t>(u >> 8), static_cast<uint8_t>(u >> 16),
                    static_cast<uint8_t>(u >> 24)};
    Write(b, sizeof b);
}

void TWriter::WriteSignature() { Write(kSignature, sizeof kSignature); }

void TWriter::WriteName(const std::string& name) {
    size_t length = std::min(name.size(), kMaxShortLength);
    WriteByte(static_cast<uint8_t>(length));
    Write(name.data(), length);
}

void TWriter::WriteInteger(int32_t value) {
    if (value >= -128 && value <= 127) {
        WriteValue(ValueTag::Int8);
        WriteByte(static_cast<uint8_t>(value));
    } else if (value >= -32768 && value <= 32767) {
        WriteValue(ValueTag::Int16);
        auto u = static_cast<uint16_t>(value);
        uint8_t b[2] = {static_cast<uint8_t>(u), static_cast<uint8_t>(u >> 8)};
        Write(b, sizeof b);
    } else {
        WriteValue(ValueTag::Int32);
        WriteInt32(value);
    }
}

void TWriter::WriteString(const std::string& value) {
    if (value.size() <= kMaxShortLength) {
        WriteValue(ValueTag::String);
        WriteByte(static_cast<uint8_t>(value.size()));
    } else {
        WriteValue(ValueTag::LongString);
        WriteInt32(Int32Size(value.size()));
    }
    Write(value.data(), value.size());
}

void TWriter::WriteIdent(const std::string& name) {
    WriteValue(ValueTag::Ident);
    WriteName(name);
}

void TWriter::WriteBoolean(bool value) { WriteValue(value ? ValueTag::True : ValueTag::False); }

void TWriter::WriteSet(const std::vector<std::string>& elements) {
    WriteValue(ValueTag::Set);
    for (const std::string& element : elements) WriteName(element);
    WriteName("");
}

void TWriter::WriteListBegin() { WriteValue(ValueTag::List); }
void TWriter::WriteListEnd() { WriteValue(ValueTag::Null); }

void TWriter::WriteRootComponent(const TComponent& root) {
    // Announcing custom properties binds the callbacks of both directions, so the walk needs a
    // non-const object; the writer calls only the ones that read the object.
    auto& object = const_cast<TComponent&>(root);
    WriteName(object.ClassName());
    WriteName(object.Name());
    WriteProperties(object);
    WriteListEnd();
    WriteListEnd();  // the children: the installer's objects own no streamed components
}

void TWriter::WriteProperties(TPersistent& object) {
    WriteStoredProperties(object, object.StoredProperties());
    object.DefineProperties(*this);
}

void TWriter::WriteStoredProperties(TPersistent& object, const PropertyTable* table) {
    if (!table) return;
    WriteStoredProperties(object, table->inherited);  // inherited properties come first
    for (size_t i = 0; i < table->count; ++i) WriteProperty(object, table->properties[i]);
}

void TWriter::WriteProperty(TPersistent& object, const PropertyInfo& info) {
    if (!info.stored) return;
    switch (info.kind) {
        case PropertyKind::Integer: {
            int32_t value = info.getInteger(object);
            if (value == info.defaultValue) return;
            WritePropName(info.name);
            WriteInteger(value);
            return;
        }
        case PropertyKind::Boolean:
        case PropertyKind::Enumeration:
        case PropertyKind::Set: {
            int32_t value = info.getInteger(object);
            if (value == info.defaultValue) return;
            WritePropName(info.name);
            if (info.kind == PropertyKind::Boolean) {
                WriteBoolean(value != 0);
            } else if (info.kind == PropertyKind::Enumeration) {
                const char* name = IdentName(*info.idents, value);
                if (!name) throw EWriteError(consts::SInvalidPropertyValue);
                WriteIdent(name);
            } else {
                std::vector<std::string> elements;
                for (size_t i = 0; i < info.idents->count; ++i)
                    if (value & (1 << info.idents->values[i].value)) elements.push_back(info.idents->values[i].name);
                WriteSet(elements);
            }
            return;
        }
        case PropertyKind::Reference: return;  // resolved by the root that reads them
        case PropertyKind::String: {
            std::string value = info.getString(object);
            if (value.empty()) return;
            WritePropName(info.name);
            WriteString(value);
            return;
        }
        case PropertyKind::Object: {
            TPersistent* held = info.getObject(object);
            if (!held) return;
            if (auto* collection = dynamic_cast<TCollection*>(held)) {
                WritePropName(info.name);
                WriteCollection(*collection);
                return;
            }
            // A plain object writes no value of its own: its properties go under a dotted path.
            std::string saved = pathPrefix_;
            pathPrefix_ += info.name;
            pathPrefix_ += '.';
            WriteProperties(*held);
            pathPrefix_ = saved;
            return;
        }
    }
}

void TWriter::WriteCollection(TCollection& collection) {
    WriteValue(ValueTag::Collection);
    std::string saved = pathPrefix_;
    pathPrefix_.clear();  // an item's names never carry a path
    for (int i = 0; i < collection.Count(); ++i) {
        WriteListBegin();
        WriteProperties(collection.ItemAt(i));
        WriteListEnd();
    }
    pathPrefix_ = saved;
    WriteListEnd();
}

void TWriter::DefineProperty(const char* name, const std::function<void(TValueReader&)>&,
                             const std::function<void(TValueWriter&)>& write, bool hasData) {
    if (!hasData) return;
    WritePropName(name);
    write(*this);
}

void TWriter::DefineBinaryProperty(const char* name, const std::function<void(TStream&)>&,
                                   const std::function<void(TStream&)>& write, bool hasData) {
    if (!hasData) return;
    TMemoryStream block;
    write(block);
    WritePropName(name);
    WriteValue(ValueTag::Binary);
    WriteInt32(Int32Size(static_cast<uint64_t>(block.Size())));
    Write(block.Memory(), block.Bytes().size());
}

}  // namespace rtl
