// The layout file's text rules, each input byte one UTF-16 unit: after the
// platform's clean-ups have run twice (nameless sections, a second nameless
// key line, names cut at a NUL) a write-back changes nothing, and then a
// written key reads back its value.
#include <cstdint>
#include <string>

#include "fuzz/Invariant.h"
#include "layout/ProfileText.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    auto written = [](std::u16string_view text) { return layout::ProfileDocument(text).Text(); };
    const std::u16string text = written(written(std::u16string(data, data + size)));
    INVARIANT(written(text) == text);
    // A name the text holds, in another letter case, or a layout key's.
    std::u16string_view rest = text;
    const auto first = layout::NextLine(rest);
    std::u16string name = first && !first->name.empty() && first->name.find_first_of(u"=[]") == std::u16string::npos
                              ? std::u16string(first->name) : u"Form";
    for (char16_t& c : name) c = c >= u'a' && c <= u'z' ? char16_t(c - 32) : c;
    const std::u16string value = u"v" + std::u16string(1, char16_t(u'a' + size % 26));
    layout::ProfileDocument document(text);
    document.Set(name, name, value);
    INVARIANT(layout::FindValue(document.Text(), name, name) == std::u16string_view(value));
    return 0;
}
