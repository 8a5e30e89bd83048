#include "layout/ProfileText.h"

namespace layout {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }

std::string_view Trimmed(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

}  // namespace

std::string_view StoredValue(std::string_view value) {
    while (!value.empty() && IsBlank(value.front())) value.remove_prefix(1);
    return value;
}

std::optional<std::string> ProfileValue(std::string_view text, std::string_view section, std::string_view key) {
    enum { Before, Inside, After } where = Before;
    while (!text.empty()) {
        const size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        const std::string_view bare = Trimmed(line);
        if (!bare.empty() && bare.front() == '[') {
            const size_t close = bare.find(']');
            const bool ours = close != std::string_view::npos && SameName(Trimmed(bare.substr(1, close - 1)), section);
            if (where == Inside) where = After;  // the first section of the name counts
            if (ours && where == Before) where = Inside;
            continue;
        }
        const size_t equals = line.find('=');
        if (where == Inside && equals != std::string_view::npos && SameName(Trimmed(line.substr(0, equals)), key))
            return std::string(line.substr(equals + 1));
    }
    return std::nullopt;
}

}  // namespace layout
