#include "tests/e2e/Steps.h"

#include <gtest/gtest.h>

#include "tests/e2e/driver/Input.h"

namespace e2e_test {

using namespace e2e;

MessageBoxWindow ExpectBox(const InstallerProcess& installer, const char* caption, const std::string& text,
                           const std::vector<std::string>& buttons) {
    MessageBoxWindow box(installer, caption);
    EXPECT_EQ(box.Text(), text);
    EXPECT_EQ(box.Buttons(), buttons);
    return box;
}

void ExitWithYes(const InstallerProcess& installer, const WizardWindow& wizard) {
    PressKey(wizard.Form(), VK_ESCAPE);
    MessageBoxWindow question = ExpectBox(installer, ExitCaption, ExitQuestion, YesNo);
    PressKey(question.Box(), 'Y');
    EXPECT_EQ(installer.ExitCode(), 0u);
}

void TypeInto(const WizardWindow& wizard, const Window& field, const std::string& text) {
    Click(field);
    WaitUntil([&] { return field.Focused(); }, "the focus on the clicked field");
    ReplaceText(wizard.Form(), text);
    WaitUntil([&] { return field.Text() == text; }, "the typed text in the field");
}

void ToInstallPath(const WizardWindow& wizard) {
    wizard.WaitForPage("Welcome");
    PressKey(wizard.Form(), VK_RETURN);
    wizard.WaitForPage("InstallPath");
    const Window field = wizard.InstallPathField();
    WaitUntil([&] { return field.Focused(); }, "the focus on the install folder");
}

void CloseInstructionsInNotepad() {
    Window notepad;
    WaitUntil(
        [&] {
            for (const Window& w : TopLevelWindows("Notepad"))
                if (w.Visible() && w.Text().find("error.log") != std::string::npos) notepad = w;
            return bool(notepad);
        },
        "Notepad showing error.log");
    PostMessageA(notepad.Handle(), WM_CLOSE, 0, 0);
}

InstallationSeen Install(const KeyboardChoices& choices) {
    InstallerProcess installer;
    WizardWindow wizard(installer);
    InstallationSeen seen = StartInstallationByKeyboard(installer, wizard, choices);
    WaitUntil([&] { return wizard.Next().Enabled() || !installer.VisibleWindows(MessageBoxClass).empty(); },
              "the end of the installation run", RunLimitMs);
    if (!installer.VisibleWindows(MessageBoxClass).empty()) {
        MessageBoxWindow box(installer, "Warning");
        ADD_FAILURE() << "the run ended with the box \"" << box.Text() << "\"";
        PressKey(box.Box(), VK_RETURN);
        box.WaitUntilClosed();
    }
    FinishInstallationByKeyboard(wizard, seen);
    ClickCloseBox(wizard.Form());
    EXPECT_EQ(installer.ExitCode(), 0u);
    return seen;
}

}  // namespace e2e_test
