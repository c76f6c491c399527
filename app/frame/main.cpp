// Strokewise: the maintenance and diagnostics tool for one positioner.
// Usage: strokewise /d<device item path> [/s<server machine>]
#include "CSerratK90ClipwellApp.h"

#include "BuiltInServer.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Strokewise"));
    // The built-in server answers for the simulated positioners ("/dSim/K90/...").
    registerBuiltInOpcServer();

    CSerratK90ClipwellApp app;
    if (!app.InitInstance(QApplication::arguments().mid(1)))
        return 1;
    return application.exec();
}
