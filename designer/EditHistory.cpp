#include "designer/EditHistory.h"

namespace designer {

void EditHistory::Record(const LayoutState& before, const LayoutState& after, const std::string& group) {
    if (!group.empty() && group == openGroup_ && done_ == steps_.size() && done_ > 0) {
        steps_.back().after = after;
        return;
    }
    CloseOpenStep();
    if (before.SameValues(after)) return;
    steps_.resize(done_);  // what could be redone is gone
    steps_.push_back({before, after});
    done_ = steps_.size();
    openGroup_ = group;
}

void EditHistory::CloseGroup() { CloseOpenStep(); }

void EditHistory::CloseOpenStep() {
    if (!openGroup_.empty() && done_ == steps_.size() && done_ > 0 &&
        steps_.back().before.SameValues(steps_.back().after)) {
        steps_.pop_back();
        done_ = steps_.size();
    }
    openGroup_.clear();
}

const LayoutState* EditHistory::Undo() {
    CloseOpenStep();
    if (!CanUndo()) return nullptr;
    return &steps_[--done_].before;
}

const LayoutState* EditHistory::Redo() {
    CloseOpenStep();
    if (!CanRedo()) return nullptr;
    return &steps_[done_++].after;
}

void EditHistory::Clear() {
    steps_.clear();
    done_ = 0;
    openGroup_.clear();
}

}  // namespace designer
