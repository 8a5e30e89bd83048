#include "ui/Container.h"

#include <stdexcept>

namespace ui {

// A control leaves the list before its window goes, so that messages sent
// while the window is destroyed never meet a list being changed.
Container::~Container() {
    std::vector<std::unique_ptr<Control>> going;
    going.swap(controls_);
}

Control* Container::FindOrNull(std::string_view name) const {
    for (const auto& c : controls_)
        if (c->Name() == name) return c.get();
    return nullptr;
}

Control& Container::Find(std::string_view name) const {
    if (Control* c = FindOrNull(name)) return *c;
    throw std::logic_error("no control " + std::string(name));
}

void Container::Remove(const Control& control) {
    auto it = std::find_if(controls_.begin(), controls_.end(), [&](const auto& c) { return c.get() == &control; });
    if (it == controls_.end()) return;
    std::unique_ptr<Control> going = std::move(*it);
    controls_.erase(it);
}

void Container::ApplyDpiToControls(UINT dpi, HFONT font) {
    for (const auto& c : controls_) c->ApplyDpi(dpi, font);
}

Control& Container::AddControl(std::unique_ptr<Control> control, const char* text, Bounds bounds, HFONT font) {
    control->Create(ContainerHandle(), nextId_++, text ? text : "", bounds, font);
    controls_.push_back(std::move(control));
    return *controls_.back();
}

bool Container::RouteMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    switch (msg) {
    case WM_COMMAND:
        if (lp) {
            for (const auto& c : controls_) {
                if (c->Handle() == HWND(lp)) {
                    Control& control = *c;  // the list may change in the handler
                    BeforeNotify(control, HIWORD(wp));
                    Application::Instance().RunHandler([&] { control.Notify(HIWORD(wp)); });
                    AfterNotify(control, HIWORD(wp));
                    result = 0;
                    return true;
                }
            }
        }
        return false;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: {
        // Labels and check boxes on the face colour of their window.
        HDC dc = HDC(wp);
        SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
        result = LRESULT(GetSysColorBrush(COLOR_BTNFACE));
        return true;
    }
    }
    return false;
}

}  // namespace ui
