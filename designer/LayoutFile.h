// A layout's values and the layout file: which value each key is written
// from and read into, in the file's order.
#pragma once
#include <vector>

#include "base/FileSystemPath.h"
#include "designer/LayoutModel.h"
#include "layout/WholeFileWrite.h"

namespace designer {

// Every key of the layout as file text, in the order of writing; throws
// layout::UnwritableValueError for a text the file cannot hold.
std::vector<layout::KeyText> LayoutKeyTexts(const LayoutValues& layout);

// Writes every key of the layout in file order, one profile write each, and
// only count and the extension keys up to it, through a copy that replaces
// the file once it holds them all (layout/WholeFileWrite.h). A text the file
// cannot hold (layout::UnwritableValueError) is refused before the file is
// touched; a failed write throws layout::ProfileWriteError and leaves the
// file as it was.
void WriteLayoutFile(const LayoutValues& layout, const base::Path& path);

// The layout the file holds, with the designer's own defaults for the keys
// it lacks; a missing file gives every default. The all-extensions flag is
// not in the file: it stays as `layout` has it. Values no control can hold
// are brought into range: the scroll factor, an action without an entry.
LayoutValues ReadLayoutFile(const base::Path& path, LayoutValues layout);

}  // namespace designer
