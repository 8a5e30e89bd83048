// The real designer saving onto a volume that is full, or whose renames
// fail: Save, Save As over the file and the Test run each leave the old
// file whole, leave no copy behind and name the file in the error. The
// designer and its layout lie on that volume, the layout named on the
// designer's command line, as Explorer starts it.
#include <gtest/gtest.h>

#include <functional>

#include "support/Dialogs.h"
#include "support/FolderListing.h"
#include "support/Process.h"
#include "support/Scratch.h"
#include "support/SlowMount.h"
#include "support/Wide.h"

namespace {

using namespace testsupport;

// Runs a command and expects the error box that names the file.
void ExpectRefused(DWORD process, const std::string& file, const std::function<void()>& command) {
    DialogAnswer error(Press::Ok, process);
    command();
    EXPECT_EQ(error.Wait().text, file + " に書き込めません.");
}

TEST(FullVolume, NoSaveLosesOrHalfWritesALayout) {
    SlowListing full, renameFails;
    full.fullBytes = 100;
    renameFails.fullBytes = 1 << 30;
    renameFails.failRename = true;
    for (const SlowListing& volume : {full, renameFails}) {
        ScratchFolder dir;
        dir.MakeFolder("volume\\test");
        const std::string source = dir / "volume\\", mounted = dir / "mounted\\";
        InstallProgram("rokabina_designer.exe", source);
        const std::string layout = LayoutText({"[Caption]", "Form=元の題", "Button1=ボタン1", "[Other]", "kept=yes",
                                               "[Width]", "Form=177", "[Height]", "Form=265", "[extension]", "count=0"});
        const std::string small = LayoutText({"[Other]", "kept=yes"});  // copied whole; its writes fail
        dir.WriteFile("volume\\layout.rkd", layout);
        dir.WriteFile("volume\\test\\test.rkd", small);
        SlowMount mount(dir / "volume", dir.MakeFolder("mounted"), volume);
        ASSERT_TRUE(mount.Mounted());

        Process designer(W(mounted + "rokabina_designer.exe"), W(mounted), W(mounted + "layout.rkd"));
        HWND window = designer.WaitForWindow("TForm1");
        ASSERT_NE(window, nullptr);
        HWND title = ChildAt(window, "Edit", 584, 336);
        EXPECT_EQ(WindowText(title), "元の題") << "opened from the command line";
        SetText(title, "新しい題");
        ExpectRefused(designer.Id(), mounted + "layout.rkd",
                      [&] { PostMessageW(ChildAt(window, "Button", 560, 448), BM_CLICK, 0, 0); });  // 保存
        FileDialogAnswer dialog(mounted + "layout.rkd", designer.Id());
        ChooseFromMenuBar(window, 3);  // 名前を付けて保存
        ASSERT_TRUE(dialog.Wait().found);
        DialogAnswer overwrite(Press::Yes, designer.Id());
        EXPECT_EQ(overwrite.Wait().text, "そのファイルは既に存在します。上書きしますか？");
        ExpectRefused(designer.Id(), mounted + "layout.rkd", [] {});  // shown, or about to be
        ExpectRefused(designer.Id(), mounted + "test\\test.rkd",
                      [&] { PostMessageW(ChildAt(window, "Button", 648, 448), BM_CLICK, 0, 0); });  // テスト
        EXPECT_EQ(ReadWholeFile(source + "layout.rkd"), layout);
        EXPECT_EQ(ReadWholeFile(source + "test\\test.rkd"), small);
        EXPECT_EQ(FindNames(source + "~*").size() + FindNames(source + "test\\~*").size(), 0u) << "no copy left";
    }
}

}  // namespace
