// Writes the robustness suite's seeds as the native fuzzers' seed corpora:
// one folder per fuzzer, one file per seed. The metafiles are recorded by GDI,
// so this runs under Wine before the fuzzers run natively.
//   fuzz_seeds OUTPUT_FOLDER
#include <windows.h>

#include <cstdio>
#include <string>

#include "robustness/Robustness.h"

namespace {

using Format = robustness::Mutator::Format;

const char* FuzzerOf(Format format) {
    switch (format) {
    case Format::Bitmap: return "bitmap";
    case Format::Icon: return "icon";
    case Format::Jpeg: return "jpeg";
    case Format::Png: return "png";
    case Format::Webp: return "webp";
    case Format::Gif: return "gif";
    default: return "metafile";
    }
}

bool Write(const std::string& folder, const std::string& fuzzer, const std::string& name, const std::string& bytes) {
    const std::string dir = folder + "\\" + fuzzer;
    CreateDirectoryA(dir.c_str(), nullptr);
    FILE* file = std::fopen((dir + "\\" + name).c_str(), "wb");
    if (!file) return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}

// The values of a layout's lines, and the names among them.
bool WriteValues(const std::string& folder, const std::string& layout, int& count) {
    size_t start = 0;
    while (start < layout.size()) {
        size_t end = layout.find('\n', start);
        if (end == std::string::npos) end = layout.size();
        std::string line = layout.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const size_t equals = line.find('=');
        if (equals != std::string::npos) {
            const std::string value = line.substr(equals + 1), name = "layout" + std::to_string(count++);
            if (!Write(folder, "profile_integer", name, value) || !Write(folder, "names", name, value)) return false;
        }
        start = end + 1;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: fuzz_seeds OUTPUT_FOLDER\n");
        return 2;
    }
    const std::string folder = argv[1];
    CreateDirectoryA(folder.c_str(), nullptr);
    bool written = true;
    for (const robustness::SeedPicture& seed : robustness::SeedPictures())
        written &= !seed.bytes.empty() && Write(folder, FuzzerOf(seed.format), seed.name, seed.bytes);
    int count = 0;
    for (const std::string& layout : robustness::BaseLayouts()) {
        written &= WriteValues(folder, layout, count);
        written &= Write(folder, "profile_text", "layout" + std::to_string(count++), layout);
    }
    for (const char* number : robustness::OddNumbers())
        written &= Write(folder, "profile_integer", "number" + std::to_string(count++), number);
    for (const char* name : robustness::OddPictureNames())
        written &= Write(folder, "names", "name" + std::to_string(count++), name);
    if (!written) std::fprintf(stderr, "fuzz_seeds: a seed is missing or cannot be written into %s\n", folder.c_str());
    return written ? 0 : 1;
}
