#include "rtl/Component.h"

#include <algorithm>
#include <iterator>

#include "rtl/Consts.h"
#include "rtl/Exceptions.h"
#include "rtl/Format.h"

namespace rtl {

TComponent::TComponent(TComponent* owner) : owner_(owner) {
    if (owner_) owner_->Insert(this);
}

TComponent::~TComponent() {
    DestroyComponents();
    if (owner_) owner_->Remove(this);
}

void TComponent::DestroyComponents() {
    while (!owned_.empty()) delete owned_.back();  // each child's destructor removes itself
}

void TComponent::Remove(TComponent* child) {
    owned_.erase(std::remove(owned_.begin(), owned_.end(), child), owned_.end());
}

TComponent* TComponent::FindComponent(const std::string& name) const {
    if (name.empty()) return nullptr;
    for (TComponent* c : owned_)
        if (SameAsciiName(c->Name(), name)) return c;
    return nullptr;
}

bool FindIdent(const IdentTable& table, const std::string& name, int32_t* value) {
    for (size_t i = 0; i < table.count; ++i)
        if (SameAsciiName(table.values[i].name, name)) {
            *value = table.values[i].value;
            return true;
        }
    return false;
}

const char* IdentName(const IdentTable& table, int32_t value) {
    for (size_t i = 0; i < table.count; ++i)
        if (table.values[i].value == value) return table.values[i].name;
    return nullptr;
}

namespace {

bool IsAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool IsAsciiDigit(char c) { return c >= '0' && c <= '9'; }

bool IsIdentifier(const std::string& s) {
    if (s.empty() || !(IsAsciiLetter(s[0]) || s[0] == '_')) return false;
    return std::all_of(s.begin() + 1, s.end(), [](char c) { return IsAsciiLetter(c) || IsAsciiDigit(c) || c == '_'; });
}

TComponent& AsComponent(TPersistent& o) { return static_cast<TComponent&>(o); }
const TComponent& AsComponent(const TPersistent& o) { return static_cast<const TComponent&>(o); }

// Name is never written: the owner gives it when the component is created.
const PropertyInfo kComponentProperties[] = {
    StringProperty(
        "Name", [](const TPersistent& o) { return AsComponent(o).Name(); },
        [](TPersistent& o, const std::string& v) {
            TComponent::ValidateName(v);
            AsComponent(o).SetName(v);
        },
        /*stored=*/false),
    IntegerProperty("Tag", GetIntegerField<TComponent, &TComponent::Tag>, SetIntegerField<TComponent, &TComponent::Tag>,
                    /*defaultValue=*/0),
};

const PropertyTable kComponentTable = {nullptr, kComponentProperties, std::size(kComponentProperties)};

}  // namespace

void TComponent::ValidateName(const std::string& name) {
    if (!name.empty() && !IsIdentifier(name)) throw EComponentError(Format(consts::SInvalidName, name));
}

const PropertyTable* TComponent::StoredProperties() const { return &kComponentTable; }

void TComponent::DefineProperties(TPropertyDefiner& filer) {
    filer.DefineProperty(
        "Left", [this](TValueReader& r) { DesignLeft = r.ReadInteger(); },
        [this](TValueWriter& w) { w.WriteInteger(DesignLeft); }, DesignLeft != 0);
    filer.DefineProperty(
        "Top", [this](TValueReader& r) { DesignTop = r.ReadInteger(); },
        [this](TValueWriter& w) { w.WriteInteger(DesignTop); }, DesignTop != 0);
}

}  // namespace rtl
