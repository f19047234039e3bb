#include "windows/shell/guarded_application.h"

#include <gtest/gtest.h>

// Widget tests run on Qt's offscreen platform inside the application class the editor uses,
// so that an exception escaping a handler takes the same road as in the program.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    ::testing::InitGoogleTest(&argc, argv);
    orvex::GuardedApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
