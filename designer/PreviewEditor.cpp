#include "designer/PreviewEditor.h"

#include <algorithm>
#include <cstdlib>

#include "designer/Preview.h"
#include "ui/Dpi.h"

namespace designer {
namespace {

// The mock window's elements, in the order Tab goes through them.
const char* const kElements[] = {"Image1", "ComboBox1", "ListBox1", "Image2", "Button1", "Button2"};

constexpr int kSnapDistance = 4;  // layout pixels
constexpr int kGripSize = 7;      // 96-dpi pixels

// The marks above the elements: grab handles, the frame's sides, the guides.
// The mouse passes through them to the mock window, which hit-tests them.
enum MarkKind : LONG_PTR { kGripMark = 1, kFrameMark, kGuideMark };
constexpr wchar_t kMarkClass[] = L"RokabinaMark";

LRESULT CALLBACK MarkProc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_NCHITTEST: return HTTRANSPARENT;
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(w, &ps);
        RECT r;
        GetClientRect(w, &r);
        const LONG_PTR kind = GetWindowLongPtrW(w, GWLP_USERDATA);
        FillRect(dc, &r, GetSysColorBrush(kind == kGuideMark ? COLOR_HOTLIGHT : COLOR_WINDOWTEXT));
        if (kind == kGripMark && r.right > 2 && r.bottom > 2) {
            InflateRect(&r, -1, -1);
            FillRect(dc, &r, GetSysColorBrush(COLOR_WINDOW));
        }
        EndPaint(w, &ps);
        return 0;
    }
    }
    return DefWindowProcW(w, msg, wp, lp);
}

HWND MakeMark(HWND mock, MarkKind kind) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    if (!GetClassInfoExW(GetModuleHandleW(nullptr), kMarkClass, &wc)) {
        wc.lpfnWndProc = MarkProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = kMarkClass;
        RegisterClassExW(&wc);
    }
    HWND mark = CreateWindowExW(0, kMarkClass, L"", WS_CHILD | WS_CLIPSIBLINGS, 0, 0, 0, 0, mock, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    SetWindowLongPtrW(mark, GWLP_USERDATA, kind);
    return mark;
}

void ShowAt(HWND mark, RECT r) {
    SetWindowPos(mark, HWND_TOP, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_SHOWWINDOW | SWP_NOACTIVATE);
}

void Hide(HWND mark) { ShowWindow(mark, SW_HIDE); }

// How a grip moves the edges: -1 the left (top), +1 the right (bottom), 0 neither.
int HorizontalOf(int grip) { return grip == 0 || grip == 6 || grip == 7 ? -1 : grip >= 2 && grip <= 4 ? 1 : 0; }
int VerticalOf(int grip) { return grip <= 2 ? -1 : grip >= 4 && grip <= 6 ? 1 : 0; }

}  // namespace

PreviewEditor::PreviewEditor(TFrame2& mock, Host& host) : mock_(mock), host_(host) {
    for (HWND& grip : grips_) grip = MakeMark(mock_.Handle(), kGripMark);
    for (HWND& side : frame_) side = MakeMark(mock_.Handle(), kFrameMark);
    for (HWND& guide : guides_) guide = MakeMark(mock_.Handle(), kGuideMark);
    mock_.SetEditor(this);
}

PreviewEditor::~PreviewEditor() {
    mock_.SetEditor(nullptr);
    if (!IsWindow(mock_.Handle())) return;
    for (HWND mark : grips_) DestroyWindow(mark);
    for (HWND mark : frame_) DestroyWindow(mark);
    for (HWND mark : guides_) DestroyWindow(mark);
}

ui::Control* PreviewEditor::Element(const std::string& name) const {
    return name.empty() ? nullptr : mock_.FindOrNull(name);
}

void PreviewEditor::Select(const std::string& element) {
    ui::Control* control = Element(element);
    selected_ = control && control->Visible() ? element : std::string();
    PlaceDecorations();
}

void PreviewEditor::Follow() {
    if (ui::Control* control = Element(selected_); control && !control->Visible()) selected_.clear();
    PlaceDecorations();
}

std::string PreviewEditor::ElementAt(POINT at) const {
    // From the top of the stacking order down: the element drawn there.
    for (HWND w = GetWindow(mock_.Handle(), GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT)) {
        if (!(GetWindowLongPtrW(w, GWL_STYLE) & WS_VISIBLE)) continue;  // its own flag: the window may not show yet
        for (const char* name : kElements) {
            ui::Control* control = Element(name);
            RECT r = control ? control->LaidOutRect() : RECT{};
            if (control && control->Handle() == w && PtInRect(&r, at)) return name;
        }
    }
    return {};
}

bool PreviewEditor::GripOffered(int grip) const {
    // The chooser's height is its font's: no layout key to size it by.
    return !(selected_ == "ComboBox1" && VerticalOf(grip) != 0);
}

RECT PreviewEditor::GripRect(int grip) const {
    const RECT r = Element(selected_)->LaidOutRect();
    const int size = ui::Scale(kGripSize, mock_.Dpi()), half = size / 2;
    const int h = HorizontalOf(grip), v = VerticalOf(grip);
    const int x = h < 0 ? r.left : h > 0 ? r.right : (r.left + r.right) / 2;
    const int y = v < 0 ? r.top : v > 0 ? r.bottom : (r.top + r.bottom) / 2;
    return {x - half, y - half, x - half + size, y - half + size};
}

std::optional<int> PreviewEditor::GripAt(POINT at) const {
    if (selected_.empty()) return std::nullopt;
    for (int grip = 0; grip < kGrips; ++grip) {
        const RECT r = GripRect(grip);
        if (GripOffered(grip) && PtInRect(&r, at)) return grip;
    }
    return std::nullopt;
}

HCURSOR PreviewEditor::CursorAt(POINT at) const {
    static const char* const kGripCursors[] = {IDC_SIZENWSE, IDC_SIZENS, IDC_SIZENESW, IDC_SIZEWE,
                                               IDC_SIZENWSE, IDC_SIZENS, IDC_SIZENESW, IDC_SIZEWE};
    if (drag_) return LoadCursorA(nullptr, drag_->grip ? kGripCursors[*drag_->grip] : IDC_SIZEALL);
    if (std::optional<int> grip = GripAt(at)) return LoadCursorA(nullptr, kGripCursors[*grip]);
    return LoadCursorA(nullptr, ElementAt(at).empty() ? IDC_ARROW : IDC_SIZEALL);
}

void PreviewEditor::PlaceDecorations() {
    ui::Control* control = Element(selected_);
    if (!control) {
        for (HWND mark : grips_) Hide(mark);
        for (HWND mark : frame_) Hide(mark);
        return;
    }
    const RECT r = control->LaidOutRect();
    const int t = std::max(1, ui::Scale(1, mock_.Dpi()));
    ShowAt(frame_[0], {r.left - t, r.top - t, r.right + t, r.top});
    ShowAt(frame_[1], {r.right, r.top, r.right + t, r.bottom});
    ShowAt(frame_[2], {r.left - t, r.bottom, r.right + t, r.bottom + t});
    ShowAt(frame_[3], {r.left - t, r.top, r.left, r.bottom});
    for (int grip = 0; grip < kGrips; ++grip) {
        if (GripOffered(grip))
            ShowAt(grips_[grip], GripRect(grip));
        else
            Hide(grips_[grip]);
    }
}

void PreviewEditor::HideGuides() {
    for (HWND guide : guides_) Hide(guide);
}

void PreviewEditor::MouseDown(POINT at) {
    if (drag_) return;
    SetFocus(mock_.Handle());  // the keys come to the preview from now on
    std::optional<int> grip = GripAt(at);
    const std::string hit = grip ? selected_ : ElementAt(at);
    Select(hit);
    if (hit.empty()) return;
    host_.PreviewActionStarts();
    drag_ = Drag{grip, at, Element(hit)->GetBounds()};
    const Property properties[] = {Property::Left, Property::Top, Property::Width, Property::Height};
    for (size_t i = 0; i < 4; ++i)
        if (ui::SpinEdit* spin = host_.SpinEditOf(hit, properties[i])) drag_->values[i] = spin->Value();
    SetCapture(mock_.Handle());
}

void PreviewEditor::MouseMove(POINT at, bool snapping) {
    if (!drag_) return;
    // From the drag's start, never step by step: nothing drifts at any dpi.
    const UINT dpi = mock_.Dpi();
    const int dx = MulDiv(at.x - drag_->start.x, int(ui::kBaseDpi), int(dpi));
    const int dy = MulDiv(at.y - drag_->start.y, int(ui::kBaseDpi), int(dpi));
    ui::Bounds b = drag_->bounds;
    int horizontal = 0, vertical = 0;  // the moving edges, as a grip's; 0 for a move: both
    if (!drag_->grip) {
        b.left += dx;
        b.top += dy;
    } else {
        horizontal = HorizontalOf(*drag_->grip);
        vertical = VerticalOf(*drag_->grip);
        const int right = b.left + b.width, bottom = b.top + b.height;
        if (horizontal < 0) b.left = std::min(b.left + dx, right), b.width = right - b.left;
        if (horizontal > 0) b.width = std::max(0, b.width + dx);
        if (vertical < 0) b.top = std::min(b.top + dy, bottom), b.height = bottom - b.top;
        if (vertical > 0) b.height = std::max(0, b.height + dy);
        // A grip on a side moves no edge the other way.
        if (horizontal == 0) horizontal = 2;
        if (vertical == 0) vertical = 2;
    }
    if (snapping)
        b = Snapped(b, horizontal, vertical);
    else
        HideGuides();
    Apply(b);
}

ui::Bounds PreviewEditor::Snapped(ui::Bounds b, int horizontal, int vertical) {
    const ui::Bounds window = mock_.GetBounds();
    std::vector<int> xs{0, window.width}, ys{0, window.height};
    for (const char* name : kElements) {
        ui::Control* other = Element(name);
        if (name == selected_ || !other || !other->Visible()) continue;
        const ui::Bounds o = other->GetBounds();
        xs.insert(xs.end(), {o.left, o.left + o.width});
        ys.insert(ys.end(), {o.top, o.top + o.height});
    }
    // The nearest of the edges to any moving edge, within the distance:
    // the shift to it and where it lies.
    auto nearest = [](const std::vector<int>& lines, std::initializer_list<int> edges) -> std::optional<std::pair<int, int>> {
        std::optional<std::pair<int, int>> best;
        for (int line : lines)
            for (int edge : edges)
                if (std::abs(line - edge) <= kSnapDistance && (!best || std::abs(line - edge) < std::abs(best->first)))
                    best = std::pair{line - edge, line};
        return best;
    };
    const UINT dpi = mock_.Dpi();
    const RECT view{0, 0, ui::Scale(window.width, dpi), ui::Scale(window.height, dpi)};
    std::optional<std::pair<int, int>> sx, sy;
    if (horizontal == 0) sx = nearest(xs, {b.left, b.left + b.width});
    if (horizontal < 0) sx = nearest(xs, {b.left});
    if (horizontal == 1) sx = nearest(xs, {b.left + b.width});
    if (vertical == 0) sy = nearest(ys, {b.top, b.top + b.height});
    if (vertical < 0) sy = nearest(ys, {b.top});
    if (vertical == 1) sy = nearest(ys, {b.top + b.height});
    if (sx) {
        if (horizontal == 0) b.left += sx->first;
        if (horizontal < 0) b.left += sx->first, b.width -= sx->first;
        if (horizontal == 1) b.width += sx->first;
        const int x = ui::Scale(sx->second, dpi);
        ShowAt(guides_[0], {x, view.top, x + 1, view.bottom});
    } else {
        Hide(guides_[0]);
    }
    if (sy) {
        if (vertical == 0) b.top += sy->first;
        if (vertical < 0) b.top += sy->first, b.height -= sy->first;
        if (vertical == 1) b.height += sy->first;
        const int y = ui::Scale(sy->second, dpi);
        ShowAt(guides_[1], {view.left, y, view.right, y + 1});
    } else {
        Hide(guides_[1]);
    }
    return b;
}

void PreviewEditor::Apply(const ui::Bounds& b) {
    const ui::Bounds& from = drag_->bounds;
    const struct {
        Property property;
        int value, was;
    } edges[] = {{Property::Left, b.left, from.left},
                 {Property::Top, b.top, from.top},
                 {Property::Width, b.width, from.width},
                 {Property::Height, b.height, from.height}};
    // What the drag changed; what it has not changed (or no longer) keeps the
    // value the field had when it started.
    for (size_t i = 0; i < std::size(edges); ++i) {
        ui::SpinEdit* spin = host_.SpinEditOf(selected_, edges[i].property);
        if (spin) spin->SetValue(edges[i].value != edges[i].was ? edges[i].value : drag_->values[i]);
    }
}

void PreviewEditor::MouseUp() {
    if (!drag_) return;
    drag_.reset();
    ReleaseCapture();
    HideGuides();
    host_.PreviewActionEnds();
}

void PreviewEditor::CaptureLost() {
    if (drag_) CancelDrag();
}

void PreviewEditor::CancelDrag() {
    const Drag drag = *drag_;
    const std::string element = selected_;
    drag_.reset();
    HideGuides();
    if (GetCapture() == mock_.Handle()) ReleaseCapture();
    host_.PreviewActionCancelled();
    // The element where it was, also where it had not yet taken its fields'
    // values, and still selected.
    if (ui::Control* control = Element(element); control && !(control->GetBounds() == drag.bounds))
        control->SetBounds(drag.bounds);
    Select(element);
}

bool PreviewEditor::Key(UINT key, bool shift) {
    if (drag_) {
        if (key == VK_ESCAPE) CancelDrag();
        return true;
    }
    if (key == VK_TAB) {
        // The shown elements in turn, from the selected one.
        const int count = int(std::size(kElements));
        int at = int(std::find(std::begin(kElements), std::end(kElements), selected_) - std::begin(kElements));
        for (int step = 1; step <= count; ++step) {
            const int next = ((at == count ? (shift ? 0 : -1) : at) + (shift ? count - step : step)) % count;
            ui::Control* control = Element(kElements[next]);
            if (control && control->Visible()) {
                Select(kElements[next]);
                break;
            }
        }
        return true;
    }
    if (key == VK_ESCAPE) {
        Select("");
        return true;
    }
    if (selected_.empty() || (key != VK_LEFT && key != VK_RIGHT && key != VK_UP && key != VK_DOWN)) return false;
    const bool horizontal = key == VK_LEFT || key == VK_RIGHT;
    const int step = key == VK_RIGHT || key == VK_DOWN ? 1 : -1;
    const Property property = shift ? (horizontal ? Property::Width : Property::Height)
                                    : (horizontal ? Property::Left : Property::Top);
    if (ui::SpinEdit* spin = host_.SpinEditOf(selected_, property)) {
        host_.PreviewActionStarts();
        spin->SetValue(spin->Value() + step);  // exactly one, whatever the dpi
        host_.PreviewActionEnds();
    }
    return true;
}

}  // namespace designer
