#pragma once
// Another program answers input in its own time: the driver waits for what a user would see.
// The limits are generous, so that a machine under load does not fail a test; they bound the
// wait for a fault, they measure nothing.
#include <functional>
#include <string>

namespace e2e {

inline constexpr int DefaultLimitMs = 20000;

// Polls done until it holds; false when limitMs passed first. An error that done throws (a
// window busy or gone) counts as not yet, and is thrown again at the limit.
bool Within(int limitMs, const std::function<bool()>& done);
// As Within, but throws std::runtime_error naming what did not happen.
void WaitUntil(const std::function<bool()>& done, const std::string& what, int limitMs = DefaultLimitMs);

}  // namespace e2e
