#include "tests/support/FileTimes.h"

#include <windows.h>

#include <stdexcept>

namespace test {
namespace {

constexpr long TestZoneBias = -9 * 60;  // minutes, as GetTimeZoneInformation gives it for JST-9

FileTime Joined(const FILETIME& t) { return static_cast<FileTime>(t.dwHighDateTime) << 32 | t.dwLowDateTime; }
FILETIME Split(FileTime t) { return {static_cast<DWORD>(t), static_cast<DWORD>(t >> 32)}; }

}  // namespace

FileTime UtcFileTime(int year, int month, int day, int hour, int minute, int second) {
    SYSTEMTIME literal{};
    literal.wYear = static_cast<WORD>(year);
    literal.wMonth = static_cast<WORD>(month);
    literal.wDay = static_cast<WORD>(day);
    literal.wHour = static_cast<WORD>(hour);
    literal.wMinute = static_cast<WORD>(minute);
    literal.wSecond = static_cast<WORD>(second);
    FILETIME t;
    if (!SystemTimeToFileTime(&literal, &t)) throw std::runtime_error("no such date");
    return Joined(t);
}

FileTime March2002() {
    TIME_ZONE_INFORMATION zone;
    if (GetTimeZoneInformation(&zone) == TIME_ZONE_ID_INVALID || zone.Bias != TestZoneBias)
        throw std::runtime_error("the tests' time zone TZ=JST-9 is not in effect");
    return UtcFileTime(2002, 3, 13, 3, 26, 24);
}

FileTime LastWriteTime(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    return GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data) ? Joined(data.ftLastWriteTime) : 0;
}

void SetLastWriteTime(const std::string& path, FileTime time) {
    HANDLE file = CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    const FILETIME t = Split(time);
    const bool stamped = file != INVALID_HANDLE_VALUE && SetFileTime(file, nullptr, nullptr, &t);
    if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
    if (!stamped) throw std::runtime_error("cannot stamp " + path);
}

FileTime Now() {
    FILETIME t;
    GetSystemTimeAsFileTime(&t);
    return Joined(t);
}

}  // namespace test
