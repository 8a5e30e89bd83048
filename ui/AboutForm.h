// A version dialog: a panel holding the program's icon, a few labels and a
// close button that is the default. Created for each request, shown modally.
#pragma once
#include <span>

#include "ui/Form.h"

namespace ui {

class AboutForm : public Form {
protected:
    // Creates the dialog over owner with its controls, among them "OKButton"
    // and the picture pane "ProgramIcon", which shows the program's icon
    // (resource 1). The client area gets the size given; the dialog is
    // centred on the screen.
    template <class F>
    void Build(F& self, const FormSpec& design, HWND owner, std::span<const ControlDecl<F>> controls, SIZE client) {
        CreateForm(design, owner);
        CreateControls(self, controls, Font());
        Finish(client);
    }

private:
    void Finish(SIZE client);
};

}  // namespace ui
