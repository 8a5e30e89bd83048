// The real designer saving onto a volume that is full, or whose renames
// fail: Save, Save As over the file and the Test run each leave the old
// file whole, leave no copy behind and name the file in the error. The
// designer and its layout lie on that volume, the layout named on the
// designer's command line, as Explorer starts it.
#include <gtest/gtest.h>

#include "support/Dialogs.h"
#include "support/FolderListing.h"
#include "support/Process.h"
#include "support/Scratch.h"
#include "support/SlowMount.h"
#include "support/TestFolders.h"
#include "support/Wide.h"

namespace {

using namespace testsupport;

void Click(HWND button) { PostMessageW(button, BM_CLICK, 0, 0); }

// Waits for the error box that names the file, and presses OK.
void ExpectRefused(DialogAnswer& error, const std::string& file) {
    const DialogRecord& box = error.Wait();
    ASSERT_TRUE(box.found) << file;
    EXPECT_EQ(box.text, file + " に書き込めません.");
}

TEST(FullVolume, NoSaveLosesOrHalfWritesALayout) {
    SlowListing full;
    full.fullBytes = 100;
    SlowListing renameFails;
    renameFails.fullBytes = 1 << 30;
    renameFails.failRename = true;
    for (const SlowListing& volume : {full, renameFails}) {
        ScratchFolder dir;
        const std::string sourceFolder = dir.MakeFolder("volume"), mountPoint = dir.MakeFolder("mounted");
        const std::string source = sourceFolder + "\\", mounted = mountPoint + "\\";
        dir.MakeFolder("volume\\test");
        InstallProgram("rokabina_designer.exe", source);
        const std::string layout = LayoutText({"[Caption]", "Form=元の題", "Button1=ボタン1", "[Other]", "kept=yes",
                                               "[Width]", "Form=177", "[Height]", "Form=265", "[extension]", "count=0"});
        ASSERT_GT(layout.size(), 100u);
        dir.WriteFile("volume\\layout.rkd", layout);
        // Small enough to be copied whole on the full volume: its writes then fail.
        const std::string small = LayoutText({"[Other]", "kept=yes"});
        dir.WriteFile("volume\\test\\test.rkd", small);
        SlowMount mount(sourceFolder, mountPoint, volume);
        ASSERT_TRUE(mount.Mounted());

        Process designer(W(mounted + "rokabina_designer.exe"), W(mounted), W(mounted + "layout.rkd"));
        HWND window = designer.WaitForWindow("TForm1");
        ASSERT_NE(window, nullptr);
        HWND title = ChildAt(window, "Edit", 584, 336);
        EXPECT_EQ(WindowText(title), "元の題") << "opened from the command line";
        SetText(title, "新しい題");

        {
            DialogAnswer error(Press::Ok, designer.Id());
            Click(ChildAt(window, "Button", 560, 448));  // 保存
            ExpectRefused(error, mounted + "layout.rkd");
        }
        {
            FileDialogAnswer dialog(mounted + "layout.rkd", designer.Id());
            ChooseFromMenuBar(window, 3);  // 名前を付けて保存
            ASSERT_TRUE(dialog.Wait().found);
            DialogAnswer overwrite(Press::Yes, designer.Id());
            EXPECT_EQ(overwrite.Wait().text, "そのファイルは既に存在します。上書きしますか？");
            DialogAnswer error(Press::Ok, designer.Id());
            ExpectRefused(error, mounted + "layout.rkd");
        }
        {
            DialogAnswer error(Press::Ok, designer.Id());
            Click(ChildAt(window, "Button", 648, 448));  // テスト
            ExpectRefused(error, mounted + "test\\test.rkd");
        }
        EXPECT_EQ(ReadWholeFile(source + "layout.rkd"), layout);
        EXPECT_EQ(ReadWholeFile(source + "test\\test.rkd"), small);
        EXPECT_EQ(FindNames(source + "~*"), std::vector<std::string>{});
        EXPECT_EQ(FindNames(source + "test\\~*"), std::vector<std::string>{});
    }
}

}  // namespace
