#pragma once

#include "BuiltInServer.h"
#include "SimTestHooks.h"
#include "opc/OpcServerRegistry.h"

#include <QByteArray>
#include <QString>

#include <memory>
#include <optional>

// Reaches a simulated device the way the device link does: the server by
// ProgID, an inactive group, the device's HART frame item, then one write
// and one device read per transaction, keeping call and item results apart.
class SimLink
{
public:
    struct Exchange {
        Opc::Result writeCall = Opc::Failure;
        Opc::Result writeItem = Opc::Failure;
        Opc::Result readCall = Opc::Failure;
        Opc::Result readItem = Opc::Failure;
        std::optional<QByteArray> reply;
    };

    // The connection result (1, 0, -2, -3).
    int connect(const QString& progId = QString::fromLatin1(BuiltInServer::ProgId), const QString& machine = {});
    // 1 when the group and its synchronous I/O exist, else 0.
    int createGroup();
    // 1 added, -1 item error, -2 call failure.
    int addItem(const QString& devicePath);
    // Connects, creates the group and adds the item of `devicePath`; true when all three succeed.
    bool open(const QString& devicePath);

    // The program's bytes [command][byte count][data...] (a read is [command]).
    Exchange transact(const QByteArray& request);
    // The reply of a successful exchange, or an empty array.
    QByteArray ask(const QByteArray& request);
    // [command] for a read; [command][byte count][data] for a write.
    static QByteArray read(uint8_t command) { return QByteArray(1, char(command)); }
    static QByteArray write(uint8_t command, const QByteArray& data);

private:
    std::shared_ptr<OpcServer> m_server;
    std::shared_ptr<OpcGroup> m_group;
    std::shared_ptr<OpcItemMgt> m_itemMgt;
    std::shared_ptr<OpcSyncIO> m_syncIO;
    uint32_t m_item = 0;
};

// Reply fields, big-endian, at reply positions (data starts at 4).
inline int replyU8(const QByteArray& r, int at)
{
    return at < r.size() ? uint8_t(r.at(at)) : -1;
}
inline int replyU16(const QByteArray& r, int at)
{
    return at + 1 < r.size() ? (uint8_t(r.at(at)) << 8) | uint8_t(r.at(at + 1)) : -1;
}
inline int16_t replyS16(const QByteArray& r, int at)
{
    return int16_t(replyU16(r, at));
}
inline uint32_t replyU32(const QByteArray& r, int at)
{
    return (uint32_t(replyU16(r, at)) << 16) | uint32_t(replyU16(r, at + 2));
}
