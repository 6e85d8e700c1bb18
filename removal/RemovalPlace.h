#pragma once
// Where the removal of an IDE's installation lives: below the Program Files folder as this
// 32-bit program sees it (C:\Program Files (x86) on 64-bit Windows), never in the install folder,
// which users may be allowed to write to.
#include <string>

namespace removal {

// <Program Files>\Maltrow Software: the product's folder, left when it is empty; empty when the
// platform does not know the Program Files folder.
std::string ProductFolder();
// <Program Files>\Maltrow Software\Korvane\<HostName>: the uninstaller and its record.
std::string HostFolder(const std::string& hostName);
// The Programs and Features entry of the IDE, below HKEY_LOCAL_MACHINE.
std::string EntryKey(const std::string& hostName);

}  // namespace removal
