// The designer in and on folders whose names code page 932 lacks, and
// picture names it cannot write: the layout file stays code page 932, byte
// for byte, and nothing is ever written under another name.
#include <windows.h>

#include "DesignerFixture.h"
#include "base/Files.h"
#include "layout/ProfileFile.h"
#include "support/ShellRecorder.h"
#include "support/TestFolders.h"

namespace {

using namespace testsupport;

class DesignerNames : public DesignerTest {
protected:
    void SetUp() override {
        DesignerTest::SetUp();
        home = dir.MakeFolder(L"데자인 café") + L"\\";
        form = std::make_unique<designer::TForm1>(home + L"rokabina_designer.exe");
    }
    std::wstring home;
};

// What Save writes does not depend on the folder it writes into. (The file
// dialogs themselves take no path past the limit: the deep file is written
// directly.)
TEST_F(DesignerNames, SaveAndOpenInFoldersOfAnyNameAndDepth) {
    form->WriteLayoutFile(dir / L"plain.rkd");
    const std::string plain = ReadWholeFile(dir / L"plain.rkd");
    ASSERT_EQ(plain, FreshDesignerLayout());
    const std::string jpeg = ReadWholeFile(TestDataPath("pictures\\quadrants.jpeg"));
    for (const wchar_t* folder : {L"메뉴 café", L"価格\u00A5100"}) {
        const std::wstring target = dir.MakeFolder(folder) + L"\\menu";
        for (const wchar_t* picture : {L"\\image1.jpg", L"\\image2.jpg"}) dir.WriteFile(folder + std::wstring(picture), jpeg);
        SCOPED_TRACE(base::FromWide(target));
        FileDialogAnswer save(target);
        form->SaveAs1Click();
        ASSERT_TRUE(save.Wait().found);
        EXPECT_EQ(form->CurrentFileName(), target + L".rkd");
        EXPECT_EQ(ReadWholeFile(target + L".rkd"), plain);

        Spin("SpinEdit1").SetValue(33);
        ThreadBoxAnswer dontSave(Press::No);
        FileDialogAnswer open(target + L".rkd");
        form->Open1Click();
        ASSERT_TRUE(open.Wait().found);
        EXPECT_EQ(Spin("SpinEdit1").Value(), 0);
        EXPECT_EQ(form->CurrentFileName(), target + L".rkd");
    }
    std::wstring deep = L"深い";
    for (int level = 0; level < 4; ++level) deep += L"\\" + std::wstring(60, L'한');  // 180 bytes in UTF-8
    const std::wstring deepFile = dir.MakeFolder(deep) + L"\\menu.rkd";
    ASSERT_GT(deepFile.size(), 280u);
    form->WriteLayoutFile(deepFile);
    EXPECT_EQ(ReadWholeFile(deepFile), plain);
}

// "変更" loads a picture of any name; Save refuses to write a name the file
// cannot hold, before it writes anything, and names it whole.
TEST_F(DesignerNames, APictureNameTheFileCannotHoldLoadsButIsNotSaved) {
    const std::wstring picture = dir.WriteFile(L"사진 café.jpg", ReadWholeFile(TestDataPath("pictures\\quadrants.jpeg")));
    const std::wstring layout = dir / L"menu.rkd";
    {
        FileDialogAnswer save(layout);
        form->Save1Click();
    }
    Field("Edit1").SetWideText(picture);
    EXPECT_EQ(MessageFrom([&] { form->Button1Click(); }), "(no box)") << "loaded into the preview";
    EXPECT_EQ(Field("Edit1").WideText(), picture);

    Spin("SpinEdit1").SetValue(40);
    auto& app = ui::Application::Instance();
    ThreadBoxAnswer error(Press::Ok);
    app.RunHandler([&] { form->Save1Click(); });
    EXPECT_EQ(error.Record().wideText, picture + W(" にはレイアウトファイルに書き込めない文字があります."));
    EXPECT_EQ(error.Record().caption, "ロカビナデザイナー");
    EXPECT_EQ(ReadWholeFile(layout), FreshDesignerLayout()) << "nothing written";

    ThreadBoxAnswer again(Press::Ok);
    FileDialogAnswer saveAs(dir / L"new.rkd");
    app.RunHandler([&] { form->SaveAs1Click(); });
    EXPECT_TRUE(again.Record().found);
    EXPECT_FALSE(base::IsExistingFile(dir / L"new.rkd")) << "no file made";
    EXPECT_EQ(form->CurrentFileName(), layout);
}

// The designer's own folder holds a name code page 932 lacks: the Test run
// writes test\test.rkd there and starts test\test.exe by its true path.
// Picture names joined to such a folder reach the test file by their short
// form, which names the same file.
TEST_F(DesignerNames, TheTestRunWorksFromSuchAFolder) {
    dir.MakeFolder(L"데자인 café\\test");
    ShellRequests started;
    form->Button7Click();
    EXPECT_EQ(ReadWholeFile(home + L"test\\test.rkd"), FreshDesignerLayout());
    ASSERT_EQ(started.items.size(), 1u);
    EXPECT_EQ(started.items[0].wideItem, home + L"test\\test.exe");
    EXPECT_EQ(started.items[0].wideWorkFolder, home);

    const std::string jpeg = ReadWholeFile(TestDataPath("pictures\\quadrants.jpeg"));
    dir.WriteFile(L"메뉴\\image1.jpg", jpeg);
    dir.WriteFile(L"메뉴\\image2.jpg", jpeg);
    {
        FileDialogAnswer save(dir / L"메뉴\\menu.rkd");
        form->Save1Click();
    }
    form->Button7Click();
    layout::ProfileFile test(home + L"test\\test.rkd");
    for (const char* key : {"image1", "image2"}) {
        const std::string written = test.ReadString("File", key, "");
        EXPECT_TRUE(base::IsExistingFile(W(written))) << written;
    }
    EXPECT_EQ(Field("Edit1").Text(), "image1.jpg");
    EXPECT_EQ(started.items.size(), 2u);
}

}  // namespace
