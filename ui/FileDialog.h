// The platform's open and save dialogs, as objects that remember the name
// last chosen in them.
#pragma once
#include <windows.h>

#include <string>

#include "base/FileSystemPath.h"

namespace ui {

class FileDialog {
public:
    enum class Mode { Open, Save };

    // filter (code page 932): description, "|", pattern, as "Text files (*.txt)|*.txt".
    FileDialog(Mode mode, std::string filter);

    // Shows the dialog modally over owner, opening with the name last chosen.
    // True when the user chose a name, which FileName() then holds as the
    // dialog returned it, whatever characters it has. The current directory
    // is then the chosen file's folder on every platform. The dialog never
    // asks about overwriting and accepts names of files that do not exist.
    bool Execute(HWND owner);

    const base::Path& FileName() const { return fileName_; }

private:
    Mode mode_;
    std::string filter_;
    base::Path fileName_;
};

}  // namespace ui
