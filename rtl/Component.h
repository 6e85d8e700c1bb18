#pragma once
// Objects with an owner that destroys them, a component name and a tag, and the property tables
// through which a generic stream reader and writer reach what a class stores.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "rtl/TextRules.h"

namespace rtl {

class TPersistent;
class TStream;

// What a custom property's callbacks may read from a component stream.
class TValueReader {
public:
    virtual int32_t ReadInteger() = 0;
    virtual std::string ReadString() = 0;
    virtual void ReadListBegin() = 0;
    virtual bool EndOfList() = 0;
    // Takes the end marker once EndOfList has found it.
    virtual void ReadListEnd() = 0;

protected:
    ~TValueReader() = default;
};

// What a custom property's callbacks may write to a component stream.
class TValueWriter {
public:
    virtual void WriteInteger(int32_t value) = 0;
    virtual void WriteString(const std::string& value) = 0;
    virtual void WriteListBegin() = 0;
    virtual void WriteListEnd() = 0;

protected:
    ~TValueWriter() = default;
};

// An object announces its custom properties to the reader or writer that walks it, in a fixed
// order, each time it is read or written. hasData says whether there is anything to write.
class TPropertyDefiner {
public:
    virtual void DefineProperty(const char* name, const std::function<void(TValueReader&)>& read,
                                const std::function<void(TValueWriter&)>& write, bool hasData) = 0;
    // The callbacks exchange one block of bytes: the reader hands over a stream holding exactly
    // the stored bytes, the writer collects what the callback writes.
    virtual void DefineBinaryProperty(const char* name, const std::function<void(TStream&)>& read,
                                      const std::function<void(TStream&)>& write, bool hasData) = 0;

protected:
    ~TPropertyDefiner() = default;
};

enum class PropertyKind { Integer, String, Object, Boolean, Enumeration, Set, Reference };

class TComponent;

// A name that stands for a value: an enumeration's values (ordinals), a set's elements (bit
// numbers), or well-known values of an integer property (colours, character sets).
struct IdentValue {
    const char* name;
    int32_t value;
};
struct IdentTable {
    const IdentValue* values;
    size_t count;
};

// An integer property declared without a default: only this value is left out when writing.
inline constexpr int32_t NoDefault = std::numeric_limits<int32_t>::min();

// One stored property. Only the accessors of its kind are set. Booleans, enumerations and sets
// travel through the integer accessors (0/1, the ordinal, the bit mask).
struct PropertyInfo {
    const char* name;
    PropertyKind kind;
    int32_t defaultValue;  // integer kinds only
    bool stored;           // false: read when present, never written
    int32_t (*getInteger)(const TPersistent&);
    void (*setInteger)(TPersistent&, int32_t);
    std::string (*getString)(const TPersistent&);
    void (*setString)(TPersistent&, const std::string&);
    TPersistent* (*getObject)(TPersistent&);  // the object the property holds; it stays owned by its holder
    const IdentTable* idents;                 // names of the values, where the kind has them
    // References: binds what root publishes under that name (a handler, a component); false
    // when root publishes nothing of the kind under it.
    bool (*bind)(TPersistent&, TComponent& root, const std::string& name);
};

// A class's own stored properties, after those of the class it derives from.
struct PropertyTable {
    const PropertyTable* inherited;
    const PropertyInfo* properties;
    size_t count;
};

constexpr PropertyInfo IntegerProperty(const char* name, int32_t (*get)(const TPersistent&),
                                       void (*set)(TPersistent&, int32_t), int32_t defaultValue = NoDefault,
                                       const IdentTable* idents = nullptr) {
    return {name, PropertyKind::Integer, defaultValue, true, get, set, nullptr, nullptr, nullptr, idents, nullptr};
}
constexpr PropertyInfo StringProperty(const char* name, std::string (*get)(const TPersistent&),
                                      void (*set)(TPersistent&, const std::string&), bool stored = true) {
    return {name, PropertyKind::String, 0, stored, nullptr, nullptr, get, set, nullptr, nullptr, nullptr};
}
constexpr PropertyInfo ObjectProperty(const char* name, TPersistent* (*get)(TPersistent&)) {
    return {name, PropertyKind::Object, 0, true, nullptr, nullptr, nullptr, nullptr, get, nullptr, nullptr};
}
constexpr PropertyInfo BooleanProperty(const char* name, int32_t (*get)(const TPersistent&),
                                       void (*set)(TPersistent&, int32_t), bool defaultValue) {
    return {name, PropertyKind::Boolean, defaultValue ? 1 : 0, true, get, set, nullptr, nullptr, nullptr, nullptr,
            nullptr};
}
constexpr PropertyInfo EnumProperty(const char* name, int32_t (*get)(const TPersistent&),
                                    void (*set)(TPersistent&, int32_t), const IdentTable* values,
                                    int32_t defaultValue) {
    return {name, PropertyKind::Enumeration, defaultValue, true, get, set, nullptr, nullptr, nullptr, values, nullptr};
}
constexpr PropertyInfo SetProperty(const char* name, int32_t (*get)(const TPersistent&),
                                   void (*set)(TPersistent&, int32_t), const IdentTable* elements,
                                   int32_t defaultValue) {
    return {name, PropertyKind::Set, defaultValue, true, get, set, nullptr, nullptr, nullptr, elements, nullptr};
}
// An identifier resolved by the root that reads the stream: an event handler, a component. Never
// written: only the root knows what the names stand for.
constexpr PropertyInfo ReferenceProperty(const char* name,
                                         bool (*bind)(TPersistent&, TComponent& root, const std::string&)) {
    return {name, PropertyKind::Reference, 0, false, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, bind};
}

// The value a name stands for, compared without regard to the case of A to Z; false when none.
bool FindIdent(const IdentTable& table, const std::string& name, int32_t* value);
// The name of a value; nullptr when the table has none.
const char* IdentName(const IdentTable& table, int32_t value);

// Accessors for a plain int32_t field, so that tables stay declarative.
template <class T, int32_t T::*Field>
int32_t GetIntegerField(const TPersistent& o) { return static_cast<const T&>(o).*Field; }
template <class T, int32_t T::*Field>
void SetIntegerField(TPersistent& o, int32_t v) { static_cast<T&>(o).*Field = v; }
template <class T, bool T::*Field>
int32_t GetBoolField(const TPersistent& o) { return (static_cast<const T&>(o).*Field) ? 1 : 0; }
template <class T, bool T::*Field>
void SetBoolField(TPersistent& o, int32_t v) { static_cast<T&>(o).*Field = v != 0; }

class TPersistent {
public:
    virtual ~TPersistent() = default;
    virtual const char* ClassName() const = 0;
    // The stored properties; nullptr when the class stores none.
    virtual const PropertyTable* StoredProperties() const { return nullptr; }
    // Announces the custom properties to a reader or writer.
    virtual void DefineProperties(TPropertyDefiner& filer) {}
    // Called by the reader once all stored values of the object have been read; a class that
    // needs its values to agree with one another checks them here.
    virtual void AfterRead() {}
};

class TComponent : public TPersistent {
public:
    explicit TComponent(TComponent* owner);
    ~TComponent() override;  // destroys the components it owns, last created first
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    TComponent* Owner() const { return owner_; }
    const std::string& Name() const { return name_; }
    void SetName(std::string name) { name_ = std::move(name); }
    // The component owned by this one with that name (case of A to Z ignored); nullptr if none.
    TComponent* FindComponent(const std::string& name) const;
    int ComponentCount() const { return static_cast<int>(owned_.size()); }
    // Destroys the components it owns now, last created first.
    void DestroyComponents();
    TComponent* Components(int index) const { return owned_.at(static_cast<size_t>(index)); }
    // The stream reader tells a child component which component encloses it in the stream; a
    // control takes it as its parent window, anything else ignores it.
    virtual void SetParentComponent(TComponent* parent) {}
    int32_t Tag = 0;
    // The position a form designer gave the component; carried by the stream as "Left" and "Top".
    int32_t DesignLeft = 0;
    int32_t DesignTop = 0;

    // EComponentError "''%s'' is not a valid component name" unless name is empty or an
    // identifier (a letter or underscore, then letters, digits or underscores).
    static void ValidateName(const std::string& name);

    const PropertyTable* StoredProperties() const override;
    void DefineProperties(TPropertyDefiner& filer) override;

private:
    void Insert(TComponent* child) { owned_.push_back(child); }
    void Remove(TComponent* child);

    TComponent* owner_;
    std::string name_;
    std::vector<TComponent*> owned_;
};

}  // namespace rtl
