#include "ui/Shell.h"

#include <shellapi.h>

namespace ui {
namespace {
ShellObserver& Observer() {
    static ShellObserver observer;
    return observer;
}
}  // namespace

void ShellOpen(HWND owner, const std::string& item, const std::string& workFolder) {
    if (Observer()) {
        Observer()(item, workFolder);
        return;
    }
    ShellExecuteA(owner, "open", item.c_str(), "", workFolder.c_str(), SW_SHOW);
}

void SetShellObserver(ShellObserver observer) { Observer() = std::move(observer); }

}  // namespace ui
