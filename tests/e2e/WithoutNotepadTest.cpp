// A Windows without Notepad (an optional feature from Windows 10 2004 on) and without a program
// for .log files: a failed compilation still tells the user where the instructions are. Wine's
// Notepad is built in (the system folder's notepad.exe only stands in for it), so this runs as
// e2e_without_notepad, whose Wine is told not to load it.
#include <gtest/gtest.h>

#include <windows.h>

#include "fixtures/fakeide/FakeRegistry.h"
#include "tests/e2e/Steps.h"
#include "tests/e2e/driver/Input.h"
#include "tests/e2e/driver/KeyboardInstallation.h"
#include "tests/e2e/driver/Machine.h"
#include "tests/support/TempDir.h"

namespace {

using namespace e2e;
using namespace e2e_test;

bool NotepadStarts() {
    const std::string notepad = Machine::SystemFolder() + "\\notepad.exe";
    std::string command = "\"" + notepad + "\" /?";
    STARTUPINFOA si{};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESHOWWINDOW;
    si.wShowWindow = SW_HIDE;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessA(notepad.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
        return false;
    TerminateProcess(pi.hProcess, 0);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return true;
}

TEST(WithoutNotepad, AFailedCompilationTellsWhereErrorLogIs) {
    ASSERT_FALSE(NotepadStarts()) << "Notepad starts here: run this as e2e_without_notepad";
    ASSERT_FALSE(fixture::KeyExists(fixture::Hive::ClassesRoot, ".log")) << "a program the shell opens .log files with";
    test::TempDir temp;
    Machine machine(temp.Path(), {Delphi5, Delphi6});
    machine.Ide(Delphi6).FailTools();
    const std::string folder = temp.Path() + "\\Korvane";

    InstallerProcess installer;
    WizardWindow wizard(installer);
    InstallationSeen seen = StartInstallationByKeyboard(installer, wizard, {1, folder});
    MessageBoxWindow box = ExpectBox(installer, "Warning",
                                     "Open " + folder + "\\error.log to compile the packages by hand.", OkOnly);
    EXPECT_NE(test::ReadWholeFile(folder + "\\error.log").find("kv40d6.dpk"), std::string::npos);
    PressKey(box.Box(), VK_RETURN);
    box.WaitUntilClosed();
    FinishInstallationByKeyboard(wizard, seen);
    EXPECT_EQ(seen.progress.at("Component compilation"), BST_UNCHECKED);
    ClickCloseBox(wizard.Form());
    EXPECT_EQ(installer.ExitCode(), 0u);
}

}  // namespace
