// A layout's values and the layout file: which value each key is written
// from and read into, in the file's order.
#pragma once
#include "base/FileSystemPath.h"
#include "designer/LayoutModel.h"

namespace designer {

// Writes every key of the layout in file order, one profile write each, and
// only count and the extension keys up to it. A text the file cannot hold
// (layout::UnwritableValueError) is refused before the file is touched; a
// refused write throws layout::ProfileWriteError.
void WriteLayoutFile(const LayoutValues& layout, const base::Path& path);

// The layout the file holds, with the designer's own defaults for the keys
// it lacks; a missing file gives every default. The all-extensions flag is
// not in the file: it stays as `layout` has it. Values no control can hold
// are brought into range: the scroll factor, an action without an entry.
LayoutValues ReadLayoutFile(const base::Path& path, LayoutValues layout);

}  // namespace designer
