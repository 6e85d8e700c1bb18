#pragma once
// Taking the suite's part out of a text that others share, every other byte kept as it stands:
// an entry of a ";"-separated list (the IDE's "Search Path"), a line of a text file (the IDE's
// help contents). Entries and lines compare without regard to case, in the user's locale.
#include <string>

namespace removal {

// Removes the last entry equal to entry, with the separator before it (after it, for the first
// entry). The list ends at the text's first NUL; what follows stays. False when there is none.
bool RemoveLastEntry(std::string& list, const std::string& entry);
// Whether a line equal to line is in the text; lines end at CR, LF or CR LF.
bool HasLine(const std::string& text, const std::string& line);
// Removes the first line equal to line, with its line end. False when there is none.
bool RemoveFirstLine(std::string& text, const std::string& line);

}  // namespace removal
