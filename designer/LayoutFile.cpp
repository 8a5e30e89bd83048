#include "designer/LayoutFile.h"

#include <algorithm>
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

Field FieldOf(LayoutValues& layout, const LayoutKey& k) {
    const std::string_view section = k.section, key = k.key;
    if (key == kNotSizeChange) return &layout.noResize;
    if (section == kScrollBar) return &layout.scrollFactor;
    if (key == kForm) {
        if (section == kCaption) return &layout.title;
        return section == kWidth ? &layout.width : &layout.height;
    }
    ElementValues& element = ElementOfKey(layout, key);
    if (section == kEnable) return &element.shown;
    if (section == kCaption) return &element.caption;
    if (section == kFunction) return &element.function;
    if (section == kFile) return &element.picture;
    if (section == kWidth) return &element.place.width;
    if (section == kHeight) return &element.place.height;
    if (section == kLeft) return &element.place.left;
    return &element.place.top;
}

std::string TextOf(const Field& field) {
    if (auto* flag = std::get_if<bool*>(&field)) return **flag ? "1" : "0";
    if (auto* number = std::get_if<int32_t*>(&field)) return std::to_string(**number);
    return LayoutValueText(*std::get<std::wstring*>(field));
}

}  // namespace

std::vector<KeyText> LayoutKeyTexts(const LayoutValues& values) {
    LayoutValues layout = values;  // fields are taken by pointer
    std::vector<KeyText> texts;
    for (const LayoutKey& k : LayoutKeys()) texts.push_back({k.section, k.key, TextOf(FieldOf(layout, k))});
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
        if (auto* flag = std::get_if<bool*>(&field))
            **flag = file.ReadBool(k.section, k.key, k.openInt != 0);
        else if (auto* number = std::get_if<int32_t*>(&field))
            **number = file.ReadInteger(k.section, k.key, k.openInt);
        else
            *std::get<std::wstring*>(field) = base::ToWide(file.ReadString(k.section, k.key, k.openText));
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
