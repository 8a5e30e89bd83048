#include "designer/Program.h"

#include "base/Files.h"
#include "designer/MainForm.h"
#include "ui/Application.h"

namespace designer {

int RunDesigner() {
    auto& app = ui::Application::Instance();
    app.SetTitle("ロカビナデザイナー");
    TForm1 form(base::ModulePath());
    return app.Run(form.Handle());
}

}  // namespace designer
