#pragma once
// The IDE's library search path: folders separated by ";", no quoting, blanks belong to entries.
#include <string>
#include <vector>

namespace hosts {

// Every ";" ends an entry, so empty entries between separators and a leading empty entry stay;
// the rest after the last ";" is an entry only when it is not empty (a trailing ";" gives none).
std::vector<std::string> SplitSearchPath(const std::string& text);
// The entries with ";" between them.
std::string JoinSearchPath(const std::vector<std::string>& entries);

}  // namespace hosts
