#include <windows.h>

#include "viewer/Program.h"

// The common controls are loaded by the program body, once start-up's folder
// walk has begun.
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return viewer::RunViewer(); }
