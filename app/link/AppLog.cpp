#include "AppLog.h"

#include "automation/NumberText.h"
#include "ui/TimerService.h"

#include <QDir>
#include <QFile>

QString AppLog::folder()
{
    QString stateHome = qEnvironmentVariable("XDG_STATE_HOME");
    if (stateHome.isEmpty())
        stateHome = QDir::homePath() + QStringLiteral("/.local/state");
    return stateHome + QStringLiteral("/Hollenby/Castovane");
}

QString AppLog::filePath()
{
    return folder() + QStringLiteral("/SerratXDClipwellLog.txt");
}

QString AppLog::formatLine(const QString& text)
{
    const QDateTime now = TimerService::instance().localNow();
    const QDate date = now.date();
    const QTime time = now.time();
    const QString stamp = NumberText::format("%02d%02d%02d-%02d%02d%02d-%03d  ", date.year(), date.month(), date.day(),
        time.hour(), time.minute(), time.second(), time.msec());
    return stamp + QStringLiteral("  ") + text;
}

void AppLog::WriteLog(const QString& text) const
{
    try {
        QDir().mkpath(folder());
        QFile file(filePath());
        if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text))
            return;
        file.write(formatLine(text).toUtf8());
        file.write("\n");
    } catch (...) {
        // Logging must never end the caller's work.
    }
}
