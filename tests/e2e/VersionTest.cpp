// The built executables say one version everywhere: the VERSION file, the
// version resource (its texts and its numbers), the About boxes and the
// manifest, which also names the processor the executable was built for.
#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <string>
#include <vector>

#include "base/ProductInfo.h"
#include "support/TestFolders.h"

namespace {

using namespace testsupport;

// The release version as the repository states it, such as "1.00".
std::string VersionFileText() {
    std::ifstream file(TestDataPath("..\\..\\VERSION"));
    std::string line;
    std::getline(file, line);
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) line.pop_back();
    return line;
}

struct VersionResource {
    std::string fileVersion, productVersion;  // the Japanese string table's texts
    DWORD fileMS = 0, fileLS = 0, productMS = 0, productLS = 0;  // the fixed numbers
};

// Reads the version resource of an executable; a failure fails the test.
VersionResource ReadVersionResource(const std::string& path) {
    VersionResource result;
    DWORD ignored = 0;
    DWORD size = GetFileVersionInfoSizeA(path.c_str(), &ignored);
    if (size == 0) {
        ADD_FAILURE() << "no version resource in " << path;
        return result;
    }
    std::vector<char> block(size);
    if (!GetFileVersionInfoA(path.c_str(), 0, size, block.data())) {
        ADD_FAILURE() << "cannot read the version resource of " << path;
        return result;
    }
    auto text = [&](const char* name) -> std::string {
        void* value = nullptr;
        UINT length = 0;
        std::string key = std::string("\\StringFileInfo\\041103A4\\") + name;
        if (!VerQueryValueA(block.data(), key.c_str(), &value, &length) || length == 0) return {};
        return static_cast<const char*>(value);
    };
    result.fileVersion = text("FileVersion");
    result.productVersion = text("ProductVersion");
    void* fixed = nullptr;
    UINT length = 0;
    if (VerQueryValueA(block.data(), "\\", &fixed, &length) && length >= sizeof(VS_FIXEDFILEINFO)) {
        auto* info = static_cast<const VS_FIXEDFILEINFO*>(fixed);
        result.fileMS = info->dwFileVersionMS;
        result.fileLS = info->dwFileVersionLS;
        result.productMS = info->dwProductVersionMS;
        result.productLS = info->dwProductVersionLS;
    }
    return result;
}

// The embedded manifest (resource type 24, id 1) as text.
std::string ReadManifest(const std::string& path) {
    HMODULE module = LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    if (!module) {
        ADD_FAILURE() << "cannot open " << path;
        return {};
    }
    std::string manifest;
    if (HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24))) {
        if (HGLOBAL loaded = LoadResource(module, found))
            manifest.assign(static_cast<const char*>(LockResource(loaded)), SizeofResource(module, found));
    }
    FreeLibrary(module);
    return manifest;
}

// "1.00" as the four numbers of the fixed file info: 1,0,0,0 in two DWORDs.
void ExpectNumbersOf(const std::string& text, DWORD ms, DWORD ls) {
    auto dot = text.find('.');
    ASSERT_NE(dot, std::string::npos) << text;
    DWORD major = std::stoul(text.substr(0, dot)), minor = std::stoul(text.substr(dot + 1));
    EXPECT_EQ(ms, MAKELONG(minor, major)) << text;
    EXPECT_EQ(ls, 0u) << text;
}

struct Program {
    const char* distName;
    const char* aboutVersionText;
};

const Program kPrograms[] = {
    {"rokabina.exe", base::kVersionText},
    {"test\\test.exe", base::kVersionText},
    {"rokabina_designer.exe", base::kVersionText},
};

TEST(Version, ResourcesAboutBoxesAndManifestsSayTheVersionFileVersion) {
    const std::string version = VersionFileText();
    ASSERT_FALSE(version.empty()) << "no VERSION file beside tests/";
    const std::string dotted = [&] {
        auto dot = version.find('.');
        return std::to_string(std::stoul(version.substr(0, dot))) + "." +
               std::to_string(std::stoul(version.substr(dot + 1))) + ".0.0";
    }();
    // The test program is built for the same processor as the programs.
    const std::string processor = sizeof(void*) == 4 ? "x86" : "amd64";

    for (const Program& program : kPrograms) {
        SCOPED_TRACE(program.distName);
        const std::string path = DistFolder() + program.distName;
        VersionResource resource = ReadVersionResource(path);
        EXPECT_EQ(resource.fileVersion, version);
        EXPECT_EQ(resource.productVersion, version);
        ExpectNumbersOf(version, resource.fileMS, resource.fileLS);
        ExpectNumbersOf(version, resource.productMS, resource.productLS);
        EXPECT_EQ(std::string(program.aboutVersionText), "バージョン番号：" + version);

        std::string manifest = ReadManifest(path);
        EXPECT_NE(manifest.find("version=\"" + dotted + "\" processorArchitecture=\"" + processor + "\""),
                  std::string::npos)
            << manifest;
    }
}

// Windows Vista, 7, 8, 8.1 and 10/11: without these ids Windows treats the
// programs as written for Vista and answers version queries accordingly.
// Without an execution level a 32-bit program's writes to protected folders
// are silently redirected to a per-user copy.
TEST(Version, ManifestsDeclareTheSupportedWindowsVersionsAndTheExecutionLevel) {
    const char* supportedOs[] = {
        "{e2011457-1546-43c5-a5fe-008deee3d3f0}", "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}",
        "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}", "{1f676c76-80e1-4239-95bb-83d0f6d0da78}",
        "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}",
    };
    for (const Program& program : kPrograms) {
        SCOPED_TRACE(program.distName);
        std::string manifest = ReadManifest(DistFolder() + program.distName);
        EXPECT_NE(manifest.find("name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""), std::string::npos)
            << "the common controls of version 6";
        EXPECT_NE(manifest.find("<requestedExecutionLevel level=\"asInvoker\" uiAccess=\"false\"/>"),
                  std::string::npos);
        // Wine treats every program as aware of each monitor's scaling: only
        // the manifest can tell that Windows will too.
        EXPECT_NE(manifest.find("<dpiAware xmlns=\"http://schemas.microsoft.com/SMI/2005/WindowsSettings\">true/pm"
                                "</dpiAware>"),
                  std::string::npos);
        EXPECT_NE(manifest.find("<dpiAwareness xmlns=\"http://schemas.microsoft.com/SMI/2016/WindowsSettings\">"
                                "PerMonitorV2</dpiAwareness>"),
                  std::string::npos);
        EXPECT_NE(manifest.find("<longPathAware xmlns=\"http://schemas.microsoft.com/SMI/2016/WindowsSettings\">"
                                "true</longPathAware>"),
                  std::string::npos);
        for (const char* id : supportedOs)
            EXPECT_NE(manifest.find(std::string("<supportedOS Id=\"") + id + "\"/>"), std::string::npos) << id;
    }
}

}  // namespace
