#include "designer/LayoutFile.h"

#include <algorithm>
#include <stdexcept>
#include <string>
#include <variant>

#include "base/CodePage.h"
#include "layout/LayoutKeys.h"
#include "layout/ProfileFile.h"
#include "layout/WholeFileWrite.h"

namespace designer {
namespace {

using namespace layout;

constexpr char kAllExtensions[] = ".*";

// Where a key's value lives in the layout.
using Field = std::variant<bool*, int32_t*, std::wstring*>;

ElementValues& ElementOfKey(LayoutValues& layout, std::string_view key) {
    for (size_t i = 0; i < kElementCount; ++i)
        if (key == Elements()[i].key) return layout.elements[i];
    throw std::logic_error("no element has the key " + std::string(key));
}

Field UntypedFieldOf(LayoutValues& layout, std::string_view section, std::string_view key) {
    if (section == kEnable && key == kNotSizeChange) return &layout.noResize;
    if (section == kScrollBar && key == kListBox1) return &layout.scrollFactor;
    if (key == kForm) {
        if (section == kCaption) return &layout.title;
        if (section == kWidth) return &layout.width;
        if (section == kHeight) return &layout.height;
    } else {
        ElementValues& element = ElementOfKey(layout, key);
        if (section == kEnable) return &element.shown;
        if (section == kCaption) return &element.caption;
        if (section == kFunction) return &element.function;
        if (section == kFile) return &element.picture;
        if (section == kWidth) return &element.place.width;
        if (section == kHeight) return &element.place.height;
        if (section == kLeft) return &element.place.left;
        if (section == kTop) return &element.place.top;
    }
    throw std::logic_error("no value for the key " + std::string(key) + " of " + std::string(section));
}

// The value of a key of the table, which must be of the kind the table gives it.
Field FieldOf(LayoutValues& layout, const LayoutKey& k) {
    Field field = UntypedFieldOf(layout, k.section, k.key);
    const size_t kind = k.kind == ValueKind::Flag ? 0 : k.kind == ValueKind::Integer ? 1 : 2;  // as Field lists them
    if (field.index() != kind) throw std::logic_error("the value of " + std::string(k.key) + " is of another kind");
    return field;
}

// Every key of the table has a value of its kind, or the program stops as it starts.
[[maybe_unused]] const bool kEveryKeyHasItsValue = [] {
    LayoutValues probe;
    for (const LayoutKey& k : LayoutKeys()) FieldOf(probe, k);
    return true;
}();

std::string TextOf(const LayoutKey& k, const Field& field) {
    switch (k.kind) {
    case ValueKind::Flag: return *std::get<bool*>(field) ? "1" : "0";
    case ValueKind::Integer: return std::to_string(*std::get<int32_t*>(field));
    case ValueKind::Text: break;
    }
    return LayoutValueText(*std::get<std::wstring*>(field));
}

}  // namespace

std::vector<KeyText> LayoutKeyTexts(const LayoutValues& values) {
    LayoutValues layout = values;  // fields are taken by pointer
    std::vector<KeyText> texts;
    for (const LayoutKey& k : LayoutKeys()) texts.push_back({k.section, k.key, TextOf(k, FieldOf(layout, k))});
    // Only count and the keys up to it are written: readers go by count, and
    // older ex keys beyond it stay as the file had them.
    if (layout.allExtensions) {
        texts.push_back({kExtension, kCount, "1"});
        texts.push_back({kExtension, ExtensionKey(1), kAllExtensions});
    } else {
        texts.push_back({kExtension, kCount, std::to_string(layout.extensions.size())});
        for (size_t k = 1; k <= layout.extensions.size(); ++k)
            texts.push_back({kExtension, ExtensionKey(int(k)), LayoutValueText(layout.extensions[k - 1])});
    }
    return texts;
}

void WriteLayoutFile(const LayoutValues& values, const base::Path& path) {
    // Every value is taken first, so that a text the file cannot hold is
    // refused before the file is touched.
    WriteWholeFile(path, LayoutKeyTexts(values));
}

LayoutValues ReadLayoutFile(const base::Path& path, LayoutValues layout) {
    ProfileFile file(path);
    for (const LayoutKey& k : LayoutKeys()) {
        const Field field = FieldOf(layout, k);
        switch (k.kind) {
        case ValueKind::Flag: *std::get<bool*>(field) = file.ReadBool(k.section, k.key, k.openInt != 0); break;
        case ValueKind::Integer: *std::get<int32_t*>(field) = file.ReadInteger(k.section, k.key, k.openInt); break;
        case ValueKind::Text:
            *std::get<std::wstring*>(field) = base::ToWide(file.ReadString(k.section, k.key, k.openText));
            break;
        }
    }
    layout.scrollFactor = std::clamp(layout.scrollFactor, kMinScrollFactor, kMaxScrollFactor);
    for (ElementValues& element : layout.elements)
        if (element.function < 0 || element.function >= int32_t(std::size(kFunctionEntries))) element.function = -1;
    // The file's extensions replace the list, so that they are what the next save writes.
    layout.extensions.clear();
    const int32_t count = std::min(file.ReadInteger(kExtension, kCount, 0), kMaxExtensions);
    for (int32_t k = 1; k <= count; ++k)
        layout.extensions.push_back(base::ToWide(file.ReadString(kExtension, ExtensionKey(k).c_str(), "")));
    return layout;
}

}  // namespace designer
