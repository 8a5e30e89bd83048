// Measures how fast the designer's preview follows an edit: the change call
// alone (the change handler runs inside it) and the change followed by every
// message it queued, painting included. Prints a Markdown table on stdout.
//   DesignerBench [--changes N]
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "base/Files.h"
#include "core/ResultTable.h"
#include "core/Stopwatch.h"
#include "designer/MainForm.h"
#include "ui/Application.h"

namespace {

using namespace bench;

constexpr int kWarmupChanges = 50;

void DispatchQueued() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

struct Case {
    std::string change;
    std::function<void(int)> apply;  // the i-th change; consecutive ones differ
    std::function<bool()> previewFollowed;
};

ResponseRow Measure(const Case& c, int changes) {
    for (int i = 0; i < kWarmupChanges; ++i) {
        c.apply(i);
        DispatchQueued();
    }
    ResponseRow row{c.change, {}, {}};
    for (int i = 0; i < changes; ++i) {
        Stopwatch watch;
        c.apply(i);
        row.handlerUs.push_back(watch.Microseconds());
        DispatchQueued();
        row.withRepaintUs.push_back(watch.Microseconds());
    }
    // A change that never reached the preview would time nothing.
    if (!c.previewFollowed()) std::fprintf(stderr, "DesignerBench: the preview did not follow: %s\n", c.change.c_str());
    return row;
}

int ChangesFrom(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == "--changes") {
        const int changes = std::atoi(argv[2]);
        if (changes > 0 && changes <= 1000000) return changes;
    }
    if (argc != 1) std::fprintf(stderr, "usage: DesignerBench [--changes 1..1000000]; using 2000\n");
    return 2000;
}

}  // namespace

int main(int argc, char** argv) {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&icc);
    const int changes = ChangesFrom(argc, argv);

    ui::Application::Instance().SetTitle("ロカビナデザイナー");
    designer::TForm1 form(base::ModulePath());
    ShowWindow(form.Handle(), SW_SHOWNORMAL);
    UpdateWindow(form.Handle());
    DispatchQueued();

    auto& spin1 = form.Get<ui::SpinEdit>("SpinEdit1");
    auto& spin20 = form.Get<ui::SpinEdit>("SpinEdit20");
    auto& edit3 = form.Get<ui::Edit>("Edit3");
    designer::TFrame2& mock = *form.Frame2;
    SendMessageA(edit3.Handle(), EM_SETSEL, 0x7FFF, 0x7FFF);  // type at the end

    const std::vector<Case> cases = {
        {"SpinEdit1 value (picture 1 left)", [&](int i) { spin1.SetValue(i % 2 ? 0 : 40); },
         [&] { return mock.Image1->Left() == spin1.Value(); }},
        {"SpinEdit20 value (window width)", [&](int i) { spin20.SetValue(i % 2 ? 177 : 250); },
         [&] { return mock.Width() == spin20.Value(); }},
        {"Edit3 keystroke (button 1 caption)",
         [&](int i) { SendMessageA(edit3.Handle(), WM_CHAR, i % 2 ? VK_BACK : 'a', 1); },
         [&] { return mock.Button1->Text() == edit3.Text(); }},
        {"Edit3 text (button 1 caption)", [&](int i) { edit3.SetText(i % 2 ? "ボタン1" : "開く"); },
         [&] { return mock.Button1->Text() == edit3.Text(); }},
    };
    std::vector<ResponseRow> rows;
    for (const Case& c : cases) rows.push_back(Measure(c, changes));
    std::printf("%s", FormatResponseTable(rows).c_str());
    std::printf("\nEach change alternates between two values; %d changes after %d warm-up ones.\n", changes,
                kWarmupChanges);
    return 0;
}
