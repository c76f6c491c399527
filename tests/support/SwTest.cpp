#include "SwTest.h"

#include "ui/ControlRegistry.h"
#include "ui/HandlerGuard.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cstdlib>

void SwTest::SetUp()
{
    ASSERT_TRUE(m_stateDir.isValid());
    m_hadStateHome = qEnvironmentVariableIsSet("XDG_STATE_HOME");
    m_oldStateHome = qgetenv("XDG_STATE_HOME");
    qputenv("XDG_STATE_HOME", m_stateDir.path().toLocal8Bit());
    Prompts::install(&m_prompts);
    TimerService::install(&m_clock);
}

QString SwTest::ownProgramFolder(std::initializer_list<const char*> definitions)
{
    const QString home = tempPath(QStringLiteral("program"));
    const QString dependencies = home + QStringLiteral("/Dependencies/");
    QDir().mkpath(dependencies);
    const QString program = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    // The tables the program reads at start-up, so it can start again here.
    for (const QString& table : QDir(program).entryList({ QStringLiteral("*.dlm"), QStringLiteral("*.tbl") }, QDir::Files)) {
        QFile::remove(home + QLatin1Char('/') + table);
        QFile::copy(program + table, home + QLatin1Char('/') + table);
    }
    for (const char* name : definitions) {
        QFile::remove(dependencies + QLatin1String(name));
        EXPECT_TRUE(QFile::copy(program + QStringLiteral("Dependencies/") + QLatin1String(name),
            dependencies + QLatin1String(name)))
            << name;
    }
    qputenv("STROKEWISE_HOME", home.toUtf8());
    m_ownProgramFolder = true;
    return dependencies;
}

QString SwTest::ownTemporaryFolder()
{
    const QString folder = tempPath(QStringLiteral("tmp"));
    QDir().mkpath(folder);
    if (!m_ownTemporaryFolder) {
        m_hadTemporaryFolder = qEnvironmentVariableIsSet("TMPDIR");
        m_oldTemporaryFolder = qgetenv("TMPDIR");
    }
    qputenv("TMPDIR", folder.toLocal8Bit());
    m_ownTemporaryFolder = true;
    return folder;
}

QStringList SwTest::leftInTemporaryFolder() const
{
    return QDir(tempPath(QStringLiteral("tmp"))).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
}

void SwTest::TearDown()
{
    if (m_ownProgramFolder)
        qunsetenv("STROKEWISE_HOME");
    if (m_ownTemporaryFolder) {
        if (m_hadTemporaryFolder)
            qputenv("TMPDIR", m_oldTemporaryFolder);
        else
            qunsetenv("TMPDIR");
    }
    EXPECT_EQ(m_prompts.pendingAnswers(), 0) << "queued prompt answers were never asked for";
    TimerService::install(nullptr);
    Prompts::install(nullptr);
    HandlerGuard::setLogHook(nullptr);
    ControlRegistry::instance().restoreAll();
    if (m_hadStateHome)
        qputenv("XDG_STATE_HOME", m_oldStateHome);
    else
        qunsetenv("XDG_STATE_HOME");
}

void SwTest::keepAsFuzzSeed(const QString& path, const QString& seedName)
{
    const QString dir = QCoreApplication::applicationDirPath() + QStringLiteral("/artifacts/fuzz_seeds");
    QDir().mkpath(dir);
    const QString seed = dir + QLatin1Char('/') + seedName;
    QFile::remove(seed);
    QFile::copy(path, seed);
}
