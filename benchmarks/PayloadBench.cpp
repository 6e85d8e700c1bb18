// Figures for a large payload: load throughput (the component stream read from memory, as at
// start-up), extraction throughput (ExtractFolder), and extraction time against writing the same
// bytes to the same number of files with plain CreateFileA / WriteFile, measured in the same run.
//
// Usage: payload_bench [TOTAL_MB [FILE_COUNT]]   (defaults: 200 MB in 4000 files)
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <set>
#include <string>
#include <vector>

#include "payload/InstTypes.h"
#include "rtl/Streaming.h"
#include "platform/Files.h"
#include "rtl/Consts.h"
#include "rtl/Exceptions.h"
#include "rtl/Format.h"
#include "rtl/Streams.h"
#include "tests/support/TempDir.h"

namespace {

constexpr int FoldersPerLevel = 20;  // files spread over \common\Fnn\Gnn folders, like a real suite
constexpr double MiB = 1024.0 * 1024.0;

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

std::string RelativeFolder(int index) {
    char name[32];
    std::snprintf(name, sizeof name, "\\F%02d\\G%02d", index % FoldersPerLevel, (index / FoldersPerLevel) % FoldersPerLevel);
    return name;
}

// Sizes vary from a few bytes to several times the mean, as units, sources and help files do.
std::vector<int32_t> FileSizes(int64_t totalBytes, int count) {
    std::vector<int32_t> sizes(static_cast<size_t>(count));
    uint32_t seed = 12345;
    int64_t weightSum = 0;
    std::vector<int64_t> weights(sizes.size());
    for (auto& w : weights) {
        seed = seed * 1664525u + 1013904223u;
        w = 1 + (seed >> 24) * ((seed >> 20) % 4 == 0 ? 4 : 1);
        weightSum += w;
    }
    for (size_t i = 0; i < sizes.size(); ++i) sizes[i] = static_cast<int32_t>(totalBytes * weights[i] / weightSum);
    return sizes;
}

std::vector<uint8_t> WriteLargePayload(int64_t totalBytes, int count) {
    payload::TInstallerData data(nullptr);
    const std::vector<int32_t> sizes = FileSizes(totalBytes, count);
    uint32_t seed = 7;
    for (int i = 0; i < count; ++i) {
        payload::TFileHolder& file = data.Files().Add();
        file.Name = "\\common" + RelativeFolder(i) + "\\file" + std::to_string(i) + ".bin";
        file.Age = 0x2C6D634C;
        file.Attr = 32;
        file.Size = sizes[static_cast<size_t>(i)];
        std::vector<uint8_t> content(static_cast<size_t>(file.Size));
        for (auto& b : content) b = static_cast<uint8_t>((seed = seed * 1103515245u + 12345u) >> 24);
        file.Content = std::move(content);
    }
    for (int i = 0; i < 70; ++i) data.License().Add("Licence line " + std::to_string(i));
    rtl::TMemoryStream out;
    rtl::WriteComponentStream(out, data);
    return out.TakeBytes();
}

// The comparison: the same files written with nothing but folder creation, CreateFileA, one
// WriteFile each and CloseHandle.
void WritePlain(const payload::TFileCollection& files, const std::string& root) {
    using namespace platform;
    std::set<std::string> made;
    for (int i = 0; i < files.Count(); ++i) {
        const payload::TFileHolder& file = files.Item(i);
        const std::string path = root + file.Name.substr(std::string("\\common").size());
        for (size_t p = path.find('\\', root.size() + 1); p != std::string::npos; p = path.find('\\', p + 1))
            if (made.insert(path.substr(0, p)).second) Files().createDirectory(path.substr(0, p));
        FileHandle h(Files().createFile(path, access::Read | access::Write, share::None, disposition::CreateAlways,
                                        attr::Normal));
        if (!h.Valid()) throw rtl::EFCreateError(rtl::Format(rtl::consts::SFCreateError, path));
        uint32_t done = 0;
        if (file.Size > 0 && (!Files().writeFile(h.Get(), file.Content.data(), static_cast<uint32_t>(file.Size), &done) ||
                              done != static_cast<uint32_t>(file.Size)))
            throw rtl::EWriteError(rtl::consts::SWriteError);
    }
}

int Run(int64_t totalMb, int count) {
    std::printf("payload: %lld MB in %d files\n", static_cast<long long>(totalMb), count);
    const rtl::SharedBytes stream = WriteLargePayload(totalMb * 1024 * 1024, count);
    const double streamMb = static_cast<double>(stream.size()) / MiB;

    // As at start-up: memory that outlives the data (there the resource), lent to the items.
    payload::TInstallerData data(nullptr);
    auto start = Clock::now();
    rtl::TReadOnlyMemoryStream source(stream);
    rtl::ReadComponentStream(source, data);
    const double loadSeconds = SecondsSince(start);
    std::printf("load:       %8.3f s  %8.1f MB/s  (%.1f MB stream)\n", loadSeconds, streamMb / loadSeconds, streamMb);

    int64_t contentBytes = 0;
    for (int i = 0; i < data.Files().Count(); ++i) contentBytes += data.Files().Item(i).Size;
    const double contentMb = static_cast<double>(contentBytes) / MiB;

    test::TempDir dir;
    // Plain writing first and extraction second, then once more the other way round, so that
    // neither profits alone from a warm file system; the better time of each counts.
    double plainSeconds = 1e30, extractSeconds = 1e30;
    for (int round = 0; round < 2; ++round) {
        const std::string plainRoot = dir.Path() + "\\plain" + std::to_string(round);
        const std::string extractRoot = dir.Path() + "\\extract" + std::to_string(round);
        platform::Files().createDirectory(plainRoot);
        auto measurePlain = [&] {
            auto t = Clock::now();
            WritePlain(data.Files(), plainRoot);
            plainSeconds = std::min(plainSeconds, SecondsSince(t));
        };
        auto measureExtract = [&] {
            data.Files().RootFolder = extractRoot;
            auto t = Clock::now();
            data.Files().ExtractFolder("common");
            extractSeconds = std::min(extractSeconds, SecondsSince(t));
        };
        if (round == 0) { measurePlain(); measureExtract(); } else { measureExtract(); measurePlain(); }
        test::RemoveTree(plainRoot);
        test::RemoveTree(extractRoot);
    }
    std::printf("extract:    %8.3f s  %8.1f MB/s  (%.1f MB content)\n", extractSeconds, contentMb / extractSeconds,
                contentMb);
    std::printf("plain write:%8.3f s  %8.1f MB/s\n", plainSeconds, contentMb / plainSeconds);
    std::printf("extract / plain write time: %.2f\n", extractSeconds / plainSeconds);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    try {
        const int64_t totalMb = argc > 1 ? std::atoll(argv[1]) : 200;
        const int count = argc > 2 ? std::atoi(argv[2]) : 4000;
        if (totalMb <= 0 || count <= 0 || totalMb * 1024 * 1024 / count > INT32_MAX) {
            std::fputs("usage: payload_bench [TOTAL_MB [FILE_COUNT]]\n", stderr);
            return 1;
        }
        return Run(totalMb, count);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
}
