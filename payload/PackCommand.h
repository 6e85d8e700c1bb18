#pragma once
// The packing command's steps, shared by the installer's Pack button and kvpack: a new payload
// from a Data folder and a licence text, written as a resource file.
#include <cstdint>
#include <string>
#include <vector>

#include "rtl/Component.h"

namespace payload {

struct PackResult {
    int files = 0;
    int licenseLines = 0;
    // The stored names and the licence lines (numbered from 1) with bytes above 0x7F: the payload
    // keeps them as this machine's ANSI code page spells them, and another code page reads other
    // letters in them (or, in a double-byte page, backslashes).
    std::vector<std::string> codePageNames;
    std::vector<int> codePageLicenseLines;
};

// Reads the licence first, so that a missing one reads no folder; then every file below
// dataFolder, whose names must pass the extraction's rule (TFileCollection::CheckNames); then
// writes resourceFile all or nothing (an earlier file stays on any failure).
// The temporary installer data is owned by owner while it lives and freed also on failure.
PackResult PackPayload(rtl::TComponent* owner, const std::string& dataFolder, const std::string& licenseFile,
                       const std::string& resourceFile);

// The same steps with the payload kept in memory as its bare component stream (from "TPF0" on),
// for binding it into an installer at once.
PackResult PackPayloadStream(rtl::TComponent* owner, const std::string& dataFolder, const std::string& licenseFile,
                             std::vector<uint8_t>* stream);

}  // namespace payload
