#pragma once
// Objects with an owner that destroys them, a component name and a tag, and the property tables
// through which a generic stream reader and writer reach what a class stores.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <limits>
#include <string>
#include <vector>

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

enum class PropertyKind { Integer, String, Object };

// An integer property declared without a default: only this value is left out when writing.
inline constexpr int32_t NoDefault = std::numeric_limits<int32_t>::min();

// One stored property. Only the accessors of its kind are set.
struct PropertyInfo {
    const char* name;
    PropertyKind kind;
    int32_t defaultValue;  // integers only
    bool stored;           // false: read when present, never written
    int32_t (*getInteger)(const TPersistent&);
    void (*setInteger)(TPersistent&, int32_t);
    std::string (*getString)(const TPersistent&);
    void (*setString)(TPersistent&, const std::string&);
    TPersistent* (*getObject)(TPersistent&);  // the object the property holds; it stays owned by its holder
};

// A class's own stored properties, after those of the class it derives from.
struct PropertyTable {
    const PropertyTable* inherited;
    const PropertyInfo* properties;
    size_t count;
};

constexpr PropertyInfo IntegerProperty(const char* name, int32_t (*get)(const TPersistent&),
                                       void (*set)(TPersistent&, int32_t), int32_t defaultValue = NoDefault) {
    return {name, PropertyKind::Integer, defaultValue, true, get, set, nullptr, nullptr, nullptr};
}
constexpr PropertyInfo StringProperty(const char* name, std::string (*get)(const TPersistent&),
                                      void (*set)(TPersistent&, const std::string&), bool stored = true) {
    return {name, PropertyKind::String, 0, stored, nullptr, nullptr, get, set, nullptr};
}
constexpr PropertyInfo ObjectProperty(const char* name, TPersistent* (*get)(TPersistent&)) {
    return {name, PropertyKind::Object, 0, true, nullptr, nullptr, nullptr, nullptr, get};
}

// Accessors for a plain int32_t field, so that tables stay declarative.
template <class T, int32_t T::*Field>
int32_t GetIntegerField(const TPersistent& o) { return static_cast<const T&>(o).*Field; }
template <class T, int32_t T::*Field>
void SetIntegerField(TPersistent& o, int32_t v) { static_cast<T&>(o).*Field = v; }

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
