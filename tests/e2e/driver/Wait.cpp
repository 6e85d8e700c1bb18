#include "tests/e2e/driver/Wait.h"

#include <windows.h>

#include <chrono>
#include <stdexcept>

namespace e2e {

bool Within(int limitMs, const std::function<bool()>& done) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(limitMs);
    for (;;) {
        try {
            if (done()) return true;
        } catch (const std::runtime_error&) {
            // A window that does not answer yet (the installer answers nothing while it installs)
            // is asked again; at the limit the error stands.
            if (std::chrono::steady_clock::now() > end) throw;
        }
        if (std::chrono::steady_clock::now() > end) return false;
        Sleep(20);
    }
}

void WaitUntil(const std::function<bool()>& done, const std::string& what, int limitMs) {
    if (!Within(limitMs, done))
        throw std::runtime_error("waited " + std::to_string(limitMs / 1000) + " s in vain for " + what);
}

}  // namespace e2e
