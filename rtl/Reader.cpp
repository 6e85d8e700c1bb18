#include "rtl/Reader.h"

#include <algorithm>
#include <cstring>

#include "rtl/Consts.h"
#include "rtl/Exceptions.h"
#include "rtl/Format.h"

namespace rtl {


namespace {

[[noreturn]] void InvalidValue() { throw EReadError(consts::SInvalidPropertyValue); }

const PropertyInfo* FindStoredProperty(const TPersistent& object, const std::string& name) {
    for (const PropertyTable* table = object.StoredProperties(); table; table = table->inherited)
        for (size_t i = 0; i < table->count; ++i)
            if (SameAsciiName(table->properties[i].name, name)) return &table->properties[i];
    return nullptr;
}

bool IsIntegerTag(uint8_t b) {
    auto tag = static_cast<ValueTag>(b);
    return tag == ValueTag::Int8 || tag == ValueTag::Int16 || tag == ValueTag::Int32;
}

}  // namespace

TReader::TReader(TStream& source) : TFiler(source), memory_(dynamic_cast<const TReadOnlyMemoryStream*>(&source)) {
    sourceLeft_ = std::max<int64_t>(0, source.Size() - source.Position());
}

void TReader::Fill() {
    int32_t n = stream_.Read(buffer_.data(), static_cast<int32_t>(buffer_.size()));
    if (n <= 0) throw EReadError(consts::SReadError);
    bufPos_ = 0;
    bufEnd_ = static_cast<size_t>(n);
    sourceLeft_ = std::max<int64_t>(0, sourceLeft_ - n);
}

void TReader::Read(void* dest, size_t count) {
    auto* out = static_cast<uint8_t*>(dest);
    while (count > 0) {
        if (bufPos_ == bufEnd_) Fill();
        size_t n = std::min(count, bufEnd_ - bufPos_);
        std::memcpy(out, buffer_.data() + bufPos_, n);
        bufPos_ += n;
        out += n;
        count -= n;
    }
}

void TReader::Skip(int64_t count) {
    const auto buffered = static_cast<int64_t>(bufEnd_ - bufPos_);
    if (count <= buffered) {
        bufPos_ += static_cast<size_t>(count);
        return;
    }
    stream_.Seek(count - buffered, SeekOrigin::Current);
    sourceLeft_ -= count - buffered;
    bufPos_ = bufEnd_ = 0;
}

uint8_t TReader::ReadByte() {
    if (bufPos_ == bufEnd_) Fill();
    return buffer_[bufPos_++];
}

uint8_t TReader::PeekByte() {
    if (bufPos_ == bufEnd_) Fill();
    return buffer_[bufPos_];
}

int32_t TReader::ReadInt32() {
    uint8_t b[4];
    Read(b, sizeof b);
    return static_cast<int32_t>(static_cast<uint32_t>(b[0]) | static_cast<uint32_t>(b[1]) << 8 |
                                static_cast<uint32_t>(b[2]) << 16 | static_cast<uint32_t>(b[3]) << 24);
}

void TReader::CheckAvailable(int64_t count) const {
    if (count < 0 || count > Available()) throw EReadError(consts::SReadError);
}

void TReader::ReadSignature() {
    char signature[sizeof kSignature];
    Read(signature, sizeof signature);
    if (std::memcmp(signature, kSignature, sizeof kSignature) != 0) throw EReadError(consts::SInvalidImage);
}

int32_t TReader::ReadInteger() {
    switch (ReadValue()) {
        case ValueTag::Int8: return static_cast<int8_t>(ReadByte());
        case ValueTag::Int16: {
            uint8_t b[2];
            Read(b, sizeof b);
            return static_cast<int16_t>(static_cast<uint16_t>(b[0] | b[1] << 8));
        }
        case ValueTag::Int32: return ReadInt32();
        default: InvalidValue();
    }
}

std::string TReader::ReadString() {
    int32_t length;
    switch (ReadValue()) {
        case ValueTag::String: length = ReadByte(); break;
        case ValueTag::LongString: length = ReadInt32(); break;
        default: InvalidValue();
    }
    CheckAvailable(length);
    std::string s(static_cast<size_t>(length), '\0');
    Read(s.data(), s.size());
    return s;
}

std::string TReader::ReadName() {
    std::string s(ReadByte(), '\0');
    Read(s.data(), s.size());
    return s;
}

void TReader::ReadListBegin() {
    if (ReadValue() != ValueTag::List) InvalidValue();
}

bool TReader::EndOfList() { return static_cast<ValueTag>(PeekByte()) == ValueTag::Null; }

// Every caller has asked EndOfList first, so the byte taken is the end marker.
void TReader::ReadListEnd() { ReadByte(); }

void TReader::ReadPrefix() {
    if (PeekByte() < 0xF0) return;
    uint8_t flags = ReadByte() & 0x0F;
    if (flags & 2) ReadInteger();  // a child position: meaningless for the installer data
}

void TReader::ReadRootComponent(TComponent& root, const ClassList* classes) {
    root_ = &root;
    classes_ = classes;
    ReadPrefix();
    ReadName();  // the class name: the caller chose the object, so any name is accepted
    std::string name = ReadName();
    TComponent::ValidateName(name);
    root.SetName(name);
    while (!EndOfList()) ReadProperty(root);
    ReadListEnd();
    root.AfterRead();
    ReadChildren(root);
    ResolveFixups();
}

void TReader::ResolveFixups() {
    for (const Fixup& f : fixups_)
        if (!f.info->bind(*f.object, *root_, f.name))
            throw EReadError(Format(consts::SPropertyReadError, f.objectName, ".", f.path, consts::SInvalidPropertyValue));
    fixups_.clear();
}

void TReader::ReadChildren(TComponent& parent) {
    while (!EndOfList()) ReadChild(parent);
    ReadListEnd();
}

void TReader::ReadChild(TComponent& parent) {
    ReadPrefix();
    std::string className = ReadName();
    std::string name = ReadName();
    ComponentFactory create = classes_ ? FindClass(*classes_, className) : nullptr;
    if (!create) throw EClassNotFound(Format(consts::SClassNotFound, className));
    TComponent::ValidateName(name);
    if (root_->FindComponent(name)) throw EComponentError(Format(consts::SDuplicateName, name));
    // Owned by the root from here on, so an error further down frees it with the root.
    TComponent* child = create(root_);
    child->SetName(name);
    child->SetParentComponent(&parent);
    while (!EndOfList()) ReadProperty(*child);
    ReadListEnd();
    child->AfterRead();
    ReadChildren(*child);
}

void TReader::ReadProperty(TPersistent& instance) {
    std::string path = ReadName();
    propertyOwner_ = &instance;
    propertyPath_ = path;
    try {
        TPersistent* object = &instance;
        size_t start = 0;
        for (size_t dot; (dot = path.find('.', start)) != std::string::npos; start = dot + 1) {
            const PropertyInfo* info = FindStoredProperty(*object, path.substr(start, dot - start));
            if (!info) throw EReadError(consts::SUnknownProperty);
            if (info->kind != PropertyKind::Object) throw EReadError(consts::SInvalidPropertyPath);
            object = info->getObject(*object);
            if (!object) throw EReadError(consts::SInvalidPropertyPath);
        }
        std::string last = path.substr(start);
        if (const PropertyInfo* info = FindStoredProperty(*object, last))
            ReadStoredValue(*object, *info);
        else
            ReadCustomProperty(*object, last);
    } catch (const Exception& e) {
        throw EReadError(Format(consts::SPropertyReadError, ObjectDisplayName(instance), ".", path, e.Message()));
    }
}

void TReader::ReadStoredValue(TPersistent& object, const PropertyInfo& info) {
    switch (info.kind) {
        case PropertyKind::Integer:
            // Well-known values may stand as identifiers (clBtnFace, ANSI_CHARSET).
            if (info.idents && static_cast<ValueTag>(PeekByte()) == ValueTag::Ident) {
                ReadValue();
                info.setInteger(object, ReadIdentValue(*info.idents));
            } else {
                info.setInteger(object, ReadInteger());
            }
            return;
        case PropertyKind::String: info.setString(object, ReadString()); return;
        case PropertyKind::Boolean: {
            ValueTag tag = ReadValue();
            if (tag != ValueTag::False && tag != ValueTag::True) InvalidValue();
            info.setInteger(object, tag == ValueTag::True ? 1 : 0);
            return;
        }
        case PropertyKind::Enumeration:
            if (ReadValue() != ValueTag::Ident) InvalidValue();
            info.setInteger(object, ReadIdentValue(*info.idents));
            return;
        case PropertyKind::Set:
            if (ReadValue() != ValueTag::Set) InvalidValue();
            info.setInteger(object, ReadSetValue(*info.idents));
            return;
        case PropertyKind::Reference:
            // An identifier that the root must publish (a handler, a component), which may
            // come later in the stream.
            if (ReadValue() != ValueTag::Ident) InvalidValue();
            fixups_.push_back({&object, &info, ReadName(), ObjectDisplayName(*propertyOwner_), propertyPath_});
            return;
        case PropertyKind::Object: {
            // Only a collection can take a value of its own; every other object keeps the one its
            // holder created, so Nil, an identifier or a list in its place does not fit.
            auto* collection = dynamic_cast<TCollection*>(info.getObject(object));
            if (!collection || ReadValue() != ValueTag::Collection) InvalidValue();
            ReadCollection(*collection);
            return;
        }
    }
}

// The identifier after its tag.
int32_t TReader::ReadIdentValue(const IdentTable& idents) {
    int32_t value = 0;
    if (!FindIdent(idents, ReadName(), &value)) InvalidValue();
    return value;
}

int32_t TReader::ReadSetValue(const IdentTable& elements) {
    int32_t bits = 0;
    for (std::string element; !(element = ReadName()).empty();) {
        int32_t bit = 0;
        if (!FindIdent(elements, element, &bit)) InvalidValue();
        bits |= 1 << bit;
    }
    return bits;
}

void TReader::ReadCustomProperty(TPersistent& object, const std::string& name) {
    customName_ = name;
    customFound_ = false;
    object.DefineProperties(*this);
    if (!customFound_) throw EReadError(consts::SUnknownProperty);
}

void TReader::DefineProperty(const char* name, const std::function<void(TValueReader&)>& read,
                             const std::function<void(TValueWriter&)>&, bool) {
    if (customFound_ || !SameAsciiName(name, customName_)) return;
    customFound_ = true;
    read(*this);
}

void TReader::DefineBinaryProperty(const char* name, const std::function<void(TStream&)>& read,
                                   const std::function<void(TStream&)>&, bool) {
    if (customFound_ || !SameAsciiName(name, customName_)) return;
    customFound_ = true;
    if (ReadValue() != ValueTag::Binary) InvalidValue();
    int32_t length = ReadInt32();
    CheckAvailable(length);
    if (memory_) {
        // No copy here: the callback copies the bytes, or keeps them where the source lends them.
        TReadOnlyMemoryStream block = memory_->Part(stream_.Position() - static_cast<int64_t>(bufEnd_ - bufPos_), length);
        Skip(length);
        read(block);
        return;
    }
    TMemoryStream block;
    block.SetSize(length);
    Read(block.Memory(), static_cast<size_t>(length));
    read(block);
}

void TReader::ReadCollection(TCollection& collection) {
    if (!EndOfList()) collection.Clear();
    while (!EndOfList()) {
        if (IsIntegerTag(PeekByte())) ReadInteger();  // an item index: not used
        ReadListBegin();
        TCollectionItem& item = collection.AddItem();
        while (!EndOfList()) ReadProperty(item);
        ReadListEnd();
        item.AfterRead();
    }
    ReadListEnd();
}

}  // namespace rtl
