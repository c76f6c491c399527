#include "AppLog.h"
#include "SwTest.h"

#include <QDir>
#include <QFile>

namespace
{

class AppLog_ : public SwTest
{
protected:
    QByteArray contents() const
    {
        QFile file(AppLog::filePath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

} // namespace

TEST_F(AppLog_, LinesAreStampedAppendedAndKeptInCallOrder)
{
    EXPECT_EQ(AppLog::filePath(), stateDir() + "/Hollenby/Castovane/SerratXDClipwellLog.txt");
    AppLog log;
    log.WriteLog("first");
    log.WriteLog("");
    clock().advance(61'123);
    log.WriteLog(QString::fromUtf8("K\u00B2 second"));
    EXPECT_EQ(contents(),
        QByteArray("20240203-090500-000    first\n"
                   "20240203-090500-000    \n"
                   "20240203-090601-123    K\xC2\xB2 second\n"));
}

TEST_F(AppLog_, ALogThatCannotBeWrittenLosesTheLineQuietly)
{
    // The state folder is a file: the log folder cannot be made.
    QFile blocker(tempPath("blocked"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    qputenv("XDG_STATE_HOME", tempPath("blocked").toLocal8Bit());
    AppLog().WriteLog("lost");
    EXPECT_FALSE(QFile::exists(AppLog::filePath()));
}
