#include "viewer/Program.h"

#include "base/Files.h"
#include "ui/Application.h"
#include "ui/CommonControls.h"
#include "ui/Dpi.h"
#include "ui/Shell.h"
#include "viewer/AboutBox.h"
#include "viewer/MainForm.h"

namespace viewer {

int RunViewer() {
    ui::DeclarePerMonitorAware();
    const base::Path exePath = base::ModulePath();
    // The folders and pictures first: what follows takes a tenth of a second under Wine.
    StartupAhead ahead = StartAhead(exePath);
    ui::LoadCommonControls();
    ui::ComApartment com;  // before any shell request
    auto& app = ui::Application::Instance();
    app.SetTitle("ロカビナ");
    TForm1 form(exePath, std::move(ahead));
    TAboutBox aboutBox(form.Handle());  // hidden; each request shows a fresh one
    return app.Run(form.Handle());
}

}  // namespace viewer
