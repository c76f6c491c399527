#pragma once

#include "opc/OpcServer.h"

#include <QByteArray>

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

// An OPC server with one HART frame item whose device is the test: every
// frame written is recorded, and each read gives the next queued reply (or,
// with none queued, the responder's answer). Each call and item result can
// be made to fail, so every path of the transaction is reachable.
class FakeHartServer : public OpcServer, public std::enable_shared_from_this<FakeHartServer>
{
public:
    static constexpr const char* ProgId = "Test.HartFrameServer.1";

    // Registers a fresh server under ProgId and returns it.
    static std::shared_ptr<FakeHartServer> install();
    static void uninstall();

    Opc::Result addGroup(const OpcGroupDef& definition, std::shared_ptr<OpcGroup>& group) override;

    // What the link sent, one frame per write.
    std::vector<QByteArray> written;
    // Replies for the next reads, in order; std::nullopt = the read's item error.
    std::deque<std::optional<QByteArray>> replies;
    // Answer when nothing is queued: echoes the command with an empty data part.
    std::function<QByteArray(const QByteArray& request)> responder;

    bool failWriteCall = false;
    bool failWriteItem = false;
    bool failReadCall = false;
    bool rejectItem = false;
    bool throwOnWrite = false; // the OPC layer itself raises
    QString lastItemId;
    OpcGroupDef lastGroup;

    std::optional<QByteArray> nextReply(const QByteArray& request);
};
