#pragma once
// Steps that several scenarios share: the texts of the installer's boxes, reading a box, and
// leaving the wizard through the exit question.
#include <string>
#include <vector>

#include "tests/e2e/driver/InstallerProcess.h"
#include "tests/e2e/driver/InstallerWindows.h"
#include "tests/e2e/driver/KeyboardInstallation.h"

namespace e2e_test {

inline constexpr char ExitCaption[] = "Korvane installer";
inline constexpr char ExitQuestion[] = "Are you sure to exit installation program?";
inline const std::vector<std::string> YesNo = {"&Yes", "&No"};
inline const std::vector<std::string> OkOnly = {"OK"};

// Waits for the box with the caption and expects its text and buttons; the box, to answer it.
e2e::MessageBoxWindow ExpectBox(const e2e::InstallerProcess& installer, const char* caption, const std::string& text,
                                const std::vector<std::string>& buttons);
// The wizard is left as a user leaves it: Esc, the exit question answered with Yes, exit code 0.
void ExitWithYes(const e2e::InstallerProcess& installer, const e2e::WizardWindow& wizard);
// The field clicked, its text replaced by typing, and the new text seen in it.
void TypeInto(const e2e::WizardWindow& wizard, const e2e::Window& field, const std::string& text);
// Next to "InstallPath", where the focus is in the install folder field.
void ToInstallPath(const e2e::WizardWindow& wizard);
// Waits for Notepad showing error.log, which a failed compilation opens, and closes it.
void CloseInstructionsInNotepad();
// A whole installation through the windows to the finish page, whose close box ends the program.
// No box may come.
e2e::InstallationSeen Install(const e2e::KeyboardChoices& choices);

}  // namespace e2e_test
