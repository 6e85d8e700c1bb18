#include "rtl/Format.h"

namespace rtl {

std::string FormatList(const std::string& format, const std::vector<std::string>& args) {
    std::string out;
    out.reserve(format.size() + 64);
    size_t next = 0;
    for (size_t i = 0; i < format.size(); ++i) {
        char c = format[i];
        if (c == '%' && i + 1 < format.size()) {
            char spec = format[i + 1];
            if (spec == 's' || spec == 'd') {
                if (next < args.size()) out += args[next];
                ++next;
                ++i;
                continue;
            }
            if (spec == '%') {
                out += '%';
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

}  // namespace rtl
