// Copies of the programs that run in another ANSI code page, as on a PC set to
// another language or to Windows' UTF-8 option: the copy's manifest asks for
// the code page by `activeCodePage` ("UTF-8", or a locale name such as
// "en-US", which Wine honours per process).
#pragma once
#include <string>

namespace testsupport {

// Installs the built program (its path below the distribution folder) into
// folder as InstallProgram does; with a code page given, the copy's manifest
// asks for it. A failure fails the test.
std::wstring InstallWithCodePage(const std::string& distName, const std::wstring& folder, const wchar_t* activeCodePage,
                                 const std::wstring& as = L"");
// The code page a program copy asking for this one runs in, measured by a
// probe program of the tests; 0 when the probe could not tell.
unsigned MeasuredCodePage(const wchar_t* activeCodePage, const std::wstring& folder);

}  // namespace testsupport
