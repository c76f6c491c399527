#pragma once

#include "OpcGroup.h"

#include <memory>

// What a client asks for when it adds a group.
struct OpcGroupDef {
    QString name;
    bool active = false;
    uint32_t requestedUpdateRateMs = 0;
    uint32_t clientHandle = 0;
    int32_t timeBiasMinutes = 0;
    float percentDeadband = 0.0f;
    uint32_t localeId = 0;
};

// An OPC Data Access server as the device link uses it: it adds groups.
class OpcServer
{
public:
    virtual ~OpcServer() = default;

    // Ok and the new group, or a failure and an empty pointer.
    virtual Opc::Result addGroup(const OpcGroupDef& definition, std::shared_ptr<OpcGroup>& group) = 0;
};
