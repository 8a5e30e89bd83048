// Undo and Redo: every user action (a committed field, a check box, a
// picture, an extension, a function, a drag or key in the preview) is one
// step of the history, held as the designer's whole editable state before
// and after it. Restoring a state sets the controls through the same paths
// as the user's changes, unrecorded.
#include <algorithm>

#include "designer/MainForm.h"
#include "designer/SpinEditBindings.h"
#include "ui/Buttons.h"
#include "ui/PicturePane.h"

namespace designer {
namespace {

const char* const kElements[] = {"Image1", "Image2", "ComboBox1", "ListBox1", "Button1", "Button2"};

// Sets a flag for a scope, whichever way the scope ends.
class Unrecorded {
public:
    explicit Unrecorded(bool& flag) : flag_(flag), was_(flag) { flag_ = true; }
    ~Unrecorded() { flag_ = was_; }
    Unrecorded(const Unrecorded&) = delete;
    Unrecorded& operator=(const Unrecorded&) = delete;

private:
    bool& flag_;
    bool was_;
};

}  // namespace

LayoutState TForm1::CaptureState() const {
    LayoutState state;
    for (const auto& control : Controls()) {
        const std::string& name = control->Name();
        if (auto* field = dynamic_cast<const ui::Edit*>(control.get())) {
            state.texts[name] = field->WideText();
        } else if (auto* box = dynamic_cast<const ui::CheckBox*>(control.get())) {
            state.checks[name] = box->Checked();
        } else if (auto* choice = dynamic_cast<const ui::ComboBox*>(control.get())) {
            state.choices[name] = choice->ItemIndex();
        } else if (auto* list = dynamic_cast<const ui::ListBox*>(control.get())) {
            for (int i = 0; i < list->Count(); ++i) state.extensions.push_back(list->WideItem(i));
        }
    }
    for (const char* element : kElements) state.shown[element] = Frame2->Find(element).Visible();
    state.header = Frame2->Image1->SharedPicture();
    state.footer = Frame2->Image2->SharedPicture();
    state.selected = Editor ? Editor->Selected() : std::string();
    return state;
}

void TForm1::RestoreState(const LayoutState& state) {
    Unrecorded guard(unrecorded_);
    // The check boxes first: they show and hide their elements, which the
    // state may then show otherwise (as Open leaves them).
    for (const auto& [name, checked] : state.checks) Get<ui::CheckBox>(name).SetChecked(checked);
    for (const auto& [name, text] : state.texts) Get<ui::Edit>(name).SetWideText(text);
    for (const auto& [name, index] : state.choices) {
        auto& choice = Get<ui::ComboBox>(name);
        if (choice.ItemIndex() != index) choice.SetItemIndex(index);
    }
    auto& list = Get<ui::ListBox>("ListBox1");
    list.Clear();
    for (const std::wstring& extension : state.extensions) list.Add(extension);
    for (const auto& [name, shown] : state.shown) Frame2->Find(name).SetVisible(shown);
    Frame2->Image1->SetPicture(state.header);
    Frame2->Image2->SetPicture(state.footer);
    Editor->Select(state.selected);
}

void TForm1::Recorded() {
    last_ = CaptureState();
    MainMenu1.Enable("Undo1", history_.CanUndo());
    MainMenu1.Enable("Redo1", history_.CanRedo());
}

void TForm1::BeforeNotify(ui::Control&, WORD) {
    if (!unrecorded_) ++notifying_;
}

void TForm1::AfterNotify(ui::Control& control, WORD code) {
    if (unrecorded_ || --notifying_ > 0) return;  // the handler's own changes are part of its action
    if (code == EN_KILLFOCUS) {
        history_.CloseGroup();  // the field's run of changes ends
        return;
    }
    if (code != EN_CHANGE && code != BN_CLICKED && code != CBN_SELCHANGE) return;
    // A run of changes in one field is one step: keystrokes, arrow clicks.
    history_.Record(last_, CaptureState(), code == EN_CHANGE ? control.Name() : std::string());
    Recorded();
}

ui::SpinEdit* TForm1::SpinEditOf(const std::string& element, Property property) {
    for (const SpinEditBinding& b : SpinEditBindings())
        if (element == b.element && b.property == property) return &Get<ui::SpinEdit>(b.spinEdit);
    return nullptr;
}

void TForm1::PreviewActionStarts() { unrecorded_ = true; }

void TForm1::PreviewActionEnds() {
    unrecorded_ = false;
    history_.Record(last_, CaptureState());
    Recorded();
}

void TForm1::PreviewActionCancelled() {
    RestoreState(last_);
    unrecorded_ = false;
    Recorded();
}

void TForm1::Undo1Click() {
    if (const LayoutState* state = history_.Undo()) RestoreState(*state);
    Recorded();
}

void TForm1::Redo1Click() {
    if (const LayoutState* state = history_.Redo()) RestoreState(*state);
    Recorded();
}

}  // namespace designer
