#pragma once
// Every platform operation is a replaceable function object. Tests swap one for the length of a
// scope to inject a fault (access denied, a full volume, a process that will not start) or to
// answer a message box; the destructor puts the previous one back.
#include <utility>

namespace platform {

template <class Fn>
class ScopedOverride {
public:
    ScopedOverride(Fn& slot, Fn replacement) : slot_(slot), saved_(std::move(slot)) {
        slot_ = std::move(replacement);
    }
    ~ScopedOverride() { slot_ = std::move(saved_); }
    ScopedOverride(const ScopedOverride&) = delete;
    ScopedOverride& operator=(const ScopedOverride&) = delete;
    // The operation that was in place before, for a replacement that fails only sometimes.
    const Fn& Original() const { return saved_; }

private:
    Fn& slot_;
    Fn saved_;
};

template <class Fn>
ScopedOverride(Fn&, Fn) -> ScopedOverride<Fn>;

}  // namespace platform
