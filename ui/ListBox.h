// A list box (LISTBOX) whose items are kept whole (a Unicode window); the
// code page 932 forms convert on the way in and out. Its rows' height and
// horizontal scroll width are kept in 96-dpi pixels, through font and dpi
// changes.
#pragma once
#include <cstdint>
#include <functional>

#include "ui/Control.h"

namespace ui {

class ListBox : public Control {
public:
    using Control::Control;
    void Create(HWND parent, int id, const std::string& text, Bounds bounds, HFONT font) override;
    void Add(const std::string& item);
    void Add(const std::wstring& item);
    void Clear();
    void Delete(int index);
    int Count() const;
    std::string Item(int index) const;
    std::wstring WideItem(int index) const;
    int ItemIndex() const;
    void SetItemIndex(int index);
    int FindExact(const std::string& text) const;
    int FindExact(const std::wstring& text) const;
    // The rows' height in device pixels; set in 96-dpi pixels.
    int ItemHeight() const;
    void SetItemHeight(int pixels96);
    // The horizontal scroll width in device pixels.
    void SetHorizontalExtent(int pixels);
    // The horizontal scroll width as this many times the list's client width
    // now; computed in 64 bits and kept between 0 and the largest int. At
    // another dpi it scales with the list, not computed again.
    void SetScrollFactor(int32_t factor);
    int HorizontalExtent() const;
    void ApplyDpi(UINT dpi, HFONT font) override;
    // Fired by a double-click on an item, and by Enter while the list has the
    // focus and an item is selected: the way every file list opens a file.
    // Enter then goes no further (no default button takes it too).
    std::function<void()> OnItemChosen;

protected:
    LRESULT Dispatch(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void ApplyItemHeight();
    int itemHeight96_ = 0;  // 0: the font's
    int extent96_ = -1;     // -1: never set
};

}  // namespace ui
