#pragma once
// A timer of the form that owns it: while enabled, its handler runs every Interval milliseconds,
// as a message on the form's thread (so also inside message boxes and other modal loops).
#include <cstdint>

#include "forms/Types.h"
#include "rtl/Component.h"

namespace forms {

class TTimer : public rtl::TComponent {
public:
    explicit TTimer(rtl::TComponent* owner);
    ~TTimer() override;
    const char* ClassName() const override { return "TTimer"; }
    const rtl::PropertyTable* StoredProperties() const override;

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    uint32_t Interval() const { return interval_; }
    uintptr_t Id() const { return id_; }

    TNotifyEvent OnTimer;
    void Tick();
    // Starts or stops the platform timer after the state; the form calls it once its window exists.
    void Update();

private:
    void Stop();
    bool enabled_ = true;
    uint32_t interval_ = 1000;
    uintptr_t id_;
    WindowHandle window_ = nullptr;  // the window the running platform timer belongs to
};

}  // namespace forms
