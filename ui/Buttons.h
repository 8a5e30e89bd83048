// Push buttons and check boxes: the platform's BUTTON, with a click event.
#pragma once
#include "ui/Control.h"

namespace ui {

class Button : public Control {
public:
    using Control::Control;
    void Create(HWND parent, int id, const std::string& text, Bounds bounds, HFONT font) override;
    void Notify(WORD code) override;
    void BindHandler(std::function<void()> handler) override { OnClick = std::move(handler); }
    std::function<void()> OnClick;
};

class CheckBox : public Control {
public:
    using Control::Control;
    void Create(HWND parent, int id, const std::string& text, Bounds bounds, HFONT font) override;
    void Notify(WORD code) override;
    void SetInitialState(Limits, bool checked) override { SetChecked(checked); }
    void BindHandler(std::function<void()> handler) override { OnClick = std::move(handler); }
    bool Checked() const;
    // Fires OnClick when the mark changes, as a click does.
    void SetChecked(bool checked);
    std::function<void()> OnClick;
};

}  // namespace ui
