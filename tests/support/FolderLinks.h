// What tests make as the machines they stand for make it: folder links, and
// trees with UTF-8 names made from the Unix side. Under Wine,
// CreateSymbolicLinkA returns TRUE and creates nothing, and a link cannot be
// removed from the Windows side, so links are made and removed there by the
// Unix tools; on Windows they are directory symbolic links.
#pragma once
#include <string>

namespace testsupport {

// Makes link (a full path whose folder exists) lead to the folder target;
// false when the platform would not.
bool MakeFolderLink(const std::string& link, const std::string& target);
// Removes the link itself, never what it leads to.
bool RemoveFolderLink(const std::string& link);
// Runs a shell script (UTF-16 here, UTF-8 on the Unix side) in folder, from
// the Unix side of Wine; false on Windows or when it did not run.
bool RunUnixScript(const std::string& folder, const std::wstring& script);
// The Unix path of a Windows path under Wine; empty on Windows.
std::string UnixPathOf(const std::string& path);

}  // namespace testsupport
