#include "layout/ProfileText.h"

namespace layout {
namespace {

using View = std::u16string_view;

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t' || c == u'\v' || c == u'\f' || c == u'\r' || c == 0x1A; }
bool IsLineEnd(char16_t c) { return c == u'\r' || c == u'\n'; }

View Trimmed(View s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

// Names and values end at a NUL, as the platform's strings do.
View UpToNul(View s) { return s.substr(0, s.find(u'\0')); }

char16_t AsciiLower(char16_t c) { return c >= u'A' && c <= u'Z' ? char16_t(c - u'A' + u'a') : c; }

bool SameName(View a, View b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
    return true;
}

}  // namespace

ByteOrderMark ByteOrderMarkOf(std::string_view bytes) {
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") return {ProfileEncoding::Utf8, 3};
    if (bytes.substr(0, 2) == "\xFF\xFE") return {ProfileEncoding::Utf16LE, 2};
    if (bytes.substr(0, 2) == "\xFE\xFF") return {ProfileEncoding::Utf16BE, 2};
    return {ProfileEncoding::ShiftJis, 0};
}

std::string_view ByteOrderMarkFor(ProfileEncoding encoding) {
    switch (encoding) {
    case ProfileEncoding::Utf8: return "\xEF\xBB\xBF";
    case ProfileEncoding::Utf16LE: return "\xFF\xFE";
    case ProfileEncoding::Utf16BE: return "\xFE\xFF";
    case ProfileEncoding::ShiftJis: break;
    }
    return {};
}

std::optional<ProfileLine> NextLine(View& text) {
    while (!text.empty()) {
        size_t end = 0;
        while (end < text.size() && !IsLineEnd(text[end])) ++end;
        const View line = Trimmed(text.substr(0, end));
        while (end < text.size() && IsLineEnd(text[end])) ++end;
        text.remove_prefix(end);
        if (line.empty()) continue;
        if (line.front() == u'[') {
            const size_t close = line.rfind(u']');
            if (close != View::npos) return ProfileLine{true, UpToNul(Trimmed(line.substr(1, close - 1))), {}, false};
        }
        const size_t equals = line.find(u'=');
        if (equals == View::npos) return ProfileLine{false, UpToNul(line), std::nullopt, line.empty()};
        const View name = Trimmed(line.substr(0, equals));
        return ProfileLine{false, UpToNul(name), UpToNul(Trimmed(line.substr(equals + 1))), name.empty()};
    }
    return std::nullopt;
}

std::optional<View> FindValue(View text, View section, View key) {
    bool inside = false;
    while (const std::optional<ProfileLine> line = NextLine(text)) {
        if (line->isSection) {
            if (inside) return std::nullopt;  // only the first section of the name counts
            inside = !line->name.empty() && SameName(line->name, section);
        } else if (inside && SameName(line->name, key)) {
            return line->value;
        }
    }
    return std::nullopt;
}

ProfileDocument::ProfileDocument(View text) : sections_(1) {
    bool afterNameless = false;  // the last key line taken had no name
    while (const std::optional<ProfileLine> line = NextLine(text)) {
        if (line->isSection) {
            sections_.push_back({std::u16string(line->name), {}});
            afterNameless = false;
        } else if (!line->rawNameEmpty || !afterNameless) {
            // A second key line in a row without a name adds nothing.
            sections_.back().keys.push_back(
                {std::u16string(line->name), line->value ? std::optional<std::u16string>(*line->value) : std::nullopt});
            afterNameless = line->name.empty();
        }
    }
}

const ProfileDocument::Section* ProfileDocument::Find(View name) const {
    for (size_t i = 1; i < sections_.size(); ++i)
        if (!sections_[i].name.empty() && SameName(sections_[i].name, name)) return &sections_[i];
    return nullptr;
}

ProfileDocument::Section* ProfileDocument::Find(View name) {
    return const_cast<Section*>(static_cast<const ProfileDocument*>(this)->Find(name));
}

bool ProfileDocument::Set(View section, View key, View newValue) {
    while (!newValue.empty() && IsBlank(newValue.front())) newValue.remove_prefix(1);
    const std::u16string value(UpToNul(newValue));
    Section* found = Find(section);
    if (!found) {
        sections_.push_back({std::u16string(section), {}});
        found = &sections_.back();
    }
    for (Key& k : found->keys) {
        if (!SameName(k.name, key)) continue;
        if (k.value == value) return false;
        k.value = value;
        return true;
    }
    found->keys.push_back({std::u16string(key), value});
    return true;
}

std::u16string ProfileDocument::Text() const {
    std::u16string text;
    for (const Section& section : sections_) {
        if (!section.name.empty()) text += u"[" + section.name + u"]\r\n";
        for (const Key& k : section.keys) {
            text += k.name;
            if (k.value) text += u"=" + *k.value;
            text += u"\r\n";
        }
    }
    return text;
}

std::u16string ReadableValue(View stored, size_t maxUnits) {
    const bool quoted = stored.size() > 1 && (stored.front() == u'"' || stored.front() == u'\'') &&
                        stored.back() == stored.front();
    if (quoted) stored.remove_prefix(1);
    std::u16string value(stored.substr(0, maxUnits));
    // The closing quote goes, or the last unit where the cut took it away.
    if (quoted && stored.size() <= maxUnits + 1) value.pop_back();
    return value;
}

}  // namespace layout
