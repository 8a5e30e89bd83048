// A failure whose text is shown to the user as it stands. The text is
// UTF-16, so that a name in it that code page 932 lacks shows whole.
#pragma once
#include <stdexcept>
#include <string>

namespace base {

class ShownError : public std::runtime_error {
public:
    explicit ShownError(std::wstring text);
    // what() holds the same text in code page 932, for logs and tests.
    const std::wstring& Text() const { return text_; }

private:
    std::wstring text_;
};

}  // namespace base
