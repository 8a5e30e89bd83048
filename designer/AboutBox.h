// The designer's version dialog: created for each request, shown modally.
#pragma once
#include "ui/Form.h"

namespace designer {

class TAboutBox : public ui::Form {
public:
    explicit TAboutBox(HWND owner);
    void OKButtonClick();
};

}  // namespace designer
