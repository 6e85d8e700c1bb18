#pragma once
// An ordered list of text lines.
#include <string>
#include <vector>

namespace rtl {

class TStringList {
public:
    int Count() const { return static_cast<int>(lines_.size()); }
    const std::string& operator[](int i) const { return lines_.at(static_cast<size_t>(i)); }
    std::string& operator[](int i) { return lines_.at(static_cast<size_t>(i)); }
    void Add(std::string line) { lines_.push_back(std::move(line)); }
    void Insert(int index, std::string line) { lines_.insert(lines_.begin() + index, std::move(line)); }
    void Delete(int index) { lines_.erase(lines_.begin() + index); }
    void Clear() { lines_.clear(); }
    // The first line equal to text without regard to case (user's locale); -1 when none.
    int IndexOf(const std::string& text) const;
    const std::vector<std::string>& Lines() const { return lines_; }
    void Assign(std::vector<std::string> lines) { lines_ = std::move(lines); }

    // Reads a whole text file (others may read it meanwhile) and cuts it into lines by the
    // rule of SplitLines. EFOpenError "Cannot open file %s" when it cannot be opened.
    void LoadFromFile(const std::string& path);
    // Replaces the file with the lines, each followed by CR LF.
    void SaveToFile(const std::string& path) const;

private:
    std::vector<std::string> lines_;
};

}  // namespace rtl
