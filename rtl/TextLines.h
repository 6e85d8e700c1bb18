#pragma once
// Cutting text into lines and joining lines into text.
#include <string>
#include <vector>

namespace rtl {

// A line ends at CR, at LF or at CR LF; a 0 byte ends the text; a last line without a line end
// still counts, and a line end at the very end adds no empty line.
std::vector<std::string> SplitLines(const char* text, size_t length);
inline std::vector<std::string> SplitLines(const std::string& text) { return SplitLines(text.data(), text.size()); }

// Every line followed by CR LF.
std::string JoinLinesCrLf(const std::vector<std::string>& lines);

}  // namespace rtl
