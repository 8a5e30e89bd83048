// The floor under the viewer's start-up: a plain program that does the same
// file-system work, opens an empty window, or both, and nothing more.
//   Floor walk <folder> [extension]   walks and lists, then exits with the number of folders found
//   Floor window                      opens an empty window and waits
//   Floor both <folder> [extension]   walks and lists, then opens the empty window
// Wrong arguments end it at once with exit code kUsageError, silently, so
// that a benchmark run never waits on a message box.
#include <windows.h>

#include <cstdlib>
#include <string>

#include "core/FloorWalk.h"

namespace {

constexpr int kUsageError = -1;
constexpr char kClassName[] = "BenchFloor";

LRESULT CALLBACK FloorProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

// An empty window of the viewer's size, shown and served until closed.
int RunEmptyWindow() {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = FloorProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
    wc.hbrBackground = HBRUSH(COLOR_BTNFACE + 1);
    wc.lpszClassName = kClassName;
    if (!RegisterClassExA(&wc)) return kUsageError;
    HWND window = CreateWindowExA(0, kClassName, "Floor", WS_OVERLAPPEDWINDOW, 429, 183, 185, 299, nullptr, nullptr,
                                  wc.hInstance, nullptr);
    if (!window) return kUsageError;
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    const int count = __argc;
    char** words = __argv;
    if (count < 2) return kUsageError;
    const std::string mode = words[1];
    if (mode == "window" && count == 2) return RunEmptyWindow();
    if ((mode != "walk" && mode != "both") || count < 3 || count > 4) return kUsageError;

    const std::string extension = count == 4 ? words[3] : ".txt";
    const bench::WalkCount found = bench::WalkAndList(words[2], extension);
    if (mode == "walk") return int(found.folders);
    return RunEmptyWindow();
}
