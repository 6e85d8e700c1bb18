#pragma once
// The component stream format and its 16-bit resource file wrapper.
#include <string>

#include "rtl/Component.h"
#include "rtl/Streams.h"

namespace rtl {

// Reads the signature and the root object from source into an existing object.
void ReadComponentStream(TStream& source, TComponent& root);
// Writes the signature and the object as the root.
void WriteComponentStream(TStream& target, const TComponent& root);
// Writes the resource header for name, the stream, then fixes up the header's length field.
void WriteResourceFile(TStream& target, const std::string& name, const TComponent& root);
// Reads the named RCDATA resource of the running executable (name without regard to case).
void ReadComponentResource(const std::string& name, TComponent& root);

}  // namespace rtl
