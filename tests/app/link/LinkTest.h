#pragma once

#include "AppLog.h"
#include "DeviceData.h"
#include "DeviceLink.h"
#include "FakeHartServer.h"
#include "SwTest.h"

#include <QStringList>

#include <initializer_list>

// A device link opened to a fake server whose device is the test: it sees
// every frame sent and chooses every reply.
class LinkTest : public SwTest
{
protected:
    void SetUp() override;
    void TearDown() override;

    // Opens the link to the fake server for "Dev/1".
    void open();

    // The log's lines, each without its stamp.
    QStringList logTexts() const;
    QStringList logLines() const;

    static QByteArray bytes(std::initializer_list<int> values);
    // A reply [command][byte count][0][0][data...].
    static QByteArray reply(int command, std::initializer_list<int> data);
    static QByteArray reply(int command, const QByteArray& data);

    DeviceData data;
    AppLog log;
    DeviceLink link { data, log };
    std::shared_ptr<FakeHartServer> server;
};
