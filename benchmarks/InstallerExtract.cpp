// The installer's own extraction path, for the peer comparison: the payload loaded from this
// program's INSTALL_DATA resource as at start-up, then the installation run's three extractions
// below DEST_DIR. The build binds a generated payload (see tools/bench-peers.sh).
//
// Usage: installer_extract_bench DEST_DIR
#include <cstdio>
#include <exception>
#include <string>

#include "payload/InstTypes.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: installer_extract_bench DEST_DIR\n", stderr);
        return 2;
    }
    try {
        payload::TInstallerData data(nullptr);
        data.LoadFromResource();
        payload::TFileCollection& files = data.Files();
        files.RootFolder = argv[1];
        files.OnExtractFile = [](payload::TFileCollection&, const std::string&, bool& skip) { skip = false; };
        // "common", then a host's VclFolderTag and PayloadFolderTag, as the installation run does.
        for (const char* tag : {"common", "vcl6", "d6"}) files.ExtractFolder(tag);
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
}
