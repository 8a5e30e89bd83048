// Shift-JIS paths and names: every split (folder and name, extension, last
// character) falls on a whole-character boundary, the parts put together
// give the path again, and the layout file's name keeps the folder.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/Paths.h"
#include "base/ShiftJis.h"
#include "layout/LayoutPath.h"
#include "fuzz/Invariant.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view path(reinterpret_cast<const char*>(data), size);
    std::vector<bool> boundary(size + 1, false);
    for (size_t i = 0; i < size; i += base::CharSizeAt(path, i)) boundary[i] = true;
    boundary[size] = true;

    const size_t last = base::LastCharOffset(path);
    INVARIANT(boundary[last] && (size == 0 || last < size));
    INVARIANT(base::LastChar(path) == path.substr(last));
    INVARIANT(base::EndsWithBackslash(path) == (base::LastChar(path) == "\\"));

    const std::string folder = base::FolderPart(path), name = base::FileNamePart(path);
    INVARIANT(folder + name == path && boundary[folder.size()]);
    INVARIANT(base::JoinPath(folder, name) == path || folder.empty());
    const std::string extension = base::ExtensionOf(path);
    INVARIANT(extension.size() <= name.size() && boundary[size - extension.size()]);
    INVARIANT(extension.empty() || (extension[0] == '.' && name.ends_with(extension)));
    INVARIANT(base::WithExtension(path, extension) == path);

    // A name joined to any folder (cut anywhere) stays the name, unless the
    // folder ends in a lone lead byte, which takes the "\" as its trail byte.
    const std::string_view cutFolder = path.substr(0, size ? data[0] % (size + 1) : 0);
    const std::string cutName = base::FileNamePart(path.substr(cutFolder.size()));
    const size_t folderLast = base::LastCharOffset(cutFolder);
    if (cutFolder.empty() || !base::IsLeadByte(cutFolder.back()) || base::CharSizeAt(cutFolder, folderLast) == 2) {
        const std::string joined = base::JoinPath(cutFolder, cutName);
        INVARIANT(joined.starts_with(cutFolder) && base::FileNamePart(joined) == cutName);
    }

    // A lone lead byte at the end takes the appended dot as its trail byte,
    // as the platform's CharNext does; the platform never names a file so.
    const std::string layoutPath = layout::LayoutPathFor(std::string(path));
    INVARIANT(base::FolderPart(layoutPath) == folder);
    const bool whole = size == 0 || !base::IsLeadByte(path.back()) || base::CharSizeAt(path, last) == 2;
    if (whole) INVARIANT(base::ExtensionOf(layoutPath) == ".rkd");
    base::IsFullName(path);
    return 0;
}
