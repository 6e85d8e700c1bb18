#pragma once
// Where a payload's component stream is kept: a packed resource file (data.res) or an executable's
// INSTALL_DATA resource. Tells the two apart by their first bytes.
#include <string>

#include "rtl/SharedBytes.h"

namespace kvpack {

// The component stream, from its "TPF0" signature on, where it lies in a read-only mapping of the
// file (or of the executable loaded as data), which stays while the bytes are kept. Fails with
// the reason as message.
rtl::SharedBytes ReadPayloadStream(const std::string& file);

// The same, where a file that is neither a resource file nor an executable is taken whole as a
// bare stream (install_data.bin), which the stream reader then judges.
rtl::SharedBytes ReadPayloadStreamOrBare(const std::string& file);

// The whole file, read only ("Cannot open file %s").
rtl::SharedBytes MapWholeFile(const std::string& path);

}  // namespace kvpack
