// The main of every test program that creates forms: headless, with one application object.
#include "Application.h"
#include "QuietHeadless.h"

#include <gtest/gtest.h>

#include <stdlib.h>

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QuietHeadlessMessages();
    ::testing::InitGoogleTest(&argc, argv);
    Application->Initialize();
    return RUN_ALL_TESTS();
}
