#include "core/CTellboxApp.h"

#include "core/ModuleStateGuard.h"

namespace
{
// Makes the instance while the library loads, before the program can call in.
[[maybe_unused]] const bool theAppLoaded = CTellboxApp::instance().initialised();
}

CTellboxApp::CTellboxApp() = default;
CTellboxApp::~CTellboxApp() = default;

bool CTellboxApp::InitInstance()
{
    // Controls are created through the platform's control registry, which
    // needs no set-up of the library's own: containment is always available.
    ModuleStateGuard moduleState;
    m_initialised = true;
    return true;
}

CTellboxApp& CTellboxApp::instance()
{
    // Made on first use, so code that runs while the library loads finds it
    // initialised whatever the order of the library's files.
    static CTellboxApp app;
    static const bool ready = app.InitInstance();
    (void)ready;
    return app;
}
