#include "designer/AboutBox.h"

#include "base/ProductInfo.h"

namespace designer {

TAboutBox::TAboutBox(HWND owner)
    : AboutBox(owner, {"アプリケーション名：ロカビナデザイナー", base::kVersionText, base::kCreditText, base::kReleaseText},
               {{290, 170}, {273, 129}, {257, 113}, {183, 80, 58, 25}, 16, {208, 32}}) {}

}  // namespace designer
