// The start-up walk's one rule about where not to go: the Windows directory
// is listed like any folder but never walked into, so that a viewer started
// above it does not read the whole system.
#pragma once
#include "base/FileSystemPath.h"
#include "viewer/BackgroundWalk.h"

namespace viewer {

// The Windows directory as GetWindowsDirectoryW reports it; empty when that fails.
base::Path WindowsDirectory();

// Keeps the walk out of the folder reported as exactly that text, character
// for character (the walk reports full paths, so an empty text matches none).
BackgroundWalk::SkipRule SkipWindowsDirectory(base::Path windowsDirectory);

}  // namespace viewer
