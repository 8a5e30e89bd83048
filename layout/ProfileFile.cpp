#include "layout/ProfileFile.h"

#include <windows.h>

#include <algorithm>
#include <cstring>

#include "layout/ProfileInteger.h"

namespace layout {

ProfileWriteError::ProfileWriteError(const std::string& path)
    : std::runtime_error(path + " に書き込めません") {}

ProfileFile::ProfileFile(std::string path) : path_(std::move(path)) {}

ProfileFile::~ProfileFile() {
    // The platform's flush request: no section, key or value.
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, path_.c_str());
}

std::string ProfileFile::ReadString(const char* section, const char* key, const std::string& def) const {
    char buffer[kMaxValueBytes + 1];
    DWORD length = GetPrivateProfileStringA(section, key, def.c_str(), buffer, sizeof buffer, path_.c_str());
    // The count may include a terminator where a cut fell inside a character
    // (Wine drops the half character but still counts 2047): stop at the first NUL.
    return std::string(buffer, strnlen(buffer, std::min<size_t>(length, kMaxValueBytes)));
}

int32_t ProfileFile::ReadInteger(const char* section, const char* key, int32_t def) const {
    return ParseProfileInteger(ReadString(section, key, "")).value_or(def);
}

bool ProfileFile::ReadBool(const char* section, const char* key, bool def) const {
    return ReadInteger(section, key, def ? 1 : 0) != 0;
}

void ProfileFile::WriteString(const char* section, const char* key, const std::string& value) {
    if (writeRefused_ || !WritePrivateProfileStringA(section, key, value.c_str(), path_.c_str())) {
        writeRefused_ = true;
        throw ProfileWriteError(path_);
    }
}

void ProfileFile::WriteInteger(const char* section, const char* key, int32_t value) {
    WriteString(section, key, std::to_string(value));
}

void ProfileFile::WriteBool(const char* section, const char* key, bool value) {
    WriteString(section, key, value ? "1" : "0");
}

}  // namespace layout
