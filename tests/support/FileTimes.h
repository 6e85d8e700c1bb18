#pragma once
// Time stamps that a test knows without any conversion between local and universal time: a
// universal date and time written out, and the file's own universal stamp. The test programs
// that compare them with the installer's packed local times run with TZ=JST-9 (nine hours east
// of UTC, no daylight saving), so that a conversion left out on both sides shows.
#include <cstdint>
#include <string>

namespace test {

// FILETIME as one number: 100 ns units since 1601, universal time.
using FileTime = uint64_t;

// SystemTimeToFileTime of that universal date and time.
FileTime UtcFileTime(int year, int month, int day, int hour, int minute, int second);
// 13 March 2002, 12:26:24 in the tests' zone, the packed time 0x2C6D634C; throws
// std::runtime_error when the process does not run in that zone.
FileTime March2002();
// The last-write time as the file system keeps it (GetFileAttributesExA); 0 when unreadable.
FileTime LastWriteTime(const std::string& path);
// SetFileTime of the last-write time only; throws std::runtime_error when it cannot.
void SetLastWriteTime(const std::string& path, FileTime time);
// GetSystemTimeAsFileTime.
FileTime Now();

}  // namespace test
