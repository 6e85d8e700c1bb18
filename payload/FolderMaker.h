#pragma once
// Creates the folders that extracted files go to, each with every missing folder above it, and
// remembers the folders it has found or made: an extraction asks about each folder once.
#include <string>
#include <unordered_set>

namespace payload {

class FolderMaker {
public:
    // A trailing backslash is dropped first; a folder of fewer than three characters, one that
    // exists and one that is its own parent count as done. Failures are not reported here: they
    // show when the file in the folder is created.
    void Force(std::string folder);

private:
    std::unordered_set<std::string> present_;  // as spelled by the caller
};

}  // namespace payload
