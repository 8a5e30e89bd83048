#include "designer/MainForm.h"

#include <shellapi.h>

#include <map>
#include <memory>
#include <string>

#include "base/Paths.h"
#include "layout/LayoutKeys.h"

namespace designer {
namespace {

using ui::ControlKind;
using F = TForm1;

const ui::FormSpec kFormSpec{"TForm1", "ロカビナデザイナー", {210, 20, 753, 584},
                             WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX, "ＭＳ Ｐゴシック", 12};

constexpr bool kChecked = true;

// The value the spin edit shows in a fresh layout, as text for its declaration.
const char* FreshNumber(const char* spinEdit) {
    static const std::map<std::string, std::string, std::less<>> texts = [] {
        const LayoutValues fresh = FreshLayout();
        std::map<std::string, std::string, std::less<>> texts;
        for (const NumberBinding& b : NumberBindings()) texts[b.spinEdit] = std::to_string(NumberIn(fresh, b));
        return texts;
    }();
    return texts.at(spinEdit).c_str();
}

// A spin edit of the main window, declared with its value in a fresh layout.
ui::ControlDecl<TForm1> Spin(const char* name, ui::Bounds bounds, int tabOrder, void (F::*handler)(),
                             ui::Limits limits = {}) {
    return {name, ControlKind::SpinEdit, FreshNumber(name), bounds, tabOrder, handler, limits};
}

// Tab order 0 is the preview canvas, created before these.
const ui::ControlDecl<TForm1> kControls[] = {
    // Header picture
    {"CheckBox1", ControlKind::CheckBox, "画像1", {328, 16, 49, 17}, 1, &F::CheckBox1Click, {}, kChecked},
    {"Edit1", ControlKind::Edit, layout::LayoutElementOf(layout::kImage1).newPicture, {368, 56, 89, 20}, 2},
    {"Button1", ControlKind::Button, "変更", {464, 56, 41, 17}, 3, &F::Button1Click},
    Spin("SpinEdit1", {368, 80, 49, 21}, 4, &F::SpinEdit1Change),
    Spin("SpinEdit2", {456, 80, 49, 21}, 5, &F::SpinEdit2Change),
    Spin("SpinEdit22", {368, 104, 49, 21}, 6, &F::SpinEdit22Change),
    Spin("SpinEdit23", {456, 104, 49, 21}, 7, &F::SpinEdit23Change),
    {"Label1", ControlKind::Label, "画像ファイル：", {328, 42}, -1},
    {"Label3", ControlKind::Label, "横：", {344, 84}, -1},
    {"Label7", ControlKind::Label, "縦：", {432, 84}, -1},
    {"Label29", ControlKind::Label, "サイズ：", {328, 112}, -1},
    {"Label30", ControlKind::Label, "×", {432, 112}, -1},
    // Footer picture
    {"CheckBox2", ControlKind::CheckBox, "画像2", {552, 16, 65, 17}, 8, &F::CheckBox2Click, {}, kChecked},
    {"Edit2", ControlKind::Edit, layout::LayoutElementOf(layout::kImage2).newPicture, {584, 56, 97, 20}, 9},
    {"Button2", ControlKind::Button, "変更", {688, 56, 41, 17}, 10, &F::Button2Click},
    Spin("SpinEdit3", {584, 80, 49, 21}, 11, &F::SpinEdit3Change),
    Spin("SpinEdit4", {680, 80, 49, 21}, 12, &F::SpinEdit4Change),
    Spin("SpinEdit24", {584, 104, 49, 21}, 13, &F::SpinEdit24Change),
    Spin("SpinEdit25", {680, 104, 49, 21}, 14, &F::SpinEdit25Change),
    {"Label2", ControlKind::Label, "画像ファイル：", {552, 42}, -1},
    {"Label8", ControlKind::Label, "横：", {560, 84}, -1},
    {"Label9", ControlKind::Label, "縦：", {656, 84}, -1},
    {"Label31", ControlKind::Label, "サイズ：", {544, 112}, -1},
    {"Label32", ControlKind::Label, "×", {648, 112}, -1},
    // First action button
    {"CheckBox5", ControlKind::CheckBox, "ボタン1", {328, 160, 57, 17}, 15, &F::CheckBox5Click, {}, kChecked},
    {"ComboBox1", ControlKind::ComboBox, kFunctionPrompt, {360, 186, 145, 20}, 16},
    Spin("SpinEdit7", {360, 208, 49, 21}, 17, &F::SpinEdit7Change),
    Spin("SpinEdit8", {456, 208, 49, 21}, 18, &F::SpinEdit8Change),
    Spin("SpinEdit11", {360, 232, 49, 21}, 19, &F::SpinEdit11Change),
    Spin("SpinEdit12", {456, 232, 49, 21}, 20, &F::SpinEdit12Change),
    {"Edit3", ControlKind::Edit, layout::LayoutElementOf(layout::kButton1).caption, {360, 256, 145, 20}, 21, &F::Edit3Change},
    {"Label4", ControlKind::Label, "機能：", {328, 190}, -1},
    {"Label12", ControlKind::Label, "横：", {336, 212}, -1},
    {"Label13", ControlKind::Label, "縦：", {432, 212}, -1},
    {"Label16", ControlKind::Label, "サイズ：", {320, 240}, -1},
    {"Label17", ControlKind::Label, "×", {424, 240}, -1},
    {"Label25", ControlKind::Label, "字：", {336, 258}, -1},
    // Second action button
    {"CheckBox6", ControlKind::CheckBox, "ボタン2", {552, 160, 57, 17}, 22, &F::CheckBox6Click, {}, kChecked},
    {"ComboBox2", ControlKind::ComboBox, kFunctionPrompt, {584, 186, 145, 20}, 23},
    Spin("SpinEdit9", {584, 208, 49, 21}, 24, &F::SpinEdit9Change),
    Spin("SpinEdit10", {680, 208, 49, 21}, 25, &F::SpinEdit10Change),
    Spin("SpinEdit14", {584, 232, 49, 21}, 26, &F::SpinEdit14Change),
    Spin("SpinEdit15", {680, 232, 49, 21}, 27, &F::SpinEdit15Change),
    {"Edit5", ControlKind::Edit, layout::LayoutElementOf(layout::kButton2).caption, {584, 256, 145, 20}, 28, &F::Edit5Change},
    {"Label5", ControlKind::Label, "機能：", {552, 190}, -1},
    {"Label14", ControlKind::Label, "横：", {560, 212}, -1},
    {"Label15", ControlKind::Label, "縦：", {656, 212}, -1},
    {"Label19", ControlKind::Label, "サイズ：", {544, 240}, -1},
    {"Label20", ControlKind::Label, "×", {648, 240}, -1},
    {"Label26", ControlKind::Label, "字：", {560, 258}, -1},
    // File list
    {"CheckBox3", ControlKind::CheckBox, "ファイル表示リストボックス", {56, 320, 177, 17}, 29, &F::CheckBox3Click, {}, kChecked},
    Spin("SpinEdit16", {88, 344, 49, 21}, 30, &F::SpinEdit16Change),
    Spin("SpinEdit17", {184, 344, 49, 21}, 31, &F::SpinEdit17Change),
    Spin("SpinEdit18", {88, 376, 49, 21}, 32, &F::SpinEdit18Change),
    Spin("SpinEdit19", {184, 376, 49, 21}, 33, &F::SpinEdit19Change),
    Spin("SpinEdit26", {184, 408, 49, 21}, 34, &F::SpinEdit26Change, {kMinScrollFactor, kMaxScrollFactor}),
    {"Label21", ControlKind::Label, "横：", {64, 348}, -1},
    {"Label22", ControlKind::Label, "縦：", {160, 348}, -1},
    {"Label23", ControlKind::Label, "サイズ：", {48, 384}, -1},
    {"Label24", ControlKind::Label, "×", {152, 384}, -1},
    {"Label36", ControlKind::Label, "水平スクロールバー：", {56, 412}, -1},
    {"Label37", ControlKind::Label, "倍", {240, 416}, -1},
    // Folder chooser
    {"CheckBox4", ControlKind::CheckBox, "フォルダチェンジコンボボックス", {328, 320, 177, 17}, 35, &F::CheckBox4Click, {}, kChecked},
    Spin("SpinEdit5", {368, 344, 49, 21}, 36, &F::SpinEdit5Change),
    Spin("SpinEdit6", {456, 344, 49, 21}, 37, &F::SpinEdit6Change),
    Spin("SpinEdit13", {368, 376, 49, 21}, 38, &F::SpinEdit13Change),
    {"Edit6", ControlKind::Edit, layout::LayoutElementOf(layout::kComboBox1).caption, {368, 408, 137, 20}, 39, &F::Edit6Change},
    {"Label10", ControlKind::Label, "横：", {344, 348}, -1},
    {"Label11", ControlKind::Label, "縦：", {432, 348}, -1},
    {"Label18", ControlKind::Label, "サイズ：", {328, 380}, -1},
    {"Label33", ControlKind::Label, "字：", {344, 414}, -1},
    // The viewer window as a whole
    {"Edit4", ControlKind::Edit, "", {584, 336, 145, 20}, 40},
    Spin("SpinEdit20", {584, 376, 49, 21}, 41, &F::SpinEdit20Change),
    Spin("SpinEdit21", {680, 376, 49, 21}, 42, &F::SpinEdit21Change),
    {"CheckBox7", ControlKind::CheckBox, "ウィンドウサイズの変更を禁止", {560, 408, 169, 17}, 43, nullptr, {}, kChecked},
    {"Label6", ControlKind::Label, "タイトルバー文字：", {552, 320}, -1},
    {"Label27", ControlKind::Label, "ウィンドウサイズ：", {552, 360}, -1},
    {"Label28", ControlKind::Label, "×", {648, 384}, -1},
    // Registered extensions
    {"Edit7", ControlKind::Edit, "", {80, 472, 153, 20}, 44},
    {"Button3", ControlKind::Button, "追加 >>", {272, 472, 49, 25}, 45, &F::Button3Click},
    {"Button4", ControlKind::Button, "<< 削除", {272, 496, 49, 25}, 46, &F::Button4Click},
    {"ListBox1", ControlKind::ListBox, "", {368, 472, 137, 49}, 47},
    {"CheckBox8", ControlKind::CheckBox, "全拡張子ファイルを対象にする", {80, 504, 177, 17}, 51, &F::CheckBox8Click},
    {"Label34", ControlKind::Label, "検索対象拡張子", {80, 456}, -1},
    {"Label35", ControlKind::Label, "登録済み拡張子", {368, 458}, -1},
    // Commands
    {"Button5", ControlKind::Button, "保存", {560, 448, 81, 33}, 48, &F::Save1Click},
    {"Button6", ControlKind::Button, "終了", {648, 488, 83, 33}, 49, &F::Exit1Click},
    {"Button7", ControlKind::Button, "テスト", {648, 448, 81, 33}, 50, &F::Button7Click},
};

// The controls whose values have no handler of their own to take them into
// the model.
const char* const kUnhandledValues[] = {"Edit1", "Edit2", "Edit4", "Edit7", "CheckBox7", "ComboBox1", "ComboBox2"};

constexpr char kLayoutFilter[] = "RokabinaDesignerファイル（*.rkd）|*.rkd";

}  // namespace

TForm1::TForm1(base::Path exePath)
    : MainMenu1({{"File1", "ファイル",
                  {{"New1", "新規作成", [this] { New1Click(); }},
                   {"Open1", "開く", [this] { Open1Click(); }},
                   {"Save1", "上書き保存", [this] { Save1Click(); }},
                   {"SaveAs1", "名前を付けて保存", [this] { SaveAs1Click(); }},
                   {"Publish1", "配布用フォルダに書き出し(&P)...", [this] { Publish1Click(); }},
                   {"Exit1", "終了", [this] { Exit1Click(); }}}},
                 {"Edit1", "編集",
                  {{"Undo1", "元に戻す(&U)\tCtrl+Z", [this] { Undo1Click(); }, {{FCONTROL, 'Z'}}},
                   {"Redo1", "やり直し(&R)\tCtrl+Y", [this] { Redo1Click(); }, {{FCONTROL, 'Y'}, {FCONTROL | FSHIFT, 'Z'}}}}},
                 {"Help1", "ヘルプ", {{"About1", "バージョン情報", [this] { About1Click(); }}}}}),
      OpenDialog1(ui::FileDialog::Mode::Open, kLayoutFilter),
      SaveDialog1(ui::FileDialog::Mode::Save, kLayoutFilter),
      exePath_(std::move(exePath)) {
    CreateForm(kFormSpec);
    SetMainMenu(&MainMenu1);
    Frame3 = &static_cast<TFrame3&>(AddControl(std::make_unique<TFrame3>(), "", {0, 0, 305, 305}, Font()));
    Frame2 = Frame3->Frame2;
    CreateControls(*this, std::span<const ui::ControlDecl<TForm1>>(kControls), Font());
    ChangeButton1 = &Get<ui::Button>("Button1");
    ChangeButton2 = &Get<ui::Button>("Button2");
    FunctionBox1 = &Get<ui::ComboBox>("ComboBox1");
    FunctionBox2 = &Get<ui::ComboBox>("ComboBox2");
    ExtensionList = &Get<ui::ListBox>("ListBox1");
    for (const ElementRow& element : Elements())
        if (element.functionBox)
            for (const char* entry : kFunctionEntries) Get<ui::ComboBox>(element.functionBox).Add(entry);
    for (const char* name : kUnhandledValues) Find(name).BindHandler([this, name] { TakeFromControl(name); });
    // What the controls were declared with; the preview starts with its placeholders.
    model_.layout = FreshLayout();
    for (size_t i = 0; i < kElementCount; ++i)
        if (const ui::PicturePane* pane = Frame2->PictureOf(int(i))) model_.pictures[i] = pane->SharedPicture();
    Editor = std::make_unique<PreviewEditor>(*Frame2, static_cast<PreviewEditor::Host&>(*this));
    FormCreate();
    saved_ = model_.layout;
    UpdateEditMenu();
}

void TForm1::FormCreate() {
    designerFolder_ = base::FolderPart(exePath_);
    ForbidResize();
    DragAcceptFiles(Handle(), TRUE);  // a layout file dropped from Explorer opens
}

}  // namespace designer
