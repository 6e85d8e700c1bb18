// Figures for the payload stream: time to write and read a payload the size of the shipped one,
// and peak memory against input size, also for the densest inputs (empty items, empty lines).
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <string>

#include "payload/InstTypes.h"
#include "rtl/Streaming.h"
#include "rtl/Exceptions.h"
#include "rtl/Streams.h"

namespace {

size_t g_current = 0;
size_t g_peak = 0;
constexpr size_t kHeader = 16;  // keeps the alignment of what follows

void* Allocate(size_t size) {
    auto* p = static_cast<unsigned char*>(std::malloc(size + kHeader));
    if (!p) throw std::bad_alloc();
    *reinterpret_cast<size_t*>(p) = size;
    g_current += size;
    if (g_current > g_peak) g_peak = g_current;
    return p + kHeader;
}
void Release(void* q) noexcept {
    if (!q) return;
    auto* p = static_cast<unsigned char*>(q) - kHeader;
    g_current -= *reinterpret_cast<size_t*>(p);
    std::free(p);
}

double Seconds(std::chrono::steady_clock::duration d) { return std::chrono::duration<double>(d).count(); }

std::string Write(const payload::TInstallerData& data) {
    rtl::TMemoryStream out;
    rtl::WriteComponentStream(out, data);
    return std::string(out.Bytes().begin(), out.Bytes().end());
}

// Reads bytes into a fresh object and reports the peak memory of doing so against the input.
void MeasureLoad(const char* what, const std::string& bytes) {
    size_t before = g_current;
    g_peak = g_current;
    auto start = std::chrono::steady_clock::now();
    {
        payload::TInstallerData data(nullptr);
        rtl::TReadOnlyMemoryStream in(bytes.data(), static_cast<int64_t>(bytes.size()));
        try {
            rtl::ReadComponentStream(in, data);
        } catch (const rtl::Exception& e) {
            std::printf("%s: %s\n", what, e.what());
        }
    }
    double seconds = Seconds(std::chrono::steady_clock::now() - start);
    size_t peak = g_peak - before;
    std::printf("%-34s input %9zu bytes  read %7.3f s  peak %10zu bytes  ratio %6.1f\n", what, bytes.size(), seconds,
                peak, static_cast<double>(peak) / static_cast<double>(bytes.size()));
}

}  // namespace

void* operator new(size_t size) { return Allocate(size); }
void* operator new[](size_t size) { return Allocate(size); }
void operator delete(void* p) noexcept { Release(p); }
void operator delete[](void* p) noexcept { Release(p); }
void operator delete(void* p, size_t) noexcept { Release(p); }
void operator delete[](void* p, size_t) noexcept { Release(p); }

int main() {
    // About the shipped payload: 177 files, 3.7 MB, a 68-line licence.
    payload::TInstallerData data(nullptr);
    for (int i = 0; i < 177; ++i) {
        payload::TFileHolder& item = data.Files().Add();
        item.Name = "\\common\\Sources\\KvUnit" + std::to_string(i) + ".pas";
        item.Age = 745366348;
        item.Attr = 32;
        item.Size = 21000;
        item.Content = std::vector<uint8_t>(static_cast<size_t>(item.Size), static_cast<uint8_t>(i));
    }
    for (int i = 0; i < 68; ++i) data.License().Add("Licence line " + std::to_string(i));

    auto start = std::chrono::steady_clock::now();
    std::string shipped = Write(data);
    std::printf("%-34s output %8zu bytes  write %6.3f s\n", "payload of 177 files", shipped.size(),
                Seconds(std::chrono::steady_clock::now() - start));
    MeasureLoad("payload of 177 files", shipped);

    // The densest inputs the format allows: two bytes per object created.
    const std::string head = std::string("TPF0\x0ETInstallerData\x00\x05" "Files\x0E", 27);
    std::string items = head;
    for (int i = 0; i < 500000; ++i) items += std::string("\x01\x00", 2);
    items += std::string(3, '\0');
    MeasureLoad("500000 empty items", items);

    std::string lines = std::string("TPF0\x0ETInstallerData\x00\x0FLicense.Strings\x01", 37);
    for (int i = 0; i < 500000; ++i) lines += std::string("\x06\x00", 2);
    lines += std::string(3, '\0');
    MeasureLoad("500000 empty licence lines", lines);

    std::string claims = head + std::string("\x01\x04Size\x04\xF0\xFF\xFF\x7F\x04" "Data\x0A\xF0\xFF\xFF\x7F", 20);
    MeasureLoad("one item claiming 2 GB", claims);
    return 0;
}
