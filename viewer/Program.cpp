#include "viewer/Program.h"

#include "base/Files.h"
#include "ui/Application.h"
#include "ui/Dpi.h"
#include "ui/Shell.h"
#include "viewer/AboutBox.h"
#include "viewer/MainForm.h"

namespace viewer {

int RunViewer() {
    ui::DeclarePerMonitorAware();
    ui::ComApartment com;  // before any shell request
    auto& app = ui::Application::Instance();
    app.SetTitle("ロカビナ");
    TForm1 form(base::ModulePath());
    TAboutBox aboutBox(form.Handle());  // hidden; each request shows a fresh one
    return app.Run(form.Handle());
}

}  // namespace viewer
