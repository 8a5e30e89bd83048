// A scratch folder standing for the viewer's own folder, and the viewer's
// main window started on it, with helpers that act on the window the way a
// user does.
#pragma once
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "support/Dialogs.h"
#include "support/Items.h"
#include "support/Scratch.h"
#include "support/Wide.h"
#include "ui/Application.h"
#include "viewer/MainForm.h"

namespace testsupport {

class ViewerTest : public testing::Test {
protected:
    void SetUp() override {
        ui::Application::Instance().SetTitle("ロカビナ");
        ui::Application::Instance().ClearTermination();
    }
    void TearDown() override { EXPECT_EQ(StrayDialogCount(), strays_) << "unexpected box: " << LastStrayDialogText(); }

    void WriteLayout(const std::string& text) { dir.WriteFile("rokabina.rkd", text); }

    // The main window on what the folder holds, begun as the program begins
    // it: start-up runs inside.
    std::unique_ptr<viewer::TForm1> Create(const std::string& exeName = "rokabina.exe") {
        const std::wstring exe = W(dir / exeName);
        return std::make_unique<viewer::TForm1>(exe, viewer::StartAhead(exe));
    }

    // Writes the layout file, then creates the main window, which may show no box.
    std::unique_ptr<viewer::TForm1> Start(const std::string& layout) {
        WriteLayout(layout);
        auto form = Create();
        EXPECT_EQ(StrayDialogCount(), strays_) << "unexpected box: " << LastStrayDialogText();
        return form;
    }

    // Creates the main window on what the folder holds; the one box start-up
    // shows is answered with OK and kept in `box`.
    std::unique_ptr<viewer::TForm1> StartExpectingBox(const std::string& exeName = "rokabina.exe") {
        ThreadBoxAnswer answer(Press::Ok);
        auto form = Create(exeName);
        box = answer.Record();
        EXPECT_TRUE(box.found) << "start-up showed no box";
        EXPECT_EQ(StrayDialogCount(), strays_) << "unexpected box: " << LastStrayDialogText();
        return form;
    }

    // Picks a chooser item as the user does: the selection, then the change.
    static void Pick(viewer::TForm1& form, int index) {
        SendMessageA(form.ComboBox1->Handle(), CB_SETCURSEL, index, 0);
        SendMessageA(form.Handle(), WM_COMMAND, MAKEWPARAM(form.ComboBox1->Id(), CBN_SELCHANGE),
                     LPARAM(form.ComboBox1->Handle()));
    }

    // Picks the chooser item with this text, then the file at `file` (-1: none).
    static void Choose(viewer::TForm1& form, const std::string& folder, int file = 0) {
        auto folders = ItemsOf(*form.ComboBox1);
        auto at = std::find(folders.begin(), folders.end(), folder);
        ASSERT_NE(at, folders.end()) << folder;
        Pick(form, int(at - folders.begin()));
        if (file >= 0) form.ListBox1->SetItemIndex(file);
    }

    ScratchFolder dir;
    DialogRecord box;

private:
    int strays_ = StrayDialogCount();
};

}  // namespace testsupport
