// Tools of the robustness suite: seeded mutation of layout files and
// pictures, a thread that answers every box at once and records it, a
// per-case watchdog, and the process's memory and window counts.
#pragma once
#include <windows.h>

#include <cstdint>
#include <mutex>
#include <random>
#include <span>
#include <string>
#include <thread>
#include <vector>

namespace robustness {

// One mutant: its bytes and the operators that made it, for the failure text.
struct Mutant {
    std::string bytes;
    std::string how;
};

// The whole run is reproducible from the seed: case i of a run always gets
// the same mutant as long as the operator tables stay the same.
class Mutator {
public:
    explicit Mutator(uint32_t seed) : random_(seed) {}
    // Layout text: one to three operators on lines, values, line ends and bytes.
    Mutant Layout(const std::string& base);
    // Picture bytes: header fields of the format, truncation, flips, chunks.
    enum class Format { Bitmap, Icon, Jpeg, Enhanced, Windows, Placeable, Png, Webp, Gif };
    Mutant Picture(const std::string& base, Format format);

    size_t Below(size_t n) { return n == 0 ? 0 : std::uniform_int_distribution<size_t>(0, n - 1)(random_); }
    std::mt19937& Random() { return random_; }

private:
    std::mt19937 random_;
};

// Picture names a layout may give: present, missing, folders, devices,
// wildcards, odd dots and prefixes.
std::span<const char* const> OddPictureNames();
// Numbers a layout value may give: too large, signs and prefixes alone, odd forms.
std::span<const char* const> OddNumbers();
// The layouts mutation starts from: the designer's fresh one, one in use, a sparse one.
const std::vector<std::string>& BaseLayouts();

struct SeedPicture {
    std::string name;  // file name to write it under, extension included
    Mutator::Format format;
    std::string bytes;
};
// The sample pictures of the test data, and metafiles drawn here with GDI.
std::vector<SeedPicture> SeedPictures();

struct Box {
    std::string caption;
    std::string text;
};

// Answers every message box of this process as soon as it shows (OK, or No
// when it has no OK) and records it; types the name given into the next
// file dialog. Runs for the life of the object.
class BoxAnswerer {
public:
    BoxAnswerer();
    ~BoxAnswerer();
    BoxAnswerer(const BoxAnswerer&) = delete;
    BoxAnswerer& operator=(const BoxAnswerer&) = delete;

    // The boxes answered since the last call.
    std::vector<Box> Take();
    // The next file dialog gets this name and is confirmed.
    void AnswerFileDialogWith(const std::string& name);
    // True once the name given has been typed and confirmed.
    bool FileDialogAnswered();

private:
    void Run();
    std::mutex mutex_;
    std::vector<Box> boxes_;
    std::string fileName_;
    bool fileDialogPending_ = false;
    bool stop_ = false;
    std::thread thread_;
};

// Ends the process with exit code 3 and the case's description when one case
// runs longer than the limit: a hang fails the suite instead of stalling it.
class Watchdog {
public:
    explicit Watchdog(DWORD limitMs = 20000);
    ~Watchdog();
    Watchdog(const Watchdog&) = delete;
    Watchdog& operator=(const Watchdog&) = delete;
    void Begin(const std::string& description);
    void End();

private:
    std::mutex mutex_;
    std::string current_;
    DWORD started_ = 0;
    bool running_ = false;
    bool stop_ = false;
    DWORD limitMs_;
    std::thread thread_;
};

struct Memory {
    uint64_t peakWorkingSet = 0;
    uint64_t privateBytes = 0;
};
Memory ProcessMemory();
// Top-level windows of this process, visible or not.
int TopLevelWindowCount();

// Names, sizes and write times of everything below the folder, sorted.
std::string FolderSnapshot(const std::string& folder);

constexpr uint64_t kMemoryCeiling = 1ull << 30;
// How much private memory may grow from the first tenth of a loop to its end.
constexpr uint64_t kGrowthSlack = 96ull << 20;

}  // namespace robustness
