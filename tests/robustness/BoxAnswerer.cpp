// One thread for the whole suite that answers boxes within milliseconds: the
// per-box helpers of the other suites wait far too long for thousands of cases.
#include <utility>

#include "robustness/Robustness.h"
#include "support/Dialogs.h"
#include "ui/MessageBoxes.h"

namespace robustness {
namespace {

void Click(HWND dlg, int id) { PostMessageW(dlg, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), LPARAM(GetDlgItem(dlg, id))); }

// Waits for the dialog to go; false when it is still there after the time.
bool WaitGone(HWND dlg, DWORD ms) {
    for (DWORD start = GetTickCount(); GetTickCount() - start < ms; Sleep(1))
        if (!IsWindow(dlg) || !IsWindowVisible(dlg)) return true;
    return false;
}

}  // namespace

BoxAnswerer::BoxAnswerer() : thread_([this] { Run(); }) {}

BoxAnswerer::~BoxAnswerer() {
    {
        std::lock_guard lock(mutex_);
        stop_ = true;
    }
    thread_.join();
}

std::vector<Box> BoxAnswerer::Take() {
    std::lock_guard lock(mutex_);
    return std::exchange(boxes_, {});
}

void BoxAnswerer::AnswerFileDialogWith(const std::string& name) {
    std::lock_guard lock(mutex_);
    fileName_ = name;
    fileDialogPending_ = true;
}

bool BoxAnswerer::FileDialogAnswered() {
    std::lock_guard lock(mutex_);
    return !fileDialogPending_;
}

void BoxAnswerer::Run() {
    const DWORD pid = GetCurrentProcessId();
    for (;; Sleep(1)) {
        {
            std::lock_guard lock(mutex_);
            if (stop_) return;
        }
        HWND dlg = testsupport::FindDialog(pid);
        if (!dlg) continue;
        if (HWND field = testsupport::FileNameField(dlg)) {
            std::string name;
            {
                std::lock_guard lock(mutex_);
                if (!fileDialogPending_) continue;  // the stray guard deals with it
                name = fileName_;
            }
            if (!GetDlgItem(dlg, IDOK)) continue;
            Sleep(20);  // the dialog fills its lists after it shows
            testsupport::SetText(field, name);
            Click(dlg, IDOK);
            if (WaitGone(dlg, 5000)) {
                std::lock_guard lock(mutex_);
                fileDialogPending_ = false;
            }
            continue;
        }
        HWND text = GetDlgItem(dlg, ui::kBoxTextId);
        if (!text || !FindWindowExW(dlg, nullptr, L"Button", nullptr)) continue;
        Box box{testsupport::WindowText(dlg), testsupport::WindowText(text)};
        {
            std::lock_guard lock(mutex_);
            boxes_.push_back(box);
        }
        // Answered again (and not recorded again) while it stays.
        do Click(dlg, GetDlgItem(dlg, IDOK) ? IDOK : IDNO);
        while (!WaitGone(dlg, 2000));
    }
}

}  // namespace robustness
