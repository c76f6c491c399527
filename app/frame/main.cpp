// Strokewise: the maintenance and diagnostics tool for one positioner.
// Usage: strokewise /d<device item path> [/s<server machine>]
#include "CSerratK90ClipwellApp.h"

#include "BuiltInServer.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace
{
// With STROKEWISE_TEARDOWN_PAUSE set, the program stops once its window and
// pages are gone, says so on its error output and goes on only when its
// input closes: a test can then signal it at a known moment of its teardown.
void pauseInTeardownWhenAsked()
{
    if (!std::getenv("STROKEWISE_TEARDOWN_PAUSE"))
        return;
    std::fputs("tearing down\n", stderr);
    std::fflush(stderr);
    while (std::fgetc(stdin) != EOF) { }
}
} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Strokewise"));
    // The built-in server answers for the simulated positioners ("/dSim/K90/...").
    registerBuiltInOpcServer();

    int exitCode = 0;
    {
        CSerratK90ClipwellApp app;
        if (!app.InitInstance(QApplication::arguments().mid(1)))
            return 1;
        exitCode = application.exec();
    }
    pauseInTeardownWhenAsked();
    return exitCode;
}
