// A profile file's text read as the profile functions write it, without
// them: to check what reached the disk, not what a cache of the platform's
// holds. Lines end in CR LF or LF; a section runs from its "[name]" line to
// the next section line; a key line is key=value. The first section and the
// first key of a name count, names compared without regard to ASCII letter
// case and to blanks around them. The value is the text after the first
// "=", as it stands. Text in code page 932, whose trail bytes are never
// "=" or a line end.
#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace layout {

std::optional<std::string> ProfileValue(std::string_view text, std::string_view section, std::string_view key);

// The value as the profile functions store it: without the blanks before it.
std::string_view StoredValue(std::string_view value);

}  // namespace layout
