// The undo history on its own: what makes a step, what groups steps, what
// ends the redo, what starts afresh.
#include "designer/EditHistory.h"

#include <gtest/gtest.h>

namespace {

using designer::EditHistory;
using designer::LayoutState;

LayoutState Left(const wchar_t* value, const char* selected = "") {
    LayoutState state;
    state.texts["SpinEdit1"] = value;
    state.selected = selected;
    return state;
}

std::wstring LeftOf(const LayoutState* state) { return state ? state->texts.at("SpinEdit1") : L"(none)"; }

TEST(EditHistory, ARunOfChangesInOneFieldIsOneStepUntilTheFieldLosesTheFocus) {
    EditHistory history;
    history.Record(Left(L"0"), Left(L"4"), "SpinEdit1");
    history.Record(Left(L"4"), Left(L"40"), "SpinEdit1");
    EXPECT_EQ(LeftOf(history.Undo()), L"0") << "keystrokes grouped";
    EXPECT_EQ(LeftOf(history.Redo()), L"40");

    history.CloseGroup();
    history.Record(Left(L"40"), Left(L"41"), "SpinEdit1");
    history.Record(Left(L"41"), Left(L"42"), "");  // another action: a drag
    history.Record(Left(L"42"), Left(L"43"), "SpinEdit1");
    EXPECT_EQ(LeftOf(history.Undo()), L"42");
    EXPECT_EQ(LeftOf(history.Undo()), L"41");
    EXPECT_EQ(LeftOf(history.Undo()), L"40") << "the focus ended the first run";
    EXPECT_EQ(LeftOf(history.Undo()), L"0");
    EXPECT_FALSE(history.CanUndo());
    EXPECT_EQ(history.Undo(), nullptr);
}

TEST(EditHistory, ANewActionEndsTheRedoAndNothingChangedIsNoStep) {
    EditHistory history;
    history.Record(Left(L"0"), Left(L"1"));
    history.Record(Left(L"1"), Left(L"2"));
    history.Undo();
    ASSERT_TRUE(history.CanRedo());
    history.Record(Left(L"1"), Left(L"1", "Image1"));  // a selection alone
    EXPECT_TRUE(history.CanRedo()) << "selecting is no action";
    history.Record(Left(L"1"), Left(L"5"));
    EXPECT_FALSE(history.CanRedo());
    EXPECT_EQ(LeftOf(history.Undo()), L"1");

    // A run that comes back to where it started leaves nothing to undo.
    EditHistory back;
    back.Record(Left(L"0"), Left(L"07"), "SpinEdit1");
    back.Record(Left(L"07"), Left(L"0"), "SpinEdit1");
    back.CloseGroup();
    EXPECT_FALSE(back.CanUndo());
}

TEST(EditHistory, UndoGoesBackToTheSelectionOfItsTimeAndClearStartsAfresh) {
    EditHistory history;
    history.Record(Left(L"0", "Image1"), Left(L"1", "Image1"));
    history.Record(Left(L"1", "Button1"), Left(L"2", "Button1"));
    EXPECT_EQ(history.Undo()->selected, "Button1");
    EXPECT_EQ(history.Undo()->selected, "Image1");
    history.Clear();
    EXPECT_FALSE(history.CanUndo() || history.CanRedo());
}

}  // namespace
