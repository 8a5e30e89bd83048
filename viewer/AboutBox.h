// The viewer's version dialog, created afresh for each request.
#pragma once
#include "ui/Form.h"

namespace viewer {

class TAboutBox : public ui::Form {
public:
    explicit TAboutBox(HWND owner);
    void OKButtonClick();
};

}  // namespace viewer
