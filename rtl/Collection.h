#pragma once
// An ordered list of items that it owns.
#include <memory>
#include <vector>

#include "rtl/Component.h"

namespace rtl {

class TCollection;

class TCollectionItem : public TPersistent {
public:
    explicit TCollectionItem(TCollection* collection) : collection_(collection) {}
    TCollection* Collection() const { return collection_; }

private:
    TCollection* collection_;
};

class TCollection : public TPersistent {
public:
    int Count() const { return static_cast<int>(items_.size()); }
    TCollectionItem& ItemAt(int index) const { return *items_.at(static_cast<size_t>(index)); }
    TCollectionItem& AddItem() {
        items_.push_back(CreateItem());
        return *items_.back();
    }
    void Delete(int index) { items_.erase(items_.begin() + index); }
    void Clear() { items_.clear(); }

protected:
    virtual std::unique_ptr<TCollectionItem> CreateItem() = 0;

private:
    std::vector<std::unique_ptr<TCollectionItem>> items_;
};

}  // namespace rtl
