#include "viewer/Program.h"

#include "ui/Application.h"
#include "viewer/MainForm.h"

namespace viewer {

int RunViewer() {
    auto& app = ui::Application::Instance();
    app.SetTitle("ロカビナ");
    TForm1 form(ui::ModulePath());
    return app.Run(form.Handle());
}

}  // namespace viewer
