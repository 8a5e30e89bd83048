// The designer's version dialog: created for each request, shown modally.
#pragma once
#include "ui/AboutBox.h"

namespace designer {

class TAboutBox : public ui::AboutBox {
public:
    explicit TAboutBox(HWND owner);
};

}  // namespace designer
