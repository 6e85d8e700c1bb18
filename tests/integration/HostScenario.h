#pragma once
// One installation's surroundings for a test: a temporary folder with a fake IDE and an install
// folder laid out as the extraction leaves it, the host selected and the two folders set. Puts
// the globals, the current folder and the product record back afterwards, and answers any
// warning box instead of showing it.
#include <memory>
#include <string>
#include <vector>

#include "fixtures/fakeide/FakeIde.h"
#include "fixtures/fakeide/FakeInstallFolder.h"
#include "fixtures/fakeide/FakeRegistry.h"
#include "hosts/HostSelection.h"
#include "hosts/InstallationView.h"
#include "platform/Files.h"
#include "platform/Seam.h"
#include "platform/Ui.h"
#include "tests/support/TempDir.h"

namespace test {

class OneHostChecked : public hosts::IHostButtons {
public:
    explicit OneHostChecked(int index) : index_(index) {}
    bool IsChecked(int hostIndex) const override { return hostIndex == index_; }

private:
    int index_;
};

// What the wizard window would have been told.
class RecordingView : public hosts::IInstallationView {
public:
    void SetInstalledHelpFile(const std::string& path) override { helpFiles.push_back(path); }
    void SetCompilingState(hosts::CheckState state) override { states.push_back(state); }
    std::vector<std::string> helpFiles;
    std::vector<hosts::CheckState> states;
};

class HostScenario {
public:
    explicit HostScenario(int host, const std::string& installFolderName = "Korvane",
                          const fixture::InstallFolderOptions& options = {})
        : host_(host),
          buttons_(host),
          savedFolder_(platform::Files().getCurrentDirectory()),
          warnings_(platform::Ui().messageBox, [this](const std::string& text, const std::string&, uint32_t) {
              warningTexts.push_back(text);
              return platform::mb::IdOk;
          }) {
        ide_ = std::make_unique<fixture::FakeIde>(host, temp_.Path());
        installPath_ = temp_.Path() + "\\" + installFolderName;
        fixture::LayOutInstallFolder(host, installPath_, options);
        hosts::SetHostButtons(&buttons_);
        hosts::InstallPath = installPath_;
        hosts::HostRootPath = ide_->RootDir();
    }
    ~HostScenario() {
        platform::Files().setCurrentDirectory(savedFolder_);
        hosts::SetHostButtons(nullptr);
        hosts::InstallPath.clear();
        hosts::HostRootPath.clear();
        fixture::RemoveProductRecord(host_);
    }
    HostScenario(const HostScenario&) = delete;
    HostScenario& operator=(const HostScenario&) = delete;

    const fixture::FakeIde& Ide() const { return *ide_; }
    const std::string& InstallPath() const { return installPath_; }
    std::string ProductValue(const std::string& name) const {
        return fixture::GetString(fixture::Hive::LocalMachine, fixture::ProductKey(host_), name);
    }

    std::vector<std::string> warningTexts;

private:
    int host_;
    TempDir temp_;
    OneHostChecked buttons_;
    std::string savedFolder_;
    platform::ScopedOverride<decltype(platform::UiApi::messageBox)> warnings_;
    std::unique_ptr<fixture::FakeIde> ide_;
    std::string installPath_;
};

}  // namespace test
