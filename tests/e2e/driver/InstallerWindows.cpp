#include "tests/e2e/driver/InstallerWindows.h"

#include <algorithm>
#include <stdexcept>

namespace e2e {
namespace {

// The platform's message box shows its text in the static control of this identifier.
constexpr int MessageTextId = 0xFFFF;

}  // namespace

WizardWindow::WizardWindow(const InstallerProcess& installer) : form_(installer.WaitForWindow(WizardClass)) {}

Window WizardWindow::CurrentPage() const {
    for (const Window& page : form_.Descendants("TPage"))
        if (page.Visible()) return page;
    throw std::runtime_error("the wizard shows no page");
}

std::string WizardWindow::Page() const { return CurrentPage().Text(); }

void WizardWindow::WaitForPage(const std::string& name, int limitMs) const {
    std::string seen;
    WaitUntil(
        [&] {
            for (const Window& page : form_.Descendants("TPage"))
                if (page.Visible()) seen = page.Text();
            return seen == name;
        },
        "the page \"" + name + "\" (on \"" + seen + "\")", limitMs);
}

Window WizardWindow::Button(const char* caption) const { return form_.Descendant("Button", caption); }

Window WizardWindow::OnPage(const std::string& className, const char* caption) const {
    return CurrentPage().Descendant(className, caption);
}

Window WizardWindow::OnPageAt(const std::string& className, int left, int top) const {
    return CurrentPage().DescendantAt(className, left, top);
}

Window WizardWindow::SelectedHostButton() const {
    for (const char* caption : HostCaptions)
        if (Window b = HostButton(caption); b.CheckState() == BST_CHECKED) return b;
    return Window();
}

MessageBoxWindow::MessageBoxWindow(const InstallerProcess& installer, const char* caption, int limitMs)
    : box_(installer.WaitForWindow(MessageBoxClass, caption, limitMs)) {}

std::string MessageBoxWindow::Text() const {
    for (const Window& w : box_.Descendants("Static"))
        if (GetDlgCtrlID(w.Handle()) == MessageTextId) return w.Text();
    throw std::runtime_error("the box \"" + Caption() + "\" shows no text");
}

std::vector<std::string> MessageBoxWindow::Buttons() const {
    std::vector<Window> buttons;
    for (const Window& b : box_.Descendants("Button"))
        if (b.Visible()) buttons.push_back(b);
    std::sort(buttons.begin(), buttons.end(),
              [](const Window& a, const Window& b) { return a.ScreenRect().left < b.ScreenRect().left; });
    std::vector<std::string> captions;
    for (const Window& b : buttons) captions.push_back(b.Text());
    return captions;
}

void MessageBoxWindow::WaitUntilClosed() const {
    WaitUntil([&] { return !box_ || !box_.Visible(); }, "a message box to close");
}

}  // namespace e2e
