// kvpack: the packing command as a console tool, built from the same payload code as the installer.
// The build uses it to turn a Data folder and a licence text into the INSTALL_DATA resource;
// "bind" and "build" give a built installer another payload without a build; "list" and
// "extract" look into a packed payload without running the installer.
#include <cstdint>
#include <cstdio>
#include <exception>
#include <new>
#include <string>
#include <vector>

#include "payload/InstTypes.h"
#include "payload/PackCommand.h"
#include "payload/kvpack/Bind.h"
#include "payload/kvpack/KvpackConsts.h"
#include "payload/kvpack/PayloadSource.h"
#include "platform/DllSearch.h"
#include "platform/Text.h"
#include "rtl/Exceptions.h"
#include "rtl/Format.h"
#include "rtl/Int32Size.h"
#include "rtl/ObjectText.h"
#include "rtl/ReplaceFile.h"
#include "rtl/Paths.h"
#include "rtl/Streaming.h"
#include "rtl/Streams.h"

namespace kvpack {
namespace {

using Arguments = std::vector<std::string>;

class UsageError : public rtl::Exception {
public:
    UsageError() : rtl::Exception(consts::SUsage) {}
};

void PrintLine(const std::string& line) {
    std::fputs(line.c_str(), stdout);
    std::fputc('\n', stdout);
}

// The payload stores bytes: a name or licence line beyond ASCII shows its letters only where the
// installer runs in the code page it was read in. Told, not refused: a payload for one country's
// machines may rightly carry them.
void WarnOfCodePageTexts(const payload::PackResult& packed, const std::string& licenseFile) {
    const std::string codePage = std::to_string(platform::AnsiCodePageNumber());
    for (const std::string& name : packed.codePageNames)
        std::fprintf(stderr, "%s\n", rtl::Format(consts::SCodePageName, name, codePage).c_str());
    for (int line : packed.codePageLicenseLines)
        std::fprintf(stderr, "%s\n", rtl::Format(consts::SCodePageLicenseLine, licenseFile, line, codePage).c_str());
}

// The items refer to their bytes in the file's mapping, which lives as long as they do.
void LoadPayload(const std::string& file, payload::TInstallerData& data) {
    rtl::TReadOnlyMemoryStream source(ReadPayloadStream(file));
    rtl::ReadComponentStream(source, data);
}

void Pack(const Arguments& args) {
    const std::string& outFile = args[2];
    const payload::PackResult packed = payload::PackPayload(nullptr, rtl::StripTrailingBackslash(args[0]), args[1], outFile);
    PrintLine(rtl::Format(consts::SPacked, outFile, packed.files, packed.licenseLines));
    WarnOfCodePageTexts(packed, args[1]);
}

std::string Hex8(int32_t value) {
    char text[9];
    std::snprintf(text, sizeof text, "%08X", static_cast<unsigned>(static_cast<uint32_t>(value)));
    return text;
}

void List(const Arguments& args) {
    payload::TInstallerData data(nullptr);
    LoadPayload(args[0], data);
    const payload::TFileCollection& files = data.Files();
    for (int i = 0; i < files.Count(); ++i) {
        const payload::TFileHolder& file = files.Item(i);
        PrintLine(rtl::Format(consts::SListLine, Hex8(file.Age), file.Attr, file.Size, file.Name));
    }
    PrintLine(rtl::Format(consts::SLicenseLines, data.License().Count()));
}

void Extract(const Arguments& args) {
    const std::string& tag = args[1];
    payload::TInstallerData data(nullptr);
    LoadPayload(args[0], data);
    payload::TFileCollection& files = data.Files();
    files.RootFolder = rtl::StripTrailingBackslash(args[2]);
    int written = 0;
    files.OnExtractFile = [&written](payload::TFileCollection&, const std::string&, bool&) { ++written; };
    files.ExtractFolder(tag);
    PrintLine(rtl::Format(consts::SExtracted, files.RootFolder, written, tag));
}

// Build outputs are written all or nothing: a cut file newer than its inputs would pass for
// up to date in the next build.
void SaveBytes(const std::string& path, const void* bytes, size_t size) {
    rtl::ReplaceFileContents(path, [&](rtl::TStream& out) { out.WriteBuffer(bytes, rtl::Int32Size(size)); });
}

// The resource compiler would copy data.res with its 16-bit header into RCDATA; the installer
// expects the bare stream, so the build binds this file instead.
void Stream(const Arguments& args) {
    const rtl::SharedBytes stream = ReadPayloadStream(args[0]);
    SaveBytes(args[1], stream.data(), stream.size());
}

// A window's text description as the component stream that the program binds as its resource.
void Form(const Arguments& args) {
    rtl::TFileStream in(args[0], rtl::FileMode::OpenReadShared);
    std::string text(static_cast<size_t>(rtl::Int32Size(static_cast<uint64_t>(in.Size()))), '\0');
    in.ReadBuffer(text.data(), rtl::Int32Size(text.size()));
    rtl::TMemoryStream stream;
    rtl::ObjectTextToBinary(text, stream);
    SaveBytes(args[1], stream.Memory(), stream.Bytes().size());
}

void Bind(const Arguments& args) {
    const std::string& outFile = args[2];
    const BindResult bound = BindPayload(args[0], ReadPayloadStreamOrBare(args[1]), outFile);
    PrintLine(rtl::Format(consts::SPacked, outFile, bound.files, bound.licenseLines));
}

void Build(const Arguments& args) {
    const std::string& outFile = args[3];
    std::vector<uint8_t> stream;
    const payload::PackResult packed =
        payload::PackPayloadStream(nullptr, rtl::StripTrailingBackslash(args[0]), args[1], &stream);
    const BindResult bound = BindPayload(args[2], rtl::SharedBytes(std::move(stream)), outFile);
    PrintLine(rtl::Format(consts::SPacked, outFile, bound.files, bound.licenseLines));
    WarnOfCodePageTexts(packed, args[1]);
}

void Uninstaller(const Arguments& args) {
    const rtl::SharedBytes program = CarriedUninstaller(args[0]);
    SaveBytes(args[1], program.data(), program.size());
    PrintLine(rtl::Format(consts::SUninstallerWritten, args[1], static_cast<int64_t>(program.size())));
}

void BindUninstallerCommand(const Arguments& args) {
    BindUninstaller(args[0], args[1], args[2]);
    PrintLine(rtl::Format(consts::SUninstallerWritten, args[2], static_cast<int64_t>(MapWholeFile(args[1]).size())));
}

struct Command {
    const char* name;
    size_t argumentCount;
    void (*run)(const Arguments&);
};

constexpr Command Commands[] = {
    {"pack", 3, Pack},
    {"list", 1, List},
    {"extract", 3, Extract},
    {"stream", 2, Stream},
    {"bind", 3, Bind},
    {"build", 4, Build},
    {"form", 2, Form},
    {"uninstaller", 2, Uninstaller},
    {"bind-uninstaller", 3, BindUninstallerCommand},
};

void Run(const Arguments& args) {
    if (args.empty()) throw UsageError();
    for (const Command& command : Commands) {
        if (args[0] != command.name) continue;
        if (args.size() != command.argumentCount + 1) throw UsageError();
        command.run(Arguments(args.begin() + 1, args.end()));
        return;
    }
    throw UsageError();
}

}  // namespace
}  // namespace kvpack

int main(int argc, char** argv) {
    platform::LoadDllsFromSystemFolderOnly();
    try {
        kvpack::Run(kvpack::Arguments(argv + 1, argv + argc));
        return 0;
    } catch (const std::bad_alloc&) {
        std::fflush(stdout);
        std::fprintf(stderr, "%s\n", kvpack::consts::SOutOfMemory);
        return 1;
    } catch (const std::exception& e) {
        std::fflush(stdout);
        std::fputs(e.what(), stderr);
        std::fputc('\n', stderr);
        return 1;
    }
}
