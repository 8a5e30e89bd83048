// The viewer's version dialog, created afresh for each request.
#pragma once
#include "ui/AboutBox.h"

namespace viewer {

class TAboutBox : public ui::AboutBox {
public:
    explicit TAboutBox(HWND owner);
};

}  // namespace viewer
