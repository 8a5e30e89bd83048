// Save, Save As and Exit: the file a save writes, the name completion, the
// overwrite question and what becomes of the current file name.
#include <windows.h>

#include "DesignerFixture.h"
#include "base/Files.h"
#include "support/Sounds.h"
#include "support/Wide.h"

namespace {

using namespace testsupport;

using Saving = DesignerTest;

TEST_F(Saving, AFreshDesignerWritesTheDefaultLayoutExactly) {
    FileDialogAnswer dialog(dir / "fresh");
    SoundRecorder sounds;
    form->Save1Click();
    const auto& record = dialog.Wait();
    ASSERT_TRUE(record.found);
    EXPECT_EQ(record.filters, std::vector<std::string>{"RokabinaDesignerファイル（*.rkd）"});
    EXPECT_EQ(ReadWholeFile(dir / "fresh.rkd"), FreshDesignerLayout());
    EXPECT_EQ(form->CurrentFileName(), W(dir / "fresh.rkd"));
    EXPECT_TRUE(sounds.Sounds().empty()) << "a new file: no question, no sound";

    // With a current file, Save writes at once: no dialog, no question.
    Field("Edit4").SetText("資料");
    form->Save1Click();
    EXPECT_NE(ReadWholeFile(dir / "fresh.rkd").find("Form=資料\r\n"), std::string::npos);
}

TEST_F(Saving, TheChosenNameGetsTheLayoutExtensionUnlessItHasItExactly) {
    const std::pair<const char*, const char*> cases[] = {
        {"a", "a.rkd"}, {"a.txt", "a.txt.rkd"}, {"a.RKD", "a.RKD.rkd"}, {"b.rkd", "b.rkd"}, {"表", "表.rkd"}};
    for (const auto& [typed, saved] : cases) {
        FileDialogAnswer dialog(dir / typed);
        form->SaveAs1Click();
        ASSERT_TRUE(dialog.Wait().found);
        EXPECT_TRUE(base::IsExistingFile(W(dir / saved))) << typed;
        EXPECT_EQ(form->CurrentFileName(), W(dir / saved));
    }
    EXPECT_FALSE(base::IsExistingFile(W(dir / "a")));
}

TEST_F(Saving, AnExistingFileIsOverwrittenOnlyAfterTheQuestion) {
    dir.WriteFile("old.rkd", "[Caption]\r\nForm=old\r\n[Other]\r\nkeep=1\r\n");
    for (Press press : {Press::No, Press::Escape}) {
        FileDialogAnswer dialog(dir / "old");
        ThreadBoxAnswer question(press);
        SoundRecorder sounds;
        form->Save1Click();
        const auto& box = question.Record();
        EXPECT_EQ(box.caption, "警告");
        EXPECT_EQ(box.text, "そのファイルは既に存在します。上書きしますか？");
        EXPECT_EQ(box.icon, IconKind::Warning);
        EXPECT_EQ(box.defaultButton, "はい(&Y)");
        ASSERT_EQ(sounds.Sounds().size(), 1u);
        EXPECT_EQ(sounds.Sounds()[0].type, UINT(MB_ICONEXCLAMATION));
        EXPECT_FALSE(sounds.Sounds()[0].boxOpen) << "the sound comes before the box";
        EXPECT_EQ(ReadWholeFile(dir / "old.rkd"), "[Caption]\r\nForm=old\r\n[Other]\r\nkeep=1\r\n");
        EXPECT_EQ(form->CurrentFileName(), L"") << "declined: still no current file";
    }
    FileDialogAnswer dialog(dir / "old.rkd");
    ThreadBoxAnswer yes(Press::Yes);
    form->Save1Click();
    EXPECT_TRUE(yes.Record().found);
    std::string saved = ReadWholeFile(dir / "old.rkd");
    EXPECT_NE(saved.find("Form=\r\n"), std::string::npos);
    EXPECT_NE(saved.find("[Other]\r\nkeep=1\r\n"), std::string::npos) << "other keys stay";
    EXPECT_EQ(form->CurrentFileName(), W(dir / "old.rkd"));
}

TEST_F(Saving, CancellingSaveAsForgetsTheCurrentFile) {
    {
        FileDialogAnswer dialog(dir / "first.rkd");
        form->Save1Click();
    }
    ASSERT_EQ(form->CurrentFileName(), W(dir / "first.rkd"));
    FileDialogAnswer cancel("");
    form->SaveAs1Click();
    EXPECT_TRUE(cancel.Wait().found);
    EXPECT_EQ(form->CurrentFileName(), L"");

    FileDialogAnswer again(dir / "second");
    form->Save1Click();
    const auto& record = again.Wait();
    ASSERT_TRUE(record.found) << "Save asks for a name again";
    EXPECT_EQ(record.initialName.find("first.rkd") != std::string::npos, true) << "the dialog remembers the last name";
    EXPECT_TRUE(base::IsExistingFile(W(dir / "second.rkd")));
}

TEST_F(Saving, ValuesAreWrittenAsTheControlsHoldThem) {
    AddExtensions({".txt", ".pdf", ".doc"});
    dir.WriteFile("layout.rkd", LayoutText({"[extension]", "count=5", "ex1=.a", "ex2=.b", "ex3=.c", "ex4=.d", "ex5=.e"}));
    Spin("SpinEdit1").SetText("abc");  // not a number: saved as the lower bound
    Spin("SpinEdit26").SetText("");
    Spin("SpinEdit2").SetValue(-12);
    ChooseFunction("ComboBox1", 1);
    Box("CheckBox3").SetChecked(false);
    form->WriteLayoutFile(W(dir / "layout.rkd"));
    std::string saved = ReadWholeFile(dir / "layout.rkd");
    for (const char* line : {"[Left]\r\nimage1=0\r\n", "[ScrollBar]\r\nListBox1=1\r\n", "[Top]\r\nimage1=-12\r\n",
                             "[function]\r\nButton1=1\r\nButton2=-1\r\n", "ListBox1=0\r\nnot_sizechange=1\r\n",
                             "count=3\r\nex1=.txt\r\nex2=.pdf\r\nex3=.doc\r\nex4=.d\r\nex5=.e\r\n"})
        EXPECT_NE(saved.find(line), std::string::npos) << line;

    Box("CheckBox8").SetChecked(true);
    form->WriteLayoutFile(W(dir / "layout.rkd"));
    saved = ReadWholeFile(dir / "layout.rkd");
    EXPECT_NE(saved.find("count=1\r\nex1=.*\r\nex2=.pdf\r\n"), std::string::npos) << saved;

    Box("CheckBox8").SetChecked(false);
    auto& list = form->Get<ui::ListBox>("ListBox1");
    for (int left = list.Count(); left > 0; --left) {  // removed as the user does
        list.SetItemIndex(0);
        form->Button4Click();
    }
    form->WriteLayoutFile(W(dir / "empty.rkd"));
    saved = ReadWholeFile(dir / "empty.rkd");
    EXPECT_EQ(saved.substr(saved.size() - 22), "[extension]\r\ncount=0\r\n");
}

TEST_F(Saving, AWriteIntoAMissingFolderIsReportedAndKeepsTheName) {
    std::string target = dir / "missing\\layout.rkd";
    ThreadBoxAnswer error(Press::Ok);
    FileDialogAnswer dialog(target);
    HWND save = form->Find("Button5").Handle();  // clicked: errors go to the error box
    SendMessageA(form->Handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(save), BN_CLICKED), LPARAM(save));
    const auto& box = error.Record();
    ASSERT_TRUE(dialog.Wait().found);
    ASSERT_TRUE(box.found);
    EXPECT_EQ(box.caption, "ロカビナデザイナー");
    EXPECT_EQ(box.text, target + " に書き込めません.");
    EXPECT_EQ(box.icon, IconKind::Stop);
    EXPECT_EQ(form->CurrentFileName(), L"");
    EXPECT_FALSE(base::IsExistingFolder(W(dir / "missing")));
}

TEST_F(Saving, ExitAsksAfterTheWarningSound) {
    for (Press press : {Press::No, Press::Escape}) {
        SoundRecorder sounds;
        ThreadBoxAnswer question(press);
        form->Exit1Click();
        const auto& box = question.Record();
        EXPECT_EQ(box.caption, "警告");
        EXPECT_EQ(box.text, "本当に終了しますか？");
        EXPECT_EQ(box.buttons, (std::vector<std::string>{"はい(&Y)", "いいえ(&N)"}));
        ASSERT_EQ(sounds.Sounds().size(), 1u);
        EXPECT_FALSE(sounds.Sounds()[0].boxOpen);
        EXPECT_FALSE(ui::Application::Instance().Terminated());
    }
    ThreadBoxAnswer yes(Press::Yes);
    form->Exit1Click();
    EXPECT_TRUE(yes.Record().found);
    EXPECT_TRUE(ui::Application::Instance().Terminated());
}

}  // namespace
