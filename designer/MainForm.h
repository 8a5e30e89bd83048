// The designer's main window: every control with which a layout is edited,
// the live preview of the viewer window, the menu bar and the command buttons.
// The layout being edited is a model of values (LayoutModel.h); the controls
// and the preview are its views. A user's change goes into the model and
// every view of a changed value follows.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "base/FileSystemPath.h"
#include "designer/EditHistory.h"
#include "designer/LayoutModel.h"
#include "designer/Preview.h"
#include "designer/PublishBox.h"
#include "designer/PreviewEditor.h"
#include "picture/DrawnSize.h"
#include "ui/Buttons.h"
#include "ui/ComboBox.h"
#include "ui/FileDialog.h"
#include "ui/Form.h"
#include "ui/MainMenu.h"
#include "ui/SpinEdit.h"

namespace designer {

// What an action combo box shows while no action is chosen.
inline constexpr char kFunctionPrompt[] = "機能を選択してください";

class TForm1 : public ui::Form, private PreviewEditor::Host {
public:
    // exePath stands for the running executable: the Test run is found from it.
    explicit TForm1(base::Path exePath);

    // Start-up: runs once as the last step of creating the window.
    void FormCreate();

    // Showing, hiding and enabling: one per preview element.
    void CheckBox1Click();
    void CheckBox2Click();
    void CheckBox3Click();
    void CheckBox4Click();
    void CheckBox5Click();
    void CheckBox6Click();

    // Positions and sizes: each passes its spin edit's reading to one property.
    void SpinEdit1Change();
    void SpinEdit2Change();
    void SpinEdit3Change();
    void SpinEdit4Change();
    void SpinEdit5Change();
    void SpinEdit6Change();
    void SpinEdit7Change();
    void SpinEdit8Change();
    void SpinEdit9Change();
    void SpinEdit10Change();
    void SpinEdit11Change();
    void SpinEdit12Change();
    void SpinEdit13Change();
    void SpinEdit14Change();
    void SpinEdit15Change();
    void SpinEdit16Change();
    void SpinEdit17Change();
    void SpinEdit18Change();
    void SpinEdit19Change();
    void SpinEdit20Change();
    void SpinEdit21Change();
    void SpinEdit22Change();
    void SpinEdit23Change();
    void SpinEdit24Change();
    void SpinEdit25Change();
    // The file list's horizontal scroll width: its client width times the factor.
    void SpinEdit26Change();

    // Captions of the preview buttons and the folder chooser's text.
    void Edit3Change();
    void Edit5Change();
    void Edit6Change();

    // "変更": loads the picture named in Edit1 or Edit2 into the preview.
    void Button1Click();
    void Button2Click();

    // The registered extensions.
    void Button3Click();
    void Button4Click();
    void CheckBox8Click();

    // The commands of the menu and the command buttons.
    void New1Click();
    void Open1Click();
    void Save1Click();
    void SaveAs1Click();
    void Exit1Click();
    void Button7Click();  // Test run
    // 配布用フォルダに書き出し: a ready menu folder, started once written.
    void Publish1Click();
    // Checks and writes the menu folder chosen, then starts its program;
    // false (nothing written) when the user keeps the files there.
    bool Publish(const PublishChoice& choice);
    void About1Click();
    // 編集: back and forth through the user's actions.
    void Undo1Click();
    void Redo1Click();

    // Writes the layout being edited (LayoutFile.h).
    void WriteLayoutFile(const base::Path& path);

    // Opens the layout file of that name as 開く does with the name chosen:
    // from the command line, or dropped onto the window.
    void OpenLayout(const base::Path& name);
    // Some value Save writes differs from what the layout held at start, at
    // the last completed New or Open, or at the last completed save.
    bool Changed() const { return model_.layout != saved_; }

    // The designer's own folder, with its trailing backslash.
    const base::Path& DesignerFolder() const { return designerFolder_; }
    // The layout file last opened or saved; empty when there is none.
    const base::Path& CurrentFileName() const { return currentFile_; }

    TFrame3* Frame3 = nullptr;
    TFrame2* Frame2 = nullptr;
    // The controls that share their names with elements of the preview: the
    // pictures' 変更 buttons (Button1, Button2), the buttons' action boxes
    // (ComboBox1, ComboBox2) and the extension list (ListBox1).
    ui::Button* ChangeButton1 = nullptr;
    ui::Button* ChangeButton2 = nullptr;
    ui::ComboBox* FunctionBox1 = nullptr;
    ui::ComboBox* FunctionBox2 = nullptr;
    ui::ListBox* ExtensionList = nullptr;
    // Selection, dragging and sizing in the preview.
    std::unique_ptr<PreviewEditor> Editor;
    ui::MainMenu MainMenu1;
    ui::FileDialog OpenDialog1;
    ui::FileDialog SaveDialog1;

    // The values being edited, which the controls and the preview show.
    const DesignerModel& Model() const { return model_; }
    // The values become `next`, and the views of every value that changed
    // follow, in the order New sets them. Nothing is recorded.
    void Show(const DesignerModel& next);
    // The values and the selection now, as the history holds them.
    LayoutState CaptureState() const;
    const EditHistory& History() const { return history_; }

protected:
    // A field losing the focus ends its run of changes in the history.
    void AfterNotify(ui::Control& control, WORD code) override;
    // The close box asks before a changed layout is lost; a layout file
    // dropped onto the window opens.
    LRESULT Dispatch(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    // PreviewEditor::Host
    ui::Bounds PlaceOf(int element) const override;
    void SetPlace(int element, const ui::Bounds& place) override;
    void PreviewActionStarts() override;
    void PreviewActionEnds() override;
    void PreviewActionCancelled() override;

    // A user's change: the values become `next`, the views follow, and the
    // history records it as a step (a run of changes with the same group,
    // a field's name, as one).
    void Change(const DesignerModel& next, const std::string& group = "");
    // The action combo boxes with no entry chosen show their prompt.
    void ShowFunctionPrompts();
    // What a control of the main window now shows, taken into the values as
    // a user's change; nothing when it shows what they hold.
    void TakeFromControl(const char* name);
    // New and Open: the history starts afresh from where they leave the
    // designer, also when they fail.
    template <class Command>
    void StartingAfresh(Command command);
    // The 編集 menu says what can be undone and redone.
    void UpdateEditMenu();
    // Before a command that would lose a changed layout: asks whether to
    // save it first, and does; false when the command is to stop.
    bool ChangesMayGo();
    // Save and Save As; true when the layout was written.
    bool SaveLayout();
    bool SaveThroughDialog();
    // Loads the picture the element's name gives into the values; a picture
    // that cannot be loaded is reported, and the values stay.
    void LoadPictureReporting(int element);
    void ChangePicture(int element);
    picture::DrawnSize DrawnSizeOf(int element) const;


    base::Path exePath_;
    base::Path designerFolder_;
    base::Path currentFile_;
    DesignerModel model_;
    LayoutValues saved_;  // what Changed() compares with
    EditHistory history_;
    std::optional<LayoutState> action_;  // where a preview action under way started
    base::Path lastPublished_;           // the folder published to last in this run
};

}  // namespace designer
