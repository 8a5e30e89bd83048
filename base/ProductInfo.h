// What both programs say about themselves in their version dialogs, kept in one place.
#pragma once

#include "generated/Version.h"

namespace base {

inline constexpr char kVersionText[] = "バージョン番号：" ROKABINA_VERSION;
inline constexpr char kCreditText[] = "Copyright (C) 2026 Rokabina Project";
inline constexpr char kReleaseText[] = "公開日：2026年12月8日";

}  // namespace base
