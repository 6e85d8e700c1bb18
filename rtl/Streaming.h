#pragma once
// The component stream format and its 16-bit resource file wrapper.
#include <string>

#include "rtl/ClassList.h"
#include "rtl/Component.h"
#include "rtl/Streams.h"

namespace rtl {

// Reads the signature and the root object from source into an existing object; child components
// are made from classes (none are known without it).
void ReadComponentStream(TStream& source, TComponent& root, const ClassList* classes = nullptr);
// Writes the signature and the object as the root.
void WriteComponentStream(TStream& target, const TComponent& root);
// Writes the resource header for name, the stream, then fixes up the header's length field.
void WriteResourceFile(TStream& target, const std::string& name, const TComponent& root);
// Reads the named RCDATA resource of the running executable (name without regard to case).
void ReadComponentResource(const std::string& name, TComponent& root, const ClassList* classes = nullptr);

}  // namespace rtl
