#pragma once
// A whole installation as a user does it with the keyboard only: Enter on "Welcome", the host
// chosen with Tab and the arrow keys, the install folder typed, Alt+N, the licence agreed with
// Tab and Enter, Alt+N to install and Alt+N again to the finish page. What each page showed is
// kept for the caller; a picture of each is taken when pictures are wanted.
#include <map>
#include <string>
#include <vector>

#include "tests/e2e/driver/InstallerProcess.h"
#include "tests/e2e/driver/InstallerWindows.h"

namespace e2e {

// The installation blocks the wizard until the fake tools have compiled the packages.
inline constexpr int RunLimitMs = 180000;

struct KeyboardChoices {
    // Down presses from the host button selected at start (Delphi 5 -> Delphi 6: 1).
    int hostSteps = 1;
    // Typed over the proposed install folder; empty: the proposal is kept.
    std::string installFolder;
};

struct InstallationSeen {
    std::vector<std::string> pages;  // in the order they came, the licence dialog as "License agreement"
    std::string hostSelected;        // caption of the checked host button when Next was pressed
    std::string hostPathField, installPathField;
    std::string beforeInstallText;
    std::string licenceText;
    bool licenceMaximised = false;
    std::map<std::string, int> progress;  // check box caption -> check state after the run
    bool compilingSignShown = false;      // after the run
};

// Runs from the start of the wizard until Next on "BeforeInstall" has shown "Installing"; the
// run goes on, and what it shows is left to the caller.
InstallationSeen StartInstallationByKeyboard(const InstallerProcess& installer, const WizardWindow& wizard,
                                            const KeyboardChoices& choices);
// Waits for the end of the run, keeps what "Installing" shows and goes on to the finish page.
void FinishInstallationByKeyboard(const WizardWindow& wizard, InstallationSeen& seen);
// Runs from the start of the wizard to its finish page, where Exit is left to the caller.
InstallationSeen InstallByKeyboard(const InstallerProcess& installer, const WizardWindow& wizard,
                                   const KeyboardChoices& choices);

}  // namespace e2e
