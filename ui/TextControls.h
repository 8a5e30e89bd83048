// The text controls: an editable field (EDIT) with a change event, and two
// labels (STATIC), one sized to its text and one that shortens a path to fit.
#pragma once
#include "ui/Control.h"

namespace ui {

class Edit : public Control {
public:
    using Control::Control;
    void Create(HWND parent, int id, const std::string& text, Bounds bounds, HFONT font) override;
    void Notify(WORD code) override;
    void BindHandler(std::function<void()> handler) override { OnChange = std::move(handler); }
    // Fires OnChange only when the text changes.
    void SetWideText(const std::wstring& text) override;
    std::function<void()> OnChange;
};

class Label : public Control {
public:
    using Control::Control;
    // Sized to its text, in its font at its dpi.
    void Create(HWND parent, int id, const std::string& text, Bounds bounds, HFONT font) override;

protected:
    void Place() override;
};

// A text of its declared size, whatever its length: a path too long for it
// is shortened with "..." in its middle.
class PathLabel : public Control {
public:
    using Control::Control;
    void Create(HWND parent, int id, const std::string& text, Bounds bounds, HFONT font) override;
};

}  // namespace ui
