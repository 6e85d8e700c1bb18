#include "rtl/StringList.h"

#include "platform/Text.h"
#include "rtl/Consts.h"
#include "rtl/Exceptions.h"
#include "rtl/Streams.h"
#include "rtl/TextLines.h"

namespace rtl {

int TStringList::IndexOf(const std::string& text) const {
    for (size_t i = 0; i < lines_.size(); ++i)
        if (platform::CompareTextIgnoreCase(lines_[i], text) == 0) return static_cast<int>(i);
    return -1;
}

void TStringList::LoadFromFile(const std::string& path) { lines_ = SplitLines(ReadFileBytes(path)); }

void TStringList::SaveToFile(const std::string& path) const {
    std::string text = JoinLinesCrLf(lines_);
    TFileStream file(path, FileMode::Create);
    file.WriteBuffer(text.data(), static_cast<int32_t>(text.size()));
}

}  // namespace rtl
