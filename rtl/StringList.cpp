#include "rtl/StringList.h"

#include "rtl/Int32Size.h"
#include "rtl/Streams.h"
#include "rtl/TextLines.h"
#include "rtl/TextRules.h"

namespace rtl {

int TStringList::IndexOf(const std::string& text) const {
    for (size_t i = 0; i < lines_.size(); ++i)
        if (SameText(lines_[i], text)) return static_cast<int>(i);
    return -1;
}

void TStringList::LoadFromFile(const std::string& path) { lines_ = SplitLines(ReadFileBytes(path)); }

void TStringList::SaveToFile(const std::string& path) const {
    std::string text = JoinLinesCrLf(lines_);
    TFileStream file(path, FileMode::Create);
    file.WriteBuffer(text.data(), Int32Size(text.size()));
}

}  // namespace rtl
