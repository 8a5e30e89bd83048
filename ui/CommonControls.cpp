#include "ui/CommonControls.h"

#include <windows.h>
#include <commctrl.h>

namespace ui {

void LoadCommonControls() {
    // The name alone: the process's manifest picks the version.
    HMODULE library = LoadLibraryW(L"comctl32.dll");
    if (!library) return;
    using InitProc = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
    const auto init =
        reinterpret_cast<InitProc>(reinterpret_cast<void*>(GetProcAddress(library, "InitCommonControlsEx")));
    const INITCOMMONCONTROLSEX classes{sizeof classes, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    if (init) init(&classes);
}

}  // namespace ui
