// The designer's promise, checked on the screen: a layout opened in the real
// designer shows in its mock window exactly what the real viewer shows in
// its client area on the same file with the same pictures, pixel for pixel,
// at 96 dpi and at 144 (both programs started at that display scaling).
//
// The setup makes equal what differs by design: no folders and an extension
// that matches nothing leave both file lists empty, and both choosers show
// the prompt. It also keeps clear of what the designer shows on purpose:
// every picture is named (Open keeps the placeholder for an empty name), no
// layout puts the footer picture at 188 or the list at 90 (a spin edit set to
// the value it already has moves nothing, so the preview's start places 189
// and 92 stay), and every element stays inside a window of at most 241 x 282
// (beyond, the mock window shows scroll bars and the canvas cuts it off).
#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <ostream>

#include "layout/LayoutKeys.h"
#include "support/Dialogs.h"
#include "support/Pictures.h"
#include "support/Process.h"
#include "support/Scaling.h"
#include "support/Scratch.h"
#include "support/ScreenCapture.h"
#include "support/TestFolders.h"

namespace {

using namespace testsupport;

constexpr DWORD kWait = 20000;

struct Key {
    const char* section;
    const char* key;
    std::string value;
};

struct FidelityCase {
    const char* name;
    std::vector<Key> keys;  // over the base layout below
};

// Both pictures named and the two start places of the preview kept.
const std::vector<Key> kBaseLayout = {
    {"File", "image1", "header.bmp"}, {"File", "image2", "footer.jpg"},
    {"Top", "image2", "189"},         {"Top", "ListBox1", "92"},
    {"Height", "ListBox1", "97"},
};

const FidelityCase kCases[] = {
    {"StartPlaces", {}},
    {"NearTheViewerDefaults",
     {{"Top", "image2", "187"}, {"Top", "ListBox1", "91"}, {"Height", "ListBox1", "96"}, {"Left", "Button2", "87"}}},
    {"ListRightBelowTheChooser", {{"Top", "ListBox1", "93"}, {"Height", "ListBox1", "90"}}},
    {"ListTouchingTheChooser", {{"Top", "ListBox1", "94"}, {"Height", "ListBox1", "90"}}},
    {"MovedAndResized",
     {{"Left", "image1", "12"}, {"Top", "image1", "6"}, {"Width", "image1", "150"}, {"Height", "image1", "55"},
      {"Left", "ComboBox1", "20"}, {"Top", "ComboBox1", "64"}, {"Width", "ComboBox1", "140"},
      {"Left", "ListBox1", "8"}, {"Top", "ListBox1", "100"}, {"Width", "ListBox1", "200"}, {"Height", "ListBox1", "70"},
      {"Left", "image2", "30"}, {"Top", "image2", "176"}, {"Width", "image2", "120"}, {"Height", "image2", "40"},
      {"Left", "Button1", "4"}, {"Top", "Button1", "225"}, {"Width", "Button1", "100"}, {"Height", "Button1", "30"},
      {"Left", "Button2", "110"}, {"Top", "Button2", "230"}, {"Width", "Button2", "96"}, {"Height", "Button2", "20"},
      {"Width", "Form", "220"}, {"Height", "Form", "262"}}},
    {"ChooserOverTheList", {{"Left", "ComboBox1", "10"}, {"Top", "ComboBox1", "130"}, {"Width", "ComboBox1", "150"}}},
    {"ListOverTheChooser", {{"Top", "ListBox1", "80"}, {"Left", "ListBox1", "30"}, {"Width", "ListBox1", "120"}}},
    {"ButtonsOverPictures",
     {{"Left", "Button1", "20"}, {"Top", "Button1", "20"}, {"Left", "Button2", "60"}, {"Top", "Button2", "200"}}},
    {"PictureOverAPicture",
     {{"Top", "image2", "40"}, {"Left", "image2", "30"}, {"Width", "image2", "147"}, {"Height", "image2", "60"},
      {"Top", "ListBox1", "150"},
      {"Height", "ListBox1", "80"}}},
    {"ButtonsOverTheListAndTheChooser",
     {{"Left", "Button1", "40"}, {"Top", "Button1", "120"}, {"Left", "Button2", "80"}, {"Top", "Button2", "80"}}},
    {"OverlappingButtons", {{"Left", "Button2", "60"}, {"Top", "Button2", "230"}}},
    {"ChooserMovedAboveTheList", {{"Top", "ComboBox1", "100"}, {"Top", "ListBox1", "121"}, {"Height", "ListBox1", "60"}}},
    {"ChooserMovedOntoTheListEdge", {{"Top", "ComboBox1", "79"}, {"Left", "ComboBox1", "5"}, {"Width", "ComboBox1", "170"}}},
    {"WideScrollingList", {{"ScrollBar", "ListBox1", "3"}, {"Width", "ListBox1", "150"}}},
    {"PartlyOffTheTopLeft",
     {{"Left", "image1", "-30"}, {"Top", "image1", "-20"}, {"Left", "Button1", "-20"}, {"Left", "ComboBox1", "-40"},
      {"Top", "ListBox1", "95"}}},
    {"ZeroSizes", {{"Width", "Button1", "0"}, {"Height", "image2", "0"}, {"Height", "ListBox1", "0"}}},
    {"SmallWindow",
     {{"Width", "Form", "120"}, {"Height", "Form", "150"}, {"Width", "image1", "120"}, {"Width", "ComboBox1", "120"},
      {"Width", "ListBox1", "120"}, {"Height", "ListBox1", "30"}, {"Top", "image2", "125"}, {"Width", "image2", "60"},
      {"Height", "image2", "25"}, {"Top", "Button1", "125"}, {"Left", "Button1", "60"}, {"Width", "Button1", "60"},
      {"Enable", "Button2", "0"}}},
    {"EveryElementOverAnother",
     {{"Left", "image1", "10"}, {"Top", "image1", "10"}, {"Width", "image1", "150"}, {"Height", "image1", "100"},
      {"Left", "image2", "40"}, {"Top", "image2", "40"}, {"Width", "image2", "130"}, {"Height", "image2", "110"},
      {"Left", "ListBox1", "20"}, {"Top", "ListBox1", "60"}, {"Width", "ListBox1", "120"}, {"Height", "ListBox1", "80"},
      {"Left", "ComboBox1", "30"}, {"Top", "ComboBox1", "50"}, {"Width", "ComboBox1", "120"},
      {"Left", "Button1", "50"}, {"Top", "Button1", "90"}, {"Left", "Button2", "60"}, {"Top", "Button2", "100"}}},
    {"HiddenElements", {{"Enable", "image1", "0"}, {"Enable", "ListBox1", "0"}, {"Enable", "Button2", "0"}}},
    {"ChooserHidden", {{"Enable", "ComboBox1", "0"}, {"Enable", "image2", "0"}, {"Top", "ListBox1", "70"}}},
    {"ChooserAndListHidden", {{"Enable", "ComboBox1", "0"}, {"Enable", "ListBox1", "0"}, {"Left", "Button1", "10"}}},
    {"LongCaptions",
     {{"Caption", "Button1", "とても長いボタンの見出しはボタンに収まらない"},
      {"Caption", "Button2", "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789"},
      {"Caption", "ComboBox1", "フォルダを選択してください。長いお知らせの文はこの欄に収まりません"},
      {"Width", "Button1", "60"}}},
    {"IconsAtTheirOwnSize", {{"File", "image1", "small.ico"}, {"File", "image2", "sizes.ico"}}},
    {"JpegAndBitmapStretched",
     {{"File", "image1", "logo.jpg"}, {"File", "image2", "checker.bmp"}, {"Width", "image2", "90"},
      {"Height", "image2", "45"}, {"Width", "Form", "241"}, {"Height", "Form", "282"}}},
    {"PngAndGifOverTheirBackground", {{"File", "image1", "clear.png"}, {"File", "image2", "clear.gif"}}},
    {"WebpStretched", {{"File", "image1", "clear.webp"}, {"Width", "image1", "120"}}},
    {"PhotographBroughtDown", {{"File", "image1", "large.jpg"}}},
};

// The sample pictures, under the names the layouts give them.
const std::pair<const char*, const char*> kPictures[] = {
    {"header.bmp", "quadrants24.bmp"}, {"footer.jpg", "quadrants.jpeg"}, {"logo.jpg", "Logo.JPG"},
    {"checker.bmp", "checker1.bmp"},   {"small.ico", "size16.ico"},      {"sizes.ico", "sizes16-32-48.ico"},
};
// And pictures of the corpus, whose top-left quadrant is transparent.
const std::pair<const char*, const char*> kCorpusPictures[] = {
    {"clear.png", "png_alpha.png"}, {"clear.gif", "gif_transparent.gif"}, {"clear.webp", "webp_alpha.webp"},
    {"large.jpg", "large.jpg"}};

// Every key of the layout file, so that the designer's Open and the viewer
// read the same values: the case's, else the base layout's, else the viewer's
// default; and one extension that matches no file.
std::string CompleteLayout(const std::vector<Key>& keys) {
    std::map<std::pair<std::string, std::string>, std::string> values;
    for (const auto& list : {kBaseLayout, keys})
        for (const Key& k : list) values[{k.section, k.key}] = k.value;
    std::string text, section;
    for (const layout::LayoutKey& k : layout::LayoutKeys()) {
        if (section != k.section) {
            section = k.section;
            text += "[" + section + "]\r\n";
        }
        auto given = values.find({k.section, k.key});
        std::string value = given != values.end()                    ? given->second
                            : k.kind == layout::ValueKind::Text ? std::string(k.viewerText)
                                                                 : std::to_string(k.viewerInt);
        text += std::string(k.key) + "=" + value + "\r\n";
    }
    return text + "[extension]\r\ncount=1\r\nex1=.nomatch\r\n";
}

// What a window shows in its client area, and where its folder chooser's text
// field lies there (empty without a chooser): the caret and the selection in
// that field follow the keyboard focus.
struct ClientLook {
    ScreenPixels pixels;
    RECT textField{};
};

RECT TextFieldIn(HWND client) {
    RECT field{};
    for (HWND chooser : ChildrenOfClass(client, "ComboBox"))
        for (HWND edit : ChildrenOfClass(chooser, "Edit")) {
            GetWindowRect(edit, &field);
            MapWindowPoints(HWND_DESKTOP, client, reinterpret_cast<POINT*>(&field), 2);
        }
    return field;
}

// The row height of every folder chooser and file list in `client`, read as
// another program reads it: 12 pixels at 96 dpi, as the viewer's list rows.
void ExpectRowsOf12(HWND client, UINT dpi, const char* program) {
    const LRESULT rows = MulDiv(12, int(dpi), 96);
    for (HWND chooser : ChildrenOfClass(client, "ComboBox"))
        EXPECT_EQ(SendMessageW(chooser, CB_GETITEMHEIGHT, 0, 0), rows) << "the chooser's rows in the " << program;
    for (HWND list : ChildrenOfClass(client, "ListBox"))
        EXPECT_EQ(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0), rows) << "the list's rows in the " << program;
}

ClientLook LookOf(HWND client) {
    ClientLook look;
    look.textField = TextFieldIn(client);
    look.pixels = CaptureClientArea(client, look.textField);
    return look;
}

// The window that has the keyboard focus in the program that owns `window`.
HWND FocusOf(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) ? info.hwndFocus : nullptr;
}

// The child of `parent` that holds the keyboard focus, itself or inside it; null if none does.
HWND FocusedChild(HWND parent) {
    for (HWND w = FocusOf(parent); w; w = GetParent(w))
        if (GetParent(w) == parent) return w;
    return nullptr;
}

// Where an element lies: its class and rectangle in its parent.
struct Place {
    std::string className;
    RECT rect{};
};

// Presses Tab in the designer until the element of the mock window at that
// place has the focus (or, for none, until no element has it): a focused
// list or button draws its focus as the viewer's does.
testing::AssertionResult TabTo(HWND mock, const std::optional<Place>& place) {
    for (int presses = 0; presses < 120; ++presses) {
        HWND focused = FocusedChild(mock);
        const RECT rect = focused ? ChildRect(focused) : RECT{};
        if (place ? focused && ClassName(focused) == place->className && EqualRect(&place->rect, &rect) : !focused)
            return testing::AssertionSuccess();
        HWND from = FocusOf(mock);
        PostMessageW(from, WM_KEYDOWN, VK_TAB, 1);
        PostMessageW(from, WM_KEYUP, VK_TAB, 0xC0000001);
        for (int i = 0; i < 100 && FocusOf(mock) == from; ++i) Sleep(10);
    }
    return testing::AssertionFailure() << "Tab never brought the focus to the element the viewer focuses";
}

class PreviewFidelity : public testing::TestWithParam<std::tuple<FidelityCase, UINT>> {
protected:
    void SetUp() override {
        for (auto [name, sample] : kPictures)
            ASSERT_TRUE(CopyFileA(PicturePath(sample).c_str(), (dir / name).c_str(), FALSE));
        for (auto [name, sample] : kCorpusPictures)
            ASSERT_TRUE(CopyFileA(PictureCorpusPath(sample).c_str(), (dir / name).c_str(), FALSE));
        dir.WriteFile("rokabina.rkd", CompleteLayout(std::get<0>(GetParam()).keys));
    }

    // The viewer's client area, and the element that has its focus.
    void CaptureViewerWindow() {
        Process viewer(InstallProgram("rokabina.exe", dir.Path()), dir.Path());
        HWND window = viewer.WaitForWindow("TForm1", kWait);
        ASSERT_NE(window, nullptr) << "the viewer did not start";
        if (HWND box = FindDialog(viewer.Id())) FAIL() << "the viewer reported: " << WindowText(box);
        ExpectRowsOf12(window, std::get<1>(GetParam()), "viewer");
        if (HWND focused = FocusedChild(window)) viewerFocus = Place{ClassName(focused), ChildRect(focused)};
        shown = LookOf(window);
    }  // the viewer ends here: the designer's window would cover it

    // The mock window after the designer's Open command read the layout
    // file, with the focus on the element that the viewer focuses.
    void CaptureDesignerPreview() {
        Process designer(InstallProgram("rokabina_designer.exe", dir.Path()), dir.Path());
        HWND window = designer.WaitForWindow("TForm1", kWait);
        ASSERT_NE(window, nullptr) << "the designer did not start";
        FileDialogAnswer open(dir / "rokabina.rkd", designer.Id());
        ChooseFromMenuBar(window, 1);  // 開く
        ASSERT_TRUE(open.Wait().found) << "the Open command showed no file dialog";
        // The Open command runs to its end before the designer takes the next
        // message: once a message sent now comes back, the layout is read.
        // (Waiting for input idle does not tell: the process was idle before.)
        ASSERT_TRUE(SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_BLOCK, kWait, nullptr));
        if (HWND box = FindDialog(designer.Id())) FAIL() << "the designer reported: " << WindowText(box);
        HWND mock = ChildrenOfClass(ChildrenOfClass(window, "TFrame3").at(0), "TFrame2").at(0);
        ASSERT_FALSE(GetWindowLongW(mock, GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL))
            << "the layout reaches past the window's edge, where only the mock window scrolls";
        ExpectRowsOf12(mock, std::get<1>(GetParam()), "designer");
        ASSERT_TRUE(TabTo(mock, viewerFocus));
        preview = LookOf(mock);
    }

    ScratchFolder dir;
    ScopedLogPixels scaling{std::get<1>(GetParam())};
    ClientLook preview, shown;
    std::optional<Place> viewerFocus;
};

// Printed with a failure in place of the case's bytes.
void PrintTo(const FidelityCase& c, std::ostream* out) { *out << c.name; }

TEST_P(PreviewFidelity, TheMockWindowShowsWhatTheViewerShows) {
    ASSERT_NO_FATAL_FAILURE(CaptureViewerWindow());
    ASSERT_NO_FATAL_FAILURE(CaptureDesignerPreview());
    RECT ignored;
    UnionRect(&ignored, &preview.textField, &shown.textField);
    const PixelDifference diff = ComparePixels(preview.pixels, shown.pixels, ignored);
    if (diff.count == 0) return;
    SaveBitmapFile(preview.pixels, dir / "designer.bmp");
    SaveBitmapFile(shown.pixels, dir / "viewer.bmp");
    SaveBitmapFile(diff.image, dir / "difference.bmp");
    dir.Keep();
    ADD_FAILURE() << "the mock window (" << preview.pixels.width << " x " << preview.pixels.height
                  << ") and the viewer's client area (" << shown.pixels.width << " x " << shown.pixels.height
                  << ") differ in " << diff.count << " pixels, the first at " << diff.first.x << ", "
                  << diff.first.y << "; designer.bmp, viewer.bmp and difference.bmp are in " << dir.Path();
}

INSTANTIATE_TEST_SUITE_P(Layouts, PreviewFidelity, testing::Combine(testing::ValuesIn(kCases), testing::Values(96u, 144u)),
                         [](const testing::TestParamInfo<std::tuple<FidelityCase, UINT>>& info) {
                             return std::string(std::get<0>(info.param).name) + "At" +
                                    std::to_string(std::get<1>(info.param));
                         });

}  // namespace
