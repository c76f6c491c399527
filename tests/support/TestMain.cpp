// One main for every test program: a QApplication on the offscreen platform
// (unless the caller chose another), then GoogleTest.
#include <QApplication>

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Strokewise"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
