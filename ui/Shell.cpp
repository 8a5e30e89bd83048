#include "ui/Shell.h"

#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>

namespace ui {
namespace {

ShellObserver& Observer() {
    static ShellObserver observer;
    return observer;
}

void OpenLongPath(HWND owner, const base::Path& item, const base::Path& workFolder) {
    const base::Path full = base::FullPathName(item);
    PIDLIST_ABSOLUTE idList = nullptr;
    if (full.empty() || FAILED(SHParseDisplayName(full.c_str(), nullptr, &idList, 0, nullptr))) return;
    SHELLEXECUTEINFOW request{};
    request.cbSize = sizeof request;
    request.fMask = SEE_MASK_IDLIST;
    request.hwnd = owner;
    request.lpVerb = L"open";
    request.lpIDList = idList;
    request.lpParameters = L"";
    request.lpDirectory = workFolder.c_str();
    request.nShow = SW_SHOW;
    ShellExecuteExW(&request);
    CoTaskMemFree(idList);
}

}  // namespace

void ShellOpen(HWND owner, const base::Path& item, const base::Path& workFolder) {
    if (Observer()) {
        Observer()(item, workFolder);
        return;
    }
    if (item.size() >= base::kPathLimit)
        OpenLongPath(owner, item, workFolder);
    else
        ShellExecuteW(owner, L"open", item.c_str(), L"", workFolder.c_str(), SW_SHOW);
}

void SetShellObserver(ShellObserver observer) { Observer() = std::move(observer); }

ComApartment::ComApartment()
    : initialized_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE))) {}

ComApartment::~ComApartment() {
    if (initialized_) CoUninitialize();
}

}  // namespace ui
