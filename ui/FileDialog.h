// The platform's open and save dialogs, as objects that remember the name
// last chosen in them.
#pragma once
#include <windows.h>

#include <string>

namespace ui {

class FileDialog {
public:
    enum class Mode { Open, Save };

    // filter: description, "|", pattern, as "Text files (*.txt)|*.txt".
    FileDialog(Mode mode, std::string filter);

    // Shows the dialog modally over owner, opening with the name last chosen.
    // True when the user chose a name, which FileName() then holds as the
    // dialog returned it. The current directory is then the chosen file's
    // folder on every platform. The dialog never asks about overwriting and
    // accepts names of files that do not exist.
    bool Execute(HWND owner);

    const std::string& FileName() const { return fileName_; }

private:
    Mode mode_;
    std::string filter_;
    std::string fileName_;
};

}  // namespace ui
