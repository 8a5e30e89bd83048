#include "core/BenchOptions.h"

#include <charconv>
#include <stdexcept>

#include "core/PreviewChanges.h"

namespace bench {
namespace {

int WholeNumber(const std::string& word, int lowest, int highest) {
    int value = 0;
    const char* end = word.data() + word.size();
    auto [stop, error] = std::from_chars(word.data(), end, value);
    if (error != std::errc() || stop != end || value < lowest || value > highest)
        throw std::invalid_argument("not a number from " + std::to_string(lowest) + " to " +
                                    std::to_string(highest) + ": " + word);
    return value;
}

}  // namespace

ViewerBenchOptions ParseViewerBenchOptions(const std::vector<std::string>& words) {
    ViewerBenchOptions options;
    for (size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        auto value = [&]() -> const std::string& {
            if (i + 1 >= words.size()) throw std::invalid_argument("missing value after " + word);
            return words[++i];
        };
        if (word == "--runs") {
            options.runs = WholeNumber(value(), 1, 1000);
        } else if (word == "--warmups") {
            options.warmups = WholeNumber(value(), 0, 100);
        } else if (word == "--refills") {
            options.refills = WholeNumber(value(), 0, 1000);
        } else if (word == "--stop-at") {
            options.stopAtMs = WholeNumber(value(), 0, 600000);
        } else if (word == "--timeout") {
            options.timeoutMs = DWORD(WholeNumber(value(), 1, 3600)) * 1000;
        } else if (word == "--ext") {
            options.extension = value();
        } else if (word == "--floor") {
            options.floorExe = value();
        } else if (word.starts_with("--")) {
            throw std::invalid_argument("unknown option " + word);
        } else {
            const size_t equals = word.find('=');
            if (equals == std::string::npos || equals == 0 || equals + 1 == word.size())
                throw std::invalid_argument("a tree is label=folder: " + word);
            options.trees.push_back({word.substr(0, equals), word.substr(equals + 1)});
        }
    }
    if (options.floorExe.empty()) throw std::invalid_argument("--floor <Floor.exe> is missing");
    if (options.trees.empty()) throw std::invalid_argument("no tree given (label=folder)");
    return options;
}

DesignerBenchOptions ParseDesignerBenchOptions(const std::vector<std::string>& words) {
    DesignerBenchOptions options;
    for (size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (word != "--changes" && word != "--warmups" && word != "--rounds" && word != "--only")
            throw std::invalid_argument("unknown option " + word);
        if (i + 1 >= words.size()) throw std::invalid_argument("missing value after " + word);
        const std::string& value = words[++i];
        if (word == "--changes") {
            options.changes = WholeNumber(value, 1, 1000000);
        } else if (word == "--warmups") {
            options.warmups = WholeNumber(value, 0, 10000);
        } else if (word == "--rounds") {
            options.rounds = WholeNumber(value, 1, 100);
        } else {
            if (!FindPreviewChange(value)) throw std::invalid_argument("no change named " + value);
            options.only.push_back(value);
        }
    }
    if (options.rounds > options.changes) throw std::invalid_argument("more rounds than changes");
    return options;
}

}  // namespace bench
