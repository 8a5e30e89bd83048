#include "layout/LayoutKeys.h"

#include <stdexcept>

#include "layout/ProfileFile.h"

namespace layout {
namespace {

constexpr LayoutKey Flag(const char* section, const char* key, bool on) {
    return {section, key, ValueKind::Flag, on ? 1 : 0, "", on ? 1 : 0, ""};
}

constexpr LayoutKey Integer(const char* section, const char* key, int32_t viewer, int32_t open) {
    return {section, key, ValueKind::Integer, viewer, "", open, ""};
}

constexpr LayoutKey Integer(const char* section, const char* key, int32_t both) {
    return Integer(section, key, both, both);
}

constexpr LayoutKey Text(const char* section, const char* key, const char* viewer, const char* open) {
    return {section, key, ValueKind::Text, 0, viewer, 0, open};
}

constexpr LayoutKey Text(const char* section, const char* key, const char* both) {
    return Text(section, key, both, both);
}

constexpr char kButton1Caption[] = "ボタン1";
constexpr char kButton2Caption[] = "ボタン2";
constexpr char kChooserPrompt[] = "フォルダを選択してください";

constexpr LayoutElement kElements[] = {
    {"Image1", kImage1, base::ElementKind::Picture, true, {0, 0, 177, 73}, "", "image1.jpg"},
    {"Image2", kImage2, base::ElementKind::Picture, true, {0, 188, 177, 50}, "", "image2.jpg"},
    {"Button1", kButton1, base::ElementKind::Button, true, {0, 240, 89, 25}, kButton1Caption, ""},
    {"Button2", kButton2, base::ElementKind::Button, true, {88, 240, 89, 25}, kButton2Caption, ""},
    {"ListBox1", kListBox1, base::ElementKind::ListBox, true, {0, 90, 177, 97}, "", ""},
    {"ComboBox1", kComboBox1, base::ElementKind::ComboBox, false, {0, 72, 177, 20}, kChooserPrompt, ""},
};
static_assert(std::size(kElements) == kElementCount);

// In the key table, a key no element has stops the build.
constexpr const LayoutElement& ElementOf(std::string_view key) {
    for (const LayoutElement& element : kElements)
        if (key == element.key) return element;
    throw std::logic_error("no element has that key");
}

// An element's place keys default to its start-up place.
constexpr LayoutKey Left(const char* key) { return Integer(kLeft, key, ElementOf(key).startUp.left); }
constexpr LayoutKey Top(const char* key) { return Integer(kTop, key, ElementOf(key).startUp.top); }
constexpr LayoutKey Width(const char* key) { return Integer(kWidth, key, ElementOf(key).startUp.width); }
constexpr LayoutKey Height(const char* key) {
    if (!ElementOf(key).hasHeight) throw std::logic_error("that element has no height");
    return Integer(kHeight, key, ElementOf(key).startUp.height);
}

constexpr LayoutKey kKeys[] = {
    Flag(kEnable, kImage1, true),
    Flag(kEnable, kImage2, true),
    Flag(kEnable, kButton1, true),
    Flag(kEnable, kButton2, true),
    Flag(kEnable, kComboBox1, true),
    Flag(kEnable, kListBox1, true),
    Flag(kEnable, kNotSizeChange, true),

    Text(kCaption, kButton1, kButton1Caption),
    Text(kCaption, kButton2, kButton2Caption),
    Text(kCaption, kForm, "ロカビナ", ""),  // the designer opens with an empty title
    Text(kCaption, kComboBox1, kChooserPrompt),

    Integer(kFunction, kButton1, -1, 0),  // -1: no action; Open picks the first action
    Integer(kFunction, kButton2, -1, 1),

    Text(kFile, kImage1, ""),
    Text(kFile, kImage2, ""),

    Width(kImage1),
    Width(kImage2),
    Width(kButton1),
    Width(kButton2),
    Width(kListBox1),
    Width(kComboBox1),
    Integer(kWidth, kForm, kDefaultWindowWidth),

    Height(kImage1),
    Height(kImage2),
    Height(kButton1),
    Height(kButton2),
    Integer(kHeight, kListBox1, 19),  // not its start-up height: a list without the key is one row high
    Integer(kHeight, kForm, kDefaultWindowHeight),

    Left(kImage1),
    Left(kImage2),
    Left(kButton1),
    Left(kButton2),
    Left(kListBox1),
    Left(kComboBox1),

    Top(kImage1),
    Top(kImage2),
    Top(kButton1),
    Top(kButton2),
    Top(kListBox1),
    Top(kComboBox1),

    Integer(kScrollBar, kListBox1, 1),
};


const LayoutKey& FindKeyOfKind(std::string_view section, std::string_view key, ValueKind kind) {
    const LayoutKey& found = FindLayoutKey(section, key);
    if (found.kind != kind)
        throw std::logic_error("layout key " + std::string(section) + "/" + std::string(key) +
                               " read as the wrong kind");
    return found;
}

}  // namespace

std::string ExtensionKey(int index) { return "ex" + std::to_string(index); }

std::span<const LayoutKey> LayoutKeys() { return kKeys; }

std::span<const LayoutElement> LayoutElements() { return kElements; }

const LayoutElement& LayoutElementOf(std::string_view key) { return ElementOf(key); }

const LayoutKey& FindLayoutKey(std::string_view section, std::string_view key) {
    for (const LayoutKey& entry : kKeys)
        if (entry.section == section && entry.key == key) return entry;
    throw std::logic_error("unknown layout key " + std::string(section) + "/" + std::string(key));
}

int32_t ReadViewerInteger(const ProfileFile& file, const char* section, const char* key) {
    return file.ReadInteger(section, key, FindKeyOfKind(section, key, ValueKind::Integer).viewerInt);
}

bool ReadViewerFlag(const ProfileFile& file, const char* section, const char* key) {
    return file.ReadBool(section, key, FindKeyOfKind(section, key, ValueKind::Flag).viewerInt != 0);
}

std::string ReadViewerText(const ProfileFile& file, const char* section, const char* key) {
    return file.ReadString(section, key, FindKeyOfKind(section, key, ValueKind::Text).viewerText);
}

}  // namespace layout
