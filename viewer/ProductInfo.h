// What the viewer says about itself beyond its version dialog.
#pragma once

namespace viewer {

// Where a viewer that meets an action it does not know sends the user.
inline constexpr char kHomePageUrl[] = "https://www.example.com/rokabina/";

}  // namespace viewer
