#include "base/ShownError.h"

#include "base/CodePage.h"

namespace base {

ShownError::ShownError(std::wstring text) : std::runtime_error(FromWide(text)), text_(std::move(text)) {}

}  // namespace base
