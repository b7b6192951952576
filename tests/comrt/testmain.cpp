#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qgetenv("QT_QPA_PLATFORM").isEmpty()) qputenv("QT_QPA_PLATFORM", "offscreen");
    // No test may reach the user's registry, even one that forgets its own.
    qputenv("KPD_COMRT_REGISTRY", "/nonexistent/comrt-tests-must-set-a-registry.json");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
