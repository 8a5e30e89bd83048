#include <windows.h>

#include "designer/Program.h"
#include "ui/CommonControls.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    ui::LoadCommonControls();
    return designer::RunDesigner();
}
