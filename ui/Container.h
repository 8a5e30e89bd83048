// What a window that holds controls declared as data adds to it: it creates
// them, finds them by name and routes their notifications to the handlers
// the declaration names. Forms and scroll boxes are containers.
#pragma once
#include <algorithm>
#include <memory>
#include <span>
#include <string_view>
#include <vector>

#include "ui/Application.h"
#include "ui/Control.h"
#include "ui/ControlKinds.h"

namespace ui {

// One control of a window: name, kind, caption or initial text, place and
// size, tab order (-1: no tab stop), the member handler of its event, a spin
// edit's limits and a check box's initial state.
template <class F>
struct ControlDecl {
    const char* name;
    ControlKind kind;
    const char* text;
    Bounds bounds;
    int tabOrder;
    void (F::*handler)() = nullptr;
    Limits limits = {};
    bool checked = false;
};

class Container {
public:
    Container() = default;
    Container(const Container&) = delete;
    Container& operator=(const Container&) = delete;
    virtual ~Container();

    Control& Find(std::string_view name) const;  // the control must exist
    Control* FindOrNull(std::string_view name) const;
    template <class T>
    T& Get(std::string_view name) const {
        return dynamic_cast<T&>(Find(name));
    }
    // Destroys the control's window and releases it.
    void Remove(const Control& control);
    // Lays every control out again for the dpi, in the font given.
    void ApplyDpiToControls(UINT dpi, HFONT font);
    const std::vector<std::unique_ptr<Control>>& Controls() const { return controls_; }

protected:
    // The window the controls are children of.
    virtual HWND ContainerHandle() const = 0;

    // Creates controls in tab order, which is also their stacking order, so
    // that controls without a tab stop lie below, pictures and panels lowest.
    // Initial states are set before the handlers are bound, so they fire nothing.
    // Returns the controls in the order of their declarations.
    template <class F>
    std::vector<Control*> CreateControls(F& owner, std::span<const ControlDecl<F>> decls, HFONT font) {
        std::vector<const ControlDecl<F>*> order;
        for (const auto& d : decls) order.push_back(&d);
        std::stable_sort(order.begin(), order.end(), [](auto* a, auto* b) { return StackRank(*a) < StackRank(*b); });
        std::vector<Control*> created(decls.size());
        for (const auto* d : order) {
            Control& c = AddControl(MakeControl(d->kind, d->name), d->text, d->bounds, font);
            c.SetInitialState(d->limits, d->checked);
            if (d->handler) c.BindHandler([&owner, h = d->handler] { (owner.*h)(); });
            created[size_t(d - decls.data())] = &c;
        }
        return created;
    }
    // Creates the control as a child of this container's window.
    Control& AddControl(std::unique_ptr<Control> control, const char* text, Bounds bounds, HFONT font);
    // The container's share of its window's messages: notifications of its
    // controls and the colours of its labels. True when it answered the message.
    bool RouteMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);
    // Around every notification a control of this container gets (its
    // handler runs in between), for an owner that follows what the user does.
    virtual void BeforeNotify(Control&, WORD /*code*/) {}
    virtual void AfterNotify(Control&, WORD /*code*/) {}

private:
    template <class D>
    static long StackRank(const D& d) {
        return d.tabOrder >= 0 ? d.tabOrder : 1000000L * UntabbedLayer(d.kind);
    }

    std::vector<std::unique_ptr<Control>> controls_;
    int nextId_ = 1000;
};

}  // namespace ui
