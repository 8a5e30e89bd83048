#include "support/SlowMount.h"

#include <windows.h>

#include <cstdlib>

#include "base/CodePage.h"
#include "support/FolderLinks.h"
#include "base/Paths.h"

namespace testsupport {
namespace {

// The program, built natively by tools/build-native; the tests' environment names it.
std::string SlowFsProgram() {
    const char* program = std::getenv("ROKABINA_SLOWFS");
    return program ? program : "";
}

bool HasEntries(const std::string& folder) {
    WIN32_FIND_DATAA entry;
    HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE) return false;
    bool found = false;
    do found = found || (std::string(entry.cFileName) != "." && std::string(entry.cFileName) != "..");
    while (!found && FindNextFileA(find, &entry));
    FindClose(find);
    return found;
}

std::wstring Quoted(const std::string& text) { return L"'" + base::ToWide(text, CP_UTF8) + L"'"; }

}  // namespace

SlowMount::SlowMount(const std::string& source, const std::string& mountPoint, const SlowListing& listing)
    : mountPoint_(mountPoint) {
    const std::string program = SlowFsProgram(), from = UnixPathOf(source), at = UnixPathOf(mountPoint);
    if (program.empty() || from.empty() || at.empty()) return;
    std::wstring command = Quoted(program) + L" " + Quoted(from) + L" " + Quoted(at) +
                           L" --delay-ms=" + std::to_wstring(listing.delayMs);
    if (!listing.block.empty())
        command += L" --block=" + Quoted(listing.block) + L" --block-ms=" + std::to_wstring(listing.blockMs);
    if (listing.fullBytes > 0) command += L" --full-bytes=" + std::to_wstring(listing.fullBytes);
    if (listing.failRename) command += L" --fail-rename";
    if (listing.failReadAt > 0) command += L" --fail-read-at=" + std::to_wstring(listing.failReadAt);
    // In the background, in the foreground of its own: the script returns at once.
    if (!RunUnixScript(base::FolderPart(mountPoint), command + L" >/dev/null 2>&1 &\n")) return;
    for (int waited = 0; waited < 10000 && !mounted_; waited += 20) {
        mounted_ = HasEntries(mountPoint);
        if (!mounted_) Sleep(20);
    }
}

SlowMount::~SlowMount() {
    const std::string at = UnixPathOf(mountPoint_);
    if (!at.empty()) RunUnixScript(base::FolderPart(mountPoint_), L"fusermount3 -uz " + Quoted(at) + L"\n");
}

}  // namespace testsupport
