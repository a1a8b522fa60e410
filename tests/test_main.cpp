// Test entry: the Qt application on the offscreen platform, then GoogleTest.
#include "startup/application.h"

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    // Set here and not by the test runner: ctest lists the tests by running
    // this program without the tests' environment.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    Application app(argc, argv);
    return RUN_ALL_TESTS();
}
