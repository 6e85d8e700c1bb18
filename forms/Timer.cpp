#include "forms/Timer.h"

#include <windows.h>

#include <iterator>

#include "forms/Form.h"
#include "forms/Properties.h"
#include "forms/Win32Windows.h"

namespace forms {
namespace {

uintptr_t NextTimerId() {
    static uintptr_t next = 1;
    return next++;
}

}  // namespace

TTimer::TTimer(rtl::TComponent* owner) : rtl::TComponent(owner), id_(NextTimerId()) {}

TTimer::~TTimer() { Stop(); }

const rtl::PropertyTable* TTimer::StoredProperties() const {
    static const rtl::PropertyInfo properties[] = {
        rtl::BooleanProperty(
            "Enabled", [](const rtl::TPersistent& o) -> int32_t { return As<TTimer>(o).enabled_; },
            [](rtl::TPersistent& o, int32_t v) { As<TTimer>(o).SetEnabled(v != 0); }, true),
        rtl::IntegerProperty(
            "Interval", [](const rtl::TPersistent& o) { return static_cast<int32_t>(As<TTimer>(o).interval_); },
            [](rtl::TPersistent& o, int32_t v) {
                As<TTimer>(o).interval_ = static_cast<uint32_t>(v);
                As<TTimer>(o).Update();
            },
            1000),
        rtl::ReferenceProperty("OnTimer",
                               [](rtl::TPersistent& o, rtl::TComponent& root, const std::string& name) {
                                   return BindNotifyEvent(As<TTimer>(o).OnTimer, root, name);
                               }),
    };
    static const rtl::PropertyTable table = {rtl::TComponent::StoredProperties(), properties, std::size(properties)};
    return &table;
}

void TTimer::SetEnabled(bool enabled) {
    enabled_ = enabled;
    Update();
}

void TTimer::Stop() {
    if (window_) KillTimer(win::Hwnd(window_), id_);
    window_ = nullptr;
}

void TTimer::Update() {
    Stop();
    auto* form = dynamic_cast<TForm*>(Owner());
    if (!enabled_ || interval_ == 0 || !form || !form->HandleAllocated()) return;
    if (SetTimer(win::Hwnd(form->Handle()), id_, interval_, nullptr)) window_ = form->Handle();
}

void TTimer::Tick() {
    if (OnTimer) OnTimer(*this);
}

}  // namespace forms
