// The version dialog of both programs: a panel holding the program's icon,
// four lines of text and a close button that is the default. Each program
// gives its texts and the dialog's size. Created for each request, shown
// modally.
#pragma once
#include "ui/Form.h"

namespace ui {

struct AboutText {
    const char* product;  // the program's name, as its line reads
    const char* version;
    const char* credit;
    const char* release;
};

// The dialog's measures, in 96-dpi pixels: the panel lies at (8, 8) of the
// client area; the four lines and the icon at the panel's left and top.
struct AboutMeasures {
    SIZE window;    // the window as the form was designed
    SIZE client;    // the client area it is given
    SIZE panel;
    Bounds button;  // in the panel
    int firstLine;  // the product line's top in the panel; the others 24 apart
    POINT icon;     // the icon's top-left in the panel
};

class AboutBox : public Form {
public:
    // Over owner, centred on the screen; the icon is the program's (resource 1).
    AboutBox(HWND owner, const AboutText& text, const AboutMeasures& measures);
    void OKButtonClick();
};

}  // namespace ui
