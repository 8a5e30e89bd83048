// The keys of the layout file, as one table in file order: the designer saves
// in this order, and every reader takes its defaults from here, so that each
// section, key and default is spelled once.
#pragma once
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "base/ElementKind.h"

namespace layout {

class ProfileFile;

// Sections.
inline constexpr char kEnable[] = "Enable";
inline constexpr char kCaption[] = "Caption";
inline constexpr char kFunction[] = "function";
inline constexpr char kFile[] = "File";
inline constexpr char kWidth[] = "Width";
inline constexpr char kHeight[] = "Height";
inline constexpr char kLeft[] = "Left";
inline constexpr char kTop[] = "Top";
inline constexpr char kScrollBar[] = "ScrollBar";
inline constexpr char kExtension[] = "extension";

// Keys: the viewer's element names, plus the few keys of their own.
inline constexpr char kImage1[] = "image1";
inline constexpr char kImage2[] = "image2";
inline constexpr char kButton1[] = "Button1";
inline constexpr char kButton2[] = "Button2";
inline constexpr char kComboBox1[] = "ComboBox1";
inline constexpr char kListBox1[] = "ListBox1";
inline constexpr char kForm[] = "Form";
inline constexpr char kNotSizeChange[] = "not_sizechange";
inline constexpr char kCount[] = "count";  // in kExtension

// The key of the index-th registered extension in kExtension: "ex1", "ex10".
std::string ExtensionKey(int index);

// Readers take at most this many registered extensions. The count comes from
// a hand-editable file, and each entry costs a read (and the viewer a folder
// listing): a count near 2^31 would keep a program busy for hours.
inline constexpr int32_t kMaxExtensions = 1024;

// The viewer window's client area where the layout gives none, in 96-dpi pixels.
inline constexpr int32_t kDefaultWindowWidth = 177, kDefaultWindowHeight = 265;

// A place and size in the viewer window, in 96-dpi pixels.
struct Place {
    int left = 0, top = 0, width = 0, height = 0;
};

// The six elements of the viewer window, in the file's order of sizes: the
// control each is, by name, and its key in every section. The folder
// chooser's height is its font's: it has no height of its own, and no key.
struct LayoutElement {
    const char* name;
    const char* key;
    base::ElementKind kind;
    bool hasHeight;
    Place startUp;        // where the window shows it before the layout is applied
    const char* caption;  // its caption where the layout gives none ("" for those without)
    const char* newPicture;  // the picture file a new layout names ("" for the other kinds)
};
inline constexpr size_t kElementCount = 6;
std::span<const LayoutElement> LayoutElements();
// Throws std::logic_error for a key no element has.
const LayoutElement& LayoutElementOf(std::string_view key);

enum class ValueKind { Flag, Integer, Text };

// Flags hold 1 or 0 in the integer fields. The text fields are never null
// ("" for flags and integers); the integer fields are 0 for texts.
struct LayoutKey {
    const char* section;
    const char* key;
    ValueKind kind;
    int32_t viewerInt;       // the viewer's start-up default
    const char* viewerText;
    int32_t openInt;         // the designer's Open default
    const char* openText;
};

// The 41 keys outside kExtension, in file order.
std::span<const LayoutKey> LayoutKeys();
// Throws std::logic_error for a pair that is not in the table.
const LayoutKey& FindLayoutKey(std::string_view section, std::string_view key);

// Reads with the viewer's default of the table. Throw std::logic_error for a
// pair that is not in the table or is of another kind.
int32_t ReadViewerInteger(const ProfileFile& file, const char* section, const char* key);
bool ReadViewerFlag(const ProfileFile& file, const char* section, const char* key);
std::string ReadViewerText(const ProfileFile& file, const char* section, const char* key);

}  // namespace layout
