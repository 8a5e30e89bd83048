// The floor's window: the least a program can do to show what the viewer
// shows for a folder tree, with plain platform calls and none of the
// project's window framework. A chooser (an editable drop-down combo box)
// holds the root and every folder below it, a standard list box the root's
// files; picking a folder in the chooser refills the list with that folder's
// files. They look as the viewer's do with its default layout (font, row
// height, the list's horizontal scroll range), and are filled the cheapest
// way that keeps their items readable with CB_GETLBTEXT and LB_GETTEXT: no
// owner data, no sorting, no redrawing and no scroll bar updates until the end.
#pragma once
#include <windows.h>

#include <string>

#include "core/FloorWalk.h"
#include "ui/Handles.h"

namespace bench {

class FloorWindow {
public:
    static constexpr char kClassName[] = "BenchFloor";

    // Created hidden at the viewer's default place and size; with lists, the
    // chooser and the list at the viewer's default places. The list is
    // refilled with the files named "*" + extension.
    FloorWindow(bool withLists, std::string extension);
    ~FloorWindow();
    FloorWindow(const FloorWindow&) = delete;
    FloorWindow& operator=(const FloorWindow&) = delete;

    HWND Handle() const { return window_; }
    HWND Chooser() const { return chooser_; }  // null without lists
    HWND List() const { return list_; }        // null without lists

    // The walk into the chooser (the root first, as given), the root's files
    // into the list; without lists, only the walk and the listing.
    WalkCount Fill(const std::string& root);
    void Show();

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    // The list emptied and filled with the files of the folder picked.
    void RefillFromChooser();

    std::string extension_;
    ui::FontHandle font_;
    HWND window_ = nullptr;
    HWND chooser_ = nullptr;
    HWND list_ = nullptr;
};

// Serves the windows of the thread until the quit message; its exit code.
int RunMessageLoop();

}  // namespace bench
