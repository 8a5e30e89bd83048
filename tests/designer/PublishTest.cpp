// Publishing refused: bad program names, a picture that is missing, two
// pictures of one name, a folder that cannot be made, files kept when the
// user says so, a full volume; each writes nothing, or nothing half.
#include <windows.h>

#include <optional>

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

using Publishing = DesignerTest;

// Each refusal leaves the folder as it was: missing, or with its one file.
TEST_F(Publishing, ARefusalWritesNothingAndAFullVolumeNothingHalf) {
    const std::string jpeg = ReadWholeFile(TestDataPath("pictures\\quadrants.jpeg"));
    for (const char* file : {"a\\x.jpg", "b\\x.jpg", "afile", "kept\\menu.rkd", "volume\\menu.rkd"}) dir.WriteFile(file, jpeg);
    SlowListing full;
    full.fullBytes = 100000;  // the viewer does not fit
    SlowMount mount(dir / "volume", dir.MakeFolder("mounted"), full);
    ASSERT_TRUE(mount.Mounted());
    CurrentDirectoryGuard here(dir.Path());
    const struct {
        const char *header, *footer, *folder, *refusal;
        Press overwrite;
    } cases[] = {
        {"missing.jpg", "a\\x.jpg", "out1", "missing.jpg は開けません", Press::Nothing},
        {"a\\x.jpg", "b\\x.jpg", "out2", "は同じ名前で書き出されます", Press::Nothing},
        {"a\\x.jpg", "a\\x.jpg", "afile\\out3", "を作れません", Press::Nothing},
        {"a\\x.jpg", "", "kept", "", Press::No},  // files of the same names kept: いいえ
        {"", "", "mounted", "menu.exe に書き込めません", Press::Yes},
    };
    for (const auto& c : cases) {
        Field("Edit1").SetText(c.header);
        Field("Edit2").SetText(c.footer);
        std::optional<ThreadBoxAnswer> question;
        if (c.overwrite != Press::Nothing) question.emplace(c.overwrite);
        std::string refusal = "(none)";
        try {
            form->Publish({W(dir / c.folder), L"menu", true});
        } catch (const base::ShownError& e) {
            refusal = e.what();
        }
        EXPECT_NE(refusal.find(c.refusal), std::string::npos) << c.folder << ": " << refusal;
        const std::string source = std::string(c.folder) == "mounted" ? "volume" : c.folder;
        EXPECT_EQ(FolderEntries(W(dir / source + "\\")).size(), c.overwrite == Press::Nothing ? 0u : 1u) << c.folder;
    }
    EXPECT_EQ(ReadWholeFile(dir / "kept\\menu.rkd"), jpeg);
}

}  // namespace
