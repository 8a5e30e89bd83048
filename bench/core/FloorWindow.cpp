#include "core/FloorWindow.h"

#include <stdexcept>

#include "base/CodePage.h"
#include "ui/Control.h"
#include "ui/ScopedGdi.h"

namespace bench {
namespace {

constexpr int kChooserId = 1;
constexpr int kListId = 2;
constexpr int kRowHeight = 12;

// Appends texts to a list box or a combo box's list without a redraw for
// each, reserving room ahead as the viewer's lists do.
class BulkAppend {
public:
    BulkAppend(HWND control, UINT addMessage, UINT reserveMessage)
        : redraw_(control), control_(control), add_(addMessage), reserve_(reserveMessage) {}

    void Add(const wchar_t* text) {
        const LRESULT index = SendMessageW(control_, add_, 0, LPARAM(text));
        ui::ReserveOnDoubling(control_, reserve_, index, (size_t(lstrlenW(text)) + 1) * sizeof(wchar_t));
    }

private:
    ui::RedrawLock redraw_;
    HWND control_;
    UINT add_;
    UINT reserve_;
};

// Unicode windows, as the viewer's lists are.
HWND MakeChild(const wchar_t* className, DWORD style, DWORD exStyle, RECT place, HWND parent, int id, HFONT font) {
    HWND child = CreateWindowExW(exStyle, className, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP | style,
                                 place.left, place.top, place.right, place.bottom, parent, HMENU(INT_PTR(id)),
                                 GetModuleHandleW(nullptr), nullptr);
    if (!child) throw std::runtime_error("cannot create a " + base::FromWide(className));
    SendMessageA(child, WM_SETFONT, WPARAM(font), FALSE);
    return child;
}

void RegisterFloorClass(WNDPROC proc) {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    if (GetClassInfoExA(GetModuleHandleA(nullptr), FloorWindow::kClassName, &wc)) return;
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
    wc.hbrBackground = HBRUSH(COLOR_BTNFACE + 1);
    wc.lpszClassName = FloorWindow::kClassName;
    if (!RegisterClassExA(&wc)) throw std::runtime_error("cannot register the floor's window class");
}

}  // namespace

FloorWindow::FloorWindow(bool withLists, std::string extension) : extension_(std::move(extension)) {
    RegisterFloorClass(Proc);
    window_ = CreateWindowExA(0, kClassName, "Floor", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 429, 183, 185, 299,
                              nullptr, nullptr, GetModuleHandleA(nullptr), this);
    if (!window_) throw std::runtime_error("cannot create the floor's window");
    if (!withLists) return;
    font_ = ui::FontHandle(CreateFontA(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, 0, 0,
                                       DEFAULT_QUALITY, 0, "ＭＳ Ｐゴシック"));
    // The viewer's places: the chooser's window height includes its drop-down.
    chooser_ = MakeChild(L"COMBOBOX", CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL, 0, {0, 72, 177, 118}, window_,
                         kChooserId, font_.Get());
    SendMessageA(chooser_, CB_SETITEMHEIGHT, 0, kRowHeight);
    list_ = MakeChild(L"LISTBOX", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_HSCROLL, WS_EX_CLIENTEDGE,
                      {0, 90, 177, 97}, window_, kListId, font_.Get());
    SendMessageA(list_, LB_SETITEMHEIGHT, 0, kRowHeight);
    // One list width, as the viewer's default layout asks.
    RECT client;
    GetClientRect(list_, &client);
    SendMessageA(list_, LB_SETHORIZONTALEXTENT, WPARAM(client.right), 0);
}

FloorWindow::~FloorWindow() {
    if (!IsWindow(window_)) return;
    SetWindowLongPtrA(window_, GWLP_USERDATA, 0);  // an object going first ends no message loop
    DestroyWindow(window_);
}

WalkCount FloorWindow::Fill(const std::string& root) {
    if (!chooser_) return WalkAndList(root, extension_);
    WalkCount count;
    {
        BulkAppend chooser(chooser_, CB_ADDSTRING, CB_INITSTORAGE);
        chooser.Add(base::ToWide(WithBackslash(root)).c_str());
        count.folders = WalkFolders(root, [&](const std::wstring& folder) { chooser.Add(folder.c_str()); });
    }
    BulkAppend list(list_, LB_ADDSTRING, LB_INITSTORAGE);
    count.files = ListNames(WithBackslash(root) + "*" + extension_, [&](const wchar_t* name) { list.Add(name); });
    return count;
}

void FloorWindow::Show() {
    ShowWindow(window_, SW_SHOWNORMAL);
    // The viewer's chooser comes first in its tab order and takes the focus:
    // its text field then shows a caret, which every change of it moves.
    if (chooser_) SetFocus(chooser_);
    UpdateWindow(window_);
}

void FloorWindow::RefillFromChooser() {
    const LRESULT picked = SendMessageA(chooser_, CB_GETCURSEL, 0, 0);
    if (picked < 0) return;
    std::wstring wide(size_t(SendMessageW(chooser_, CB_GETLBTEXTLEN, WPARAM(picked), 0)) + 1, L'\0');
    wide.resize(size_t(SendMessageW(chooser_, CB_GETLBTEXT, WPARAM(picked), LPARAM(wide.data()))));
    const std::string folder = base::FromWide(wide);  // the bench's trees have plain names
    // Emptied under the same redraw lock: the scroll bars then stay as they
    // are instead of going and coming back.
    BulkAppend list(list_, LB_ADDSTRING, LB_INITSTORAGE);
    SendMessageA(list_, LB_RESETCONTENT, 0, 0);
    ListNames(WithBackslash(folder) + "*" + extension_, [&](const wchar_t* name) { list.Add(name); });
}

LRESULT CALLBACK FloorWindow::Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCCREATE)
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, LONG_PTR(reinterpret_cast<CREATESTRUCTA*>(lp)->lpCreateParams));
    auto* self = reinterpret_cast<FloorWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (!self) return DefWindowProcA(hwnd, msg, wp, lp);
    if (msg == WM_COMMAND && self->chooser_ && HWND(lp) == self->chooser_ && HIWORD(wp) == CBN_SELCHANGE) {
        self->RefillFromChooser();
        return 0;
    }
    if (msg == WM_DESTROY) {  // closed by the user or ended from outside
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

int RunMessageLoop() {
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}

}  // namespace bench
