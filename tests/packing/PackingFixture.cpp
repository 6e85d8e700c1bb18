#include "tests/packing/PackingFixture.h"

#include "tests/support/FileTimes.h"

namespace packing_test {

void DataTree::Add(const std::string& relativeName, const std::string& content) {
    test::MakeFolders(Path(relativeName.substr(0, relativeName.find_last_of('\\'))));
    test::WriteWholeFile(Path(relativeName), content);
}

void DataTree::AddFolder(const std::string& relativeName) { test::MakeFolders(Path(relativeName)); }

void DataTree::Stamp(const std::string& relativeName) { test::SetLastWriteTime(Path(relativeName), test::March2002()); }

}  // namespace packing_test
