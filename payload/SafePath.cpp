#include "payload/SafePath.h"

#include <algorithm>
#include <iterator>

#include "rtl/Backslash.h"
#include "rtl/TextRules.h"

namespace payload {

namespace {

// Names that Windows opens as devices in every folder, whatever the extension. Windows also takes
// COM and LPT followed by a superscript one, two or three for ports: bytes B9, B2 and B3 in code
// page 1252 (a name with them would be a device on Western systems, wherever it was packed).
const char* const kDeviceNames[] = {
    "CON",     "PRN",     "AUX",     "NUL",     "CONIN$",  "CONOUT$",
    "COM1",    "COM2",    "COM3",    "COM4",    "COM5",    "COM6",    "COM7", "COM8", "COM9",
    "LPT1",    "LPT2",    "LPT3",    "LPT4",    "LPT5",    "LPT6",    "LPT7", "LPT8", "LPT9",
    "COM\xB9", "COM\xB2", "COM\xB3", "LPT\xB9", "LPT\xB2", "LPT\xB3"};

bool IsDeviceName(const std::string& component) {
    std::string base = component.substr(0, component.find('.'));
    while (!base.empty() && base.back() == ' ') base.pop_back();
    base = rtl::UpperAscii(base);
    return std::any_of(std::begin(kDeviceNames), std::end(kDeviceNames), [&](const char* d) { return base == d; });
}

bool IsSafeComponent(const std::string& component) {
    if (component.find_first_not_of(". ") == std::string::npos) return false;  // also the empty one
    if (component.find_first_of(":/") != std::string::npos) return false;
    return !IsDeviceName(component);
}

}  // namespace

bool IsSafeRelativeName(const std::string& rest) {
    if (rest.empty() || rest[0] != '\\') return false;
    size_t start = 1;
    for (;;) {
        size_t end = rtl::FindBackslash(rest, start);
        if (!IsSafeComponent(rest.substr(start, end == std::string::npos ? std::string::npos : end - start)))
            return false;
        if (end == std::string::npos) return true;
        start = end + 1;
    }
}

}  // namespace payload
