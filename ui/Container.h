// A window that holds controls declared as data and routes their
// notifications to the handlers the declaration names.
#pragma once
#include <algorithm>
#include <memory>
#include <span>
#include <string_view>
#include <vector>

#include "ui/Application.h"
#include "ui/Control.h"

namespace ui {

enum class Kind { Button, CheckBox, Edit, Label, ListBox, ComboBox, Picture, Panel };

// One control of a window: name, kind, caption or initial text, place and
// size, tab order (-1: no tab stop), and the member handler of its event.
template <class F>
struct ControlDecl {
    const char* name;
    Kind kind;
    const char* text;
    Bounds bounds;
    int tabOrder;
    void (F::*handler)() = nullptr;
};

class Container : public Window {
public:
    ~Container() override;

    Control& Find(std::string_view name) const;  // the control must exist
    Control* FindOrNull(std::string_view name) const;
    template <class T>
    T& Get(std::string_view name) const {
        return dynamic_cast<T&>(Find(name));
    }
    // Destroys the control's window and releases it.
    void Remove(const Control& control);
    const std::vector<std::unique_ptr<Control>>& Controls() const { return controls_; }

protected:
    // Creates controls in tab order, which is also their stacking order, so
    // that controls without a tab stop lie below, pictures lowest.
    template <class F>
    void CreateControls(F& owner, std::span<const ControlDecl<F>> decls, HFONT font) {
        std::vector<const ControlDecl<F>*> order;
        for (const auto& d : decls) order.push_back(&d);
        std::stable_sort(order.begin(), order.end(), [](auto* a, auto* b) { return StackRank(*a) < StackRank(*b); });
        for (const auto* d : order) {
            Control& c = AddControl(d->kind, d->name, d->text, d->bounds, font);
            if (d->handler) Bind(c, [&owner, h = d->handler] { (owner.*h)(); });
        }
    }
    Control& AddControl(Kind kind, const char* name, const char* text, Bounds bounds, HFONT font);
    LRESULT Dispatch(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    template <class D>
    static long StackRank(const D& d) {
        if (d.tabOrder >= 0) return d.tabOrder;
        if (d.kind == Kind::Panel) return 3000000;
        return d.kind == Kind::Picture ? 2000000 : 1000000;
    }
    static void Bind(Control& control, std::function<void()> handler);

    std::vector<std::unique_ptr<Control>> controls_;
    int nextId_ = 1000;
};

}  // namespace ui
