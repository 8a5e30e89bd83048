#include "designer/PreviewEditor.h"

#include <algorithm>

#include "designer/Preview.h"
#include "ui/Dpi.h"

namespace designer {
namespace {

constexpr int kGripSize = 7;  // 96-dpi pixels

const char* GripCursor(Grip grip) {
    static const char* const kCursors[] = {IDC_SIZENWSE, IDC_SIZENS, IDC_SIZENESW, IDC_SIZEWE,
                                           IDC_SIZENWSE, IDC_SIZENS, IDC_SIZENESW, IDC_SIZEWE};
    return kCursors[grip];
}

}  // namespace

PreviewEditor::PreviewEditor(TFrame2& mock, Host& host) : mock_(mock), host_(host), marks_(mock.Handle()) {
    mock_.SetEditor(this);
}

PreviewEditor::~PreviewEditor() { mock_.SetEditor(nullptr); }

int PreviewEditor::SelectedIndex() const { return ElementIndex(selected_); }

void PreviewEditor::Select(const std::string& element) {
    const int index = ElementIndex(element);
    selected_ = index >= 0 && mock_.Element(index).Visible() ? element : std::string();
    PlaceMarks();
}

void PreviewEditor::Follow() {
    if (const int index = SelectedIndex(); index >= 0 && !mock_.Element(index).Visible()) selected_.clear();
    PlaceMarks();
}

std::string PreviewEditor::ElementAt(POINT at) const {
    // From the top of the stacking order down: the element drawn there.
    for (HWND w = GetWindow(mock_.Handle(), GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT)) {
        if (!(GetWindowLongPtrW(w, GWL_STYLE) & WS_VISIBLE)) continue;  // its own flag: the window may not show yet
        for (int i = 0; i < int(kElementCount); ++i) {
            const ui::Control& element = mock_.Element(i);
            const RECT r = element.LaidOutRect();
            if (element.Handle() == w && PtInRect(&r, at)) return element.Name();
        }
    }
    return {};
}

bool PreviewEditor::GripOffered(Grip grip) const {
    // The chooser's height is its font's: no layout key to size it by.
    return HasHeight(SelectedIndex()) || DirectionOf(grip).vertical == 0;
}

RECT PreviewEditor::GripRect(Grip grip) const {
    const RECT r = mock_.Element(SelectedIndex()).LaidOutRect();
    const int size = ui::Scale(kGripSize, mock_.Dpi()), half = size / 2;
    const GripDirection d = DirectionOf(grip);
    const int x = d.horizontal < 0 ? r.left : d.horizontal > 0 ? r.right : (r.left + r.right) / 2;
    const int y = d.vertical < 0 ? r.top : d.vertical > 0 ? r.bottom : (r.top + r.bottom) / 2;
    return {x - half, y - half, x - half + size, y - half + size};
}

std::optional<Grip> PreviewEditor::GripAt(POINT at) const {
    if (selected_.empty()) return std::nullopt;
    for (int g = 0; g < kGrips; ++g) {
        const Grip grip = Grip(g);
        const RECT r = GripRect(grip);
        if (GripOffered(grip) && PtInRect(&r, at)) return grip;
    }
    return std::nullopt;
}

HCURSOR PreviewEditor::CursorAt(POINT at) const {
    if (drag_) return LoadCursorA(nullptr, drag_->grip ? GripCursor(*drag_->grip) : IDC_SIZEALL);
    if (std::optional<Grip> grip = GripAt(at)) return LoadCursorA(nullptr, GripCursor(*grip));
    return LoadCursorA(nullptr, ElementAt(at).empty() ? IDC_ARROW : IDC_SIZEALL);
}

void PreviewEditor::PlaceMarks() {
    if (selected_.empty()) {
        marks_.HideFrame();
        return;
    }
    ui::SelectionMarks::GripRects grips;
    for (int g = 0; g < kGrips; ++g)
        if (GripOffered(Grip(g))) grips[size_t(g)] = GripRect(Grip(g));
    marks_.ShowFrame(mock_.Element(SelectedIndex()).LaidOutRect(), grips, mock_.Dpi());
}

void PreviewEditor::MouseDown(POINT at) {
    if (drag_) return;
    SetFocus(mock_.Handle());  // the keys come to the preview from now on
    const std::optional<Grip> grip = GripAt(at);
    const std::string hit = grip ? selected_ : ElementAt(at);
    Select(hit);
    if (hit.empty()) return;
    host_.PreviewActionStarts();
    const int index = SelectedIndex();
    drag_ = Drag{grip, at, mock_.Element(index).GetBounds(), host_.PlaceOf(index)};
    SetCapture(mock_.Handle());
}

void PreviewEditor::MouseMove(POINT at, bool snapping) {
    if (!drag_) return;
    // From the drag's start, never step by step: nothing drifts at any dpi.
    const UINT dpi = mock_.Dpi();
    const int dx = ui::Unscale(at.x - drag_->start.x, dpi), dy = ui::Unscale(at.y - drag_->start.y, dpi);
    ui::Bounds b = Dragged(drag_->shown, drag_->grip, dx, dy);
    if (snapping) {
        const Snapped snapped = Snap(b, drag_->grip, LinesOfOthers());
        b = snapped.bounds;
        const ui::Bounds window = mock_.GetBounds();
        const RECT view{0, 0, ui::Scale(window.width, dpi), ui::Scale(window.height, dpi)};
        auto scaled = [dpi](std::optional<int> line) { return line ? std::optional(ui::Scale(*line, dpi)) : line; };
        marks_.ShowGuides(scaled(snapped.x), scaled(snapped.y), view);
    } else {
        marks_.HideGuides();
    }
    Apply(b);
}

SnapLines PreviewEditor::LinesOfOthers() const {
    const ui::Bounds window = mock_.GetBounds();
    SnapLines lines{{0, window.width}, {0, window.height}};
    for (int i = 0; i < int(kElementCount); ++i) {
        const ui::Control& other = mock_.Element(i);
        if (i == SelectedIndex() || !other.Visible()) continue;
        const ui::Bounds o = other.GetBounds();
        lines.xs.insert(lines.xs.end(), {o.left, o.left + o.width});
        lines.ys.insert(lines.ys.end(), {o.top, o.top + o.height});
    }
    return lines;
}

void PreviewEditor::Apply(const ui::Bounds& b) {
    const ui::Bounds &shown = drag_->shown, &was = drag_->values;
    host_.SetPlace(SelectedIndex(), {b.left != shown.left ? b.left : was.left, b.top != shown.top ? b.top : was.top,
                                     b.width != shown.width ? b.width : was.width,
                                     b.height != shown.height ? b.height : was.height});
}

void PreviewEditor::MouseUp() {
    if (!drag_) return;
    drag_.reset();
    ReleaseCapture();
    marks_.HideGuides();
    host_.PreviewActionEnds();
}

void PreviewEditor::CaptureLost() {
    if (drag_) CancelDrag();
}

void PreviewEditor::CancelDrag() {
    const std::string element = selected_;
    drag_.reset();
    marks_.HideGuides();
    if (GetCapture() == mock_.Handle()) ReleaseCapture();
    host_.PreviewActionCancelled();
    Select(element);  // still selected
}

bool PreviewEditor::Key(UINT key, bool shift) {
    if (drag_) {
        if (key == VK_ESCAPE) CancelDrag();
        return true;
    }
    if (key == VK_TAB) {
        // The shown elements in turn, from the selected one.
        const int count = int(kElementCount);
        const int at = selected_.empty() ? count : SelectedIndex();
        for (int step = 1; step <= count; ++step) {
            const int next = ((at == count ? (shift ? 0 : -1) : at) + (shift ? count - step : step)) % count;
            if (mock_.Element(next).Visible()) {
                Select(ElementName(next));
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
    const int step = key == VK_RIGHT || key == VK_DOWN ? 1 : -1;  // exactly one, whatever the dpi
    const int index = SelectedIndex();
    if (shift && !horizontal && !HasHeight(index)) return true;  // no height to size
    ui::Bounds b = host_.PlaceOf(index);
    (shift ? (horizontal ? b.width : b.height) : (horizontal ? b.left : b.top)) += step;
    host_.PreviewActionStarts();
    host_.SetPlace(index, b);
    host_.PreviewActionEnds();
    return true;
}

}  // namespace designer
