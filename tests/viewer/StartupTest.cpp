// The viewer's start-up, run in-process on scratch folders: what the window
// shows for a layout file, and what it says when the file or a picture is bad.
#include <gtest/gtest.h>

#include "ViewerFixture.h"
#include "support/CurrentDirectory.h"
#include "support/Scaling.h"
#include "support/Sounds.h"
#include "support/TestFolders.h"

namespace {

using namespace testsupport;

const std::string kTxtOnly = "[extension]\r\ncount=1\r\nex1=.txt\r\n";

bool HasSizeCommand(HWND window) {
    HMENU menu = GetSystemMenu(window, FALSE);
    return GetMenuState(menu, SC_SIZE, MF_BYCOMMAND) != UINT(-1);
}

using ViewerStartup = ViewerTest;

// Odd places and sizes, where scaling edges and scaling widths differ.
TEST_F(ViewerStartup, AMoveToAMonitorOfAnotherScalingLaysTheWindowOutAgain) {
    auto form = Start("[Width]\r\nimage1=151\r\nListBox1=201\r\n[Left]\r\nimage1=13\r\nListBox1=9\r\n" + kTxtOnly);
    for (UINT dpi : {120u, 144u, 192u}) EXPECT_TRUE(FollowsAMoveToDpiAndBack(form->Handle(), dpi)) << dpi;
    EXPECT_EQ(form->ListBox1->ItemHeight(), 12);
}

TEST_F(ViewerStartup, MissingLayoutBeepsThenSaysWhichFileAndEnds) {
    SoundRecorder sounds;
    auto form = StartExpectingBox();
    ASSERT_EQ(sounds.Sounds().size(), 1u);
    EXPECT_EQ(sounds.Sounds()[0].type, 16u);
    EXPECT_FALSE(sounds.Sounds()[0].boxOpen) << "the beep comes before the box";
    EXPECT_EQ(box.caption, "エラー");
    EXPECT_EQ(box.text, "rokabina.rkdが見つかりません");
    EXPECT_EQ(box.icon, IconKind::Stop);
    EXPECT_EQ(box.buttons, std::vector<std::string>{"OK"});
    EXPECT_TRUE(ui::Application::Instance().Terminated());
    EXPECT_EQ(form->ComboBox1->Count(), 0) << "nothing after the check runs";
}

TEST_F(ViewerStartup, ACopyUnderAnotherNameLooksForItsOwnLayout) {
    WriteLayout(kTxtOnly);  // rokabina.rkd is there, menu.rkd is not
    dir.MakeFolder("menu.rkd.d");
    auto form = StartExpectingBox("menu.exe");
    EXPECT_EQ(box.text, "menu.rkdが見つかりません");
}

TEST_F(ViewerStartup, AFolderNamedLikeTheLayoutDoesNotCount) {
    dir.MakeFolder("rokabina.rkd");
    auto form = StartExpectingBox();
    EXPECT_EQ(box.text, "rokabina.rkdが見つかりません");
}

TEST_F(ViewerStartup, EmptyLayoutTakesEveryDefault) {
    WriteLayout("");
    auto form = StartExpectingBox();
    EXPECT_EQ(box.text, "検索する拡張子が未設定です。");
    EXPECT_EQ(box.caption, "ロカビナ");
    EXPECT_EQ(box.icon, IconKind::None);
    EXPECT_FALSE(ui::Application::Instance().Terminated());

    EXPECT_EQ(form->Caption(), "ロカビナ");
    EXPECT_EQ(form->ClientSize().cx, 177);
    EXPECT_EQ(form->ClientSize().cy, 265);
    EXPECT_FALSE(HasSizeCommand(form->Handle()));
    struct Expected {
        ui::Control* control;
        ui::Bounds bounds;
    } expected[] = {
        {form->Image1, {0, 0, 177, 73}},    {form->Image2, {0, 188, 177, 50}},
        {form->ListBox1, {0, 90, 177, 19}}, {form->Button1, {0, 240, 89, 25}},
        {form->Button2, {88, 240, 89, 25}},
    };
    for (const auto& e : expected) {
        ui::Bounds b = e.control->GetBounds();
        EXPECT_EQ(b.left, e.bounds.left) << e.control->Name();
        EXPECT_EQ(b.top, e.bounds.top) << e.control->Name();
        EXPECT_EQ(b.width, e.bounds.width) << e.control->Name();
        EXPECT_EQ(b.height, e.bounds.height) << e.control->Name();
    }
    EXPECT_EQ(form->ComboBox1->Left(), 0);
    EXPECT_EQ(form->ComboBox1->Top(), 72);
    EXPECT_EQ(form->ComboBox1->Width(), 177);
    EXPECT_EQ(form->Button1->Text(), "ボタン1");
    EXPECT_EQ(form->Button2->Text(), "ボタン2");
    EXPECT_EQ(form->ComboBox1->Text(), "フォルダを選択してください");
    EXPECT_EQ(form->ListBox1->HorizontalExtent(), form->ListBox1->ClientWidth());
    EXPECT_EQ(form->ListBox1->ItemHeight(), 12);
    ASSERT_GE(form->ComboBox1->Count(), 1);
    EXPECT_EQ(form->ComboBox1->Item(0), dir.Path()) << "the folder walk ran";
}

TEST_F(ViewerStartup, CaptionsComeFromTheLayoutAndAnEmptyTitleStaysEmpty) {
    auto form = Start(kTxtOnly + "[Caption]\r\nForm=\r\nButton1=開く\r\nButton2=ボタン=1\r\nComboBox1=選んで\r\n");
    EXPECT_EQ(form->Caption(), "");
    EXPECT_EQ(form->Button1->Text(), "開く");
    EXPECT_EQ(form->Button2->Text(), "ボタン=1");
    EXPECT_EQ(form->ComboBox1->Text(), "選んで");
}

TEST_F(ViewerStartup, OnlyATitleGivesDefaultsElsewhere) {
    WriteLayout("[Caption]\r\nForm=Menu\r\n");
    auto form = StartExpectingBox();
    EXPECT_EQ(box.text, "検索する拡張子が未設定です。");
    EXPECT_EQ(form->Caption(), "Menu");
    EXPECT_EQ(form->ListBox1->Height(), 19);
}

TEST_F(ViewerStartup, FlagsReadAsIntegersWithTheDefaultForAnythingElse) {
    auto form = Start(kTxtOnly + "[Enable]\r\nimage1=true\r\nimage2=yes\r\nButton1=0x0\r\nButton2=2\r\nnot_sizechange=-1\r\n");
    EXPECT_NE(form->Image1, nullptr);
    EXPECT_NE(form->Image2, nullptr);
    EXPECT_EQ(form->Button1, nullptr);
    EXPECT_EQ(form->FindOrNull("Button1"), nullptr) << "a switched-off element is removed";
    EXPECT_NE(form->Button2, nullptr);
    EXPECT_FALSE(HasSizeCommand(form->Handle()));
}

TEST_F(ViewerStartup, ResizingStaysAllowedWhenTheLayoutSaysSo) {
    auto form = Start(kTxtOnly + "[Enable]\r\nnot_sizechange=0\r\n");
    EXPECT_TRUE(HasSizeCommand(form->Handle()));
    EXPECT_FALSE(form->ResizeForbidden());
}

TEST_F(ViewerStartup, NumbersInHexReadAndUnitsFallBackToTheDefault) {
    auto form = Start(kTxtOnly + "[Width]\r\nButton1=0x64\r\nButton2=$64\r\nListBox1=100px\r\nForm=300\r\n"
                           "[Height]\r\nForm=400\r\nListBox1=  50\r\n[Left]\r\nButton2=-5\r\n[Top]\r\nimage2=0X10\r\n");
    EXPECT_EQ(form->Button1->Width(), 100);
    EXPECT_EQ(form->Button2->Width(), 100);
    EXPECT_EQ(form->ListBox1->Width(), 177);
    EXPECT_EQ(form->ListBox1->Height(), 50);
    EXPECT_EQ(form->Button2->Left(), -5);
    EXPECT_EQ(form->Image2->Top(), 16);
    EXPECT_EQ(form->ClientSize().cx, 300);
    EXPECT_EQ(form->ClientSize().cy, 400);
}

TEST_F(ViewerStartup, ScrollFactorTimesTheListWidthAfterSizing) {
    auto form = Start(kTxtOnly + "[ScrollBar]\r\nListBox1=3\r\n[Width]\r\nListBox1=150\r\n");
    EXPECT_EQ(form->ListBox1->HorizontalExtent(), 3 * form->ListBox1->ClientWidth());
    EXPECT_LT(form->ListBox1->ClientWidth(), 150);
    EXPECT_GT(form->ListBox1->ClientWidth(), 100);
}

TEST_F(ViewerStartup, HugeAndNegativeNumbersNeverBreakTheWindow) {
    auto form = Start(kTxtOnly + "[ScrollBar]\r\nListBox1=2147483647\r\n[Width]\r\nForm=2147483647\r\nButton1=-40\r\n"
                           "[Height]\r\nForm=-2147483648\r\n[Left]\r\nimage1=2147483647\r\n");
    EXPECT_EQ(form->Button1->Width(), 0);
    EXPECT_GE(form->ListBox1->HorizontalExtent(), form->ListBox1->ClientWidth());
    EXPECT_GE(form->ClientSize().cy, 0);
}

TEST_F(ViewerStartup, SwitchedOffElementsAreRemoved) {
    auto form = Start(kTxtOnly + "[Enable]\r\nimage1=0\r\nimage2=0\r\nButton2=0\r\nListBox1=0\r\n");
    EXPECT_EQ(form->Image1, nullptr);
    EXPECT_EQ(form->Image2, nullptr);
    EXPECT_EQ(form->Button2, nullptr);
    EXPECT_EQ(form->ListBox1, nullptr);
    EXPECT_EQ(form->Controls().size(), 2u);
    EXPECT_GE(form->ComboBox1->Count(), 1);
}

// A picture that cannot be loaded stops start-up at that step: the error box,
// then a window with captions applied but initial places and no folders.
struct BadPicture {
    const char* name;
    std::string bytes;  // empty: no such file
    std::string message;
    friend void PrintTo(const BadPicture& p, std::ostream* os) { *os << p.name; }
};

class BadPictures : public ViewerStartup, public testing::WithParamInterface<BadPicture> {};

TEST_P(BadPictures, StopStartUpWithTheirMessage) {
    const auto& p = GetParam();
    if (!p.bytes.empty()) dir.WriteFile(p.name, p.bytes);
    std::string path = dir / p.name;
    WriteLayout(kTxtOnly + "[Caption]\r\nButton1=開く\r\n[File]\r\nimage1=" + path + "\r\n[Height]\r\nListBox1=50\r\n");
    auto form = StartExpectingBox();
    std::string expected = p.message;
    if (size_t at = expected.find("%s"); at != std::string::npos) expected.replace(at, 2, path);
    EXPECT_EQ(box.text, expected + ".");
    EXPECT_EQ(box.caption, "ロカビナ");
    EXPECT_EQ(box.icon, IconKind::Stop);
    EXPECT_EQ(form->Button1->Text(), "開く") << "captions come before pictures";
    EXPECT_EQ(form->ListBox1->Height(), 97) << "sizes come after pictures";
    EXPECT_EQ(form->ComboBox1->Count(), 0) << "no folder walk";
    EXPECT_EQ(form->Image1->Picture(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Pictures, BadPictures,
    testing::Values(BadPicture{"logo.tif", "II*", "拡張子 .tif の画像形式は処理できません"},
                    BadPicture{"logo.png", "\x89PNG\r\n", "PNG イメージが不正です"},
                    BadPicture{"logo", "x", "拡張子 . の画像形式は処理できません"},
                    BadPicture{"missing.jpg", "", "ファイル %s は開けません"},
                    BadPicture{"broken.bmp", "BM this is not a bitmap", "ビットマップイメージが不正です"},
                    BadPicture{"huge.bmp",
                               std::string("BM\x36\0\0\0\0\0\0\0\x36\0\0\0\x28\0\0\0\xA0\x86\x01\0\xA0\x86\x01\0\x01\0\x18\0", 30) +
                                   std::string(24, '\0'),
                               "ビットマップイメージが不正です"},
                    BadPicture{"broken.ico", std::string("\0\0\1\0\1\0garbage", 13), "アイコンイメージが不正です"},
                    BadPicture{"broken.emf", "not a metafile at all", "メタファイルが不正です"}));

TEST_F(ViewerStartup, CorruptJpegReportsTheDecoderNumber) {
    dir.WriteFile("bad.jpg", std::string("\xFF\xD8\xFF\xE0\0\x10JFIF\0garbage-garbage", 24));
    WriteLayout(kTxtOnly + "[File]\r\nimage2=bad.jpg\r\n");
    CurrentDirectoryGuard here(dir.Path());  // a relative picture name is taken from the current directory
    auto form = StartExpectingBox();
    EXPECT_EQ(box.text.rfind("JPEG エラー #", 0), 0u) << box.text;
    EXPECT_EQ(box.text.back(), '.');
    EXPECT_EQ(form->Image2->Picture(), nullptr);
}

TEST_F(ViewerStartup, PicturesLoadWithTheExtensionInAnyCase) {
    std::string logo = ReadWholeFile(TestDataPath("pictures\\Logo.JPG"));
    ASSERT_FALSE(logo.empty());
    dir.WriteFile("Logo.JPG", logo);
    dir.WriteFile("footer.jpeg", logo);
    auto form = Start(kTxtOnly + "[File]\r\nimage1=" + dir / "Logo.JPG" + "\r\nimage2=" + dir / "footer.jpeg" + "\r\n");
    ASSERT_NE(form->Image1->Picture(), nullptr);
    EXPECT_NE(form->Image2->Picture(), nullptr);
    EXPECT_EQ(form->ListBox1->Height(), 19) << "start-up went on after the pictures";
}

// The pictures are decoded ahead from the layout as the program starts; a
// layout that names another file or size by the time start-up loads them
// gets what it names then, and an error of the decoding ahead goes unseen.
TEST_F(ViewerStartup, PicturesDecodedAheadAreTakenOnlyForTheFileAndSizeAskedForThen) {
    dir.WriteFile("a.png", ReadWholeFile(PictureCorpusPath("png_truecolour.png")));  // 33 x 30
    dir.WriteFile("b.jpeg", ReadWholeFile(TestDataPath("pictures\\quadrants.jpeg")));  // 16 x 16
    const auto layout = [&](const char* name, int width) {
        return kTxtOnly + "[File]\r\nimage1=" + (dir / name) + "\r\n[Width]\r\nimage1=" + std::to_string(width) +
               "\r\n[Height]\r\nimage1=10\r\n";
    };
    struct Case {
        const char* ahead;
        const char* then;
        int width;  // the pane's, then
        SIZE shown;
    };
    for (const Case& c : {Case{"a.png", "a.png", 20, {20, 10}}, Case{"a.png", "b.jpeg", 20, {16, 10}},
                          Case{"a.png", "a.png", 25, {25, 10}}, Case{"missing.png", "a.png", 20, {20, 10}}}) {
        SCOPED_TRACE(std::string(c.ahead) + " then " + c.then + " at " + std::to_string(c.width));
        WriteLayout(layout(c.ahead, 20));
        const std::wstring exe = W(dir / "rokabina.exe");
        viewer::StartupAhead ahead = viewer::StartAhead(exe);
        WriteLayout(layout(c.then, c.width));
        viewer::TForm1 form(exe, std::move(ahead));
        ASSERT_NE(form.Image1->Picture(), nullptr);
        EXPECT_EQ(form.Image1->Picture()->Width(), c.shown.cx);
        EXPECT_EQ(form.Image1->Picture()->Height(), c.shown.cy);
    }
}

TEST_F(ViewerStartup, BadLayoutFilesGiveDefaults) {
    std::string garbage;
    for (int i = 0; i < 4096; ++i) garbage += char((i * 7919) % 256);
    WriteLayout(garbage);
    auto form = StartExpectingBox();
    EXPECT_EQ(box.text, "検索する拡張子が未設定です。");
    EXPECT_EQ(form->Caption(), "ロカビナ");
}

TEST_F(ViewerStartup, LongValuesAreCutAndLargeFilesRead) {
    std::string huge(100000, 'x');
    std::string big = kTxtOnly + "[Caption]\r\nForm=" + huge + "\r\n";
    std::string filler = "[Filler]\r\n";
    for (int i = 0; filler.size() < 50u * 1024 * 1024; ++i) filler += "k" + std::to_string(i) + "=some value here\r\n";
    auto form = Start(big + filler);
    EXPECT_EQ(form->Caption(), std::string(2047, 'x'));
}

}  // namespace
