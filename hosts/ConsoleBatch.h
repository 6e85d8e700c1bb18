#pragma once
// rebuild.bat as cmd.exe reads it: in the console's (OEM) code page, which on a Western, Central
// European or Cyrillic Windows is not the ANSI one that the installer's strings are in (1252 and
// 850, 1250 and 852, 1251 and 866). Written in the ANSI page, a folder with a letter outside
// ASCII would name another folder.
#include <string>

#include "hosts/RebuildBatch.h"

namespace hosts {

// A folder as the OEM code page can spell it: the folder itself when its name converts to that
// page and back unchanged; otherwise its short 8.3 name where the volume keeps one; otherwise the
// folder itself, and the compilation then fails with instructions for compiling by hand.
std::string ConsoleFolder(const std::string& folder);
// Writes the batch's fourteen lines, naming each folder as ConsoleFolder does and converted to
// the OEM code page, into the file.
void SaveRebuildBatch(const HostInfo& host, const CompileFolders& folders, const std::string& path);

}  // namespace hosts
