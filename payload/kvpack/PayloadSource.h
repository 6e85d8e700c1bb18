#pragma once
// Where a payload's component stream is kept: a packed resource file (data.res) or an executable's
// INSTALL_DATA resource. Tells the two apart by their first bytes.
#include <cstdint>
#include <string>
#include <vector>

namespace kvpack {

// The component stream, from its "TPF0" signature on. Fails with the reason as message.
std::vector<uint8_t> ReadPayloadStream(const std::string& file);

}  // namespace kvpack
