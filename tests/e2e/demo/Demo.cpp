// The demo on a machine of its own: fake Delphi 5, Delphi 6 and C++ Builder 6 installed in
// "C:\Program Files\Borland" with working fake tools, the help engine stand-in ready, and
// install.exe started on it.
//   e2e_demo auto     installs into Delphi 6 with the keyboard through the driver (pictures of
//                     every page when KV_SCREENS names a folder)
//   e2e_demo manual   leaves install.exe to the user and waits for its end
// Either way it then reports what the installation did. Earlier demo installations are removed
// first; this one stays for the user to look at.
#include <windows.h>

#include <iostream>

#include "fixtures/helpengine/HelpEngine.h"
#include "tests/e2e/demo/InstallationReport.h"
#include "tests/e2e/driver/Input.h"
#include "tests/e2e/driver/InstallerWindows.h"
#include "tests/e2e/driver/KeyboardInstallation.h"
#include "tests/e2e/driver/Machine.h"
#include "tests/support/TempDir.h"

namespace {

using namespace e2e;

constexpr char Base[] = "C:";

DWORD InstallByKeyboard(const InstallerProcess& installer) {
    WizardWindow wizard(installer);
    const InstallationSeen seen = InstallByKeyboard(installer, wizard, KeyboardChoices{});
    std::cout << "Pages, keyboard only:";
    for (const std::string& page : seen.pages) std::cout << (&page == &seen.pages.front() ? " " : " > ") << page;
    std::cout << "\nChosen: " << seen.hostSelected << ", IDE root " << seen.hostPathField << ", install folder "
              << seen.installPathField << " (as proposed)\n";
    PressAlt(wizard.Form(), 'E');
    return installer.ExitCode();
}

DWORD LeaveToTheUser(const InstallerProcess& installer) {
    WizardWindow wizard(installer);
    std::cout << "install.exe shows its wizard on your display; this waits until you close it." << std::endl;
    return installer.ExitCode(-1);
}

}  // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode != "auto" && mode != "manual") {
        std::cerr << "usage: e2e_demo auto|manual\n";
        return 2;
    }
    try {
        test::RemoveTree(std::string(Base) + "\\Korvane");
        test::RemoveTree(std::string(Base) + "\\Program Files\\Borland");
        Machine machine(Base);
        machine.KeepForUser();
        fixture::HelpEngine help;
        InstallerProcess installer;
        const DWORD code = mode == "auto" ? InstallByKeyboard(installer) : LeaveToTheUser(installer);

        std::cout << "\n== What the installation did\n";
        for (int host : {Delphi5, Delphi6, CBuilder6}) e2e_demo::ReportInstallation(std::cout, host, machine.Ide(host));
        Within(5000, [&] { return !help.ShownCaption().empty(); });
        for (const fixture::HelpRequest& r : fixture::HelpEngine::Requests())
            std::cout << "Help on Exit: the help engine was asked to run \"" << r.data << "\" on " << r.file << "\n";
        std::cout << "install.exe ended with exit code " << code << std::endl;
        if (mode == "manual" && !help.ShownCaption().empty()) {
            std::cout << "The help engine stand-in shows the request; close its window to end the demo." << std::endl;
            while (!help.ShownCaption().empty()) Sleep(200);
        }
        return code == 0 ? 0 : 1;
    } catch (const std::exception& e) {
        std::cerr << "demo: " << e.what() << "\n";
        return 1;
    }
}
