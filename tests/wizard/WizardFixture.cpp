#include "tests/wizard/WizardFixture.h"

#include <windows.h>

#include <chrono>
#include <thread>

#include "fixtures/fakeide/FakeInstallFolder.h"
#include "fixtures/fakeide/FakeRegistry.h"
#include "hosts/HostSelection.h"
#include "hosts/HostTable.h"
#include "payload/InstTypes.h"
#include "platform/Files.h"
#include "wizard/WizardTexts.h"

namespace wizard_test {
namespace {

HWND Hwnd(const forms::TControl& c) { return static_cast<HWND>(c.Handle()); }

int HostOfTag(const std::string& tag) {
    for (int i = 0; i < hosts::HostCount; ++i)
        if (tag == hosts::HostTable[i].PayloadFolderTag) return i;
    return -1;
}

void LayOutTag(const std::string& folder, const std::string& tag) {
    const int host = HostOfTag(tag);
    if (host >= 0) {
        fixture::LayOutInstallFolder(host, folder);
        return;
    }
    test::MakeFolders(folder + "\\Sources");
    test::WriteWholeFile(folder + "\\readme.txt", "Korvane " + tag + " files\r\n");
    test::WriteWholeFile(folder + "\\Sources\\Kv" + tag + ".pas", "unit Kv" + tag + ";\r\n");
    test::WriteWholeFile(folder + "\\Sources\\KvDefs" + tag + ".inc", "{$DEFINE KV}\r\n");
    test::WriteWholeFile(folder + "\\Sources\\hidden" + tag + ".txt", "");
}

// Stamps every file below folder and marks the include files read-only, the empty ones hidden.
void StampTree(const std::string& folder) {
    for (const test::FolderEntry& e : test::FolderEntries(folder)) {
        const std::string& name = e.name;
        const std::string path = folder + "\\" + name;
        if (e.folder) {
            StampTree(path);
            continue;
        }
        test::SetLocalDosTime(path, static_cast<uint32_t>(SampleAge));
        if (name.find(".inc") != std::string::npos) SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
        if (name.find("hidden") == 0) SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_HIDDEN);
    }
}

// The licence dialog's pending answer, given by a thread timer once the dialog shows.
struct LicenceAnswer {
    bool pending = false;
    bool agree = true;
    Wizard::LicenceSeen seen;
} g_licence;

void CALLBACK AnswerLicenceWhenShown(HWND, UINT, UINT_PTR timer, DWORD) {
    wizard::TfrmLicense* dialog = wizard::frmLicense;
    if (!g_licence.pending || !dialog || !IsWindowVisible(Hwnd(*dialog))) return;
    g_licence.pending = false;
    KillTimer(nullptr, timer);
    g_licence.seen.shown = true;
    g_licence.seen.maximised = IsZoomed(Hwnd(*dialog)) != FALSE;
    g_licence.seen.lines = dialog->memLicense->Lines();
    SendMessageA(Hwnd(g_licence.agree ? *dialog->btnAgree : *dialog->btnDisagree), BM_CLICK, 0, 0);
}

}  // namespace

Wizard::Wizard(std::nullptr_t)
    : savedFolder_(platform::Files().getCurrentDirectory()),
      boxes_(platform::Ui().messageBox,
             [this](const std::string& text, const std::string& caption, uint32_t flags) {
                 boxes.push_back({text, caption, flags});
                 int answer = (flags & platform::mb::YesNo) ? platform::mb::IdNo : platform::mb::IdOk;
                 if (!answers_.empty()) {
                     answer = answers_.front();
                     answers_.erase(answers_.begin());
                 }
                 return answer;
             }),
      help_(platform::Ui().winHelp,
            [this](const std::string& file, uint32_t, const std::string& macro, uint32_t) {
                helpRequests.push_back(file + "|" + macro);
                return true;
            }),
      exec_(platform::Processes().startProgram,
            [this](const std::string&, const std::string& command) {
                commands.push_back(command);
                return true;
            }),
      front_(platform::Ui().bringApplicationToFront, [this] { ++frontRequests; }) {
    payload::InstallerData = new payload::TInstallerData(&application_);
    payload::InstallerData->License().Assign({"Korvane licence agreement", "", "Second paragraph."});
}

Wizard::Wizard(const Files& files, bool show) : Wizard(nullptr) {
    for (const PayloadFile& f : files) {
        payload::TFileHolder& item = payload::InstallerData->Files().Add();
        item.Name = f.name;
        item.Age = SampleAge;
        item.Attr = FILE_ATTRIBUTE_ARCHIVE;
        item.Size = static_cast<int32_t>(f.content.size());
        item.Content = std::vector<uint8_t>(f.content.begin(), f.content.end());
    }
    Start(show);
}

Wizard::Wizard(const Tags& tags, bool show) : Wizard(nullptr) {
    const std::string data = temp_.Path() + "\\Data";
    for (const std::string& tag : tags.names) LayOutTag(data + "\\" + tag, tag);
    StampTree(data);
    payload::InstallerData->Files().RootFolder = data;
    payload::InstallerData->Files().ScanRootFolder();
    Start(show);
}

void Wizard::Start(bool show) {
    application_.Initialize();
    application_.SetTitle(wizard::texts::ApplicationTitle);
    application_.CreateForm<wizard::TMainForm>();
    wizard::frmLicense = application_.CreateForm<wizard::TfrmLicense>();
    if (show) {
        Form().Show();
        Pump();
    }
}

Wizard::~Wizard() {
    g_licence.pending = false;
    platform::Files().setCurrentDirectory(savedFolder_);
    hosts::InstallPath.clear();
    hosts::HostRootPath.clear();
    payload::InstallerData = nullptr;  // freed with the application
    wizard::frmLicense = nullptr;
}

void Wizard::Pump() { application_.ProcessMessages(); }

bool Wizard::PumpUntil(const std::function<bool()>& done, int limitMs) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(limitMs);
    while (!done()) {
        if (std::chrono::steady_clock::now() > end) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
        Pump();
    }
    return true;
}

void Wizard::Click(const forms::TControl& button) {
    SendMessageA(Hwnd(button), BM_CLICK, 0, 0);
    Pump();
}

void Wizard::Key(uint16_t virtualKey, bool alt) {
    HWND focus = GetFocus();
    if (!focus) focus = Hwnd(Form());
    // Bit 29: the Alt key is down, which makes the key a system key.
    const LPARAM down = 1 | (alt ? 1 << 29 : 0);
    PostMessageA(focus, alt ? WM_SYSKEYDOWN : WM_KEYDOWN, virtualKey, down);
    PostMessageA(focus, alt ? WM_SYSKEYUP : WM_KEYUP, virtualKey, down | 0xC0000000);
    Pump();
    Pump();  // the characters that the keys were translated into
}

void Wizard::ToInstallPath() { Click(*Form().btnNext); }

void Wizard::AnswerLicenceWith(bool agree) {
    g_licence = LicenceAnswer{true, agree, {}};
    SetTimer(nullptr, 0, 20, AnswerLicenceWhenShown);
}

const Wizard::LicenceSeen& Wizard::LicenceSeenLast() const { return g_licence.seen; }

RegisteredIde::RegisteredIde(int host, const std::string& baseFolder) {
    ClearProductRecords();
    ide_ = std::make_unique<fixture::FakeIde>(host, baseFolder);
}

RegisteredIde::~RegisteredIde() {
    ide_.reset();
    ClearProductRecords();
}

void ClearProductRecords() {
    for (int host = 0; host < hosts::HostCount; ++host) {
        fixture::RemoveProductRecord(host);
        const std::string ide = std::string("\\Borland\\") + hosts::HostTable[host].HostRegistryKey;
        fixture::DeleteTree(fixture::Hive::LocalMachine, "SOFTWARE" + ide, "SOFTWARE");
        fixture::DeleteTree(fixture::Hive::CurrentUser, "Software" + ide, "Software");
    }
    fixture::DeleteTree(fixture::Hive::LocalMachine, "SOFTWARE\\Maltrow Software Test", "SOFTWARE");
}

}  // namespace wizard_test
