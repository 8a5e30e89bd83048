// The floor under the viewer's start-up: a plain program that does the same
// file-system and list work, opens an empty window, or both, and nothing more.
//   Floor walk <folder> [extension]   walks and lists, then exits with the number of folders found
//   Floor window                      opens an empty window and waits
//   Floor both <folder> [extension]   fills a folder chooser by the walk and a list box with the
//                                     folder's files, shows them in its window and waits; a pick in
//                                     the chooser refills the list (core/FloorWindow.h)
// Wrong arguments end it at once with exit code kUsageError, silently, so
// that a benchmark run never waits on a message box.
#include <windows.h>

#include <exception>
#include <string>

#include "core/FloorWalk.h"
#include "core/FloorWindow.h"

namespace {

constexpr int kUsageError = -1;

int Run(const std::string& mode, const std::string& folder, const std::string& extension) {
    if (mode == "walk") return int(bench::WalkAndList(folder, extension).folders);
    bench::FloorWindow window(mode == "both", extension);
    if (mode == "both") window.Fill(folder);
    window.Show();
    return bench::RunMessageLoop();
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    const int count = __argc;
    char** words = __argv;
    if (count < 2) return kUsageError;
    const std::string mode = words[1];
    const bool walks = mode == "walk" || mode == "both";
    if (mode == "window" ? count != 2 : !walks || count < 3 || count > 4) return kUsageError;
    try {
        return Run(mode, walks ? words[2] : "", count == 4 ? words[3] : ".txt");
    } catch (const std::exception&) {
        return kUsageError;  // a window the platform refused: no box, see above
    }
}
