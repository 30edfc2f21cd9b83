#include "TApplication.h"

#include <gtest/gtest.h>

int main(int argc, char* argv[]) {
    // Listing the tests at build time needs an application too, with or
    // without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    TApplication application(argc, argv);
    application.setApplicationName("Quendrel");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
