// The designer's version dialog: created for each request, shown modally.
#pragma once
#include "ui/AboutForm.h"

namespace designer {

class TAboutBox : public ui::AboutForm {
public:
    explicit TAboutBox(HWND owner);
    void OKButtonClick();
};

}  // namespace designer
