#pragma once
// The component stream writer: writes the signature and one root object, walking the property
// tables of the objects it reaches and choosing the narrowest encoding for each value.
#include <cstdint>
#include <string>
#include <vector>

#include "rtl/Filer.h"
#include "rtl/Collection.h"

namespace rtl {

class TWriter : public TFiler, public TValueWriter {
public:
    explicit TWriter(TStream& target) : TFiler(target) {}
    // Empties the buffer into the target. On the way out of an error the first error is the one
    // reported, so a failure here is dropped; call FlushBuffer to see it.
    ~TWriter();

    // "Stream write error" when the target takes fewer bytes than given.
    void FlushBuffer();
    void WriteSignature();
    void WriteRootComponent(const TComponent& root);

    void WriteInteger(int32_t value) override;
    void WriteString(const std::string& value) override;
    void WriteListBegin() override;
    void WriteListEnd() override;
    // The pieces of a stream for a writer that is not walking objects (a text converter): a name
    // (class, component or property name), and the tagged identifier, Boolean and set values.
    void WriteName(const std::string& name);
    void WriteIdent(const std::string& name);
    void WriteBoolean(bool value);
    void WriteSet(const std::vector<std::string>& elements);

    void DefineProperty(const char* name, const std::function<void(TValueReader&)>& read,
                        const std::function<void(TValueWriter&)>& write, bool hasData) override;
    void DefineBinaryProperty(const char* name, const std::function<void(TStream&)>& read,
                              const std::function<void(TStream&)>& write, bool hasData) override;

private:
    void WriteProperties(TPersistent& object);
    void WriteStoredProperties(TPersistent& object, const PropertyTable* table);
    void WriteProperty(TPersistent& object, const PropertyInfo& info);
    void WriteCollection(TCollection& collection);
    void WritePropName(const std::string& name) { WriteName(pathPrefix_ + name); }
    void WriteValue(ValueTag tag) { WriteByte(static_cast<uint8_t>(tag)); }
    void WriteByte(uint8_t b) { Write(&b, 1); }
    void WriteInt32(int32_t v);
    void Write(const void* data, size_t count);

    std::string pathPrefix_;  // "License." while the text list's properties are written
};

}  // namespace rtl
