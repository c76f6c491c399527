#pragma once

#include "OpcTypes.h"

#include <vector>

// What a client asks for when it adds an item.
struct OpcItemDef {
    QString accessPath;
    QString itemId;
    bool active = false;
    uint32_t clientHandle = 0;
    QByteArray blob;
    Opc::VarType requestedType = Opc::VarType::Empty;
};

// What the server gives back for an item it added.
struct OpcItemResult {
    uint32_t serverHandle = 0;
    Opc::VarType canonicalType = Opc::VarType::Empty;
    uint32_t accessRights = 0;
};

// Item management of a group: adds items and hands out their server handles.
class OpcItemMgt
{
public:
    static constexpr uint32_t ReadAccess = 0x01;
    static constexpr uint32_t WriteAccess = 0x02;

    virtual ~OpcItemMgt() = default;

    // One result and one error per definition. The call result is Ok when every
    // item was added, SomeItemsFailed when some were not (see their errors),
    // and a failure when the call itself failed.
    virtual Opc::Result addItems(
        const std::vector<OpcItemDef>& items, std::vector<OpcItemResult>& results, std::vector<Opc::Result>& errors)
        = 0;
};
