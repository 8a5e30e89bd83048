// The floor under the designer's preview: a plain Win32 program that builds
// the designer's window tree (a 753 x 584 window with 40 edit boxes and six
// check boxes, a 305 x 305 canvas, on it a 177 x 265 mock window holding two
// picture panes, a folder chooser, a file list and two buttons) and answers
// one kind of change with the platform calls that change needs and nothing
// more. It keeps the place of each element itself, as a plain program would,
// and touches a scroll bar only when its range changes. The picture panes
// paint as the viewer paints: the bitmap stretched with HALFTONE. A picture
// picked by name is decoded by libjpeg at the smallest eighth of its size
// that covers its pane, and stretched the same way. The controls are the
// designer's version of the common controls (its manifest).
//   PreviewFloor <change key> <changes> <warm-up changes> <samples file>
// It writes the timed samples to the file (core/ResponseTiming.h) and exits
// with 0, or with kDidNotFollow when the mock window did not show the last
// change; wrong arguments end it at once with kUsageError, silently.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <jpeglib.h>

#include "core/PreviewChanges.h"
#include "core/ResponseTiming.h"

namespace {

using bench::Action;
using bench::PreviewChange;
using bench::Property;

constexpr int kUsageError = -1;
constexpr int kDidNotFollow = 2;
constexpr int kEditBoxes = 40;
constexpr int kCheckBoxes = 6;

struct Place {
    int left, top, width, height;
};

struct Element {
    const char* name;
    const char* className;  // null: a picture pane
    const char* text;
    Place place;  // in the mock window; the mock window's own in the canvas
    DWORD style = 0;
    DWORD exStyle = 0;
    HWND window = nullptr;
    bool visible = true;
};

// A scroll bar as last set: no bar while extent is 0.
struct Bar {
    int extent = 0;
    int page = 0;
    bool operator==(const Bar&) const = default;
};

struct ScrolledWindow {
    HWND window = nullptr;
    Bar horizontal, vertical;
};

struct Picture {
    HBITMAP bitmap;
    int width, height;
};

// The mock window's elements in the designer's stacking order, top first;
// the folder chooser's window includes its eight-row drop-down.
Element gElements[] = {
    {"ComboBox1", "COMBOBOX", "フォルダを選択してください", {0, 72, 177, 20 + 8 * 12 + 2},
     CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP},
    {"ListBox1", "LISTBOX", "", {0, 92, 177, 97}, LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_HSCROLL | WS_TABSTOP,
     WS_EX_CLIENTEDGE},
    {"Button1", "BUTTON", "ボタン1", {0, 240, 89, 25}, BS_PUSHBUTTON | WS_TABSTOP},
    {"Button2", "BUTTON", "ボタン2", {88, 240, 89, 25}, BS_PUSHBUTTON | WS_TABSTOP},
    {"Image1", nullptr, "", {0, 0, 177, 73}},
    {"Image2", nullptr, "", {0, 189, 177, 50}},
};
Element gMock{"Frame2", nullptr, "", {64, 23, 177, 265}};

const PreviewChange* gChange = nullptr;
HFONT gFont = nullptr;
HWND gEdits[kEditBoxes] = {};
HWND gCheckBoxes[kCheckBoxes] = {};
HWND gField = nullptr;  // the control the change acts on
Picture gPictures[] = {{}, {}};  // the two panes'
std::string gPicked;           // the file the first pane shows, when picked
Element* gTarget = nullptr;
ScrolledWindow gCanvasBars, gMockBars;

LRESULT CALLBACK PictureProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg != WM_PAINT) return DefWindowProcA(hwnd, msg, wp, lp);
    const auto* picture = reinterpret_cast<const Picture*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(hwnd, &paint);
    RECT client;
    GetClientRect(hwnd, &client);
    HDC source = CreateCompatibleDC(dc);
    HGDIOBJ previous = SelectObject(source, picture->bitmap);
    SetStretchBltMode(dc, HALFTONE);
    SetBrushOrgEx(dc, 0, 0, nullptr);
    StretchBlt(dc, 0, 0, client.right, client.bottom, source, 0, 0, picture->width, picture->height, SRCCOPY);
    SelectObject(source, previous);
    DeleteDC(source);
    EndPaint(hwnd, &paint);
    return 0;
}

// A 24-bit bitmap with a gradient, the kind of picture the JPEG decoder makes.
Picture MakePicture(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const int stride = (width * 3 + 3) & ~3;
    auto* row = static_cast<unsigned char*>(bits);
    for (int y = 0; y < height; ++y, row += stride)
        for (int x = 0; x < width; ++x) {
            row[3 * x] = static_cast<unsigned char>(x * 255 / width);
            row[3 * x + 1] = static_cast<unsigned char>(y * 255 / height);
            row[3 * x + 2] = static_cast<unsigned char>((x + y) & 0xFF);
        }
    return {bitmap, width, height};
}

// A JPEG file (relative to the current folder) at the smallest eighth of
// its size that covers width x height; no bitmap when it cannot be read.
// The benchmark's own photographs are sound: libjpeg's default error
// handler, which ends the program, will do.
Picture LoadJpeg(const char* name, int width, int height) {
    FILE* file = std::fopen(name, "rb");
    if (!file) return {nullptr, 0, 0};
    jpeg_decompress_struct cinfo;
    jpeg_error_mgr errors;
    cinfo.err = jpeg_std_error(&errors);
    jpeg_create_decompress(&cinfo);
    jpeg_stdio_src(&cinfo, file);
    jpeg_read_header(&cinfo, TRUE);
    cinfo.out_color_space = JCS_EXT_BGR;
    cinfo.scale_denom = 8;
    cinfo.scale_num = 8;
    while (cinfo.scale_num > 1 && cinfo.image_width * (cinfo.scale_num - 1) >= JDIMENSION(width) * 8 &&
           cinfo.image_height * (cinfo.scale_num - 1) >= JDIMENSION(height) * 8)
        --cinfo.scale_num;
    jpeg_start_decompress(&cinfo);
    const int w = int(cinfo.output_width), h = int(cinfo.output_height);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const size_t stride = (size_t(w) * 3 + 3) & ~size_t(3);
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = static_cast<JSAMPROW>(bits) + stride * cinfo.output_scanline;
        jpeg_read_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    std::fclose(file);
    return {bitmap, w, h};
}

void SetBar(HWND window, int which, Bar& last, Bar wanted) {
    if (wanted == last) return;
    last = wanted;
    SCROLLINFO si{sizeof si, SIF_RANGE | SIF_PAGE | SIF_POS, 0, std::max(0, wanted.extent - 1), UINT(wanted.page), 0, 0};
    SetScrollInfo(window, which, &si, TRUE);  // shows or hides the bar as the range asks
}

// The bars a window needs for children reaching to extentX, extentY.
void UpdateBars(ScrolledWindow& box, const Place& size, int extentX, int extentY) {
    const int barW = GetSystemMetrics(SM_CXVSCROLL), barH = GetSystemMetrics(SM_CYHSCROLL);
    bool h = false, v = false;
    for (int pass = 0; pass < 2; ++pass) {
        h = extentX > size.width - (v ? barW : 0);
        v = extentY > size.height - (h ? barH : 0);
    }
    SetBar(box.window, SB_HORZ, box.horizontal, h ? Bar{extentX, size.width - (v ? barW : 0)} : Bar{});
    SetBar(box.window, SB_VERT, box.vertical, v ? Bar{extentY, size.height - (h ? barH : 0)} : Bar{});
}

void UpdateMockBars() {
    int right = 0, bottom = 0;
    for (const Element& e : gElements)
        if (e.visible) {
            right = std::max(right, e.place.left + e.place.width);
            bottom = std::max(bottom, e.place.top + e.place.height);
        }
    UpdateBars(gMockBars, gMock.place, right, bottom);
}

void Move(Element& e) {
    SetWindowPos(e.window, nullptr, e.place.left, e.place.top, e.place.width, e.place.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

std::string TextOf(HWND window) {
    char text[256] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

// The field's text changed: by the program or by a keystroke.
void FieldChanged() {
    if (gChange->property == Property::Caption) {
        SetWindowTextA(gTarget->window, TextOf(gField).c_str());
        return;
    }
    const int value = int(std::strtol(TextOf(gField).c_str(), nullptr, 10));
    Place& p = gTarget->place;
    switch (gChange->property) {
    case Property::Left: p.left = value; break;
    case Property::Top: p.top = value; break;
    case Property::Width: p.width = value; break;
    case Property::Height: p.height = value; break;
    default: return;
    }
    Move(*gTarget);
    UpdateMockBars();
    if (gTarget == &gMock) UpdateBars(gCanvasBars, {0, 0, 305, 305}, p.left + p.width, p.top + p.height);
}

// The picture named in the field, into the target pane.
void Pick() {
    const std::string name = TextOf(gField);
    Picture& shown = gPictures[std::string(gTarget->name) == "Image1" ? 0 : 1];
    const Picture picked = LoadJpeg(name.c_str(), gTarget->place.width, gTarget->place.height);
    if (!picked.bitmap) return;
    DeleteObject(shown.bitmap);
    shown = picked;
    gPicked = name;
    InvalidateRect(gTarget->window, nullptr, TRUE);
}

void CheckBoxChanged(bool checked) {
    for (int i = 1; i <= gChange->controlsEnabled; ++i) EnableWindow(gEdits[i], checked);
    gTarget->visible = checked;
    ShowWindow(gTarget->window, checked ? SW_SHOWNA : SW_HIDE);
    UpdateMockBars();
}

LRESULT CALLBACK MainProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_COMMAND && HWND(lp) == gField && HIWORD(wp) == EN_CHANGE) {
        FieldChanged();
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

void Register(const char* name, WNDPROC proc, int color, UINT style = 0) {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.style = style;
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
    wc.hbrBackground = GetSysColorBrush(color);
    wc.lpszClassName = name;
    RegisterClassExA(&wc);
}

HWND Child(const char* className, const char* text, DWORD style, DWORD exStyle, const Place& p, HWND parent) {
    HWND window = CreateWindowExA(exStyle, className, text, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | style, p.left,
                                  p.top, p.width, p.height, parent, nullptr, GetModuleHandleA(nullptr), nullptr);
    SendMessageA(window, WM_SETFONT, WPARAM(gFont), FALSE);
    return window;
}

void BuildWindows() {
    Register("PreviewFloorMain", MainProc, COLOR_BTNFACE);
    Register("PreviewFloorBox", DefWindowProcA, COLOR_BTNFACE);
    Register("PreviewFloorCanvas", DefWindowProcA, COLOR_BTNHIGHLIGHT);
    Register("PreviewFloorPicture", PictureProc, COLOR_BTNFACE, CS_HREDRAW | CS_VREDRAW);
    gFont = CreateFontA(-12, 0, 0, 0, FW_DONTCARE, 0, 0, 0, SHIFTJIS_CHARSET, 0, 0, DEFAULT_QUALITY, 0,
                        "ＭＳ Ｐゴシック");
    HWND main = CreateWindowExA(WS_EX_CONTROLPARENT, "PreviewFloorMain", "PreviewFloor",
                                WS_OVERLAPPED | WS_CLIPCHILDREN | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME |
                                    WS_MINIMIZEBOX,
                                210, 20, 753, 584, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    const DWORD box = WS_CLIPCHILDREN | WS_TABSTOP;
    gCanvasBars.window = Child("PreviewFloorCanvas", "", box, WS_EX_CONTROLPARENT, {0, 0, 305, 305}, main);
    gMock.window = gMockBars.window = Child("PreviewFloorBox", "", box, WS_EX_CONTROLPARENT, gMock.place,
                                            gCanvasBars.window);
    int picture = 0;
    for (Element& e : gElements) {
        e.window = Child(e.className ? e.className : "PreviewFloorPicture", e.text, e.style, e.exStyle, e.place,
                         gMock.window);
        if (!e.className) SetWindowLongPtrA(e.window, GWLP_USERDATA, LONG_PTR(&gPictures[picture++]));
    }
    for (int i = 0; i < kEditBoxes; ++i)
        gEdits[i] = Child("EDIT", "0", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE,
                          {328 + i % 5 * 88, 16 + i / 5 * 28, 49, 21}, main);
    for (int i = 0; i < kCheckBoxes; ++i)
        gCheckBoxes[i] = Child("BUTTON", "画像", BS_AUTOCHECKBOX | WS_TABSTOP, 0, {328 + i * 70, 260, 60, 17}, main);
    ShowWindow(main, SW_SHOWNORMAL);
    UpdateWindow(main);
}

// The change i of the run, as the designer's side makes it.
void Apply(int i) {
    const char* value = gChange->values[i % 2];
    switch (gChange->action) {
    case Action::SetText: SetWindowTextA(gField, value); break;
    case Action::TypeKey: SendMessageA(gField, WM_CHAR, WPARAM(static_cast<unsigned char>(value[0])), 1); break;
    case Action::Check:
        SendMessageA(gField, BM_SETCHECK, value[0] == '1' ? BST_CHECKED : BST_UNCHECKED, 0);
        CheckBoxChanged(value[0] == '1');
        break;
    case Action::Pick:
        SetWindowTextA(gField, value);
        Pick();
        break;
    }
}

// The target's window shows what the field says.
bool Followed() {
    if (gChange->property == Property::Caption) return TextOf(gTarget->window) == TextOf(gField);
    if (gChange->property == Property::Picture) return gPicked == TextOf(gField);
    if (gChange->property == Property::Visible)
        return IsWindowVisible(gTarget->window) == (SendMessageA(gField, BM_GETCHECK, 0, 0) == BST_CHECKED);
    RECT r;
    GetWindowRect(gTarget->window, &r);
    MapWindowPoints(HWND_DESKTOP, GetParent(gTarget->window), reinterpret_cast<POINT*>(&r), 2);
    const int value = int(std::strtol(TextOf(gField).c_str(), nullptr, 10));
    const LONG shown[] = {r.left, r.top, r.right - r.left, r.bottom - r.top};
    return shown[int(gChange->property)] == value;
}

bool Count(const char* word, int lowest, int highest, int& value) {
    char* end = nullptr;
    const long n = std::strtol(word, &end, 10);
    value = int(n);
    return *word && !*end && n >= lowest && n <= highest;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    int changes = 0, warmups = 0;
    if (__argc != 5 || !(gChange = bench::FindPreviewChange(__argv[1])) || !Count(__argv[2], 1, 1000000, changes) ||
        !Count(__argv[3], 0, 10000, warmups))
        return kUsageError;

    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&icc);
    gPictures[0] = MakePicture(177, 73);
    gPictures[1] = MakePicture(177, 50);
    BuildWindows();
    gTarget = &gMock;
    for (Element& e : gElements)
        if (std::string(e.name) == gChange->element) gTarget = &e;
    // The field starts as the designer's control does, before it is watched:
    // the elements stay at their own places until the first change.
    if (gChange->action == Action::Check) {
        gField = gCheckBoxes[0];
        SendMessageA(gField, BM_SETCHECK, BST_CHECKED, 0);
    } else {
        SetWindowTextA(gEdits[0], gChange->initial);
        gField = gEdits[0];
        SendMessageA(gField, EM_SETSEL, 0x7FFF, 0x7FFF);  // type at the end
    }
    SetFocus(gField);
    bench::DispatchQueued();

    const bench::ResponseSamples samples = bench::MeasureResponse(Apply, changes, warmups);
    const bool followed = Followed();
    FILE* out = std::fopen(__argv[4], "wb");
    if (!out) return kUsageError;
    const std::string text = bench::SamplesText(samples);
    std::fwrite(text.data(), 1, text.size(), out);
    std::fclose(out);
    return followed ? 0 : kDidNotFollow;
}
