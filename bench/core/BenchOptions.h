// The command lines of the benchmarks:
//   ViewerBench [--runs N] [--warmups N] [--refills N] [--stop-at MS] [--timeout SECONDS]
//               [--ext .txt] --floor <Floor.exe> <label>=<tree folder> ...
// Each tree folder holds rokabina.exe and its layout file; the floor program
// is copied beside them.
//   DesignerBench [--changes N] [--warmups N] [--rounds N] [--only <change key>] ...
// The change keys are those of core/PreviewChanges.h.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace bench {

struct TreeArgument {
    std::string label;
    std::string folder;
};

struct ViewerBenchOptions {
    int runs = 5;     // measured starts of each program on each tree
    int warmups = 1;  // starts before those, not counted
    int refills = 5;  // file list refills timed after each measured start
    // Each measured run also starts the viewer once more and presses "中止"
    // on its progress window this long into start-up; 0: no such start.
    int stopAtMs = 1500;
    DWORD timeoutMs = 300000;
    std::string extension = ".txt";  // the floor lists the root's files with it
    std::string floorExe;
    std::vector<TreeArgument> trees;
};

// The words after the program name; throws std::invalid_argument with a
// message naming the word at fault.
ViewerBenchOptions ParseViewerBenchOptions(const std::vector<std::string>& words);

struct DesignerBenchOptions {
    int changes = 2000;  // timed changes of each kind, in the designer and in the floor alike
    int warmups = 50;    // changes before those, not timed
    // The changes of each kind are split into rounds, the floor and the
    // designer taking turns, so that a drift of the machine's load weighs on
    // both alike; each round has its warm-up changes.
    int rounds = 5;
    std::vector<std::string> only;  // the change keys to time; empty: every kind
};

// As above.
DesignerBenchOptions ParseDesignerBenchOptions(const std::vector<std::string>& words);

}  // namespace bench
