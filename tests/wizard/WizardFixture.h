#pragma once
// The installer as start-up leaves it, in the test's own process: the application object with its
// window, a payload, the wizard window shown and the licence dialog hidden, on Wine's real
// registry and files. Message boxes are answered and recorded, never shown; the help engine, the
// Notepad start and the call to the front are recorded. Users' actions go through the windows:
// the platform's button clicks and posted keys, handled by the real message loop.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "fixtures/fakeide/FakeIde.h"
#include "forms/Application.h"
#include "platform/Process.h"
#include "platform/Seam.h"
#include "platform/Ui.h"
#include "tests/support/TempDir.h"
#include "wizard/p1u1.h"
#include "wizard/p1u2.h"

namespace wizard_test {

inline constexpr int Delphi5 = 1;
inline constexpr int Delphi6 = 2;
inline constexpr int CBuilder6 = 5;
// 13 March 2002, 12:26:24 as a packed DOS date and time.
inline constexpr int32_t SampleAge = 0x2C6D634C;

struct Box {
    std::string text, caption;
    uint32_t flags;
};

// A payload file by its stored name; content, time stamp and attributes as packed.
struct PayloadFile {
    std::string name;
    std::string content = "x";
};

using Files = std::vector<PayloadFile>;
// Folder tags of a payload read from a Data tree (see Wizard).
struct Tags {
    std::vector<std::string> names;
};

class Wizard {
public:
    // A payload with exactly these files (no content of note).
    explicit Wizard(const Files& files, bool show = true);
    // A payload read from a Data tree on disk, as the packing command reads it: for each host tag
    // ("d4".."c6") the package projects and help pair its IDE needs; for "common" and any other tag
    // a few plain files, one of them read-only and one hidden. All stamped SampleAge.
    explicit Wizard(const Tags& tags, bool show = true);
    ~Wizard();
    Wizard(const Wizard&) = delete;
    Wizard& operator=(const Wizard&) = delete;

    wizard::TMainForm& Form() const { return *wizard::MainForm; }
    wizard::TfrmLicense& Licence() const { return *wizard::frmLicense; }
    forms::TApplication& Application() { return application_; }
    std::string Page() const { return Form().Notebook->ActivePage(); }
    const std::string& TempFolder() const { return temp_.Path(); }

    // The answers to the next message boxes, in order; without one, OK (or No for a question).
    void Answer(int button) { answers_.push_back(button); }
    // The platform's own message box, for a test that lets one show and answers it from outside.
    const decltype(platform::UiApi::messageBox)& PlatformMessageBox() const { return boxes_.Original(); }
    // Handles what is waiting in the queue; PumpUntil also waits for more, up to a limit.
    void Pump();
    bool PumpUntil(const std::function<bool()>& done, int limitMs = 5000);

    // A click of the platform's button, as a mouse click would do it.
    void Click(const forms::TControl& button);
    // A key posted to the window with the focus (with Alt held: a system key), then handled.
    void Key(uint16_t virtualKey, bool alt = false);
    // Walks to "InstallPath" with Next.
    void ToInstallPath();
    // The licence dialog's answer once it shows: the Agree or the Disagree button.
    void AnswerLicenceWith(bool agree);
    // What the licence dialog looked like when it was answered.
    struct LicenceSeen {
        bool shown = false, maximised = false;
        std::vector<std::string> lines;
    };
    const LicenceSeen& LicenceSeenLast() const;

    std::vector<Box> boxes;
    std::vector<std::string> helpRequests;  // "file|macro"
    std::vector<std::string> commands;      // command lines of the window programs started
    int frontRequests = 0;

private:
    // The seams and an empty payload with a licence; the public constructors fill the payload.
    explicit Wizard(std::nullptr_t);
    void Start(bool show);

    test::TempDir temp_;
    std::string savedFolder_;  // the installation changes the current folder
    forms::TApplication application_;
    std::vector<int> answers_;
    platform::ScopedOverride<decltype(platform::UiApi::messageBox)> boxes_;
    platform::ScopedOverride<decltype(platform::UiApi::winHelp)> help_;
    platform::ScopedOverride<decltype(platform::ProcessApi::startProgram)> exec_;
    platform::ScopedOverride<decltype(platform::UiApi::bringApplicationToFront)> front_;
};

// A fake IDE registered for the test and removed after it, with the product record and the
// IDE's registry keys of every host cleared before and after.
class RegisteredIde {
public:
    RegisteredIde(int host, const std::string& baseFolder);
    ~RegisteredIde();
    const fixture::FakeIde& Ide() const { return *ide_; }

private:
    std::unique_ptr<fixture::FakeIde> ide_;
};

// Removes every host's product record, every IDE's registry keys and the permission probe key.
void ClearProductRecords();

// For a test that reads the registry without registering an IDE: no product record and no IDE
// from the start of the test to its end.
struct NoRecordsOrIdes {
    NoRecordsOrIdes() { ClearProductRecords(); }
    ~NoRecordsOrIdes() { ClearProductRecords(); }
};

}  // namespace wizard_test
