// Undo and Redo: every user action (a committed field, a check box, a
// picture, an extension, an action, a drag or key in the preview) is one
// step of the history, held as the designer's values before and after it.
// Undo and Redo show the values of the step's end; nothing they show is
// recorded, as only a user's change is.
#include "designer/MainForm.h"

namespace designer {

LayoutState TForm1::CaptureState() const { return {model_, Editor ? Editor->Selected() : std::string()}; }

void TForm1::Change(const DesignerModel& next, const std::string& group) {
    const LayoutState before = CaptureState();
    Show(next);
    if (action_) return;  // recorded when the preview action ends
    history_.Record(before, CaptureState(), group);
    UpdateEditMenu();
}

void TForm1::UpdateEditMenu() {
    MainMenu1.Enable("Undo1", history_.CanUndo());
    MainMenu1.Enable("Redo1", history_.CanRedo());
}

void TForm1::AfterNotify(ui::Control&, WORD code) {
    if (code == EN_KILLFOCUS) history_.CloseGroup();  // the field's run of changes ends
}

ui::Bounds TForm1::PlaceOf(int element) const { return model_.layout.elements.at(size_t(element)).place; }

void TForm1::SetPlace(int element, const ui::Bounds& place) {
    DesignerModel next = model_;
    ui::Bounds& values = next.layout.elements.at(size_t(element)).place;
    const int height = values.height;
    values = place;
    if (!HasHeight(element)) values.height = height;  // no key to size it by
    if (next != model_) Change(next);
}

void TForm1::PreviewActionStarts() { action_ = CaptureState(); }

void TForm1::PreviewActionEnds() {
    if (!action_) return;
    const LayoutState before = *std::exchange(action_, std::nullopt);
    history_.Record(before, CaptureState());
    UpdateEditMenu();
}

void TForm1::PreviewActionCancelled() {
    if (!action_) return;
    Show(std::exchange(action_, std::nullopt)->model);
}

void TForm1::Undo1Click() {
    if (const LayoutState* state = history_.Undo()) {
        Show(state->model);
        Editor->Select(state->selected);
    }
    UpdateEditMenu();
}

void TForm1::Redo1Click() {
    if (const LayoutState* state = history_.Redo()) {
        Show(state->model);
        Editor->Select(state->selected);
    }
    UpdateEditMenu();
}

}  // namespace designer
