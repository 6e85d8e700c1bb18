#pragma once
// The payload as the build packed it (the staged Data folder keeps each file's time stamp and
// read-only bit), compared with what an installation left on disk.
#include <string>

namespace e2e_test {

// The staged folder of a tag.
std::string Packed(const std::string& tag);
// The packed file of tag at its name below folder: content, size, attributes and time stamp.
void ExpectInstalled(const std::string& tag, const std::string& name, const std::string& folder);
// Every packed file of tag below folder, those below the subfolder skipped (moved elsewhere)
// left out; gives how many it compared, for the caller to check against the count below.
[[nodiscard]] int ExpectExtracted(const std::string& tag, const std::string& folder, const std::string& skipped = "");

// The sample payload's files (sample/Data): "common", "d6", and of those in d6's Help folder.
inline constexpr int CommonFileCount = 14, D6FileCount = 9, D6HelpFileCount = 2;

}  // namespace e2e_test
