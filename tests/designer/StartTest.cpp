// The designer's window as it starts: frame, menu, tab order, the preview
// and its placeholder pictures.
#include <windows.h>

#include "designer/Placeholders.h"
#include "DesignerFixture.h"
#include "support/Process.h"
#include "support/Scaling.h"

namespace {

using namespace testsupport;

std::string MenuText(HMENU menu, UINT position) {
    char text[64] = {};
    GetMenuStringA(menu, position, text, sizeof text, MF_BYPOSITION);
    return text;
}

// The name of the control of a window that owns this handle ("preview ..."
// for the elements, which share names with controls of the window), or its class.
std::string NameOf(const designer::TForm1& form, HWND hwnd) {
    for (const ui::Container* c : {static_cast<const ui::Container*>(&form),
                                   static_cast<const ui::Container*>(form.Frame3),
                                   static_cast<const ui::Container*>(form.Frame2)})
        for (const auto& control : c->Controls())
            if (control->Handle() == hwnd) return (c == form.Frame2 ? "preview " : "") + control->Name();
    return ClassName(hwnd);
}

using DesignerStart = DesignerTest;

TEST_F(DesignerStart, AMoveToAMonitorOfAnotherScalingLaysTheWindowOutAgain) {
    Spin("SpinEdit1").SetValue(13);  // odd places, where scaling edges and widths differ
    Spin("SpinEdit22").SetValue(151);
    for (UINT dpi : {120u, 144u, 192u}) EXPECT_TRUE(FollowsAMoveToDpiAndBack(form->Handle(), dpi, {"TFrame2"})) << dpi;
    EXPECT_EQ(Spin("SpinEdit22").Value(), 151) << "the values stay the layout's";
}

TEST_F(DesignerStart, TheWindowHasItsFixedFrameTitleAndMenu) {
    HWND window = form->Handle();
    EXPECT_TRUE(FrameIs(window, 210, 20, 753, 584));
    EXPECT_EQ(form->Caption(), "ロカビナデザイナー");
    LONG style = GetWindowLongA(window, GWL_STYLE);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_EQ(GetMenuState(GetSystemMenu(window, FALSE), SC_SIZE, MF_BYCOMMAND), UINT(-1));
    EXPECT_EQ(form->DesignerFolder(), dir.WidePath());

    HMENU bar = GetMenu(window);
    ASSERT_EQ(GetMenuItemCount(bar), 3);
    EXPECT_EQ(MenuText(bar, 0), "ファイル");
    EXPECT_EQ(MenuText(bar, 1), "編集");
    EXPECT_EQ(MenuText(bar, 2), "ヘルプ");
    auto entriesOf = [&](int menu) {
        HMENU dropDown = GetSubMenu(bar, menu);
        std::vector<std::string> entries;
        for (int i = 0; i < GetMenuItemCount(dropDown); ++i) entries.push_back(MenuText(dropDown, UINT(i)));
        return entries;
    };
    EXPECT_EQ(entriesOf(0), (std::vector<std::string>{"新規作成", "開く", "上書き保存", "名前を付けて保存",
                                                               "配布用フォルダに書き出し(&P)...", "終了"}));
    EXPECT_EQ(entriesOf(1), (std::vector<std::string>{"元に戻す(&U)\tCtrl+Z", "やり直し(&R)\tCtrl+Y"}));
    EXPECT_EQ(GetMenuState(bar, form->MainMenu1.CommandOf("Undo1"), MF_BYCOMMAND) & MF_GRAYED, UINT(MF_GRAYED))
        << "nothing to undo at start";
    EXPECT_EQ(MenuText(GetSubMenu(bar, 2), 0), "バージョン情報");
}

TEST_F(DesignerStart, TabGoesThroughThePreviewThenTheControlsInTheirOrder) {
    std::vector<std::string> order;
    HWND first = GetNextDlgTabItem(form->Handle(), nullptr, FALSE);
    for (HWND h = first; h && order.size() < 80;) {
        order.push_back(NameOf(*form, h));
        h = GetNextDlgTabItem(form->Handle(), h, FALSE);
        if (h == first) break;
    }
    const std::vector<std::string> expected = {
        "preview ComboBox1", "preview ListBox1", "preview Button1", "preview Button2", "CheckBox1", "Edit1", "Button1",
        "SpinEdit1",  "SpinEdit2",  "SpinEdit22", "SpinEdit23", "CheckBox2",  "Edit2",      "Button2",
        "SpinEdit3",  "SpinEdit4",  "SpinEdit24", "SpinEdit25", "CheckBox5",  "ComboBox1",  "SpinEdit7",
        "SpinEdit8",  "SpinEdit11", "SpinEdit12", "Edit3",      "CheckBox6",  "ComboBox2",  "SpinEdit9",
        "SpinEdit10", "SpinEdit14", "SpinEdit15", "Edit5",      "CheckBox3",  "SpinEdit16", "SpinEdit17",
        "SpinEdit18", "SpinEdit19", "SpinEdit26", "CheckBox4",  "SpinEdit5",  "SpinEdit6",  "SpinEdit13",
        "Edit6",      "Edit4",      "SpinEdit20", "SpinEdit21", "CheckBox7",  "Edit7",      "Button3",
        "Button4",    "ListBox1",   "Button5",    "Button6",    "Button7",    "CheckBox8"};
    EXPECT_EQ(order, expected);
    EXPECT_EQ(first, form->Frame2->Element(designer::ElementIndex("ComboBox1")).Handle())
        << "the focus starts in the preview's folder chooser";
}

TEST_F(DesignerStart, ControlsStartWithTheirValuesAndPlaces) {
    EXPECT_TRUE(Box("CheckBox1").Checked());
    EXPECT_TRUE(Box("CheckBox7").Checked());
    EXPECT_FALSE(Box("CheckBox8").Checked());
    EXPECT_EQ(Field("Edit1").Text(), "image1.jpg");
    EXPECT_EQ(Field("Edit4").Text(), "");
    EXPECT_EQ(Field("Edit6").Text(), "フォルダを選択してください");
    EXPECT_EQ(Spin("SpinEdit26").Value(), 1);
    EXPECT_EQ(Spin("SpinEdit26").MaxValue(), 10);
    EXPECT_EQ(Spin("SpinEdit4").MinValue(), Spin("SpinEdit4").MaxValue());
    auto& function = form->Get<ui::ComboBox>("ComboBox2");
    EXPECT_EQ(function.Text(), "機能を選択してください");
    EXPECT_EQ(function.ItemIndex(), -1);
    ASSERT_EQ(function.Count(), 2);
    EXPECT_EQ(function.Item(0), "1.ファイル実行");
    EXPECT_EQ(function.Item(1), "2.ファイルパス表示");

    auto bounds = Spin("SpinEdit19").GetBounds();
    EXPECT_EQ(bounds.left, 184);
    EXPECT_EQ(bounds.top, 376);
    EXPECT_EQ(bounds.width, 49);
    EXPECT_EQ(bounds.height, 21);
    EXPECT_EQ(form->Find("Label36").Left(), 56);
    EXPECT_EQ(form->Find("Label36").Text(), "水平スクロールバー：");
    EXPECT_EQ(form->Find("Button6").Width(), 83);
}

TEST_F(DesignerStart, ThePreviewStartsFromTheMockWindowsOwnDesign) {
    auto canvas = form->Frame3->GetBounds();
    EXPECT_EQ(canvas.width, 305);
    EXPECT_EQ(canvas.height, 305);
    auto mock = form->Frame2->GetBounds();
    EXPECT_EQ(mock.left, 64);
    EXPECT_EQ(mock.top, 23);
    EXPECT_EQ(mock.width, 177);
    EXPECT_EQ(mock.height, 265);
    EXPECT_EQ(Element("Image2").Top(), 189);
    EXPECT_EQ(Spin("SpinEdit4").Value(), 188);
    EXPECT_EQ(Element("ListBox1").Top(), 92);
    EXPECT_EQ(Spin("SpinEdit17").Value(), 90);
    EXPECT_EQ(Element("ComboBox1").Text(), "フォルダを選択してください");
    EXPECT_EQ(Element("Button2").Left(), 88);
    EXPECT_EQ(form->Frame2->FileList().ItemHeight(), 12) << "the rows of the viewer's list";

    // An element follows its spin edit from the first change on.
    Spin("SpinEdit4").SetValue(189);
    Spin("SpinEdit4").SetValue(188);
    EXPECT_EQ(Element("Image2").Top(), 188);
}

TEST_F(DesignerStart, ThePlaceholderPicturesAreDecodedFromTheProgram) {
    for (auto which : {designer::Placeholder::Header, designer::Placeholder::Footer}) {
        ui::Graphic picture = designer::LoadPlaceholder(which);
        EXPECT_EQ(picture.Width(), 177);
        EXPECT_EQ(picture.Height(), which == designer::Placeholder::Header ? 73 : 50);
    }
    ASSERT_NE(form->Frame2->PictureOf(designer::kHeaderPicture)->Picture(), nullptr);
    ASSERT_NE(form->Frame2->PictureOf(designer::kFooterPicture)->Picture(), nullptr);
}

}  // namespace
