#include "rtl/StringList.h"

#include <limits>

#include "rtl/Consts.h"
#include "rtl/Exceptions.h"
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

void TStringList::LoadFromFile(const std::string& path) {
    TFileStream file(path, FileMode::OpenReadShared);
    int64_t size = file.Size();
    if (size < 0 || size > std::numeric_limits<int32_t>::max()) throw EReadError(consts::SReadError);
    std::string text(static_cast<size_t>(size), '\0');
    file.SetPosition(0);
    file.ReadBuffer(text.data(), static_cast<int32_t>(size));
    lines_ = SplitLines(text);
}

void TStringList::SaveToFile(const std::string& path) const {
    std::string text = JoinLinesCrLf(lines_);
    TFileStream file(path, FileMode::Create);
    file.WriteBuffer(text.data(), Int32Size(text.size()));
}

}  // namespace rtl
