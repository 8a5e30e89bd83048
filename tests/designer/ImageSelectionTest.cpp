// "変更" beside the picture names: the existence test, the exact extension
// test, and loading into the preview pane without changing its place.
#include <windows.h>

#include "DesignerFixture.h"
#include "support/TestFolders.h"

namespace {

using namespace testsupport;

using ImageSelection = DesignerTest;

TEST_F(ImageSelection, TheFileMustExistBeforeItsExtensionIsLookedAt) {
    const std::string picture = ReadWholeFile(TestDataPath("pictures\\quadrants.jpeg"));
    dir.WriteFile("upper.JPG", picture);
    dir.WriteFile("drawing.tif", "II*");
    dir.WriteFile("upper.PNG", picture);
    dir.WriteFile("photos.d\\noextension", picture);
    dir.MakeFolder("folder.jpg");

    const std::pair<std::string, std::string> cases[] = {
        {"", "ファイルが見つかりません"},
        {dir / "missing.gif", "ファイルが見つかりません"},
        {dir / "folder.jpg", "ファイルが見つかりません"},
        {dir / "drawing.tif", "BMP・JPG・PNG・WebP・GIF ファイルを指定してください。"},
        {dir / "upper.JPG", "BMP・JPG・PNG・WebP・GIF ファイルを指定してください。"},
        {dir / "upper.PNG", "BMP・JPG・PNG・WebP・GIF ファイルを指定してください。"},
        {dir / "photos.d\\noextension", "BMP・JPG・PNG・WebP・GIF ファイルを指定してください。"},
    };
    for (const auto& [name, message] : cases) {
        Field("Edit1").SetText(name);
        EXPECT_EQ(MessageFrom([&] { form->Button1Click(); }), message) << name;
        EXPECT_EQ(Field("Edit1").Text(), name);
    }
    EXPECT_EQ(form->Frame2->PictureOf(designer::kHeaderPicture)->Picture()->Width(), 177) << "refused names change nothing";
}

TEST_F(ImageSelection, APictureIsStretchedIntoThePaneWhichKeepsItsPlace) {
    dir.WriteFile("wide.bmp", ReadWholeFile(TestDataPath("pictures\\quadrants24.bmp")));
    dir.WriteFile("logo.jpg", ReadWholeFile(TestDataPath("pictures\\quadrants.jpeg")));
    auto& header = *form->Frame2->PictureOf(designer::kHeaderPicture);
    auto& footer = *form->Frame2->PictureOf(designer::kFooterPicture);

    Field("Edit1").SetText(dir / "wide.bmp");
    form->Button1Click();
    ASSERT_NE(header.Picture(), nullptr);
    EXPECT_NE(header.Picture()->Width(), 177);
    auto b = header.GetBounds();
    EXPECT_EQ(b.width, 177);
    EXPECT_EQ(b.height, 73);
    EXPECT_EQ(Spin("SpinEdit22").Value(), 177);

    // A hidden pane still receives the picture; its button stays usable.
    form->Get<ui::CheckBox>("CheckBox2").SetChecked(false);
    EXPECT_TRUE(form->Find("Button2").Enabled());
    Field("Edit2").SetText(dir / "logo.jpg");
    form->Button2Click();
    EXPECT_NE(footer.Picture()->Width(), 177) << "the placeholder was replaced";
    EXPECT_FALSE(footer.Visible());
    EXPECT_EQ(footer.Top(), 189);
}

TEST_F(ImageSelection, AnUnreadablePictureIsReportedAndTheOldOneStays) {
    dir.WriteFile("broken.jpg", "not a jpeg at all");
    Field("Edit1").SetText(dir / "broken.jpg");
    ThreadBoxAnswer answer(Press::Ok);
    HWND button = form->Find("Button1").Handle();  // clicked: the handler runs under the error guard
    SendMessageA(form->Handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED), LPARAM(button));
    const auto& box = answer.Record();
    ASSERT_TRUE(box.found);
    EXPECT_EQ(box.caption, "ロカビナデザイナー");
    EXPECT_EQ(box.icon, IconKind::Stop);
    EXPECT_EQ(box.text.rfind("JPEG エラー #", 0), 0u) << box.text;
    EXPECT_EQ(form->Frame2->PictureOf(designer::kHeaderPicture)->Picture()->Width(), 177) << "the placeholder stays";
}

}  // namespace
