#pragma once

namespace viewer {
// The program body: title, main window (whose creation runs start-up), loop.
int RunViewer();
}
