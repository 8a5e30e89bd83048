// A profile file's text, read and written by the rules of the platform's
// profile functions (those of Wine 8, measured), without them: so that the
// layout file is read and written as code page 932 text on every PC, not in
// whatever code page the PC runs.
//
// The text is UTF-16, decoded from the file's bytes by its byte-order mark,
// or as code page 932 without one. Lines end at any run of CR and LF; blanks
// (space, tab, vertical tab, form feed, CR and ^Z) around a line, a name or a
// value do not count. A section runs from its "[name]" line (the name up to
// the line's last "]") to the next section line; a line that starts with "["
// but has no "]" is a key line. A key line is name=value; a line without "="
// is a key without a value, which reads as missing. Names match without
// regard to ASCII letter case; only the first section of a name counts, and
// in it the first key of a name. Lines before the first section line belong
// to a section without a name, which no lookup finds.
//
// Written back, the file holds its sections and keys without blank lines or
// blanks, each line ending in CR LF; a key line with an empty name that
// follows another such key line is dropped, as is the header of a section
// with an empty name. A write that changes no value leaves the file as it is.
#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace layout {

enum class ProfileEncoding { ShiftJis, Utf8, Utf16LE, Utf16BE };

// The encoding a file's byte-order mark gives (code page 932 without one), and
// how many bytes the mark takes.
struct ByteOrderMark {
    ProfileEncoding encoding;
    size_t size;
};
ByteOrderMark ByteOrderMarkOf(std::string_view bytes);
// The mark that begins a file in that encoding ("" for code page 932).
std::string_view ByteOrderMarkFor(ProfileEncoding encoding);

// One line that counts: a section line with its name, or a key line with its
// name and value (none without "="), each without the blanks around it and
// up to a NUL, as the platform's strings end there.
struct ProfileLine {
    bool isSection;
    std::u16string_view name;
    std::optional<std::u16string_view> value;
    bool rawNameEmpty;  // nothing, not even a NUL, before the "="
};
// The next line that counts, taken off the front of the text.
std::optional<ProfileLine> NextLine(std::u16string_view& text);

// The stored value of the key: nothing when the section, the key or its "="
// is missing. Names are bare ASCII. Reads the text only as far as it must.
std::optional<std::u16string_view> FindValue(std::u16string_view text, std::u16string_view section,
                                             std::u16string_view key);

// The file as sections and keys, for a write.
class ProfileDocument {
public:
    explicit ProfileDocument(std::u16string_view text = {});
    // Sets the key's value (without the blanks before it), adding the key at
    // the end of its section or the section at the end of the file. False
    // when the key already held that value: nothing need be written.
    bool Set(std::u16string_view section, std::u16string_view key, std::u16string_view value);
    // The text as written back.
    std::u16string Text() const;

private:
    struct Key {
        std::u16string name;
        std::optional<std::u16string> value;
    };
    struct Section {
        std::u16string name;
        std::vector<Key> keys;
    };
    Section* Find(std::u16string_view name);
    const Section* Find(std::u16string_view name) const;

    std::vector<Section> sections_;  // the first is the nameless one
};

// What a read gives for a stored value (or a default): a value in matching
// quotes (" or ') without them, at most maxUnits UTF-16 units.
std::u16string ReadableValue(std::u16string_view stored, size_t maxUnits);

}  // namespace layout
