// The window tests run on one GUI thread with a real application object.
#include <gtest/gtest.h>

#include "gui/Application.h"

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    Application.Initialize();
    Application.Title = "Tavlen";
    return RUN_ALL_TESTS();
}
