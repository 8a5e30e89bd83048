// What the designer's Undo and Redo go back and forth through: each step is
// one user action, held as the designer's values before and after it. The
// views (fields, preview) only show values; the history never touches them.
// A run of changes in one field is one step until the field loses the focus
// or another action comes.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

#include "designer/LayoutModel.h"

namespace designer {

// A point of the history: the designer's values and the preview element
// selected then.
struct LayoutState {
    DesignerModel model;
    std::string selected;  // "" for none
    bool operator==(const LayoutState&) const = default;
    // The same values, whatever is selected: a selection alone is no step.
    bool SameValues(const LayoutState& other) const { return model == other.model; }
};

class EditHistory {
public:
    // A user action took the designer from `before` to `after`. With a
    // group (a field's name), further changes of the same group extend this
    // step instead of making new ones, until CloseGroup or another action.
    // A change that changes nothing makes no step. Every new step ends what
    // could be redone.
    void Record(const LayoutState& before, const LayoutState& after, const std::string& group = "");
    // The field lost the focus: its run of changes is one step from now on.
    void CloseGroup();
    bool CanUndo() const { return done_ > 0; }
    bool CanRedo() const { return done_ < steps_.size(); }
    // The state to go back to, or to go on to; null when there is none.
    const LayoutState* Undo();
    const LayoutState* Redo();
    // New and Open start afresh.
    void Clear();

private:
    struct Step {
        LayoutState before, after;
    };
    // A run of changes that came back to where it started is no step.
    void CloseOpenStep();
    std::vector<Step> steps_;
    size_t done_ = 0;        // steps_[0, done_) are done; the rest can be redone
    std::string openGroup_;  // the group the last step may still grow in
};

}  // namespace designer
