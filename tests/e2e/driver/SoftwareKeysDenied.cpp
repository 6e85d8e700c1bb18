#include "tests/e2e/driver/SoftwareKeysDenied.h"

#include "tests/e2e/driver/RefusedKey.h"

namespace e2e {
namespace {

constexpr char ProbeKey[] = "SOFTWARE\\Maltrow Software Test";

}  // namespace

SoftwareKeysDenied::SoftwareKeysDenied() : key_(std::make_unique<RefusedKey>(ProbeKey)) {}

SoftwareKeysDenied::~SoftwareKeysDenied() = default;

void SoftwareKeysDenied::Allow() { RefusedKey::Remove(ProbeKey); }

}  // namespace e2e
