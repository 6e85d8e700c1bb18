#pragma once
// A Data folder tree on the real file system for the packing tests.
#include <cstdint>
#include <string>

#include "tests/support/TempDir.h"

namespace packing_test {

// 13 March 2002, 12:26:24 local time as a packed DOS date and time: the stamp of Stamp.
inline constexpr int32_t SampleAge = 0x2C6D634C;

class DataTree {
public:
    // Writes root + relativeName (relativeName begins with a backslash), creating its folders.
    void Add(const std::string& relativeName, const std::string& content);
    void AddFolder(const std::string& relativeName);
    // Sets the last-write time to 13 March 2002, 12:26:24 local time, computed without the
    // installer's conversions (test::March2002).
    void Stamp(const std::string& relativeName);
    std::string Path(const std::string& relativeName) const { return dir_.Path() + relativeName; }
    const std::string& Root() const { return dir_.Path(); }

private:
    test::TempDir dir_;
};

}  // namespace packing_test
