// Feeds arbitrary bytes to the component stream reader as the installer reads its payload: into
// a fresh installer data object from memory. An rtl::Exception is the reader refusing the input,
// which is correct; any other exception, a crash, a leak or a sanitizer report is a finding.
#include <cstddef>
#include <cstdint>

#include "payload/InstTypes.h"
#include "rtl/Streaming.h"
#include "rtl/Exceptions.h"
#include "rtl/Streams.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    rtl::TReadOnlyMemoryStream source(data, static_cast<int64_t>(size));
    payload::TInstallerData installerData(nullptr);
    try {
        rtl::ReadComponentStream(source, installerData);
    } catch (const rtl::Exception&) {
    }
    return 0;
}
