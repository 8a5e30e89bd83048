// What 配布用フォルダに書き出し puts into a menu folder: the viewer under the
// program's name, the layout with its pictures' bare names, the pictures,
// and for a CD an autorun.inf. Everything is checked before anything is
// written; each file is written whole.
#pragma once
#include <string>
#include <vector>

#include "base/FileSystemPath.h"
#include "designer/LayoutModel.h"
#include "designer/PublishBox.h"

namespace designer {

// Where a picture the layout names lies, as the Test run finds it: a
// relative name from the folder of the layout file, or from the current
// directory when there is none.
base::Path PictureSource(const std::wstring& name, const base::Path& layoutFile);

// A file of the menu folder and its bytes; the layout is written apart, by
// the profile functions.
struct MenuFile {
    base::Path path;
    std::string bytes;
};

struct MenuFolder {
    base::Path folder;               // full, with a trailing backslash
    std::vector<MenuFile> files;     // the viewer, the pictures, autorun.inf
    base::Path layoutPath;
    LayoutValues layout;             // its pictures by their bare names
    base::Path program;              // the viewer, to start
};

// The menu folder for the choice, checked: the viewer is carried by the
// designer, each picture shown exists and loads, no two different pictures
// share a name. Throws base::ShownError naming what failed; writes nothing.
MenuFolder PlanMenuFolder(const LayoutValues& layout, const base::Path& layoutFile, const PublishChoice& choice);

// autorun.inf for a CD: UTF-16 with its byte-order mark, which Windows reads
// whatever the language of the PC it is put in.
std::string AutorunText(const std::wstring& program, const std::wstring& title);

// Writes the folder (made with its parents when missing), each file whole;
// throws at the first failure, leaving the files already written.
void WriteMenuFolder(const MenuFolder& menu);

}  // namespace designer
