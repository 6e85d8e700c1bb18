#pragma once
// Where the DLLs that a program loads after its start may come from. The programs run elevated,
// usually from Downloads, where anyone can leave a DLL beside them; Windows looks for a DLL by
// bare name in the program's own folder first.
namespace platform {

// Restricts every later load by bare name to the system folder. Called first thing in each
// program's entry, before any window or shell call. From Windows 7 on, through
// SetDefaultDllDirectories; where that is missing or refused (Windows XP and Vista, where it
// breaks the shell's COM objects such as the folder browser's), the current folder leaves the
// search and the DLLs that Windows loads later by name are loaded now from the system folder by
// full path, so that the later loads find them loaded. Never fails: what cannot be done is left.
void LoadDllsFromSystemFolderOnly();

}  // namespace platform
