#include "LinkTest.h"

#include <QFile>

void LinkTest::SetUp()
{
    SwTest::SetUp();
    server = FakeHartServer::install();
}

void LinkTest::TearDown()
{
    FakeHartServer::uninstall();
    SwTest::TearDown();
}

void LinkTest::open()
{
    ASSERT_EQ(link.connection().ConnectOpcServer(QString::fromLatin1(FakeHartServer::ProgId), QString()), 1);
    ASSERT_EQ(link.connection().CreateOpcGroup(QStringLiteral("Hollenby")), 1);
    ASSERT_EQ(link.connection().AddHartFrameItem(QStringLiteral("Dev/1/Param/HART_Frame")), 1);
}

QStringList LinkTest::logLines() const
{
    QFile file(AppLog::filePath());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

QStringList LinkTest::logTexts() const
{
    QStringList texts;
    for (const QString& line : logLines())
        texts << line.mid(23); // "yyyymmdd-hhmmss-mmm" and four blanks
    return texts;
}

QByteArray LinkTest::bytes(std::initializer_list<int> values)
{
    QByteArray result;
    for (int v : values)
        result.append(static_cast<char>(v));
    return result;
}

QByteArray LinkTest::reply(int command, std::initializer_list<int> data)
{
    return reply(command, bytes(data));
}

QByteArray LinkTest::reply(int command, const QByteArray& data)
{
    return bytes({ command, int(data.size() + 2), 0, 0 }) + data;
}
