// The viewer's version dialog, created afresh for each request.
#pragma once
#include "ui/AboutForm.h"

namespace viewer {

class TAboutBox : public ui::AboutForm {
public:
    explicit TAboutBox(HWND owner);
    void OKButtonClick();
};

}  // namespace viewer
