#pragma once

#include "OpcItemMgt.h"
#include "OpcSyncIO.h"

#include <memory>

// A group of items on a server. Its item management and synchronous I/O are
// asked for separately, as a client queries a group for each interface; an
// empty pointer means the group does not offer it.
class OpcGroup
{
public:
    virtual ~OpcGroup() = default;

    virtual uint32_t serverHandle() const = 0;
    virtual uint32_t revisedUpdateRateMs() const = 0;

    virtual std::shared_ptr<OpcItemMgt> itemMgt() = 0;
    virtual std::shared_ptr<OpcSyncIO> syncIO() = 0;
};
