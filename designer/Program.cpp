#include "designer/Program.h"

#include "base/Files.h"
#include "designer/MainForm.h"
#include "ui/Application.h"
#include "ui/Dpi.h"
#include "ui/Shell.h"

namespace designer {

int RunDesigner() {
    ui::DeclarePerMonitorAware();
    ui::ComApartment com;  // before any shell request
    auto& app = ui::Application::Instance();
    app.SetTitle("ロカビナデザイナー");
    TForm1 form(base::ModulePath());
    return app.Run(form.Handle());
}

}  // namespace designer
