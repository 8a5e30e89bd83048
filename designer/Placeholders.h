// The two pictures the preview shows before any picture is loaded, kept as
// JPEG resources of the program and decoded like any picture file.
#pragma once
#include "ui/Graphic.h"

namespace designer {

enum class Placeholder { Header, Footer };

// Throws picture::PictureError when the resource is missing or damaged.
ui::Graphic LoadPlaceholder(Placeholder which);

}  // namespace designer
