#pragma once
// A file that another program has open, shared with nobody, for as long as this object lives:
// nothing can delete, replace or open it meanwhile.
#include <string>

#include "tests/support/RunningProgram.h"

namespace e2e {

class HeldFile {
public:
    // Returns once the holder has the file open; throws std::runtime_error when it cannot.
    explicit HeldFile(const std::string& path);
    // Closes the holder, which releases the file.
    ~HeldFile();
    HeldFile(const HeldFile&) = delete;
    HeldFile& operator=(const HeldFile&) = delete;

private:
    test::RunningProgram holder_;
};

}  // namespace e2e
