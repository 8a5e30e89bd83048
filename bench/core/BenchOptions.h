// The command line of the viewer benchmark:
//   ViewerBench [--runs N] [--warmups N] [--refills N] [--timeout SECONDS] [--ext .txt]
//               --floor <Floor.exe> <label>=<tree folder> ...
// Each tree folder holds rokabina.exe and its layout file; the floor program
// is copied beside them.
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
    DWORD timeoutMs = 300000;
    std::string extension = ".txt";  // the floor lists the root's files with it
    std::string floorExe;
    std::vector<TreeArgument> trees;
};

// The words after the program name; throws std::invalid_argument with a
// message naming the word at fault.
ViewerBenchOptions ParseViewerBenchOptions(const std::vector<std::string>& words);

}  // namespace bench
