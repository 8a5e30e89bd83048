// Entry point of every test program: common controls first, as the programs do.
#include <gtest/gtest.h>

#include "support/CurrentDirectory.h"
#include "support/Dialogs.h"
#include "ui/Application.h"
#include "ui/CommonControls.h"

int main(int argc, char** argv) {
    ui::LoadCommonControls();
    ui::Application::Instance().Handle();  // made first, as in the programs, so window counts hold
    testing::InitGoogleTest(&argc, argv);
    testing::UnitTest::GetInstance()->listeners().Append(new testsupport::CurrentDirectoryCheck);
    testsupport::StartStrayDialogGuard();
    return RUN_ALL_TESTS();
}
