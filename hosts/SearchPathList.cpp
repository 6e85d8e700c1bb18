#include "hosts/SearchPathList.h"

#include "hosts/HostMessages.h"

namespace hosts {

std::vector<std::string> SplitSearchPath(const std::string& text) {
    std::vector<std::string> entries;
    size_t start = 0;
    for (size_t sep; (sep = text.find(msg::SearchPathSeparator, start)) != std::string::npos; start = sep + 1)
        entries.push_back(text.substr(start, sep - start));
    if (start < text.size()) entries.push_back(text.substr(start));
    return entries;
}

std::string JoinSearchPath(const std::vector<std::string>& entries) {
    std::string text;
    for (size_t i = 0; i < entries.size(); ++i) {
        if (i > 0) text += msg::SearchPathSeparator;
        text += entries[i];
    }
    return text;
}

}  // namespace hosts
