#pragma once
// Waiting for a condition that another thread or process brings about, with a generous limit
// instead of a fixed sleep.
#include <chrono>
#include <functional>

namespace test {

// Polls fn until it returns true or the time is up; false then.
bool WaitFor(const std::function<bool()>& fn, std::chrono::milliseconds limit = std::chrono::seconds(15));

}  // namespace test
