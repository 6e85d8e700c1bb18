#pragma once
// The installer's windows as the user meets them: the wizard window with its pages, the licence
// dialog and the platform's message boxes, known by their classes, captions and positions.
#include <string>
#include <vector>

#include "tests/e2e/driver/InstallerProcess.h"
#include "tests/e2e/driver/Window.h"

namespace e2e {

inline constexpr char WizardClass[] = "TMainForm";
inline constexpr char LicenceClass[] = "TfrmLicense";
inline constexpr char MessageBoxClass[] = "#32770";
// The host buttons' captions, in host table order.
inline constexpr const char* HostCaptions[] = {"Delphi 4",      "Delphi 5",      "Delphi 6",
                                               "C++ Builder 4", "C++ Builder 5", "C++ Builder 6"};

class WizardWindow {
public:
    // Waits for the installer's wizard window to show.
    explicit WizardWindow(const InstallerProcess& installer);

    const Window& Form() const { return form_; }
    // The name of the page on show: the caption of the visible notebook page.
    std::string Page() const;
    // The visible notebook page; its controls are below it.
    Window CurrentPage() const;
    void WaitForPage(const std::string& name, int limitMs = DefaultLimitMs) const;

    // A control of the window outside the pages, by caption ("&Next >", "< &Back", "&Exit").
    Window Button(const char* caption) const;
    Window Next() const { return Button("&Next >"); }
    Window Back() const { return Button("< &Back"); }
    Window Exit() const { return Button("&Exit"); }

    // Controls of the page on show.
    Window OnPage(const std::string& className, const char* caption = nullptr) const;
    Window OnPageAt(const std::string& className, int left, int top) const;
    // "InstallPath": the two folder fields, the Browse button beside each, the host buttons.
    Window HostPathField() const { return OnPageAt("Edit", 4, 24); }
    Window InstallPathField() const { return OnPageAt("Edit", 4, 68); }
    Window HostBrowse() const { return OnPageAt("Button", 320, 24); }
    Window InstallBrowse() const { return OnPageAt("Button", 320, 68); }
    Window HostButton(const char* caption) const { return OnPage("Button", caption); }
    // The checked host button; none when no host is selected.
    Window SelectedHostButton() const;
    // The text of the label whose top left corner lies there on the page on show.
    std::string LabelAt(int left, int top) const { return OnPageAt("TLabel", left, top).Text(); }

private:
    Window form_;
};

// A message box of the platform (class "#32770"): caption, text, buttons.
class MessageBoxWindow {
public:
    // Waits for a box of the installer with this caption.
    MessageBoxWindow(const InstallerProcess& installer, const char* caption, int limitMs = DefaultLimitMs);

    const Window& Box() const { return box_; }
    std::string Caption() const { return box_.Text(); }
    std::string Text() const;
    // Captions of its buttons, left to right.
    std::vector<std::string> Buttons() const;
    // Waits until it is gone, after it was answered.
    void WaitUntilClosed() const;

private:
    Window box_;
};

}  // namespace e2e
