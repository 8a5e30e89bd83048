// The viewer's main window: laid out from the layout file beside the
// executable, with the folder chooser, the file list and the two buttons.
#pragma once
#include <string>

#include "layout/ProfileFile.h"
#include "ui/Control.h"
#include "ui/Form.h"
#include "ui/PicturePane.h"
#include "ui/PopupMenu.h"
#include "viewer/SearchFile.h"

namespace viewer {

class TForm1 : public ui::Form {
public:
    // exePath stands for the running executable: the layout file and the
    // folder walk are found from it.
    explicit TForm1(std::string exePath);

    // Start-up: runs once while the window is created, before it is shown.
    void FormCreate();
    void SearchDir1Find(TSearchDir* Sender, std::string Name, TSearchFileData Data, bool& IgnoreSubDir,
                        bool& Continue);
    void ComboBox1Change();
    void Button1Click();
    void Button2Click();
    void N1Click();
    void About1Click();
    void Exit1Click();

    // The executable's folder, with its trailing backslash.
    const std::string& ExeFolder() const { return exeFolder_; }
    std::string LayoutPath() const;

    // The elements; null once start-up has removed them.
    ui::PicturePane* Image1 = nullptr;
    ui::PicturePane* Image2 = nullptr;
    ui::ListBox* ListBox1 = nullptr;
    ui::ComboBox* ComboBox1 = nullptr;
    ui::Button* Button1 = nullptr;
    ui::Button* Button2 = nullptr;
    TSearchDir SearchDir1;
    ui::PopupMenu PopupMenu1;

protected:
    void OnContextMenu(int x, int y) override;

private:
    void ApplyLayout(const layout::ProfileFile& file);
    void RemoveHiddenElements();
    void ListPattern(const std::string& pattern);
    // Both buttons: act on the selected file as the layout's function key says.
    void ButtonAction(const char* functionKey);

    std::string exePath_;
    std::string exeFolder_;
    std::string windowsDirectory_;
};

}  // namespace viewer
