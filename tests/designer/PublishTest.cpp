// Publishing refused: bad program names, a picture that is missing, two
// pictures of one name, a folder that cannot be made, files kept when the
// user says so, a full volume; each writes nothing, or nothing half.
#include <windows.h>

#include "DesignerFixture.h"
#include "base/Files.h"
#include "designer/Publishing.h"
#include "layout/ProfileFile.h"
#include "support/FolderListing.h"
#include "support/SlowMount.h"
#include "support/TestFolders.h"

namespace {

using namespace testsupport;

TEST(PublishNames, ANameIsAFileNameTheLayoutCanHoldAndPicturesAreFoundAsByTheTestRun) {
    for (const wchar_t* fine : {L"menu", L"資料 2026", L"com0", L"CONSOLE"}) EXPECT_EQ(designer::NameProblem(fine), "");
    for (const wchar_t* bad : {L"", L"a/b", L"a\\b", L"a:b", L"a*", L"a?", L"\"a\"", L"<a>", L"a|b", L"CON", L"nul",
                               L"Com1", L"LPT9.txt", L"aux ", L"\uBA54\uB274"})  // the last: Hangul
        EXPECT_NE(designer::NameProblem(bad), "") << base::FromWide(bad);
    CurrentDirectoryGuard here("C:\\windows");
    EXPECT_EQ(designer::PictureSource(L"pics\\a.jpg", L"D:\\menus\\m.rkd"), L"D:\\menus\\pics\\a.jpg");
    EXPECT_EQ(designer::PictureSource(L"a.jpg", L""), L"C:\\windows\\a.jpg");
    EXPECT_EQ(designer::PictureSource(L"E:\\x\\a.jpg", L"D:\\menus\\m.rkd"), L"E:\\x\\a.jpg");
}

class Publishing : public DesignerTest {
protected:
    designer::PublishChoice Into(const std::string& folder) const { return {W(folder), L"menu", true}; }
    size_t EntriesIn(const std::string& folder) const { return FolderEntries(W(folder + "\\")).size(); }
};

TEST_F(Publishing, ARefusalWritesNothing) {
    const std::string jpeg = ReadWholeFile(TestDataPath("pictures\\quadrants.jpeg"));
    dir.WriteFile("a\\x.jpg", jpeg);
    dir.WriteFile("b\\x.jpg", jpeg);
    dir.WriteFile("afile", "x");
    CurrentDirectoryGuard here(dir.Path());
    struct Case {
        const char *header, *footer, *folder, *refusal;
    } cases[] = {
        {"missing.jpg", "a\\x.jpg", "out1", "missing.jpg は開けません"},
        {"a\\x.jpg", "b\\x.jpg", "out2", "は同じ名前で書き出されます"},
        {"a\\x.jpg", "a\\x.jpg", "afile\\out3", "を作れません"},
    };
    for (const Case& c : cases) {
        Field("Edit1").SetText(c.header);
        Field("Edit2").SetText(c.footer);
        try {
            form->Publish(Into(dir / c.folder));
            ADD_FAILURE() << c.folder << " was published";
        } catch (const base::ShownError& e) {
            EXPECT_NE(std::string(e.what()).find(c.refusal), std::string::npos) << e.what();
        }
        EXPECT_FALSE(base::IsExistingFolder(W(dir / c.folder))) << c.folder;
    }

    // Files of the same names kept: いいえ writes nothing.
    Field("Edit1").SetText("a\\x.jpg");
    dir.WriteFile("out4\\menu.rkd", "old");
    ThreadBoxAnswer keep(Press::No);
    EXPECT_FALSE(form->Publish(Into(dir / "out4")));
    EXPECT_EQ(keep.Record().text, "書き出し先に同じ名前のファイルがあります。上書きしますか？");
    EXPECT_EQ(ReadWholeFile(dir / "out4\\menu.rkd"), "old");
    EXPECT_EQ(EntriesIn(dir / "out4"), 1u);
}

TEST_F(Publishing, AFullVolumeLeavesNoFileHalfWritten) {
    const std::string volume = dir.MakeFolder("volume"), mounted = dir.MakeFolder("mounted");
    dir.WriteFile("volume\\menu.rkd", "old");
    SlowListing full;
    full.fullBytes = 100000;  // the viewer does not fit
    SlowMount mount(volume, mounted, full);
    ASSERT_TRUE(mount.Mounted());
    Field("Edit1").SetText("");
    Field("Edit2").SetText("");
    ThreadBoxAnswer overwrite(Press::Yes);
    EXPECT_THROW(form->Publish(Into(mounted)), layout::ProfileWriteError);
    EXPECT_EQ(ReadWholeFile(volume + "\\menu.rkd"), "old");
    EXPECT_EQ(EntriesIn(volume), 1u) << "no viewer cut short, no copy left";
}

}  // namespace
