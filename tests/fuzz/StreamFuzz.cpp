// Feeds arbitrary bytes to the component stream reader as the installer reads its payload: into
// a fresh installer data object from memory. An rtl::Exception is the reader refusing the input,
// which is correct; any other exception, a crash, a leak or a sanitizer report is a finding.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "payload/InstTypes.h"
#include "rtl/Streaming.h"
#include "rtl/Exceptions.h"
#include "rtl/Streams.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // Lent memory of exactly the input's size, as the program's resource is lent at start-up: a
    // content slice that strays outside it is a sanitizer report.
    payload::TInstallerData installerData(nullptr);
    try {
        rtl::TReadOnlyMemoryStream source(rtl::SharedBytes(std::vector<uint8_t>(data, data + size)));
        rtl::ReadComponentStream(source, installerData);
    } catch (const rtl::Exception&) {
    }
    // The contents stay readable after the stream is gone: they keep the memory alive.
    volatile uint8_t sum = 0;
    const payload::TFileCollection& files = installerData.Files();
    for (int i = 0; i < files.Count(); ++i)
        for (uint8_t b : files.Item(i).Content) sum = static_cast<uint8_t>(sum + b);
    return 0;
}
