// The layout file's text rules, each byte of the input one UTF-16 unit: a
// written text is written the same again once the platform's clean-ups have
// run twice (empty sections, nameless key lines, names cut at a NUL); in
// such a text a write reads back its value, and every other key reads the
// same after it.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz/Invariant.h"
#include "layout/ProfileText.h"

using layout::FindValue;
using layout::NextLine;
using layout::ProfileDocument;

namespace {

std::u16string Written(std::u16string_view text) { return ProfileDocument(text).Text(); }

// A name a layout could use: ASCII letters, digits and a few marks.
bool Usable(std::u16string_view name) {
    if (name.empty() || name.size() > 16) return false;
    for (char16_t c : name)
        if (c < u'!' || c > u'~' || c == u'=' || c == u'[' || c == u']' || c == u';') return false;
    return true;
}

// Names match without regard to ASCII case: one spelling of each.
std::u16string Lower(std::u16string_view name) {
    std::u16string lower(name);
    for (char16_t& c : lower)
        if (c >= u'A' && c <= u'Z') c = char16_t(c - u'A' + u'a');
    return lower;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::u16string text(data, data + size);
    const std::u16string once = Written(text);
    const std::u16string twice = Written(once);
    INVARIANT(Written(twice) == twice);

    std::vector<std::u16string> sections{u"s"}, keys{u"k"};
    std::u16string_view rest = twice;
    while (const auto line = NextLine(rest)) {
        if (Usable(line->name) && sections.size() + keys.size() < 32)
            (line->isSection ? sections : keys).push_back(Lower(line->name));
    }
    const std::u16string value = size ? std::u16string(1, char16_t(u'a' + data[0] % 26)) + u" v" : u"";
    ProfileDocument document(twice);
    document.Set(sections.back(), keys.back(), value);
    const std::u16string after = document.Text();
    INVARIANT(FindValue(after, sections.back(), keys.back()) == std::u16string_view(value));
    for (const std::u16string& section : sections)
        for (const std::u16string& key : keys)
            if (section != sections.back() || key != keys.back())
                INVARIANT(FindValue(after, section, key) == FindValue(twice, section, key));
    return 0;
}
