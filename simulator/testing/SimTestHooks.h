#pragma once

#include "SimFaults.h"
#include "SimulatedPositioner.h"

#include <QByteArray>
#include <QString>

// Test access to the built-in server and its simulated devices; only tests
// and benchmarks link it. The hooks that concern the server stay set until
// reset(); a test fixture calls reset() in its set-up and tear-down.
namespace SimTestHooks
{

// The device at `path` ("Sim/K90/PV-101") in the most recently created live
// built-in server, created there if it does not exist yet; nullptr when no
// server lives or the path names no simulated device.
SimulatedPositioner* device(const QString& path);

// The faults put on `device`, kept for the device's life.
SimFaults& faults(SimulatedPositioner& device);
// `device` answers `reply` (the whole [command][byte count]... reply) to
// `command`, `times` times (-1 until cleared). A reply needs its response
// code and device status: one shorter than four bytes cannot be framed and
// reaches the program as no reply.
void scriptReply(SimulatedPositioner& device, uint8_t command, const QByteArray& reply, int times = 1);
void clearScriptedReplies(SimulatedPositioner& device);

// The server refuses creation (ConnectOpcServer gives 0).
void refuseCreation(bool refuse);
// AddGroup fails.
void refuseGroup(bool refuse);
// The group does not offer synchronous I/O.
void refuseSyncIO(bool refuse);
// AddItems fails as a call.
void failAddItemsCall(bool fail);
// AddItems rejects every item (an item error), whatever its path.
void rejectItems(bool reject);

// Clears every server hook (device faults live with their devices).
void reset();

} // namespace SimTestHooks
