// The installation run from the confirmation page: the payload's files, the IDE's library path,
// package, help and compiled packages, the progress shown at every stage, and what the wizard
// does after the run returned or failed. Real files, registry, cmd.exe and fake IDE tools.
#include <gtest/gtest.h>

#include <windows.h>


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
                   [this](const std::string& program, const std::string& command, const std::string& title, bool hidden) {
                       atCompilation = ProgressOf(wizard_.Form());
                       return compile_.Original()(program, command, title, hidden);
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
    std::string DataFolder() const { return wizard_.TempFolder() + "\\Data"; }
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

// Where the files of the payload that the test below packs end up: below the install folder, or
// in the IDE's Help folder; each with the stored name it comes from and the protecting attributes
// (read-only, hidden, system) that the fixture gave it. A later tag's file replaces an earlier one
// of the same name (readme.txt of "vcl6" over that of "common"); "d5" stays out.
constexpr uint32_t Plain = 0, ReadOnly = FILE_ATTRIBUTE_READONLY, Hidden = FILE_ATTRIBUTE_HIDDEN;
constexpr uint32_t Protecting = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
struct Placed {
    const char* path;
    const char* stored;
    uint32_t attributes = Plain;
};

const std::vector<Placed> SharedFiles = {
    {"\\readme.txt", "\\vcl6\\readme.txt"},
    {"\\Sources\\Kvcommon.pas", "\\common\\Sources\\Kvcommon.pas"},
    {"\\Sources\\KvDefscommon.inc", "\\common\\Sources\\KvDefscommon.inc", ReadOnly},
    {"\\Sources\\hiddencommon.txt", "\\common\\Sources\\hiddencommon.txt", Hidden},
    {"\\Sources\\Kvvcl6.pas", "\\vcl6\\Sources\\Kvvcl6.pas"},
    {"\\Sources\\KvDefsvcl6.inc", "\\vcl6\\Sources\\KvDefsvcl6.inc", ReadOnly},
    {"\\Sources\\hiddenvcl6.txt", "\\vcl6\\Sources\\hiddenvcl6.txt", Hidden},
};

struct HostInstallation {
    int host;
    const char* name;
    const char* tag;
    std::vector<Placed> installed, help;
    const char* include;
    const char* designTimeBinary;
};

const HostInstallation Installations[] = {
    {Delphi6, "Delphi 6", "d6",
     {{"\\Lib\\kv40d6.dpk", "\\d6\\Lib\\kv40d6.dpk"}, {"\\Lib\\dclkv40d6.dpk", "\\d6\\Lib\\dclkv40d6.dpk"}},
     {{"kvd6.hlp", "\\d6\\Help\\kvd6.hlp"}, {"kvd6.cnt", "\\d6\\Help\\kvd6.cnt"}},
     ":Include kvd6.cnt", "dclkv40d6.bpl"},
    {CBuilder6, "C++ Builder 6", "c6",
     {{"\\Lib\\kv40c6.bpk", "\\c6\\Lib\\kv40c6.bpk"}, {"\\Lib\\dclkv40c6.bpk", "\\c6\\Lib\\dclkv40c6.bpk"}},
     {{"kvc6.hlp", "\\c6\\Help\\kvc6.hlp"}, {"kvc6.cnt", "\\c6\\Help\\kvc6.cnt"}},
     ":Include kvc6.cnt", "dclkv40c6.bpl"},
};

// The packed item and the file at path both carry the time stamp and the attributes that the
// fixture gave the file in the Data tree, and the file its content. Both, because a fault shared by
// scan and extraction (a time conversion missed on both sides) cancels out on disk.
void ExpectInstalledAs(const std::string& path, const std::string& dataFolder, const Placed& f) {
    SCOPED_TRACE(path);
    const payload::TFileCollection& files = payload::InstallerData->Files();
    int packed = 0;
    for (int i = 0; i < files.Count(); ++i) {
        if (files.Item(i).Name != f.stored) continue;
        ++packed;
        EXPECT_EQ(files.Item(i).Age, wizard_test::SampleAge);
        EXPECT_EQ(static_cast<uint32_t>(files.Item(i).Attr) & Protecting, f.attributes);
    }
    EXPECT_EQ(packed, 1) << f.stored;
    ASSERT_TRUE(test::FileExists(path));
    EXPECT_EQ(test::ReadWholeFile(path), test::ReadWholeFile(dataFolder + f.stored));
    EXPECT_EQ(test::LocalDosTime(path), static_cast<uint32_t>(wizard_test::SampleAge));
    EXPECT_EQ(test::Attributes(path) & Protecting, f.attributes);
}

TEST(InstallationRun, InstallsTheSuiteIntoTheChosenIdeAndExitOpensItsHelp) {
    for (const HostInstallation& expected : Installations) {
        SCOPED_TRACE(expected.name);
        Installation install(expected.host, {"common", "vcl6", expected.tag, "d5"});
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

        // The files of "common", "vcl6" and the host's own tag; the help pair went on into the
        // IDE's Help folder. Files of other tags stay out.
        const std::string installPath = install.InstallPath();
        const std::string ideHelp = install.Ide().HelpFolder() + "\\";
        const std::string data = install.DataFolder();
        for (const std::vector<Placed>* files : {&SharedFiles, &expected.installed})
            for (const Placed& f : *files) ExpectInstalledAs(installPath + f.path, data, f);
        for (const Placed& f : expected.help) ExpectInstalledAs(ideHelp + f.path, data, f);
        EXPECT_FALSE(test::FileExists(installPath + "\\Lib\\kv40d5.dpk"));

        // The IDE knows the suite: its library path, its package, its help included once.
        const std::string searchPath =
            fixture::GetString(fixture::Hive::CurrentUser, install.Ide().LibraryKey(), "Search Path");
        EXPECT_EQ(searchPath.substr(searchPath.rfind(';') + 1), installPath + "\\Lib");
        EXPECT_EQ(fixture::GetString(fixture::Hive::CurrentUser, install.Ide().KnownPackagesKey(),
                                     installPath + "\\Lib\\" + expected.designTimeBinary),
                  "Korvane 4.3 package");
        const std::string contents = test::ReadWholeFile(install.Ide().HelpContentsFile());
        const std::string include = std::string(expected.include) + "\r\n";
        EXPECT_NE(contents.find(include), std::string::npos);
        EXPECT_EQ(contents.find(include), contents.rfind(include));
        const std::string product = fixture::ProductKey(expected.host);
        const std::string helpFile = ideHelp + expected.help[0].path;
        EXPECT_EQ(fixture::GetString(fixture::Hive::LocalMachine, product, "Path"), installPath);
        EXPECT_EQ(fixture::GetString(fixture::Hive::LocalMachine, product, "Version"), "4.3");
        EXPECT_EQ(fixture::GetString(fixture::Hive::LocalMachine, product, "HelpFile"), helpFile);
        // And its packages are compiled.
        EXPECT_TRUE(test::FileExists(installPath + "\\rebuild.bat"));
        EXPECT_TRUE(test::FileExists(install.SystemRtmBinary()));
        EXPECT_TRUE(test::FileExists(installPath + "\\Lib\\" + expected.designTimeBinary));
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
    const std::string notepad = "\"" + hosts::GetSystemFolder() + "\\notepad.exe\"";
    EXPECT_EQ(install.wizard().commands, std::vector<std::string>{notepad + " \"" + install.InstallPath() + "\\error.log\""});
    EXPECT_TRUE(install.Form().btnNext->Enabled());
}

TEST(InstallationRun, AnExtractionErrorEndsTheRunBeforeAnyRegistration) {
    Installation install(Delphi6, {"common", "d6"});
    const std::string refused = install.InstallPath() + "\\Lib\\kv40d6.dpk";
    // That destination is in use by another program: its new content cannot take its place.
    platform::ScopedOverride<decltype(platform::FileApi::replaceFile)> inUse(
        platform::Files().replaceFile, [&](const std::string& from, const std::string& to) {
            return to != refused && inUse.Original()(from, to);
        });
    install.Run();
    wizard::TMainForm& form = install.Form();
    ASSERT_EQ(install.wizard().boxes.size(), 1u);
    EXPECT_EQ(install.wizard().boxes[0].text, "Cannot create file " + refused);
    EXPECT_EQ(install.wizard().boxes[0].caption, "Warning");
    EXPECT_EQ(ProgressOf(form), (Progress{U, U, U, U, U, false}));
    EXPECT_FALSE(payload::InstallerData->Files().OnExtractFile) << "the per-file handler is cleared";
    EXPECT_TRUE(test::FileExists(install.InstallPath() + "\\readme.txt")) << "files written before it stay";
    EXPECT_EQ(fixture::GetString(fixture::Hive::LocalMachine, fixture::ProductKey(Delphi6), "Path"), "");
    EXPECT_EQ(fixture::GetString(fixture::Hive::CurrentUser, install.Ide().LibraryKey(), "Search Path")
                  .find(install.InstallPath()),
              std::string::npos);
    EXPECT_FALSE(test::FileExists(install.InstallPath() + "\\rebuild.bat"));
    EXPECT_FALSE(form.btnBack->Enabled());
    EXPECT_TRUE(form.btnNext->Enabled() && form.btnExit->Enabled());
}

TEST(InstallationRun, ARegistryErrorOfTheLibraryPathOrPackageStepEndsTheRun) {
    for (bool packageStep : {false, true}) {
        SCOPED_TRACE(packageStep ? "package entry" : "search path");
        Installation install(Delphi6, {"common", "d6"});
        const std::string value = packageStep ? install.InstallPath() + "\\Lib\\dclkv40d6.bpl" : "Search Path";
        platform::ScopedOverride<decltype(platform::RegistryApi::setValue)> refuse(
            platform::Registry().setValue,
            [&](platform::Key k, const std::string& name, uint32_t type, const void* data, uint32_t size) -> long {
                if (name == value) return platform::regerr::AccessDenied;
                return refuse.Original()(k, name, type, data, size);
            });
        install.Run();
        ASSERT_EQ(install.wizard().boxes.size(), 1u);
        EXPECT_EQ(install.wizard().boxes[0].text, "Failed to set data for '" + value + "'");
        EXPECT_EQ(ProgressOf(install.Form()), (Progress{C, C, C, U, U, false}));
        EXPECT_FALSE(payload::InstallerData->Files().OnExtractFile) << "the per-file handler is cleared";
        const std::string product = fixture::ProductKey(Delphi6);
        EXPECT_EQ(fixture::GetString(fixture::Hive::LocalMachine, product, "Path"), install.InstallPath());
        EXPECT_EQ(fixture::GetString(fixture::Hive::LocalMachine, product, "Version"), "");
        EXPECT_EQ(test::ReadWholeFile(install.Ide().HelpContentsFile()).find(":Include kvd6.cnt"), std::string::npos);
        EXPECT_FALSE(test::FileExists(install.InstallPath() + "\\rebuild.bat"));
        EXPECT_TRUE(install.Form().btnNext->Enabled() && install.Form().btnExit->Enabled());
    }
}

}  // namespace
