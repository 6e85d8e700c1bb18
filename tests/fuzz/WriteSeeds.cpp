// Writes the seed corpus: a few valid component streams made by the payload's own writer, each
// reaching a different part of the reader (text lists, long strings, file items with and without
// content, content longer than the reader's buffer, the component's own and defined properties).
// Usage: write_seeds FOLDER
#include <cstdio>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "payload/InstTypes.h"
#include "rtl/Streaming.h"
#include "rtl/Streams.h"

namespace {

using payload::TInstallerData;

void AddFile(TInstallerData& data, const std::string& name, int32_t size, int32_t age, int32_t attr) {
    payload::TFileHolder& item = data.Files().Add();
    item.Name = name;
    item.Size = size;
    item.Age = age;
    item.Attr = attr;
    std::vector<uint8_t> content;
    for (int32_t i = 0; i < size; ++i) content.push_back(static_cast<uint8_t>(i * 7 + 3));
    item.Content = std::move(content);
}

const std::vector<std::pair<const char*, std::function<void(TInstallerData&)>>> kSeeds = {
    {"empty", [](TInstallerData&) {}},
    {"texts",
     [](TInstallerData& d) {
         d.License().Add("Korvane component suite licence");
         d.License().Add("");
         d.License().Add(std::string(300, 'L'));  // a long string
         d.Info().Add("Version 1.0");
     }},
    {"files",
     [](TInstallerData& d) {
         AddFile(d, "\\d5\\Korvane.dpk", 40, 745366348, 32);
         AddFile(d, "\\bcb5\\lib\\empty.txt", 0, -1, 32);
         AddFile(d, "\\help\\Korvane.hlp", 3, 745366348, 33);
     }},
    {"large_file", [](TInstallerData& d) { AddFile(d, "\\d6\\big.bin", 5000, 745366348, 32); }},
    {"component",
     [](TInstallerData& d) {
         d.SetName("InstallerData1");
         d.Tag = -70000;
         d.DesignLeft = 120;
         d.DesignTop = -5;
         d.Info().Add("x");
         AddFile(d, "\\d4\\a.pas", 1, 0, 0);
     }},
};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: write_seeds FOLDER\n");
        return 2;
    }
    for (const auto& [name, fill] : kSeeds) {
        TInstallerData data(nullptr);
        fill(data);
        rtl::TMemoryStream stream;
        rtl::WriteComponentStream(stream, data);
        // A seed the reader refuses would only teach the fuzzer the first error path.
        stream.SetPosition(0);
        TInstallerData check(nullptr);
        rtl::ReadComponentStream(stream, check);
        std::string path = std::string(argv[1]) + "/" + name + ".tpf";
        FILE* f = std::fopen(path.c_str(), "wb");
        if (!f || std::fwrite(stream.Memory(), 1, stream.Bytes().size(), f) != stream.Bytes().size()) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            return 1;
        }
        std::fclose(f);
    }
    return 0;
}
