#pragma once
// The component stream reader: reads the signature and one root object into an existing
// component, walking the property tables of the objects it reaches.
#include <cstdint>
#include <string>
#include <vector>

#include "rtl/ClassList.h"
#include "rtl/Collection.h"
#include "rtl/Filer.h"

namespace rtl {

class TReader : public TFiler, public TValueReader {
public:
    // Reads source from its current position; what remains of it (the source must know its size)
    // bounds every length read.
    explicit TReader(TStream& source);

    // EReadError "Invalid stream format" unless the next four bytes are "TPF0".
    void ReadSignature();
    // The root's optional prefix, class name (not compared), object name, properties and child
    // list. Children are created from classes, owned by root, each told the component that
    // encloses it; without classes, or for a class not in them, EClassNotFound "Class %s not found".
    void ReadRootComponent(TComponent& root, const ClassList* classes = nullptr);

    int32_t ReadInteger() override;
    std::string ReadString() override;
    void ReadListBegin() override;
    bool EndOfList() override;
    void ReadListEnd() override;

    void DefineProperty(const char* name, const std::function<void(TValueReader&)>& read,
                        const std::function<void(TValueWriter&)>& write, bool hasData) override;
    void DefineBinaryProperty(const char* name, const std::function<void(TStream&)>& read,
                              const std::function<void(TStream&)>& write, bool hasData) override;

private:
    void ReadPrefix();
    std::string ReadName();
    void ReadChildren(TComponent& parent);
    void ReadChild(TComponent& parent);
    void ReadProperty(TPersistent& instance);
    void ReadStoredValue(TPersistent& object, const PropertyInfo& info);
    void ReadCustomProperty(TPersistent& object, const std::string& name);
    void ReadCollection(TCollection& collection);
    int32_t ReadIdentValue(const IdentTable& idents);
    int32_t ReadSetValue(const IdentTable& elements);

    ValueTag ReadValue() { return static_cast<ValueTag>(ReadByte()); }
    uint8_t PeekByte();
    uint8_t ReadByte();
    int32_t ReadInt32();
    void Read(void* dest, size_t count);
    // Passes over count bytes that CheckAvailable has allowed.
    void Skip(int64_t count);
    // "Stream read error" before anything of that length is allocated, when the source cannot
    // hold it any more.
    void CheckAvailable(int64_t count) const;
    int64_t Available() const { return static_cast<int64_t>(bufEnd_ - bufPos_) + sourceLeft_; }
    void Fill();

    // A reference read before what it names: bound once the whole root has been read.
    struct Fixup {
        TPersistent* object;
        const PropertyInfo* info;
        std::string name;         // what the identifier names
        std::string objectName;   // for the error: the object and the property path
        std::string path;
    };
    void ResolveFixups();

    int64_t sourceLeft_;        // bytes of the source not yet taken into the buffer
    // The source where it is memory: binary values are handed over where they lie.
    const TReadOnlyMemoryStream* memory_;
    std::vector<Fixup> fixups_;
    std::string propertyPath_;  // the property being read, for a fixup's error
    TPersistent* propertyOwner_ = nullptr;
    TComponent* root_ = nullptr;
    const ClassList* classes_ = nullptr;
    std::string customName_;    // the custom property being looked for
    bool customFound_ = false;
};

}  // namespace rtl
