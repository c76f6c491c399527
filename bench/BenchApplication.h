#pragma once

// The Qt application a benchmark needs, made once and never destroyed (Qt's
// own objects outlive static destructors badly at exit): offscreen unless the
// caller chose a platform, and the log in a temporary folder so a benchmark
// never writes into the user's own.
#include <QApplication>
#include <QTemporaryDir>

namespace BenchApplication
{

inline void ensure(const char* name)
{
    if (QCoreApplication::instance())
        return;
    static int argc = 1;
    static char* argv[] = { const_cast<char*>(name), nullptr };
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static QTemporaryDir stateFolder;
    qputenv("XDG_STATE_HOME", stateFolder.path().toLocal8Bit());
    new QApplication(argc, argv);
}

} // namespace BenchApplication
