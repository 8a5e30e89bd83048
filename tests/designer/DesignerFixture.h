// A fresh designer main window for each test, with helpers that act on its
// controls the way a user does.
#pragma once
#include <gtest/gtest.h>

#include <memory>

#include "designer/MainForm.h"
#include "support/CurrentDirectory.h"
#include "support/Dialogs.h"
#include "support/Scratch.h"
#include "support/Wide.h"
#include "ui/Application.h"
#include "ui/Buttons.h"

namespace testsupport {

class DesignerTest : public testing::Test {
protected:
    void SetUp() override {
        ui::Application::Instance().SetTitle("ロカビナデザイナー");
        ui::Application::Instance().ClearTermination();
        form = std::make_unique<designer::TForm1>(W(dir / "rokabina_designer.exe"));
    }
    void TearDown() override { EXPECT_EQ(StrayDialogCount(), strays_) << LastStrayDialogText(); }

    ui::SpinEdit& Spin(const char* name) const { return form->Get<ui::SpinEdit>(name); }
    ui::Edit& Field(const char* name) const { return form->Get<ui::Edit>(name); }
    ui::CheckBox& Box(const char* name) const { return form->Get<ui::CheckBox>(name); }
    ui::Control& Element(const char* name) const { return form->Frame2->Find(name); }

    // Replaces the whole text of a field by typing, key by key.
    static void Type(HWND field, const std::string& keys, bool replace = true) {
        if (replace) SendMessageA(field, EM_SETSEL, 0, -1);
        for (char c : keys) SendMessageA(field, WM_CHAR, WPARAM(static_cast<unsigned char>(c)), 1);
    }

    // Picks an action's entry as the user does: the list's choice, then its notification.
    void ChooseFunction(const char* combo, int index) const {
        auto& box = form->Get<ui::ComboBox>(combo);
        SendMessageW(box.Handle(), CB_SETCURSEL, WPARAM(index), 0);
        SendMessageW(form->Handle(), WM_COMMAND, MAKEWPARAM(box.Id(), CBN_SELCHANGE), LPARAM(box.Handle()));
    }
    // Registers extensions as the user does: typed, then "追加 >>".
    void AddExtensions(std::initializer_list<const char*> extensions) const {
        for (const char* extension : extensions) {
            Field("Edit7").SetText(extension);
            form->Button3Click();
        }
    }
    // Shows or hides a preview element as Open does, its check box untouched.
    void ShowElement(const char* name, bool shown) const {
        designer::DesignerModel model = form->Model();
        model.layout.Element(name).shown = shown;
        form->Show(model);
    }

    // Runs a handler that shows one plain message and returns what it said.
    template <class Handler>
    std::string MessageFrom(Handler handler) {
        ThreadBoxAnswer answer(Press::Ok);
        handler();
        const auto& box = answer.Record();
        if (!box.found) return "(no box)";
        EXPECT_EQ(box.caption, "ロカビナデザイナー");
        return box.text;
    }

    ScratchFolder dir;
    std::unique_ptr<designer::TForm1> form;

private:
    int strays_ = StrayDialogCount();
    // The file dialogs move it into the scratch folder; put back before that goes.
    CurrentDirectoryGuard keep_;
};

}  // namespace testsupport
