#include "tests/e2e/driver/KeyboardInstallation.h"

#include "tests/e2e/driver/Input.h"
#include "tests/e2e/driver/Screenshot.h"
#include "tests/e2e/driver/Wait.h"

namespace e2e {
namespace {

void WaitForFocus(const Window& control, const std::string& what) {
    WaitUntil([&] { return control.Focused(); }, "the focus on " + what);
}

}  // namespace

InstallationSeen StartInstallationByKeyboard(const InstallerProcess& installer, const WizardWindow& wizard,
                                            const KeyboardChoices& choices) {
    InstallationSeen seen;
    const Window& form = wizard.Form();
    auto arrive = [&](const std::string& page, const std::string& picture) {
        wizard.WaitForPage(page);
        seen.pages.push_back(page);
        Screenshot(picture, {form});
    };

    arrive("Welcome", "welcome");
    PressKey(form, VK_RETURN);
    wizard.WaitForPage("InstallPath");
    seen.pages.push_back("InstallPath");
    const Window installField = wizard.InstallPathField();
    WaitForFocus(installField, "the install folder");

    // Tab leads to the selected host button; the arrow keys select the next ones.
    PressKey(form, VK_TAB);
    Window host = wizard.SelectedHostButton();
    WaitForFocus(host, "the selected host button");
    for (int step = 0; step < choices.hostSteps; ++step) {
        const Window before = host;
        PressKey(form, VK_DOWN);
        WaitUntil([&] { return (host = wizard.SelectedHostButton()) && !(host == before); }, "another host selected");
    }
    seen.hostSelected = host.Text();
    PressKey(form, VK_TAB, true);
    WaitForFocus(installField, "the install folder again");
    if (!choices.installFolder.empty()) {
        ReplaceText(form, choices.installFolder);
        WaitUntil([&] { return installField.Text() == choices.installFolder; }, "the typed install folder");
    }
    seen.hostPathField = wizard.HostPathField().Text();
    seen.installPathField = installField.Text();
    Screenshot("install-path", {form});

    PressAlt(form, 'N');
    const Window licence = installer.WaitForWindow(LicenceClass, "License agreement");
    seen.pages.push_back(wizard.Page());
    seen.pages.push_back(licence.Text());
    seen.licenceMaximised = IsZoomed(licence.Handle()) != FALSE;
    const Window text = licence.Descendant("Edit");
    seen.licenceText = text.Text();
    Screenshot("licence", {licence});
    WaitForFocus(text, "the licence text");
    PressKey(licence, VK_TAB);
    WaitForFocus(licence.Descendant("Button", "Agree"), "Agree");
    PressKey(licence, VK_RETURN);
    WaitUntil([&] { return !licence.Visible(); }, "the licence dialog to close");

    wizard.WaitForPage("BeforeInstall");
    seen.beforeInstallText = wizard.LabelAt(4, 4);
    Screenshot("before-install", {form});
    PressAlt(form, 'N');
    // The run starts at once and may keep the window from answering until it ends.
    wizard.WaitForPage("Installing", RunLimitMs);
    seen.pages.push_back("Installing");
    return seen;
}

void FinishInstallationByKeyboard(const WizardWindow& wizard, InstallationSeen& seen) {
    const Window& form = wizard.Form();
    WaitUntil([&] { return wizard.Next().Enabled(); }, "the end of the installation run", RunLimitMs);
    for (const Window& box : wizard.CurrentPage().Descendants("Button")) seen.progress[box.Text()] = box.CheckState();
    seen.compilingSignShown = wizard.OnPage("TLabel", "Compiling! Please wait ...").Visible();
    Screenshot("installing", {form});

    PressAlt(form, 'N');
    wizard.WaitForPage("WellDone");
    seen.pages.push_back("WellDone");
    Screenshot("well-done", {form});
}

InstallationSeen InstallByKeyboard(const InstallerProcess& installer, const WizardWindow& wizard,
                                   const KeyboardChoices& choices) {
    InstallationSeen seen = StartInstallationByKeyboard(installer, wizard, choices);
    FinishInstallationByKeyboard(wizard, seen);
    return seen;
}

}  // namespace e2e
