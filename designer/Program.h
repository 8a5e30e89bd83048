// The designer's program body, apart from the entry point.
#pragma once

namespace designer {

int RunDesigner();

}  // namespace designer
