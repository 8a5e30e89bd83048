#include "designer/Program.h"

#include <windows.h>

#include <shellapi.h>

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
    // A layout file named on the command line opens as 開く opens it: one
    // dragged onto the designer's icon, or opened with it from Explorer.
    int count = 0;
    if (LPWSTR* args = CommandLineToArgvW(GetCommandLineW(), &count)) {
        const base::Path name = count > 1 ? args[1] : L"";
        LocalFree(args);
        if (!name.empty()) app.RunHandler([&] { form.OpenLayout(base::FullPathName(name)); });
    }
    return app.Run(form.Handle());
}

}  // namespace designer
