// The installation run from the confirmation page: the payload's files, the IDE's library path,
// package, help and compiled packages, the progress shown at every stage, and what the wizard
// does after the run returned or failed. Real files, registry, cmd.exe and fake IDE tools.
#include <gtest/gtest.h>

#include <windows.h>

#include <map>

#include "fixtures/fakeide/FakeRegistry.h"
#include "hosts/HostTable.h"
#include "hosts/IntegrationSteps.h"
#include "payload/InstTypes.h"
#include "platform/Files.h"
#include "platform/Process.h"
#include "platform/Registry.h"
#include "tests/wizard/WizardFixture.h"

namespace {

using wizard_test::CBuilder6;
using wizard_test::Delphi6;
using wizard_test::RegisteredIde;
using wizard_test::Tags;
using wizard_test::Wizard;

// The five progress controls at one moment: three boxes, registration, compilation, the sign.
struct Progress {
    forms::TCheckBoxState main, addit, help, registering, compiling;
    bool sign;
    bool operator==(const Progress& o) const {
        return main == o.main && addit == o.addit && help == o.help && registering == o.registering &&
               compiling == o.compiling && sign == o.sign;
    }
};

std::ostream& operator<<(std::ostream& out, const Progress& p) {
    return out << p.main << p.addit << p.help << " " << p.registering << " " << p.compiling << (p.sign ? " sign" : "");
}

Progress ProgressOf(const wizard::TMainForm& f) {
    // Read from the windows, as the user sees them.
    auto state = [](const forms::TCheckBox* box) {
        return static_cast<forms::TCheckBoxState>(SendMessageA(static_cast<HWND>(box->Handle()), BM_GETCHECK, 0, 0));
    };
    return {state(f.cbMainInstalling), state(f.cbAdditInstalling), state(f.cbHelpInstalling), state(f.cbRegistering),
            state(f.cbCompiling), IsWindowVisible(static_cast<HWND>(f.lbCompilingSign->Handle())) != FALSE};
}

constexpr auto U = forms::cbUnchecked;
constexpr auto C = forms::cbChecked;
constexpr auto G = forms::cbGrayed;

// The DOS time stamp of a file as the payload stores it.
int32_t AgeOf(const std::string& path) {
    uint32_t age = 0;
    platform::FileHandle f(platform::Files().createFile(path, platform::access::Read, platform::share::Read,
                                                         platform::disposition::OpenExisting, platform::attr::Normal));
    platform::Files().getLastWriteDosTime(f.Get(), &age);
    return static_cast<int32_t>(age);
}

// An installation of one host up to the confirmation page, ready for Next; the progress is
// recorded when the library path is written and when the compilation starts.
class Installation {
public:
    Installation(int host, const std::vector<std::string>& tags)
        : host_(hosts::HostTable[host]),
          wizard_(Tags{tags}),
          ide_(host, wizard_.TempFolder()),
          searchPath_(platform::Registry().setValue,
                      [this](platform::Key k, const std::string& name, uint32_t type, const void* data, uint32_t size) {
                          if (name == "Search Path") atLibraryPath = ProgressOf(wizard_.Form());
                          return searchPath_.Original()(k, name, type, data, size);
                      }),
          compile_(platform::Processes().createProcess,
                   [this](const std::string& command, const std::string& title, bool hidden) {
                       atCompilation = ProgressOf(wizard_.Form());
                       return compile_.Original()(command, title, hidden);
                   }) {
        RemoveSystemCopies();
        wizard_.ToInstallPath();
        static const char* const buttons[] = {"rbDelphi4", "rbDelphi5", "rbDelphi6",
                                              "rbCBuilder4", "rbCBuilder5", "rbCBuilder6"};
        wizard_.Click(*dynamic_cast<forms::TControl*>(Form().FindComponent(buttons[host])));
        EXPECT_EQ(hosts::GetHostIndex(), host);
        Form().UpdateHostPage();  // the IDE was registered after the window was made
        // A trailing backslash is dropped.
        Form().edInstallPath->SetText(InstallPath() + "\\");
        wizard_.AnswerLicenceWith(true);
        wizard_.Click(*Form().btnNext);
        EXPECT_EQ(wizard_.Page(), "BeforeInstall");
    }
    ~Installation() { RemoveSystemCopies(); }

    void Run() { wizard_.Click(*Form().btnNext); }
    wizard::TMainForm& Form() { return wizard_.Form(); }
    Wizard& wizard() { return wizard_; }
    const fixture::FakeIde& Ide() const { return ide_.Ide(); }
    std::string InstallPath() const { return wizard_.TempFolder() + "\\Korvane"; }
    std::string SystemRtmBinary() const { return hosts::GetSystemFolder() + "\\" + host_.RtmPackageBinary; }

    Progress atLibraryPath{}, atCompilation{};

private:
    void RemoveSystemCopies() {
        platform::Files().deleteFile(SystemRtmBinary());
        platform::Files().deleteFile(hosts::GetSystemFolder() + "\\" + host_.DtmPackageBinary);
    }

    const hosts::HostInfo& host_;
    Wizard wizard_;
    RegisteredIde ide_;
    platform::ScopedOverride<decltype(platform::RegistryApi::setValue)> searchPath_;
    platform::ScopedOverride<decltype(platform::ProcessApi::createProcess)> compile_;
};

TEST(InstallationRun, InstallsTheSuiteIntoTheChosenIdeAndExitOpensItsHelp) {
    for (int host : {Delphi6, CBuilder6}) {
        const hosts::HostInfo& row = hosts::HostTable[host];
        SCOPED_TRACE(row.HostName);
        Installation install(host, {"common", "vcl6", row.PayloadFolderTag, "d5"});
        install.Run();
        wizard::TMainForm& form = install.Form();

        // Progress at each stage, and the buttons after the run.
        EXPECT_EQ(install.atLibraryPath, (Progress{C, C, C, U, U, false}));
        EXPECT_EQ(install.atCompilation, (Progress{C, C, C, C, G, true}));
        EXPECT_EQ(ProgressOf(form), (Progress{C, C, C, C, C, false}));
        EXPECT_TRUE(install.wizard().boxes.empty());
        EXPECT_EQ(install.wizard().Page(), "Installing");
        EXPECT_FALSE(form.btnBack->Enabled());
        EXPECT_TRUE(form.btnNext->Enabled() && form.btnExit->Enabled());

        // Every file of "common", the VCL tag and the host's own tag, in that order, so that a later
        // tag's file replaces an earlier one of the same name; the help pair went on into the IDE's
        // Help folder. Files of other tags stay out.
        const std::string installPath = install.InstallPath();
        const std::string ideHelp = install.Ide().HelpFolder() + "\\";
        const payload::TFileCollection& files = payload::InstallerData->Files();
        std::map<std::string, const payload::TFileHolder*> expected;
        for (const std::string tag : {"common", "vcl6", row.PayloadFolderTag}) {
            for (int i = 0; i < files.Count(); ++i) {
                const payload::TFileHolder& item = files.Item(i);
                if (item.Name.compare(0, tag.size() + 2, "\\" + tag + "\\") != 0) continue;
                const std::string rest = item.Name.substr(tag.size() + 1);
                expected[rest.compare(0, 6, "\\Help\\") == 0 ? ideHelp + rest.substr(6) : installPath + rest] = &item;
            }
        }
        ASSERT_GT(expected.size(), 10u);
        EXPECT_EQ(expected.at(installPath + "\\readme.txt")->Name, "\\vcl6\\readme.txt");
        for (const auto& [path, item] : expected) {
            SCOPED_TRACE(path);
            ASSERT_TRUE(test::FileExists(path));
            EXPECT_EQ(test::ReadWholeFile(path), std::string(item->Content.begin(), item->Content.end()));
            EXPECT_EQ(AgeOf(path), item->Age);
            EXPECT_EQ(test::Attributes(path) & 0x27, static_cast<uint32_t>(item->Attr) & 0x27);
        }
        EXPECT_FALSE(test::FileExists(installPath + "\\Lib\\kv40d5.dpk"));

        // The IDE knows the suite: its library path, its package, its help included once.
        const std::string searchPath =
            fixture::GetString(fixture::Hive::CurrentUser, install.Ide().LibraryKey(), "Search Path");
        EXPECT_EQ(searchPath.substr(searchPath.rfind(';') + 1), installPath + "\\Lib");
        EXPECT_EQ(fixture::GetString(fixture::Hive::CurrentUser, install.Ide().KnownPackagesKey(),
                                     installPath + "\\Lib\\" + row.DtmPackageBinary),
                  "Korvane 4.3 package");
        const std::string contents = test::ReadWholeFile(install.Ide().HelpContentsFile());
        const std::string include = std::string(":Include ") + row.SuiteHelpName + ".cnt\r\n";
        EXPECT_NE(contents.find(include), std::string::npos);
        EXPECT_EQ(contents.find(include), contents.rfind(include));
        const std::string product = fixture::ProductKey(host);
        const std::string helpFile = ideHelp + row.SuiteHelpName + ".hlp";
        EXPECT_EQ(fixture::GetString(fixture::Hive::LocalMachine, product, "Path"), installPath);
        EXPECT_EQ(fixture::GetString(fixture::Hive::LocalMachine, product, "Version"), "4.3");
        EXPECT_EQ(fixture::GetString(fixture::Hive::LocalMachine, product, "HelpFile"), helpFile);
        // And its packages are compiled.
        EXPECT_TRUE(test::FileExists(installPath + "\\rebuild.bat"));
        EXPECT_TRUE(test::FileExists(install.SystemRtmBinary()));
        EXPECT_TRUE(test::FileExists(installPath + "\\Lib\\" + row.DtmPackageBinary));
        EXPECT_FALSE(test::FileExists(installPath + "\\error.log"));

        install.wizard().Click(*form.btnNext);
        EXPECT_EQ(install.wizard().Page(), "WellDone");
        EXPECT_FALSE(form.btnNext->Enabled());
        EXPECT_TRUE(form.btnExit->Enabled());
        install.wizard().Click(*form.btnExit);
        EXPECT_EQ(install.wizard().helpRequests, std::vector<std::string>{helpFile + "|Contents()"});
        EXPECT_TRUE(install.wizard().boxes.empty()) << "no exit question";
        EXPECT_TRUE(install.wizard().Application().Terminated());
    }
}

TEST(InstallationRun, AFailedCompilationIsReportedByTheBoxAndTheInstructionsNotByAnError) {
    Installation install(Delphi6, {"common", "d6"});
    install.Ide().FailTools();
    install.Run();
    EXPECT_TRUE(install.wizard().boxes.empty());
    EXPECT_EQ(ProgressOf(install.Form()), (Progress{C, C, C, C, U, false}));
    EXPECT_TRUE(test::FileExists(install.InstallPath() + "\\error.log"));
    EXPECT_EQ(install.wizard().commands, std::vector<std::string>{"notepad error.log"});
    EXPECT_TRUE(install.Form().btnNext->Enabled());
}

}  // namespace
