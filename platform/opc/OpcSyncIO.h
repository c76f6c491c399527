#pragma once

#include "OpcTypes.h"

#include <vector>

// One item's value as a synchronous read returns it.
struct OpcItemState {
    uint32_t clientHandle = 0;
    qint64 timestampMs = 0;
    uint16_t quality = Opc::QualityBad;
    // The item's value: the HART frame item's byte array.
    QByteArray value;
};

// Synchronous reads and writes of a group's items. Every call fills one
// error per handle; the returned result says whether the call itself went
// through (Ok, SomeItemsFailed) or failed (then the item errors mean nothing).
class OpcSyncIO
{
public:
    virtual ~OpcSyncIO() = default;

    virtual Opc::Result read(Opc::DataSource source, const std::vector<uint32_t>& serverHandles,
        std::vector<OpcItemState>& states, std::vector<Opc::Result>& errors)
        = 0;

    virtual Opc::Result write(const std::vector<uint32_t>& serverHandles, const std::vector<QByteArray>& values,
        std::vector<Opc::Result>& errors)
        = 0;
};
