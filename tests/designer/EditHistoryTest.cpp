// The undo history on its own: what makes a step, what groups steps, what
// ends the redo, what starts afresh.
#include "designer/EditHistory.h"

#include <gtest/gtest.h>

namespace {

using designer::EditHistory;
using designer::LayoutState;

LayoutState Left(int value, const char* selected = "") {
    LayoutState state;
    state.model.layout.elements[0].place.left = value;
    state.selected = selected;
    return state;
}

int LeftOf(const LayoutState* state) { return state ? state->model.layout.elements[0].place.left : -1; }

TEST(EditHistory, ARunOfChangesInOneFieldIsOneStepUntilTheFieldLosesTheFocus) {
    EditHistory history;
    history.Record(Left(0), Left(4), "SpinEdit1");
    history.Record(Left(4), Left(40), "SpinEdit1");
    EXPECT_EQ(LeftOf(history.Undo()), 0) << "keystrokes grouped";
    EXPECT_EQ(LeftOf(history.Redo()), 40);

    history.CloseGroup();
    history.Record(Left(40), Left(41), "SpinEdit1");
    history.Record(Left(41), Left(42), "");  // another action: a drag
    history.Record(Left(42), Left(43), "SpinEdit1");
    EXPECT_EQ(LeftOf(history.Undo()), 42);
    EXPECT_EQ(LeftOf(history.Undo()), 41);
    EXPECT_EQ(LeftOf(history.Undo()), 40) << "the focus ended the first run";
    EXPECT_EQ(LeftOf(history.Undo()), 0);
    EXPECT_FALSE(history.CanUndo());
    EXPECT_EQ(history.Undo(), nullptr);
}

TEST(EditHistory, ANewActionEndsTheRedoAndNothingChangedIsNoStep) {
    EditHistory history;
    history.Record(Left(0), Left(1));
    history.Record(Left(1), Left(2));
    history.Undo();
    ASSERT_TRUE(history.CanRedo());
    history.Record(Left(1), Left(1, "Image1"));  // a selection alone
    EXPECT_TRUE(history.CanRedo()) << "selecting is no action";
    history.Record(Left(1), Left(5));
    EXPECT_FALSE(history.CanRedo());
    EXPECT_EQ(LeftOf(history.Undo()), 1);

    // A run that comes back to where it started leaves nothing to undo.
    EditHistory back;
    back.Record(Left(0), Left(7), "SpinEdit1");
    back.Record(Left(7), Left(0), "SpinEdit1");
    back.CloseGroup();
    EXPECT_FALSE(back.CanUndo());
}

TEST(EditHistory, UndoGoesBackToTheSelectionOfItsTimeAndClearStartsAfresh) {
    EditHistory history;
    history.Record(Left(0, "Image1"), Left(1, "Image1"));
    history.Record(Left(1, "Button1"), Left(2, "Button1"));
    EXPECT_EQ(history.Undo()->selected, "Button1");
    EXPECT_EQ(history.Undo()->selected, "Image1");
    history.Clear();
    EXPECT_FALSE(history.CanUndo() || history.CanRedo());
}

}  // namespace
