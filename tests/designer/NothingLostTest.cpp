// Nothing lost: a changed layout is not closed or replaced without the
// question, whose answers save, go on or stop; a save gives the bytes the
// profile functions give in place; a layout file dropped onto the window opens.
#include <windows.h>

#include <shlobj.h>

#include <functional>

#include "DesignerFixture.h"
#include "designer/LayoutFile.h"
#include "layout/ProfileFile.h"
#include "support/FolderListing.h"
#include "support/Items.h"
#include "support/Sounds.h"

namespace {

using namespace testsupport;
using Designer = designer::TForm1;

class NothingLost : public DesignerTest {};

TEST_F(NothingLost, EachCommandAsksFirstAndTheAnswerSavesGoesOnOrStops) {
    Spin("SpinEdit1").SetValue(5);
    Spin("SpinEdit1").SetValue(0);
    EXPECT_FALSE(form->Changed()) << "set back by hand";
    const std::pair<const char*, std::function<bool(Designer&)>> commands[] = {  // true: the command went on
        {"終了", [](Designer& f) { return f.Exit1Click(), ui::Application::Instance().Terminated(); }},
        {"開く", [](Designer& f) {
             FileDialogAnswer cancel(std::string(), GetCurrentProcessId(), 3000);
             return f.Open1Click(), cancel.Wait().found;
         }},
        {"close", [](Designer& f) { return SendMessageW(f.Handle(), WM_CLOSE, 0, 0), !IsWindow(f.Handle()); }}};
    for (const auto& [name, run] : commands)
        for (Press press : {Press::Yes, Press::No, Press::Cancel, Press::Escape}) {
            SetUp();  // a fresh designer with a saved layout, then changed
            DeleteFileW(W(dir / "a.rkd").c_str());
            FileDialogAnswer dialog(dir / "a.rkd");
            form->SaveAs1Click();
            Spin("SpinEdit1").SetValue(5);
            SoundRecorder sounds;
            ThreadBoxAnswer question(press);
            const bool wentOn = run(*form);
            const std::string what = std::string(name) + ", answer " + std::to_string(int(press));
            EXPECT_EQ(question.Record().text, "変更内容を保存しますか？") << what;
            EXPECT_EQ(question.Record().buttons, (std::vector<std::string>{"はい(&Y)", "いいえ(&N)", "キャンセル"}));
            EXPECT_EQ(question.Record().icon, IconKind::Warning);
            ASSERT_EQ(sounds.Sounds().size(), 1u) << what;
            EXPECT_FALSE(sounds.Sounds()[0].boxOpen) << "the sound comes first";
            const bool saved = ReadWholeFile(dir / "a.rkd").find("[Left]\r\nimage1=5\r\n") != std::string::npos;
            EXPECT_EQ(saved, press == Press::Yes) << what;
            EXPECT_EQ(wentOn, press == Press::Yes || press == Press::No) << what;
        }
    // Never saved: はい opens the save dialog, and cancelling it keeps everything.
    SetUp();
    Field("Edit4").SetText("題");
    ThreadBoxAnswer yes(Press::Yes);
    FileDialogAnswer cancel("");
    SendMessageW(form->Handle(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(cancel.Wait().found);
    EXPECT_TRUE(IsWindow(form->Handle()) && form->Changed());
}

TEST_F(NothingLost, ADroppedLayoutOpensAndASaveGivesTheBytesOfTheWritesInPlace) {
    dir.WriteFile("dropped.RKD", LayoutText({"[Other]", "kept=yes", "[extension]", "count=5", "ex1=.a", "ex5=.e"}));
    const std::wstring name = W(dir / "dropped.RKD");
    HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + (name.size() + 2) * sizeof(wchar_t));
    auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));  // as Explorer hands a drop over
    *drop = {sizeof(DROPFILES), {}, FALSE, TRUE};
    wcscpy(reinterpret_cast<wchar_t*>(drop + 1), name.c_str());
    GlobalUnlock(memory);
    SendMessageW(form->Handle(), WM_DROPFILES, WPARAM(memory), 0);  // the window frees it
    EXPECT_EQ(form->CurrentFileName(), name);
    EXPECT_EQ(ItemsOf(form->Get<ui::ListBox>("ListBox1")), (std::vector<std::string>{".a", "", "", "", ".e"}));

    // With a key the designer does not write and ex keys beyond the new count.
    for (int left = 3; left > 0; --left) SendMessageW(form->Find("ListBox1").Handle(), LB_SETCURSEL, 0, 0), form->Button4Click();
    Field("Edit3").SetText("  開く=1");
    dir.WriteFile("inplace.rkd", ReadWholeFile(dir / "dropped.RKD"));
    for (const char* file : {"inplace.rkd", "fresh.rkd"}) {  // an existing file, and a new one
        layout::ProfileFile inPlace(W(dir / file));
        for (const auto& t : designer::LayoutKeyTexts(form->Model().layout)) inPlace.WriteString(t.section, t.key.c_str(), t.value);
    }
    form->Save1Click();
    form->WriteLayoutFile(W(dir / "new.rkd"));
    EXPECT_EQ(ReadWholeFile(dir / "dropped.RKD"), ReadWholeFile(dir / "inplace.rkd"));
    EXPECT_EQ(ReadWholeFile(dir / "new.rkd"), ReadWholeFile(dir / "fresh.rkd"));
    EXPECT_EQ(FindNames(dir / "~*"), std::vector<std::string>{}) << "no copy left behind";
    EXPECT_FALSE(form->Changed());

    SetFileAttributesW(name.c_str(), FILE_ATTRIBUTE_READONLY);  // refused, and left as it was
    Field("Edit3").SetText("x");
    EXPECT_THROW(form->Save1Click(), layout::ProfileWriteError);
    EXPECT_EQ(ReadWholeFile(dir / "dropped.RKD"), ReadWholeFile(dir / "inplace.rkd"));
    SetFileAttributesW(name.c_str(), FILE_ATTRIBUTE_NORMAL);
}

}  // namespace
