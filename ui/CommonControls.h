// The common controls library: the themed versions of the standard controls
// that the programs' manifests ask for, and the classes of its own.
#pragma once

namespace ui {

// Loads the library and registers its classes; once, before the first window
// that uses them. Loaded here rather than with the program because under
// Wine loading it takes tens of milliseconds, which a program may spend on
// work it starts first. Without the library (not expected) the standard
// controls keep their plain look.
void LoadCommonControls();

}  // namespace ui
