// New, the Test run and the About box.
#include <windows.h>

#include "DesignerFixture.h"
#include "designer/AboutBox.h"
#include "support/ShellRecorder.h"
#include "support/Sounds.h"
#include "support/TestFolders.h"
#include "support/Wide.h"

namespace {

using namespace testsupport;

class NewLayout : public DesignerTest {
protected:
    // Runs New answered with `press`; returns the question box.
    DialogRecord RunNew(Press press) {
        ThreadBoxAnswer question(press);
        form->New1Click();
        return question.Record();
    }
};

TEST_F(NewLayout, DeclinedChangesNothing) {
    Spin("SpinEdit1").SetValue(40);
    for (Press press : {Press::No, Press::Escape}) {
        SoundRecorder sounds;
        auto box = RunNew(press);
        EXPECT_EQ(box.caption, "警告");
        EXPECT_EQ(box.text, "保存していない場合、編集中のデータは消えてしまいます。\n\r新規作成しますか？");
        EXPECT_EQ(box.defaultButton, "はい(&Y)");
        EXPECT_TRUE(sounds.Sounds().empty()) << "asked without a sound";
        EXPECT_EQ(Spin("SpinEdit1").Value(), 40);
    }
}

TEST_F(NewLayout, FreshValuesReturnAndTheRestStays) {
    std::string jpeg = ReadWholeFile(TestDataPath("pictures\\quadrants.jpeg"));
    dir.WriteFile("image1.jpg", jpeg);
    dir.WriteFile("image2.jpg", jpeg);
    CurrentDirectoryGuard here(dir.Path());  // New loads the pictures by these relative names

    Box("CheckBox1").SetChecked(false);
    Spin("SpinEdit22").SetValue(12);
    Field("Edit3").SetText("x");
    Field("Edit4").SetText("title");
    ChooseFunction("ComboBox1", 1);
    Box("CheckBox7").SetChecked(false);
    Box("CheckBox8").SetChecked(true);
    Spin("SpinEdit26").SetValue(3);
    AddExtensions({".txt"});
    Field("Edit7").SetText("pdf");
    ShowElement("Image2", false);  // as Open leaves it: hidden, its box still checked

    EXPECT_TRUE(RunNew(Press::Yes).found);
    EXPECT_TRUE(Box("CheckBox1").Checked());
    EXPECT_TRUE(Element("Image1").Visible());
    EXPECT_TRUE(form->Find("Edit1").Enabled());
    EXPECT_FALSE(Element("Image2").Visible()) << "its check box was already checked: no handler ran";
    EXPECT_EQ(Spin("SpinEdit22").Value(), 177);
    EXPECT_EQ(Element("Image1").Width(), 177);
    EXPECT_EQ(Field("Edit3").Text(), "ボタン1");
    EXPECT_EQ(Element("Button1").Text(), "ボタン1");
    EXPECT_EQ(Field("Edit4").Text(), "");
    auto& function = form->Get<ui::ComboBox>("ComboBox1");
    EXPECT_EQ(function.ItemIndex(), -1);
    EXPECT_EQ(function.Text(), "機能を選択してください");
    EXPECT_NE(form->Frame2->PictureOf(designer::kHeaderPicture)->Picture()->Width(), 177) << "image1.jpg replaced the placeholder";
    EXPECT_NE(form->Frame2->PictureOf(designer::kFooterPicture)->Picture()->Width(), 177);
    // Left alone:
    EXPECT_FALSE(Box("CheckBox7").Checked());
    EXPECT_TRUE(Box("CheckBox8").Checked());
    EXPECT_EQ(Spin("SpinEdit26").Value(), 3);
    EXPECT_EQ(form->Get<ui::ListBox>("ListBox1").Count(), 1);
    EXPECT_EQ(Field("Edit7").Text(), "pdf");
}

TEST_F(NewLayout, TheCurrentFileIsForgottenEvenWhenAPictureIsMissing) {
    {
        FileDialogAnswer dialog(dir / "kept.rkd");
        form->Save1Click();
    }
    ASSERT_EQ(form->CurrentFileName(), W(dir / "kept.rkd"));
    std::string saved = ReadWholeFile(dir / "kept.rkd");
    // The question, then the error box: answered one after the other.
    ThreadBoxAnswer question(Press::Yes), error(Press::Ok);
    SendMessageA(form->Handle(), WM_COMMAND, MAKEWPARAM(form->MainMenu1.CommandOf("New1"), 0), 0);  // from the menu
    EXPECT_TRUE(question.Record().found);
    EXPECT_EQ(error.Record().text, "ファイル image1.jpg は開けません.");
    EXPECT_EQ(form->CurrentFileName(), L"");

    FileDialogAnswer dialog("");
    form->Save1Click();
    EXPECT_TRUE(dialog.Wait().found) << "the next Save asks for a name";
    EXPECT_EQ(ReadWholeFile(dir / "kept.rkd"), saved);
}

class TestRun : public DesignerTest {
protected:
    std::string TestLayout() const { return ReadWholeFile(dir / "test\\test.rkd"); }
    ShellRequests started;
};

TEST_F(TestRun, WritesTheTestLayoutWithJoinedPictureNamesAndStartsTheViewer) {
    dir.MakeFolder("test");
    form->Button7Click();
    EXPECT_NE(TestLayout().find("[File]\r\nimage1=image1.jpg\r\nimage2=image2.jpg\r\n"), std::string::npos);
    ASSERT_EQ(started.items.size(), 1u);
    EXPECT_EQ(started.items[0].item, dir / "test\\test.exe");
    EXPECT_EQ(started.items[0].workFolder, dir.Path());

    {
        FileDialogAnswer dialog(dir / "layouts\\menu.rkd");
        dir.MakeFolder("layouts");
        form->Save1Click();
    }
    Field("Edit2").SetText("");
    form->Button7Click();
    EXPECT_NE(TestLayout().find("[File]\r\nimage1=" + dir / "layouts\\image1.jpg" + "\r\nimage2=\r\n"),
              std::string::npos)
        << TestLayout();
    EXPECT_EQ(Field("Edit1").Text(), "image1.jpg");
    EXPECT_EQ(form->CurrentFileName(), W(dir / "layouts\\menu.rkd"));

    Field("Edit1").SetText("C:\\pictures\\logo.jpg");
    Field("Edit2").SetText("\\\\server\\share\\foot.bmp");
    form->Button7Click();
    EXPECT_NE(TestLayout().find("image1=C:\\pictures\\logo.jpg\r\nimage2=\\\\server\\share\\foot.bmp\r\n"),
              std::string::npos)
        << "full names are written unchanged";
    EXPECT_EQ(started.items.size(), 3u);
}

TEST_F(TestRun, WithoutTheTestFolderNothingStartsAndTheFieldsAreRestored) {
    {
        FileDialogAnswer dialog(dir / "menu.rkd");
        form->Save1Click();
    }
    ThreadBoxAnswer error(Press::Ok);
    HWND test = form->Find("Button7").Handle();
    SendMessageA(form->Handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(test), BN_CLICKED), LPARAM(test));
    EXPECT_EQ(error.Record().text, dir / "test\\test.rkd" + " に書き込めません.");
    EXPECT_EQ(Field("Edit1").Text(), "image1.jpg");
    EXPECT_TRUE(started.items.empty());
}

TEST_F(TestRun, TheAboutBoxIsLaidOutAndCloses) {
    testsupport::ScopedWorkArea topLeft({0, 0, 400, 300});
    designer::TAboutBox box(form->Handle());
    RECT client, frame;
    GetWindowRect(box.Handle(), &frame);
    EXPECT_TRUE(testsupport::CentredOnScreen(frame));
    GetClientRect(box.Handle(), &client);
    EXPECT_EQ(client.right, 273);
    EXPECT_EQ(client.bottom, 129);
    EXPECT_EQ(box.Caption(), "バージョン情報");
    EXPECT_EQ(box.Find("ProductName").Text(), "アプリケーション名：ロカビナデザイナー");
    EXPECT_EQ(box.Find("Version").Text(), "バージョン番号：1.00");
    EXPECT_EQ(box.Find("Comments").Text().rfind("公開日：", 0), 0u);
    auto ok = box.Find("OKButton").GetBounds();
    EXPECT_EQ(ok.left, 8 + 183);
    EXPECT_EQ(ok.top, 8 + 80);
    EXPECT_EQ(ok.width, 58);
    EXPECT_EQ(ok.height, 25);
    EXPECT_EQ(box.Find("Panel1").Width(), 257);
    EXPECT_EQ(box.Find("ProgramIcon").Left(), 8 + 208);
    EXPECT_EQ(box.Find("OKButton").Text(), "閉じる");

    PostMessageA(box.Find("OKButton").Handle(), WM_KEYDOWN, VK_RETURN, 1);  // taken once the box shows
    EXPECT_EQ(box.ShowModal(), IDOK);
    EXPECT_TRUE(IsWindowEnabled(form->Handle()));
}

}  // namespace
