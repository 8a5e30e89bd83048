// What the viewer says about itself, kept in one place.
#pragma once

#include "generated/Version.h"

namespace viewer {

inline constexpr char kVersionText[] = "バージョン番号：" ROKABINA_VERSION;
inline constexpr char kCreditText[] = "Copyright (C) 2026 Rokabina Project";
inline constexpr char kReleaseText[] = "公開日：2026年12月8日";
// Where a viewer that meets an action it does not know sends the user.
inline constexpr char kHomePageUrl[] = "https://www.example.com/rokabina/";

}  // namespace viewer
