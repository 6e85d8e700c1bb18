// Start-up of install.exe in-process: the payload loads from INSTALL_DATA, or the program ends with
// the runtime's error 217 report. The message box and the process exit are answered by the seam.
#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "payload/InstTypes.h"
#include "rtl/Streaming.h"
#include "platform/Resources.h"
#include "platform/Seam.h"
#include "platform/Ui.h"
#include "rtl/Streams.h"
#include "forms/Application.h"
#include "wizard/Startup.h"

namespace {

struct Box {
    std::string text, caption;
    uint32_t flags = 0;
};

// Records message boxes and the exit code instead of showing or ending anything.
class StartupSeam {
public:
    StartupSeam()
        : box_(platform::Ui().messageBox,
               [this](const std::string& text, const std::string& caption, uint32_t flags) {
                   boxes.push_back({text, caption, flags});
                   return platform::mb::IdOk;
               }),
          exit_(platform::Ui().exitProcess, [this](uint32_t code) { exitCodes.push_back(code); }) {}
    ~StartupSeam() { payload::InstallerData = nullptr; }  // the application has freed it

    std::vector<Box> boxes;
    std::vector<uint32_t> exitCodes;

private:
    platform::ScopedOverride<std::function<int(const std::string&, const std::string&, uint32_t)>> box_;
    platform::ScopedOverride<std::function<void(uint32_t)>> exit_;
};

// Serves the given bytes as the running program's INSTALL_DATA resource.
class PayloadResource {
public:
    explicit PayloadResource(std::string bytes)
        : bytes_(std::move(bytes)),
          find_(platform::Resources().findOwnRcData, [this](const std::string& name, platform::ResourceBytes* out) {
              if (name != "install_data" && name != "INSTALL_DATA") return false;
              out->data = reinterpret_cast<const uint8_t*>(bytes_.data());
              out->size = static_cast<uint32_t>(bytes_.size());
              return true;
          }) {}

private:
    std::string bytes_;
    platform::ScopedOverride<std::function<bool(const std::string&, platform::ResourceBytes*)>> find_;
};

std::string ValidPayload() {
    payload::TInstallerData data(nullptr);
    payload::TFileHolder& file = data.Files().Add();
    file.Name = "\\common\\readme.txt";
    file.Age = 0x2C6D634C;
    file.Attr = 32;
    file.Size = 2;
    file.Content = std::vector<uint8_t>{'h', 'i'};
    data.License().Add("Licence");
    rtl::TMemoryStream out;
    rtl::WriteComponentStream(out, data);
    return std::string(out.Bytes().begin(), out.Bytes().end());
}

void ExpectRuntimeError217(const StartupSeam& seam) {
    ASSERT_EQ(seam.boxes.size(), 1u);
    EXPECT_EQ(seam.boxes[0].caption, "Error");
    EXPECT_TRUE(std::regex_match(seam.boxes[0].text, std::regex("Runtime error 217 at [0-9A-F]{8,16}")))
        << seam.boxes[0].text;
    EXPECT_EQ(seam.boxes[0].flags, platform::mb::Ok | platform::mb::IconStop);
    EXPECT_EQ(seam.exitCodes, std::vector<uint32_t>{217});
}

}  // namespace

TEST(Startup, LoadsThePayloadOwnedByTheApplication) {
    StartupSeam seam;
    PayloadResource resource(ValidPayload());
    {
        forms::TApplication application;
        ASSERT_TRUE(wizard::LoadInstallerData(application));
        ASSERT_NE(payload::InstallerData, nullptr);
        EXPECT_EQ(payload::InstallerData->Owner(), &application);
        ASSERT_EQ(payload::InstallerData->Files().Count(), 1);
        EXPECT_EQ(payload::InstallerData->Files().Item(0).Name, "\\common\\readme.txt");
        EXPECT_EQ(payload::InstallerData->License().Lines(), std::vector<std::string>{"Licence"});
    }
    EXPECT_TRUE(seam.boxes.empty());
    EXPECT_TRUE(seam.exitCodes.empty());
}

TEST(Startup, AMissingPayloadEndsWithRuntimeError217) {
    // The test program itself carries no INSTALL_DATA resource.
    StartupSeam seam;
    forms::TApplication application;
    EXPECT_FALSE(wizard::LoadInstallerData(application));
    ExpectRuntimeError217(seam);
    EXPECT_EQ(seam.boxes[0].text.find("install_data"), std::string::npos) << "the error's own message is not shown";
}

TEST(Startup, ADamagedPayloadEndsWithRuntimeError217) {
    const std::string valid = ValidPayload();
    for (const std::string& damaged : {std::string("TPF1") + valid.substr(4), valid.substr(0, valid.size() / 2),
                                       std::string()}) {
        StartupSeam seam;
        PayloadResource resource(damaged);
        forms::TApplication application;
        EXPECT_FALSE(wizard::LoadInstallerData(application));
        ExpectRuntimeError217(seam);
    }
}
