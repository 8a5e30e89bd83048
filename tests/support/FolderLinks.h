// Folder links for tests. Under Wine, CreateSymbolicLinkA returns TRUE and
// creates nothing, and a link cannot be removed from the Windows side, so
// links are made and removed there by the Unix tools; on Windows they are
// directory symbolic links.
#pragma once
#include <string>

namespace testsupport {

// Makes link (a full path whose folder exists) lead to the folder target;
// false when the platform would not.
bool MakeFolderLink(const std::string& link, const std::string& target);
// Removes the link itself, never what it leads to.
bool RemoveFolderLink(const std::string& link);

}  // namespace testsupport
