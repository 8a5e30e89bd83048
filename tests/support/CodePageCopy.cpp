#include "support/CodePageCopy.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "base/CodePage.h"
#include "support/Process.h"
#include "support/Scratch.h"

namespace testsupport {
namespace {

const wchar_t* const kManifestType = MAKEINTRESOURCEW(24);  // RT_MANIFEST
const wchar_t* const kManifestId = MAKEINTRESOURCEW(1);

struct Manifest {
    std::string text;
    WORD language = MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL);
};

BOOL CALLBACK TakeLanguage(HMODULE, LPCWSTR, LPCWSTR, WORD language, LONG_PTR found) {
    *reinterpret_cast<WORD*>(found) = language;
    return FALSE;
}

// The program's own manifest, or a bare one where it has none.
Manifest ManifestOf(const std::wstring& exe) {
    Manifest manifest{"<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n"
                      "<assembly xmlns=\"urn:schemas-microsoft-com:asm.v1\" manifestVersion=\"1.0\"></assembly>\r\n"};
    HMODULE module = LoadLibraryExW(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!module) return manifest;
    if (HRSRC found = FindResourceW(module, kManifestId, kManifestType)) {
        const char* bytes = static_cast<const char*>(LockResource(LoadResource(module, found)));
        if (bytes) manifest.text.assign(bytes, SizeofResource(module, found));
        EnumResourceLanguagesW(module, kManifestType, kManifestId, TakeLanguage, LONG_PTR(&manifest.language));
    }
    FreeLibrary(module);
    return manifest;
}

// The manifest asking for the code page, in a windowsSettings of its own
// where it has none.
std::string WithActiveCodePage(std::string text, const std::string& codePage) {
    const std::string setting =
        "<activeCodePage xmlns=\"http://schemas.microsoft.com/SMI/2019/WindowsSettings\">" + codePage + "</activeCodePage>";
    if (const size_t end = text.find("</windowsSettings>"); end != std::string::npos)
        return text.insert(end, setting);
    const size_t end = text.rfind("</assembly>");
    return text.insert(end, "<application xmlns=\"urn:schemas-microsoft-com:asm.v3\"><windowsSettings>" + setting +
                                "</windowsSettings></application>");
}

}  // namespace

std::wstring InstallWithCodePage(const std::string& distName, const std::wstring& folder, const wchar_t* activeCodePage,
                                 const std::wstring& as) {
    const std::wstring copy = InstallProgram(distName, folder, as);
    if (!activeCodePage) return copy;
    const Manifest manifest = ManifestOf(copy);
    const std::string text = WithActiveCodePage(manifest.text, base::FromWide(activeCodePage));
    HANDLE update = BeginUpdateResourceW(copy.c_str(), FALSE);
    const bool done = update && UpdateResourceW(update, kManifestType, kManifestId, manifest.language,
                                                const_cast<char*>(text.data()), DWORD(text.size()));
    if (!update || !EndUpdateResourceW(update, !done) || !done)
        ADD_FAILURE() << "cannot give " << base::FromWide(copy) << " the code page " << base::FromWide(activeCodePage);
    return copy;
}

unsigned MeasuredCodePage(const wchar_t* activeCodePage, const std::wstring& folder) {
    const std::wstring probe = InstallWithCodePage("..\\cmake\\tests\\codepage_probe.exe", folder, activeCodePage,
                                                   L"codepage_probe.exe");
    const std::wstring answer = folder + L"codepage.txt";
    DeleteFileW(answer.c_str());
    Process run(probe, folder, answer);
    if (!run.WaitForExit(20000)) return 0;
    return unsigned(std::strtoul(ReadWholeFile(answer).c_str(), nullptr, 10));
}

}  // namespace testsupport
