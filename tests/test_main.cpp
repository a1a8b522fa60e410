// Test entry: the Qt application on the offscreen platform, then GoogleTest.
#include "startup/application.h"

#include <gtest/gtest.h>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

int main(int argc, char** argv)
{
    // Set here and not by the test runner: ctest lists the tests by running
    // this program without the tests' environment.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    Application app(argc, argv);
    const int result = RUN_ALL_TESTS();
#if defined(__SANITIZE_ADDRESS__)
    // The leak check runs here, while the Firebird client's threads are idle:
    // at exit they are being torn down, and LeakSanitizer's tracer can crash
    // on a thread caught half-way.
    __lsan_do_leak_check();
#endif
    return result;
}
