// Editing in the preview and undoing it, in-process: the preview editor
// driven as the mock window drives it (mouse in its client coordinates,
// keys), and every kind of user action taken back and forth.
#include <windows.h>

#include "DesignerFixture.h"
#include "support/TestFolders.h"

namespace {

using namespace testsupport;

class PreviewEditing : public DesignerTest {
protected:
    designer::PreviewEditor& Editor() const { return *form->Editor; }
    ui::Bounds BoundsOf(const char* element) const { return Element(element).GetBounds(); }

    // A drag from one point of the mock window to another, as the mouse makes it.
    void Drag(POINT from, POINT to, bool snapping = true) {
        Editor().MouseDown(from);
        Editor().MouseMove({(from.x + to.x) / 2, (from.y + to.y) / 2}, snapping);
        Editor().MouseMove(to, snapping);
        Editor().MouseUp();
    }
    void Undo() { form->Undo1Click(); }
    void Redo() { form->Redo1Click(); }
    bool MenuGreyed(const char* entry) const {
        return GetMenuState(form->MainMenu1.Handle(), form->MainMenu1.CommandOf(entry), MF_BYCOMMAND) & MF_GRAYED;
    }
    void LeaveField(const char* name) {
        ui::Control& field = form->Find(name);
        SendMessageA(form->Handle(), WM_COMMAND, MAKEWPARAM(field.Id(), EN_KILLFOCUS), LPARAM(field.Handle()));
    }
};

TEST_F(PreviewEditing, ADragMovesAnElementThroughItsFieldsAsOneStep) {
    const designer::LayoutState before = form->CaptureState();
    Drag({88, 36}, {98, 46});  // by 10 and 10: no edge comes within 4 of another
    EXPECT_EQ(Editor().Selected(), "Image1");
    EXPECT_EQ(Spin("SpinEdit1").Value(), 10);
    EXPECT_EQ(Spin("SpinEdit2").Value(), 10);
    EXPECT_EQ(BoundsOf("Image1"), (ui::Bounds{10, 10, 177, 73}));
    designer::LayoutState after = form->CaptureState();
    after.model.layout.Element("Image1").place = before.model.layout.Element("Image1").place;
    EXPECT_TRUE(after.SameValues(before)) << "nothing else changed";

    EXPECT_FALSE(MenuGreyed("Undo1"));
    Undo();
    EXPECT_EQ(BoundsOf("Image1"), (ui::Bounds{0, 0, 177, 73}));
    EXPECT_EQ(Spin("SpinEdit1").Value(), 0);
    EXPECT_TRUE(MenuGreyed("Undo1"));
    Redo();
    EXPECT_EQ(BoundsOf("Image1"), (ui::Bounds{10, 10, 177, 73}));
}

// Button2 lies at 88, 240, 89 x 25; the chooser has no height to size.
TEST_F(PreviewEditing, AGripMovesItsEdgesOnlyAndNoSizeGoesBelowZero) {
    Editor().Select("Button2");
    Drag({88, 240}, {100, 250});  // the top-left grip
    EXPECT_EQ(BoundsOf("Button2"), (ui::Bounds{100, 250, 77, 15}));
    Drag({100, 250}, {300, 300});
    EXPECT_EQ(BoundsOf("Button2"), (ui::Bounds{177, 265, 0, 0}));
    Drag({177, 265}, {165, 265});  // where all the grips meet: the top-left one is taken
    EXPECT_EQ(BoundsOf("Button2"), (ui::Bounds{165, 265, 12, 0}));

    Editor().Select("ComboBox1");
    const ui::Bounds chooser = BoundsOf("ComboBox1");
    Drag({88, 72}, {88, 60});  // where a top grip would be: a move
    EXPECT_EQ(BoundsOf("ComboBox1").height, chooser.height);
    EXPECT_EQ(Spin("SpinEdit6").Value(), 60);
}

TEST_F(PreviewEditing, EdgesSnapWithinFourPixelsUnlessAltIsHeld) {
    // Button2's left edge, dragged 4 to the right to 92, is 3 from Button1's right edge at 89.
    Drag({130, 250}, {134, 250});
    EXPECT_EQ(Spin("SpinEdit9").Value(), 89);
    Undo();
    Drag({130, 250}, {134, 250}, false);
    EXPECT_EQ(Spin("SpinEdit9").Value(), 92);
}

TEST_F(PreviewEditing, EscapeOrALostCapturePutsADragBackAndRecordsNothing) {
    Editor().MouseDown({40, 250});
    Editor().MouseMove({70, 250}, false);
    EXPECT_EQ(Spin("SpinEdit7").Value(), 30);
    EXPECT_TRUE(Editor().Key(VK_ESCAPE, false));
    EXPECT_EQ(Spin("SpinEdit7").Value(), 0);
    EXPECT_EQ(BoundsOf("Button1"), (ui::Bounds{0, 240, 89, 25}));

    Editor().MouseDown({40, 250});
    Editor().MouseMove({40, 200}, false);
    Editor().CaptureLost();
    EXPECT_EQ(Spin("SpinEdit8").Value(), 240);
    EXPECT_FALSE(form->History().CanUndo());
}

TEST_F(PreviewEditing, KeysNudgeAndSizeByOneAndTabGoesThroughTheShownElements) {
    Editor().Select("Button1");
    EXPECT_TRUE(Editor().Key(VK_RIGHT, false));
    EXPECT_TRUE(Editor().Key(VK_DOWN, true));
    EXPECT_EQ(Spin("SpinEdit7").Value(), 1);
    EXPECT_EQ(Spin("SpinEdit12").Value(), 26);
    Undo();
    EXPECT_EQ(Spin("SpinEdit12").Value(), 25) << "one key, one step";
    EXPECT_EQ(Spin("SpinEdit7").Value(), 1);

    Box("CheckBox4").SetChecked(false);  // the chooser hidden: not to be selected
    Editor().Select("ComboBox1");
    EXPECT_EQ(Editor().Selected(), "");
    const char* const order[] = {"Image1", "ListBox1", "Image2", "Button1", "Button2", "Image1"};
    for (const char* expected : order) {
        Editor().Key(VK_TAB, false);
        EXPECT_EQ(Editor().Selected(), expected);
    }
    Editor().Key(VK_TAB, true);
    EXPECT_EQ(Editor().Selected(), "Button2");
}

// Each kind of action is one step; a run of keystrokes in one field is one.
TEST_F(PreviewEditing, EveryKindOfActionIsOneStepBackAndForth) {
    Type(form->Find("SpinEdit1").Handle(), "40");
    LeaveField("SpinEdit1");
    SendMessageA(form->Find("CheckBox1").Handle(), BM_CLICK, 0, 0);
    Type(form->Find("Edit7").Handle(), "pdf");
    SendMessageA(form->Find("Button3").Handle(), BM_CLICK, 0, 0);
    auto& extensions = form->Get<ui::ListBox>("ListBox1");
    ASSERT_EQ(extensions.Count(), 1);

    Undo();
    EXPECT_EQ(extensions.Count(), 0);
    EXPECT_EQ(Field("Edit7").Text(), "pdf");
    Undo();
    EXPECT_EQ(Field("Edit7").Text(), "");
    Undo();
    EXPECT_TRUE(Box("CheckBox1").Checked());
    EXPECT_TRUE(Element("Image1").Visible());
    Undo();
    EXPECT_EQ(Spin("SpinEdit1").Value(), 0);
    EXPECT_EQ(BoundsOf("Image1").left, 0);
    EXPECT_FALSE(form->History().CanUndo());
    for (int i = 0; i < 4; ++i) Redo();
    EXPECT_EQ(Spin("SpinEdit1").Value(), 40);
    EXPECT_FALSE(Box("CheckBox1").Checked());
    EXPECT_EQ(extensions.Count(), 1);

    // A new action ends the redo; New starts afresh.
    Undo();
    Type(form->Find("SpinEdit2").Handle(), "3");
    EXPECT_FALSE(form->History().CanRedo());
    const std::string jpeg = ReadWholeFile(TestDataPath("pictures\\quadrants.jpeg"));
    for (const char* picture : {"image1.jpg", "image2.jpg"}) dir.WriteFile(picture, jpeg);
    CurrentDirectoryGuard here(dir.Path());  // New loads its pictures by these relative names
    ThreadBoxAnswer yes(Press::Yes);
    form->New1Click();
    EXPECT_FALSE(form->History().CanUndo());
    EXPECT_TRUE(MenuGreyed("Undo1") && MenuGreyed("Redo1"));
}

}  // namespace
