#include "viewer/AboutBox.h"

#include "base/ProductInfo.h"

namespace viewer {

TAboutBox::TAboutBox(HWND owner)
    : AboutBox(owner, {"アプリケーション名：ロカビナ", base::kVersionText, base::kCreditText, base::kReleaseText},
               {{240, 160}, {226, 121}, {209, 105}, {144, 72, 49, 21}, 8, {152, 24}}) {}

}  // namespace viewer
