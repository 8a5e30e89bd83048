// A drop-down combo box (COMBOBOX) with an editable text field. Its items and
// text are kept whole, as a list box's; its height is that of the closed box,
// which its font sets, and its drop-down list keeps a height of its own.
#pragma once
#include "ui/Control.h"

namespace ui {

class ComboBox : public Control {
public:
    using Control::Control;
    void Create(HWND parent, int id, const std::string& text, Bounds bounds, HFONT font) override;
    void Notify(WORD code) override;
    void BindHandler(std::function<void()> handler) override { OnChange = std::move(handler); }
    // The height is that of the closed box, which its font sets; the
    // drop-down keeps its own.
    void SetBounds(Bounds bounds) override;
    // The height of the rows of the drop-down list in 96-dpi pixels, kept
    // through font changes.
    void SetRowHeight(int pixels96);
    void ApplyDpi(UINT dpi, HFONT font) override;
    // Its closed height is the one its font gave it.
    RECT LaidOutRect() const override;
    // Its text field too.
    void LetMouseThrough() override;
    // Sets the text field; fires no change.
    void SetWideText(const std::wstring& text) override;
    void Add(const std::string& item);
    void Add(const std::wstring& item);
    int Count() const;
    std::string Item(int index) const;
    std::wstring WideItem(int index) const;
    int ItemIndex() const;
    void SetItemIndex(int index);
    // Right-clicks in the text field show the parent's menu, not the field's own.
    void ForwardContextMenuToParent();
    // Fired when the user edits the text or picks an item; a picked item is
    // in the text field by then.
    std::function<void()> OnChange;

protected:
    LRESULT Dispatch(UINT msg, WPARAM wp, LPARAM lp) override;
    void Place() override;

private:
    // Gives the window the height of the box (boxHeight96) and its drop-down
    // list, which it takes as the list's and closes to the box's: at creation
    // and at a new dpi only, as a moved box keeps its closed height (see
    // SetBounds).
    void OpenToListHeight(int boxHeight96);
    void ApplyRowHeight();
    // The parts of the box: its text field and its list.
    COMBOBOXINFO Parts() const;
    bool settingText_ = false;
    int rowHeight96_ = 0;
    int closedHeight_ = 0;  // device pixels
};

}  // namespace ui
