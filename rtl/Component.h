#pragma once
// Objects with an owner that destroys them, a component name and a tag.
#include <cstdint>
#include <string>
#include <vector>

namespace rtl {

class TPersistent {
public:
    virtual ~TPersistent() = default;
    virtual const char* ClassName() const = 0;
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

private:
    void Insert(TComponent* child) { owned_.push_back(child); }
    void Remove(TComponent* child);

    TComponent* owner_;
    std::string name_;
    std::vector<TComponent*> owned_;
};

}  // namespace rtl
