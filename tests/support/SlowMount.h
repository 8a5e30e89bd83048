// A slow file system mounted for a test (tests/slowfs): a folder's tree seen
// at another place, each folder listing taking a set time, one named folder
// much longer, as on a share over a slow link or one that went away; or
// writable, as a volume that is full or fails. Made
// from the Unix side of Wine; unmounted when the object goes, also when the
// test failed.
#pragma once
#include <string>

namespace testsupport {

struct SlowListing {
    int delayMs = 0;        // every folder listing
    std::string block;      // a folder name whose listing takes blockMs
    int blockMs = 0;
    // Writable instead, as a volume with almost no room: a write past this
    // many bytes of a file fails (ENOSPC); with failRename every rename fails.
    int fullBytes = 0;
    bool failRename = false;
    // Read-only, but a read of a file reaching past this many bytes fails (EIO).
    int failReadAt = 0;
};

class SlowMount {
public:
    // Mounts the tree of source (a folder) at mountPoint (a folder that
    // exists and is empty); Mounted() tells whether it worked.
    SlowMount(const std::string& source, const std::string& mountPoint, const SlowListing& listing);
    ~SlowMount();
    SlowMount(const SlowMount&) = delete;
    SlowMount& operator=(const SlowMount&) = delete;
    bool Mounted() const { return mounted_; }

private:
    std::string mountPoint_;
    bool mounted_ = false;
};

}  // namespace testsupport
