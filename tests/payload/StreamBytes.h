#pragma once
// Building expected component-stream bytes by hand, and writing/reading installer data to and
// from byte strings.
#include <cstdint>
#include <initializer_list>
#include <string>

#include "payload/InstTypes.h"

namespace test {

// Appends stream pieces: raw bytes, names (length byte + text), tagged values.
class Bytes {
public:
    Bytes& Raw(std::initializer_list<int> bytes);
    Bytes& Raw(const std::string& bytes) { s_ += bytes; return *this; }
    Bytes& Name(const std::string& name);          // length byte, text
    Bytes& Int32Le(int32_t v);                     // four bytes, no tag
    Bytes& Str(const std::string& text);           // tag String, length byte, text
    Bytes& Signature() { return Raw("TPF0"); }
    // Signature, class name TInstallerData, empty object name.
    Bytes& Root() { return Signature().Name("TInstallerData").Name(""); }
    const std::string& str() const { return s_; }
    operator const std::string&() const { return s_; }

private:
    std::string s_;
};

std::string WriteToBytes(const rtl::TComponent& root);
void ReadFromBytes(const std::string& bytes, rtl::TComponent& root);
// The message of the error that reading bytes into a fresh installer data object raises, or
// "(loaded)" when it loads.
std::string LoadError(const std::string& bytes);

// An item appended to files with its fields and content of the given length (bytes 0, 1, 2...).
payload::TFileHolder& AddFile(payload::TFileCollection& files, const std::string& name, int32_t size,
                              int32_t age = 745366348, int32_t attr = 32);

}  // namespace test
