// The floor for extraction, for the peer comparison: the same files, time stamps and attributes
// written from memory with nothing but the calls the result needs. The payload's bytes are read
// into memory first (not counted in the writing time it prints): CreateDirectoryA once per
// folder, then per file CreateFileA with its attributes, one WriteFile and SetFileTime.
//
// Usage: plain_writer_bench PAYLOAD_STREAM TAG DEST_DIR
#include <chrono>
#include <cstdio>
#include <exception>
#include <string>
#include <unordered_set>
#include <vector>

#include "payload/InstTypes.h"
#include "platform/Files.h"
#include "rtl/Consts.h"
#include "rtl/Exceptions.h"
#include "rtl/Format.h"
#include "rtl/Streaming.h"
#include "rtl/Streams.h"

namespace {

rtl::SharedBytes ReadWholeFile(const std::string& path) {
    rtl::TFileStream file(path, rtl::FileMode::OpenReadShared);
    std::vector<uint8_t> bytes(static_cast<size_t>(file.Size()));
    file.ReadBuffer(bytes.data(), static_cast<int32_t>(bytes.size()));
    return bytes;
}

void WritePlain(const payload::TFileCollection& files, const std::string& tag, const std::string& root) {
    using namespace platform;
    std::unordered_set<std::string> made{root};
    Files().createDirectory(root);
    const std::string prefix = "\\" + tag + "\\";
    for (int i = 0; i < files.Count(); ++i) {
        const payload::TFileHolder& file = files.Item(i);
        if (file.Name.compare(0, prefix.size(), prefix) != 0) continue;
        const std::string path = root + file.Name.substr(prefix.size() - 1);
        for (size_t p = path.find('\\', root.size() + 1); p != std::string::npos; p = path.find('\\', p + 1))
            if (made.insert(path.substr(0, p)).second) Files().createDirectory(path.substr(0, p));
        FileHandle h(Files().createFile(path, access::Read | access::Write, share::None, disposition::CreateAlways,
                                        static_cast<uint32_t>(file.Attr)));
        if (!h.Valid()) throw rtl::EFCreateError(rtl::Format(rtl::consts::SFCreateError, path));
        uint32_t done = 0;
        if (file.Size > 0 && (!Files().writeFile(h.Get(), file.Content.data(), static_cast<uint32_t>(file.Size), &done) ||
                              done != static_cast<uint32_t>(file.Size)))
            throw rtl::EWriteError(rtl::consts::SWriteError);
        Files().setLastWriteDosTime(h.Get(), static_cast<uint32_t>(file.Age));
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fputs("usage: plain_writer_bench PAYLOAD_STREAM TAG DEST_DIR\n", stderr);
        return 2;
    }
    try {
        payload::TInstallerData data(nullptr);
        rtl::TReadOnlyMemoryStream source(ReadWholeFile(argv[1]));
        rtl::ReadComponentStream(source, data);
        const auto start = std::chrono::steady_clock::now();
        WritePlain(data.Files(), argv[2], argv[3]);
        std::printf("writing: %.3f s\n", std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
}
