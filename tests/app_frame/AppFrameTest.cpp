#include "AppFrameTest.h"

#include "CMainFrame.h"

#include "BuiltInServer.h"
#include "SimTestHooks.h"

#include <QCoreApplication>
#include <QFile>

void AppFrameTest::SetUp()
{
    SwTest::SetUp();
    registerBuiltInOpcServer();
    SimTestHooks::reset();
}

void AppFrameTest::TearDown()
{
    m_app.reset();
    SimTestHooks::reset();
    SwTest::TearDown();
}

CSerratK90ClipwellApp& AppFrameTest::start(const QStringList& arguments)
{
    m_app = std::make_unique<CSerratK90ClipwellApp>();
    EXPECT_TRUE(m_app->InitInstance(arguments));
    return *m_app;
}

CMainFrame& AppFrameTest::frame()
{
    return *m_app->mainFrame();
}

CNavigationView& AppFrameTest::tree()
{
    return *frame().navigationView();
}

SimulatedPositioner& AppFrameTest::device(const char* path)
{
    SimulatedPositioner* positioner = SimTestHooks::device(QString::fromLatin1(path));
    if (!positioner)
        throw std::runtime_error("no simulated device");
    return *positioner;
}

QStringList AppFrameTest::logTexts() const
{
    QFile file(AppLog::filePath());
    QStringList texts;
    if (!file.open(QIODevice::ReadOnly))
        return texts;
    for (const QByteArray& line : file.readAll().split('\n')) {
        if (!line.isEmpty())
            texts << QString::fromUtf8(line.mid(line.indexOf("    ") + 4));
    }
    return texts;
}

void AppFrameTest::processEvents()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}
