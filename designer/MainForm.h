// The designer's main window: every control with which a layout is edited,
// the live preview of the viewer window, the menu bar and the command buttons.
// The layout being edited is the state of these controls and of the preview.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "base/FileSystemPath.h"
#include "designer/EditHistory.h"
#include "designer/Preview.h"
#include "designer/PreviewEditor.h"
#include "ui/FileDialog.h"
#include "ui/Form.h"
#include "ui/MainMenu.h"
#include "ui/SpinEdit.h"

namespace designer {

// The caption, text or value a control of the main window starts with.
const char* InitialText(std::string_view controlName);

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
    void About1Click();
    // 編集: back and forth through the user's actions.
    void Undo1Click();
    void Redo1Click();

    // Writes every key of the layout, in file order, from the controls and
    // the preview; throws layout::ProfileWriteError at the first refused write.
    // A text the file cannot hold (layout::UnwritableValueError) is refused
    // before anything is written.
    void WriteLayoutFile(const base::Path& path);

    // The designer's own folder, with its trailing backslash.
    const base::Path& DesignerFolder() const { return designerFolder_; }
    // The layout file last opened or saved; empty when there is none.
    const base::Path& CurrentFileName() const { return currentFile_; }

    TFrame3* Frame3 = nullptr;
    TFrame2* Frame2 = nullptr;
    // Selection, dragging and sizing in the preview.
    std::unique_ptr<PreviewEditor> Editor;
    ui::MainMenu MainMenu1;
    ui::FileDialog OpenDialog1;
    ui::FileDialog SaveDialog1;

    // Every editable value and what the preview shows of them, now.
    LayoutState CaptureState() const;
    const EditHistory& History() const { return history_; }

protected:
    // Each control's notification: a user's change becomes a step of the history.
    void BeforeNotify(ui::Control& control, WORD code) override;
    void AfterNotify(ui::Control& control, WORD code) override;

private:
    // PreviewEditor::Host
    ui::SpinEdit* SpinEditOf(const std::string& element, Property property) override;
    void PreviewActionStarts() override;
    void PreviewActionEnds() override;
    void PreviewActionCancelled() override;

    // For New and Open: nothing they set is recorded, and the history starts
    // afresh from where they leave the designer, also when they fail.
    class FreshHistory {
    public:
        explicit FreshHistory(TForm1& form) : form_(form) { form_.unrecorded_ = true; }
        ~FreshHistory() {
            form_.unrecorded_ = false;
            form_.history_.Clear();
            form_.Recorded();
        }
        FreshHistory(const FreshHistory&) = delete;
        FreshHistory& operator=(const FreshHistory&) = delete;

    private:
        TForm1& form_;
    };

    // Sets every control and the preview to the state, recording nothing.
    void RestoreState(const LayoutState& state);
    // The state now is the start of what is recorded next; the 編集 menu
    // says what can be undone and redone.
    void Recorded();
    void ReadLayoutFile(const base::Path& path);
    void SaveThroughDialog();
    // Chooses the function entry of that index; anything else chooses none.
    void ChooseFunction(const char* comboName, int32_t index);
    void LoadPictureReporting(const base::Path& name, ui::PicturePane& pane);

    void ApplyCheckBox(const char* checkBoxName);
    void ApplySpinEdit(const char* spinEditName);
    void ChangePicture(const char* editName, ui::PicturePane& pane);

    base::Path exePath_;
    base::Path designerFolder_;
    base::Path currentFile_;
    EditHistory history_;
    LayoutState last_;       // the state after the last change recorded
    int notifying_ = 0;      // notifications under way: only the outermost is the user's action
    bool unrecorded_ = false;  // the program itself is setting values (Open, New, Undo, a preview action)
};

}  // namespace designer
