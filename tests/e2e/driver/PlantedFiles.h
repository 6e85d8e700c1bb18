#pragma once
// A Downloads folder where a web page has left files beside the installer: notepad.exe, cmd.exe,
// rebuild.bat, uxtheme.dll and version.dll, each of which only writes a marker beside itself
// (its name and ".marker") when it runs or is loaded. Wine is told to prefer the planted DLLs, as
// Windows does for every DLL outside its known list: uxtheme for install.exe, both for the probe
// (PlantedFiles.cpp says why not version for install.exe). The Wine settings go when this object
// goes; the folder is the caller's.
#include <string>
#include <vector>

namespace e2e {

class PlantedFiles {
public:
    // Lays out folder with the planted files and a copy of install.exe beside them. windowsXp:
    // Wine reports Windows XP to that install.exe, where the DLL search cannot be restricted.
    PlantedFiles(const std::string& folder, bool windowsXp);
    ~PlantedFiles();
    PlantedFiles(const PlantedFiles&) = delete;
    PlantedFiles& operator=(const PlantedFiles&) = delete;

    const std::string& Installer() const { return installer_; }
    // The names of the planted files in folder whose markers are there, sorted.
    static std::vector<std::string> Reached(const std::string& folder);
    // Every planted name, sorted.
    static std::vector<std::string> Names();
    // Runs a probe beside the planted files that starts cmd.exe and Notepad and loads the two DLLs
    // by bare name, as a careless program does, and waits until their markers are there: a world
    // in which such a program would be caught (the batch cannot be reached under Wine).
    // Removes the markers again. Throws std::runtime_error when a marker does not come.
    void ProveTheyAreReached() const;

private:
    std::string folder_;
    std::string installer_;
};

}  // namespace e2e
