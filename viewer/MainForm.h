// The viewer's main window: laid out from the layout file beside the
// executable, with the folder chooser, the file list and the two buttons.
// Folders and files keep the names the file system has, whatever their
// characters: the lists are Unicode windows whose items are the paths and
// names themselves.
#pragma once
#include <array>
#include <memory>
#include <string>

#include "base/FileSystemPath.h"
#include "layout/LayoutKeys.h"
#include "layout/ProfileFile.h"
#include "ui/Buttons.h"
#include "ui/ComboBox.h"
#include "ui/Form.h"
#include "ui/ListBox.h"
#include "ui/PicturePane.h"
#include "ui/PopupMenu.h"
#include "viewer/BackgroundWalk.h"
#include "viewer/PicturesAhead.h"

namespace viewer {

// What start-up begins before anything else, from the layout file, and
// makes the rest meanwhile: the walk, where the layout asks for one (the
// folders are the slow part of start-up), and the decoding of its pictures
// at the system's dpi. Neither where there is no layout file.
struct StartupAhead {
    std::unique_ptr<BackgroundWalk> walk;
    std::unique_ptr<PicturesAhead> pictures;
};
StartupAhead StartAhead(const base::Path& exePath);

class TForm1 : public ui::Form {
public:
    // exePath stands for the running executable: the layout file and the
    // folder walk are found from it. Start-up's walk step takes the walk
    // ahead over, or drops it when the layout no longer asks for it by then
    // or a step before it failed; without one, the step walks itself. Its
    // picture step takes the pictures ahead where they are what it loads.
    explicit TForm1(base::Path exePath, StartupAhead ahead = {});

    // Start-up: runs once while the window is created, before it is shown.
    void FormCreate();
    // Takes in a folder the start-up walk found: the chooser lists it.
    void SearchDir1Find(const base::Path& Name);
    void ComboBox1Change();
    void Button1Click();
    void Button2Click();
    // A double-click on a file, or Enter on the selected one: what a click
    // on the first button the layout switches on does.
    void ListBox1DblClick();
    void N1Click();
    void About1Click();
    void Exit1Click();

    // The executable's folder, with its trailing backslash.
    const base::Path& ExeFolder() const { return exeFolder_; }
    base::Path LayoutPath() const;

    // The elements; null once start-up has removed them.
    ui::PicturePane* Image1 = nullptr;
    ui::PicturePane* Image2 = nullptr;
    ui::ListBox* ListBox1 = nullptr;
    ui::ComboBox* ComboBox1 = nullptr;
    ui::Button* Button1 = nullptr;
    ui::Button* Button2 = nullptr;
    ui::PopupMenu PopupMenu1;

protected:
    void OnContextMenu(int x, int y) override;

private:
    void ApplyLayout(const layout::ProfileFile& file);
    // The walk of start-up, on a worker; its folders reach SearchDir1Find
    // here in the walk's order. Once the walk has run half a second a
    // progress window shows, whose "中止" ends the walk with the folders
    // found so far.
    void WalkFolders(BackgroundWalk& walk);
    // Removes the elements start-up hid, and nulls their members.
    void RemoveHiddenElements();
    void ListPattern(const base::Path& pattern);
    // The folder the chooser names: its text, which is the full path of a
    // picked item (the items are the paths themselves) or a path as typed.
    base::Path ChosenFolder() const;
    // The name of the selected file, as the list holds it.
    std::wstring SelectedFile() const;
    // Both buttons: act on the selected file as the layout's function key says.
    void ButtonAction(const char* functionKey);

    base::Path exePath_;
    base::Path exeFolder_;
    StartupAhead ahead_;  // until start-up takes it
    // The elements in the layout's order, until start-up has removed the hidden ones.
    std::array<ui::Control*, layout::kElementCount> elements_{};
};

}  // namespace viewer
