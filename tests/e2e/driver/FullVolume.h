#pragma once
// A drive of the Wine prefix on a small tmpfs, for as long as this object lives: writing more
// than it holds fails as on a full disk. Mounting needs root (tools/full-volume.sh); where it is
// refused, Mounted() is false and Refusal() says why.
#include <string>

namespace e2e {

class FullVolume {
public:
    // bytes: the volume's size, a multiple of the 4 KiB page.
    explicit FullVolume(const std::string& scratchFolder, unsigned bytes);
    // Unmounts it and removes the drive; also after a failed test.
    ~FullVolume();
    FullVolume(const FullVolume&) = delete;
    FullVolume& operator=(const FullVolume&) = delete;

    bool Mounted() const { return mounted_; }
    const std::string& Refusal() const { return refusal_; }
    // "K:\", the root of the drive.
    std::string Root() const { return std::string(1, letter_) + ":\\"; }

private:
    // Runs the script and waits for what it wrote into the status file.
    std::string RunScript(const std::string& arguments);

    std::string scratch_, folder_, link_;
    char letter_ = 0;
    bool mounted_ = false;
    std::string refusal_;
};

}  // namespace e2e
