// A one-line integer field with up and down arrows. The value is read from
// the text each time it is used; only digits, signs, the decimal separator
// and control keys other than Enter can be typed.
#pragma once
#include <windows.h>

#include <string>

#include "ui/TextControls.h"

namespace ui {

// An EDIT with an up-down control inside it at its right edge, as the
// designer's numeric fields.
class SpinEdit : public Edit {
public:
    using Edit::Edit;
    // Takes the field down first, so that the arrows hear their end while whole.
    ~SpinEdit() override;

    void Create(HWND parent, int id, const std::string& text, Bounds bounds, HFONT font) override;
    void SetInitialState(Limits limits, bool) override { SetLimits(limits.min, limits.max); }
    // Lower and upper bound; equal bounds (0, 0 by default) mean unbounded.
    void SetLimits(int minValue, int maxValue);
    int MinValue() const;
    int MaxValue() const;
    // The value read from the text now: a text that is not a valid integer reads as the lower bound.
    int Value() const;
    // Sets the text to the value, brought into the bounds when they differ.
    void SetValue(int value);
    HWND UpDown() const { return arrows_.Handle(); }  // the arrows' window

protected:
    LRESULT Dispatch(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    // The up-down control inside the field, a window with a wrapper of its own.
    class Arrows : public Window {
    public:
        void Create(HWND field);
    };

    bool Bounded() const { return min_ != max_; }
    void Step(int direction);
    void ClampTypedValue();
    void PlaceArrows();

    int min_ = 0;
    int max_ = 0;
    Arrows arrows_;
};

}  // namespace ui
