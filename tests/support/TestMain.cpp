// Entry point of every test program: common controls first, as the programs do.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "support/CurrentDirectory.h"
#include "support/Dialogs.h"
#include "ui/Application.h"

int main(int argc, char** argv) {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&icc);
    ui::Application::Instance().Handle();  // made first, as in the programs, so window counts hold
    testing::InitGoogleTest(&argc, argv);
    testing::UnitTest::GetInstance()->listeners().Append(new testsupport::CurrentDirectoryCheck);
    testsupport::StartStrayDialogGuard();
    return RUN_ALL_TESTS();
}
