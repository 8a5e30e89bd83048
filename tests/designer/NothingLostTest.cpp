// Nothing lost: a changed layout is not closed or replaced without the
// question, whose answers save, go on or stop; a save replaces the file
// whole, with the bytes the profile functions give in place; a layout file
// dropped onto the window opens.
#include <windows.h>

#include <shlobj.h>

#include <functional>

#include "DesignerFixture.h"
#include "designer/LayoutFile.h"
#include "layout/ProfileFile.h"
#include "support/FolderListing.h"
#include "support/Sounds.h"
#include "support/TestFolders.h"

namespace {

using namespace testsupport;

class NothingLost : public DesignerTest {
protected:
    // A layout saved as a.rkd, then changed.
    void SavedThenChanged() {
        DeleteFileW(W(dir / "a.rkd").c_str());
        FileDialogAnswer dialog(dir / "a.rkd");
        form->SaveAs1Click();
        ASSERT_TRUE(dialog.Wait().found);
        Spin("SpinEdit1").SetValue(5);
        ASSERT_TRUE(form->Changed());
    }
    bool SavedWithTheChange() const { return ReadWholeFile(dir / "a.rkd").find("[Left]\r\nimage1=5\r\n") != std::string::npos; }
};

TEST_F(NothingLost, EachCommandAsksFirstAndTheAnswerSavesGoesOnOrStops) {
    struct Command {
        const char* name;
        std::function<bool(designer::TForm1&)> run;  // true when the command went on
    };
    const Command commands[] = {
        {"終了", [](designer::TForm1& f) { f.Exit1Click(); return ui::Application::Instance().Terminated(); }},
        {"開く", [](designer::TForm1& f) {
             FileDialogAnswer cancel(std::string(), GetCurrentProcessId(), 3000);
             f.Open1Click();
             return cancel.Wait().found;
         }},
        {"the close box", [](designer::TForm1& f) {
             SendMessageW(f.Handle(), WM_CLOSE, 0, 0);
             return !IsWindow(f.Handle());
         }},
    };
    for (const Command& command : commands)
        for (Press press : {Press::Yes, Press::No, Press::Cancel, Press::Escape}) {
            SetUp();  // a fresh designer each time
            SavedThenChanged();
            SoundRecorder sounds;
            ThreadBoxAnswer question(press);
            const bool wentOn = command.run(*form);
            const auto& box = question.Record();
            const std::string what = std::string(command.name) + ", answer " + std::to_string(int(press));
            ASSERT_TRUE(box.found) << what;
            EXPECT_EQ(box.caption, "警告");
            EXPECT_EQ(box.text, "変更内容を保存しますか？");
            EXPECT_EQ(box.buttons, (std::vector<std::string>{"はい(&Y)", "いいえ(&N)", "キャンセル"}));
            EXPECT_EQ(box.icon, IconKind::Warning);
            ASSERT_EQ(sounds.Sounds().size(), 1u) << what;
            EXPECT_EQ(sounds.Sounds()[0].type, unsigned(MB_ICONEXCLAMATION));
            EXPECT_FALSE(sounds.Sounds()[0].boxOpen) << "the sound comes first";
            EXPECT_EQ(SavedWithTheChange(), press == Press::Yes) << what;
            EXPECT_EQ(wentOn, press == Press::Yes || press == Press::No) << what;
        }
}

TEST_F(NothingLost, AnUnchangedLayoutAsksAsBeforeAndANewOneIsSavedThroughTheDialog) {
    // Set back by hand: unchanged, so 終了 asks its own question.
    Spin("SpinEdit1").SetValue(5);
    Spin("SpinEdit1").SetValue(0);
    EXPECT_FALSE(form->Changed());
    {
        ThreadBoxAnswer question(Press::No);
        form->Exit1Click();
        EXPECT_EQ(question.Record().text, "本当に終了しますか？");
    }
    // Never saved: はい opens the save dialog, and cancelling it keeps everything.
    Field("Edit4").SetText("題");
    ThreadBoxAnswer yes(Press::Yes);
    FileDialogAnswer cancel("");
    SendMessageW(form->Handle(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(cancel.Wait().found);
    EXPECT_TRUE(IsWindow(form->Handle()));
    EXPECT_EQ(Field("Edit4").Text(), "題");
    EXPECT_TRUE(form->Changed());
}

TEST_F(NothingLost, ALayoutDroppedOntoTheWindowOpens) {
    dir.WriteFile("dropped.RKD", LayoutText({"[Caption]", "Form=落とした"}));
    const std::wstring name = W(dir / "dropped.RKD");
    // The drop as Explorer hands it over: a DROPFILES block with the wide names.
    HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + (name.size() + 2) * sizeof(wchar_t));
    auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    drop->fWide = TRUE;
    wcscpy(reinterpret_cast<wchar_t*>(drop + 1), name.c_str());
    GlobalUnlock(memory);
    SendMessageW(form->Handle(), WM_DROPFILES, WPARAM(memory), 0);  // the window frees it
    EXPECT_EQ(form->CurrentFileName(), name);
    EXPECT_EQ(Field("Edit4").Text(), "落とした");
    EXPECT_FALSE(form->Changed());
}

TEST_F(NothingLost, ASaveGivesTheBytesOfTheWritesInPlace) {
    // A key the designer does not write, and ex keys beyond the new count.
    const std::string old = LayoutText({"[Other]", "kept=yes", "[Enable]", "image1=0", "[extension]", "count=5",
                                        "ex1=.a", "ex2=.b", "ex3=.c", "ex4=.d", "ex5=.e"});
    AddExtensions({".txt", ".pdf"});
    Field("Edit3").SetText("  開く=1");
    const auto texts = designer::LayoutKeyTexts(form->Model().layout);
    for (const char* name : {"inplace.rkd", "whole.rkd"}) dir.WriteFile(name, old);
    {
        layout::ProfileFile inPlace(W(dir / "inplace.rkd"));
        for (const auto& t : texts) inPlace.WriteString(t.section, t.key.c_str(), t.value);
    }
    form->WriteLayoutFile(W(dir / "whole.rkd"));
    form->WriteLayoutFile(W(dir / "new.rkd"));
    {
        layout::ProfileFile fresh(W(dir / "fresh.rkd"));
        for (const auto& t : texts) fresh.WriteString(t.section, t.key.c_str(), t.value);
    }
    EXPECT_EQ(ReadWholeFile(dir / "whole.rkd"), ReadWholeFile(dir / "inplace.rkd"));
    EXPECT_EQ(ReadWholeFile(dir / "new.rkd"), ReadWholeFile(dir / "fresh.rkd"));
    EXPECT_EQ(FindNames(dir / "~*"), std::vector<std::string>{}) << "no copy left behind";

    // A read-only file is refused, and stays as it was.
    SetFileAttributesW(W(dir / "whole.rkd").c_str(), FILE_ATTRIBUTE_READONLY);
    const std::string before = ReadWholeFile(dir / "whole.rkd");
    Field("Edit4").SetText("changed");
    EXPECT_THROW(form->WriteLayoutFile(W(dir / "whole.rkd")), layout::ProfileWriteError);
    EXPECT_EQ(ReadWholeFile(dir / "whole.rkd"), before);
    SetFileAttributesW(W(dir / "whole.rkd").c_str(), FILE_ATTRIBUTE_NORMAL);
}

}  // namespace
