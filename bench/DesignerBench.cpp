// Measures how fast the designer's preview follows an edit, one kind of
// change after the other, each next to the floor program making the same
// change in the same run (PreviewFloor.exe, built beside this program), and
// prints the table (Markdown) on stdout; progress goes to stderr. See
// core/BenchOptions.h for the command line and core/PreviewChanges.h for the
// kinds of change.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <exception>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "base/CodePage.h"
#include "base/Files.h"
#include "base/Paths.h"
#include "core/BenchOptions.h"
#include "core/PreviewChanges.h"
#include "core/ResponseTiming.h"
#include "core/ResultTable.h"
#include "core/StartupProbe.h"
#include "designer/MainForm.h"
#include "ui/Application.h"
#include "ui/CommonControls.h"
#include "ui/Buttons.h"
#include "ui/Dpi.h"
#include "ui/PicturePane.h"

namespace {

using namespace bench;

constexpr DWORD kFloorTimeoutMs = 30 * 60 * 1000;

std::string TemporaryFile() {
    char folder[MAX_PATH] = {}, file[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, folder);
    GetTempFileNameA(folder, "flr", 0, file);
    return file;
}

// The floor's samples of one kind of change, from a process of its own; none
// when it failed.
ResponseSamples MeasureFloor(const PreviewChange& change, int changes, const DesignerBenchOptions& options) {
    const std::string folder = base::FromWide(base::FolderPart(base::ModulePath()));
    const std::string samplesFile = TemporaryFile();
    std::string text;
    try {
        ProbedProcess floor(folder + "PreviewFloor.exe",
                            std::string(change.key) + " " + std::to_string(changes) + " " +
                                std::to_string(options.warmups) + " \"" + samplesFile + "\"",
                            folder);
        DWORD code = 1;
        if (!floor.WaitExit(kFloorTimeoutMs, &code)) std::fprintf(stderr, "  the floor did not end in time\n");
        else if (code != 0) std::fprintf(stderr, "  the floor ended with %ld: it did not follow\n", long(code));
        std::ifstream in(samplesFile, std::ios::binary);
        std::ostringstream all;
        all << in.rdbuf();
        text = all.str();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "  %s\n", error.what());
    }
    DeleteFileA(samplesFile.c_str());
    auto samples = ParseSamples(text);
    if (!samples) std::fprintf(stderr, "  the floor's samples are unreadable\n");
    return samples.value_or(ResponseSamples{});
}

// The i-th change as a user's edit reaches the designer.
std::function<void(int)> DesignerChange(designer::TForm1& form, const PreviewChange& change) {
    ui::Control& control = form.Find(change.control);
    switch (change.action) {
    case Action::SetText:
        return [&control, &change](int i) { control.SetText(change.values[i % 2]); };
    case Action::TypeKey:
        return [&control, &change](int i) {
            SendMessageA(control.Handle(), WM_CHAR, WPARAM(static_cast<unsigned char>(change.values[i % 2][0])), 1);
        };
    case Action::Pick:
        return [&form, &control, &change](int i) {
            control.SetText(change.values[i % 2]);
            const ui::Control& button = form.Find(change.button);
            SendMessageA(form.Handle(), WM_COMMAND, MAKEWPARAM(button.Id(), BN_CLICKED), LPARAM(button.Handle()));
        };
    case Action::Check:
        break;
    }
    auto& box = dynamic_cast<ui::CheckBox&>(control);
    return [&box, &change](int i) { box.SetChecked(change.values[i % 2][0] == '1'); };
}

// The preview shows what the control says: a change that never reached it
// would time nothing.
bool PreviewFollowed(designer::TForm1& form, const PreviewChange& change) {
    const ui::Control& control = form.Find(change.control);
    const std::string_view elementName = change.element;
    const ui::Control& element = elementName == "Frame2" ? *form.Frame2 : form.Frame2->Find(elementName);
    const ui::Bounds b = element.GetBounds();
    switch (change.property) {
    case Property::Caption: return element.Text() == control.Text();
    case Property::Visible: return element.Visible() == dynamic_cast<const ui::CheckBox&>(control).Checked();
    case Property::Picture: {
        // Decoded for its pane: as wide as it.
        const ui::Graphic* picture = dynamic_cast<const ui::PicturePane&>(element).Picture();
        return picture && picture->Width() == ui::Scale(b.width, element.Dpi());
    }
    case Property::Left: return b.left == dynamic_cast<const ui::SpinEdit&>(control).Value();
    case Property::Top: return b.top == dynamic_cast<const ui::SpinEdit&>(control).Value();
    case Property::Width: return b.width == dynamic_cast<const ui::SpinEdit&>(control).Value();
    case Property::Height: return b.height == dynamic_cast<const ui::SpinEdit&>(control).Value();
    }
    return false;
}

ResponseSamples MeasureDesigner(designer::TForm1& form, const PreviewChange& change, int changes,
                                const DesignerBenchOptions& options) {
    // The floor's window went over this one: take the focus back, into the
    // control the user edits, as the floor had it.
    HWND field = form.Find(change.control).Handle();
    SetForegroundWindow(form.Handle());
    SetFocus(field);
    if (change.action != Action::Check) SendMessageA(field, EM_SETSEL, 0x7FFF, 0x7FFF);  // type at the end
    DispatchQueued();
    const auto apply = DesignerChange(form, change);
    ResponseSamples samples = MeasureResponse(apply, changes, options.warmups);
    if (!PreviewFollowed(form, change)) std::fprintf(stderr, "  the preview did not follow\n");
    // Back to the second value, where the next kind expects the layout.
    if ((options.warmups + changes) % 2) apply(1);
    DispatchQueued();
    return samples;
}

void Append(ResponseSamples& to, const ResponseSamples& more) {
    to.handlerUs.insert(to.handlerUs.end(), more.handlerUs.begin(), more.handlerUs.end());
    to.withRepaintUs.insert(to.withRepaintUs.end(), more.withRepaintUs.begin(), more.withRepaintUs.end());
}

}  // namespace

int main(int argc, char** argv) {
    DesignerBenchOptions options;
    try {
        options = ParseDesignerBenchOptions(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "DesignerBench: %s\n", error.what());
        return 1;
    }
    ui::LoadCommonControls();
    ui::Application::Instance().SetTitle("ロカビナデザイナー");
    designer::TForm1 form(base::ModulePath());
    ShowWindow(form.Handle(), SW_SHOWNORMAL);
    UpdateWindow(form.Handle());
    DispatchQueued();

    std::vector<ResponseRow> rows;
    for (const PreviewChange& change : PreviewChanges()) {
        if (!options.only.empty() && std::find(options.only.begin(), options.only.end(), change.key) == options.only.end())
            continue;
        std::fprintf(stderr, "%s\n", change.key);
        // The designer would stop at its box for a file it cannot find.
        if (change.action == Action::Pick &&
            !(base::IsExistingFile(base::ToWide(change.values[0])) && base::IsExistingFile(base::ToWide(change.values[1])))) {
            std::fprintf(stderr, "  left out: %s and %s are not in the current folder\n", change.values[0],
                         change.values[1]);
            continue;
        }
        ResponseRow row{change.label, {}, {}};
        for (int round = 0; round < options.rounds; ++round) {
            const int changes = options.changes / options.rounds + (round < options.changes % options.rounds);
            Append(row.floor, MeasureFloor(change, changes, options));
            Append(row.measured, MeasureDesigner(form, change, changes, options));
        }
        rows.push_back(std::move(row));
    }
    std::printf("%s", FormatResponseTable(rows).c_str());
    std::printf("\nEach change alternates between two values: %d changes in %d rounds, each after %d warm-up ones, the "
                "floor and the designer taking turns; ratio = designer / floor with the repaint.\n",
                options.changes, options.rounds, options.warmups);
    return 0;
}
