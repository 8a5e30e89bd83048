#include "ui/Container.h"

#include <stdexcept>

#include "ui/PicturePane.h"
#include "ui/SpinEdit.h"

namespace ui {

Container::~Container() { controls_.clear(); }

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
    std::erase_if(controls_, [&](const auto& c) { return c.get() == &control; });
}

Control& Container::AddControl(ControlKind kind, const char* name, const char* text, Bounds bounds, HFONT font) {
    std::unique_ptr<Control> c;
    switch (kind) {
    case ControlKind::Button: c = std::make_unique<Button>(name); break;
    case ControlKind::CheckBox: c = std::make_unique<CheckBox>(name); break;
    case ControlKind::Edit: c = std::make_unique<Edit>(name); break;
    case ControlKind::SpinEdit: c = std::make_unique<SpinEdit>(name); break;
    case ControlKind::Label: c = std::make_unique<Label>(name); break;
    case ControlKind::ListBox: c = std::make_unique<ListBox>(name); break;
    case ControlKind::ComboBox: c = std::make_unique<ComboBox>(name); break;
    case ControlKind::Picture: c = std::make_unique<PicturePane>(name); break;
    case ControlKind::Panel: c = std::make_unique<Panel>(name); break;
    }
    return AddControl(std::move(c), text, bounds, font);
}

Control& Container::AddControl(std::unique_ptr<Control> control, const char* text, Bounds bounds, HFONT font) {
    control->Create(ContainerHandle(), nextId_++, text ? text : "", bounds, font);
    controls_.push_back(std::move(control));
    return *controls_.back();
}

void Container::SetInitialState(Control& control, Limits limits, bool checked) {
    if (auto* spin = dynamic_cast<SpinEdit*>(&control)) spin->SetLimits(limits.min, limits.max);
    if (auto* box = dynamic_cast<CheckBox*>(&control)) box->SetChecked(checked);
}

void Container::Bind(Control& control, std::function<void()> handler) {
    if (auto* b = dynamic_cast<Button*>(&control)) b->OnClick = std::move(handler);
    else if (auto* k = dynamic_cast<CheckBox*>(&control)) k->OnClick = std::move(handler);
    else if (auto* e = dynamic_cast<Edit*>(&control)) e->OnChange = std::move(handler);
    else if (auto* x = dynamic_cast<ComboBox*>(&control)) x->OnChange = std::move(handler);
    else throw std::logic_error("no event on " + control.Name());
}

bool Container::RouteMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    switch (msg) {
    case WM_COMMAND:
        if (lp) {
            for (const auto& c : controls_) {
                if (c->Handle() == HWND(lp)) {
                    Application::Instance().RunHandler([&] { c->Notify(HIWORD(wp)); });
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
    case WM_DESTROY:
        for (auto& c : controls_) c->DetachHandle();
        return false;
    }
    return false;
}

}  // namespace ui
