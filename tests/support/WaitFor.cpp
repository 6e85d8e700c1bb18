#include "tests/support/WaitFor.h"

#include <thread>

namespace test {

bool WaitFor(const std::function<bool()>& fn, std::chrono::milliseconds limit) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (!fn()) {
        if (std::chrono::steady_clock::now() > end) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

}  // namespace test
